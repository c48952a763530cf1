#include "company/CompanyCheck.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/System.hpp"

namespace qvdtool {

namespace {

bool hasDatabaseHeader(const std::filesystem::path& file) {
  char header[16] = {};
  std::ifstream in(file, std::ios::binary);
  return in.read(header, sizeof header) && std::memcmp(header, "SQLite format 3", sizeof header) == 0;
}

std::string problemOf(const std::filesystem::path& file) {
  std::FILE* both = automation::system::openFile(file, "r+b");
  if (!both) return "it cannot be read and written (" + std::string(std::strerror(errno)) + ")";
  std::fclose(both);
  if (!hasDatabaseHeader(file)) return "it is not a database (empty, or a file of another kind)";
  std::shared_ptr<dataaccess::SqliteDataAccess> data;
  try {
    data = dataaccess::SqliteDataAccess::open(automation::system::utf8FromPath(file));
  } catch (const automation::AutomationError& e) {
    return "it is a damaged database (" + e.description() + ")";
  }
  automation::db::RecordsetRef rs;
  if (data->AbrirRecordset("", "SELECT NOMEEMP FROM PARAMS", rs, -1, 0) && !rs->Eof()) return {};
  std::string reason = data->UltimoErroBD();
  if (reason.find("no such table") != std::string::npos || reason.empty())
    return "it is a database without the company's tables";
  return "it is a damaged database (" + reason + ")";
}

}  // namespace

std::string companyFileProblem(const std::string& name) {
  std::string problem = problemOf(automation::system::pathFromUtf8(name));
  if (problem.empty()) return {};
  return automation::text::quoted(name) + " is not a company database: " + problem +
         ". Move it away (or restore the company from a backup) and run the command again, or use another --company";
}

}  // namespace qvdtool
