#include "import/KeysFile.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cli/CommandError.hpp"
#include "import/CsvTable.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {

namespace fs = std::filesystem;
namespace text = automation::text;

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

// A file its owner protected against writing is refused, even to a user (root) whom the system
// would let write it: replacing it would undo that protection.
bool mayReplace(const std::string& name, const struct stat& status) {
  return access(name.c_str(), W_OK) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

}  // namespace

KeysFile::KeysFile(const fs::path& target, const std::vector<fs::path>& protectedFiles) : target_(target) {
  std::string name = target.string();
  std::error_code ec;
  if (fs::is_directory(target, ec)) usageError("--keys " + text::quoted(name) + " is a folder: name a file");
  for (const fs::path& file : protectedFiles)
    if (sameFile(target, file))
      usageError("--keys " + text::quoted(name) + " is " + text::quoted(file.string()) +
                 ", which the import reads or writes: name another file");
  struct stat status {};
  bool exists = stat(name.c_str(), &status) == 0;
  if (exists && !S_ISREG(status.st_mode)) {
    file_ = std::fopen(name.c_str(), "w");  // a device or a pipe
    if (!file_) usageError("cannot write the keys file " + text::quoted(name) + ": " + std::strerror(errno));
  } else {
    if (exists && !mayReplace(name, status))
      usageError("--keys " + text::quoted(name) +
                 " is protected against writing: make it writable or name another file");
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string prefix = target.filename().string() + ".partial-";
    automation::files::removeAbandoned(folder, prefix);
    try {
      partial_.emplace((folder / (prefix + "XXXXXX")).string());
    } catch (const std::system_error& e) {
      usageError("cannot write the keys file beside " + text::quoted(name) + ": " + std::strerror(e.code().value()));
    }
    // The keys take the place of the file they replace, and its mode; a new one gets the usual.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(partial_->descriptor(), exists ? status.st_mode & 07777 : 0666 & ~mask);
    file_ = fdopen(partial_->descriptor(), "w");
    if (!file_) usageError("cannot write the keys file beside " + text::quoted(name) + ": " + std::strerror(errno));
    partial_->giveUpDescriptor();
  }
  std::fputs("REF,TPDOC,SERIE,ANO,NNUMDOC\n", file_);
}

KeysFile::~KeysFile() {
  if (file_) std::fclose(file_);
  if (partial_) unlink(partial_->path().c_str());
}

void KeysFile::write(const std::string& ref, const qvd::KeyDocumNext& key) {
  std::string row = csvField(ref) + "," + csvField(key.sTpDoc) + "," + std::to_string(key.iSerie) + "," +
                    std::to_string(key.iAno) + "," + std::to_string(key.lNumDoc) + "\n";
  if (std::fwrite(row.data(), 1, row.size(), file_) != row.size() && !error_) error_ = errno;
}

std::string KeysFile::commit() {
  if (std::fflush(file_) != 0 && !error_) error_ = errno;
  if (partial_ && fsync(fileno(file_)) != 0 && !error_) error_ = errno;
  if (std::fclose(file_) != 0 && !error_) error_ = errno;
  file_ = nullptr;
  if (error_) return "cannot write the keys file " + text::quoted(target_.string()) + ": " + std::strerror(error_);
  if (partial_) {
    // Renamed while still claimed, so that no other run takes it for a leftover meanwhile.
    std::error_code ec;
    fs::rename(partial_->path(), target_, ec);
    if (ec) return "cannot put the keys file in place as " + text::quoted(target_.string()) + ": " + ec.message();
    partial_.reset();
  }
  return {};
}

std::unique_ptr<KeysFile> openKeysFile(const std::optional<std::string>& path, const ImportPaths& paths,
                                       const CompanyLogin& login) {
  if (!path) return nullptr;
  std::vector<fs::path> taken{paths.headers, paths.lines, login.logFolder / "OST_LOGNXTAPI.LOG"};
  if (!login.onServer()) {
    std::string database = login.database();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) taken.emplace_back(database + suffix);
  }
  if (paths.lots) taken.emplace_back(*paths.lots);
  return std::make_unique<KeysFile>(*path, taken);
}

}  // namespace qvdtool
