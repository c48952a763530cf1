#include "KeysFile.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "CommandError.hpp"
#include "CsvTable.hpp"

namespace qvdtool {

namespace fs = std::filesystem;

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

}  // namespace

KeysFile::KeysFile(const fs::path& target, const std::vector<fs::path>& protectedFiles) : target_(target) {
  std::string name = target.string();
  std::error_code ec;
  if (fs::is_directory(target, ec)) usageError("--keys '" + name + "' is a folder: name a file");
  for (const fs::path& file : protectedFiles)
    if (sameFile(target, file))
      usageError("--keys '" + name + "' is '" + file.string() + "', which the import reads or writes: name another file");
  auto status = fs::status(target, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    file_ = std::fopen(name.c_str(), "w");
  } else {
    std::string pattern = name + ".partial-XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd >= 0) {
      partial_ = pattern;
      file_ = fdopen(fd, "w");
    }
  }
  if (!file_)
    usageError("cannot write the keys file beside '" + name + "': " + std::strerror(errno));
  std::fputs("REF,TPDOC,SERIE,ANO,NNUMDOC\n", file_);
}

KeysFile::~KeysFile() {
  if (file_) std::fclose(file_);
  if (!partial_.empty()) {
    std::error_code ec;
    fs::remove(partial_, ec);
  }
}

void KeysFile::write(const std::string& ref, const qvd::KeyDocumNext& key) {
  std::string row = csvField(ref) + "," + csvField(key.sTpDoc) + "," + std::to_string(key.iSerie) + "," +
                    std::to_string(key.iAno) + "," + std::to_string(key.lNumDoc) + "\n";
  if (std::fwrite(row.data(), 1, row.size(), file_) != row.size() && !error_) error_ = errno;
}

std::string KeysFile::commit() {
  if (std::fflush(file_) != 0 && !error_) error_ = errno;
  if (!partial_.empty() && fsync(fileno(file_)) != 0 && !error_) error_ = errno;
  if (std::fclose(file_) != 0 && !error_) error_ = errno;
  file_ = nullptr;
  if (!error_ && !partial_.empty()) {
    std::error_code ec;
    fs::rename(partial_, target_, ec);
    if (ec) return "cannot put the keys file in place as '" + target_.string() + "': " + ec.message();
    partial_.clear();
  }
  if (error_) return "cannot write the keys file '" + target_.string() + "': " + std::strerror(error_);
  return {};
}

}  // namespace qvdtool
