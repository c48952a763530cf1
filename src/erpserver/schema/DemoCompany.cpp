#include "erpserver/schema/DemoCompany.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "erpserver/schema/DemoData.hpp"
#include "erpserver/store/Password.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {
namespace {

namespace fs = std::filesystem;

void addUser(sql::Database& db, const std::string& code, const std::string& name, const std::string& secret) {
  std::string salt = password::newSalt();
  auto q = db.query("INSERT INTO UTILIZADORES (CODIGO, NOME, SAL, SENHA) VALUES (?, ?, ?, ?)");
  q->bind(1, code).bind(2, name).bind(3, salt).bind(4, password::digest(salt, secret)).run();
}

void removeWithJournals(const std::string& file) {
  std::error_code ec;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(file + suffix, ec);
}

// The whole company in `file`, left as one file without journal.
void build(const std::string& file) {
  auto db = sql::Database::open(file, true);
  ensureSchema(*db);
  sql::Transaction tx(*db);
  db->exec(kDemoData);
  addUser(*db, kDemoUser, "Administrador", kDemoPassword);
  tx.commit();
  db->exec("PRAGMA journal_mode=DELETE");
}

[[noreturn]] void refuseExisting(const fs::path& file) {
  throw CompanyExists("A empresa '" + file.stem().string() + "' já existe em '" + file.string() +
                      "': não é substituída sem pedido expresso");
}

}  // namespace

void createDemoCompany(const std::string& folder, const std::string& company, ExistingCompany existing) {
  fs::create_directories(folder);
  fs::path file = fs::path(folder) / (company + ".db");
  std::error_code ec;
  if (existing == ExistingCompany::Refuse && fs::exists(file, ec)) refuseExisting(file);
  std::string partial = (fs::path(folder) / ("." + company + ".db.new-XXXXXX")).string();
  int fd = mkstemp(partial.data());
  if (fd < 0) throw std::runtime_error("Não foi possível criar '" + partial + "': " + std::strerror(errno));
  // The temporary file's private mode would stay with the company.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  try {
    build(partial);
    if (existing == ExistingCompany::Replace) {
      for (const char* suffix : {"-wal", "-shm", "-journal"}) fs::remove(file.string() + suffix);
      fs::rename(partial, file);
    } else if (link(partial.c_str(), file.c_str()) != 0) {
      // Linking fails rather than replace a company that appeared in the meantime; a file
      // system without links gets a rename after one more look.
      if (errno == EEXIST || fs::exists(file, ec)) refuseExisting(file);
      if (errno != EPERM && errno != EOPNOTSUPP)
        throw std::runtime_error("Não foi possível criar '" + file.string() + "': " + std::strerror(errno));
      fs::rename(partial, file);
    }
  } catch (...) {
    removeWithJournals(partial);
    throw;
  }
  removeWithJournals(partial);
}

}  // namespace erpserver
