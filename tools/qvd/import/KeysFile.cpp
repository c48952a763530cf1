#include "import/KeysFile.hpp"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cli/CommandError.hpp"
#include "import/CsvTable.hpp"
#include "platform/Excerpt.hpp"
#include "platform/System.hpp"

namespace qvdtool {

namespace fs = std::filesystem;
namespace text = automation::text;
namespace sys = automation::system;

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

// A file its owner protected against writing is refused, even to a user (root) whom the system
// would let write it: replacing it would undo that protection.
bool mayReplace(const fs::path& file, fs::perms mode) {
  return sys::mayWrite(file) && (mode & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
                                    fs::perms::none;
}

}  // namespace

KeysFile::KeysFile(const fs::path& target, const std::vector<fs::path>& protectedFiles) : target_(target) {
  std::string name = sys::utf8FromPath(target);
  std::error_code ec;
  if (fs::is_directory(target, ec)) usageError("--keys " + text::quoted(name) + " is a folder: name a file");
  for (const fs::path& file : protectedFiles)
    if (sameFile(target, file))
      usageError("--keys " + text::quoted(name) + " is " + text::quoted(sys::utf8FromPath(file)) +
                 ", which the import reads or writes: name another file");
  fs::file_status status = fs::status(target, ec);
  bool exists = fs::exists(status);
  if (exists && !fs::is_regular_file(status)) {
    file_ = sys::openFile(target, "w");  // a device or a pipe
    if (!file_) usageError("cannot write the keys file " + text::quoted(name) + ": " + std::strerror(errno));
  } else {
    if (exists && !mayReplace(target, status.permissions()))
      usageError("--keys " + text::quoted(name) +
                 " is protected against writing: make it writable or name another file");
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string prefix = sys::utf8FromPath(target.filename()) + ".partial-";
    automation::files::removeAbandoned(folder, prefix);
    try {
      partial_.emplace(folder / sys::pathFromUtf8(prefix + "XXXXXX"));
    } catch (const std::system_error& e) {
      usageError("cannot write the keys file beside " + text::quoted(name) + ": " + e.code().message());
    }
    // The keys take the place of the file they replace, and its mode.
    if (exists) fs::permissions(partial_->path(), status.permissions(), ec);
    file_ = partial_->openStream();
    if (!file_) usageError("cannot write the keys file beside " + text::quoted(name) + ": " + std::strerror(errno));
  }
  std::fputs("REF,TPDOC,SERIE,ANO,NNUMDOC\n", file_);
}

KeysFile::~KeysFile() {
  if (file_) std::fclose(file_);
  std::error_code ec;
  if (partial_) fs::remove(partial_->path(), ec);
}

void KeysFile::write(const std::string& ref, const qvd::KeyDocumNext& key) {
  std::string row = csvField(ref) + "," + csvField(key.sTpDoc) + "," + std::to_string(key.iSerie) + "," +
                    std::to_string(key.iAno) + "," + std::to_string(key.lNumDoc) + "\n";
  if (std::fwrite(row.data(), 1, row.size(), file_) != row.size() && !error_) error_ = errno;
}

std::string KeysFile::commit() {
  if (std::fflush(file_) != 0 && !error_) error_ = errno;
  if (partial_ && !sys::flushToDisk(file_) && !error_) error_ = errno;
  if (std::fclose(file_) != 0 && !error_) error_ = errno;
  file_ = nullptr;
  if (error_) return "cannot write the keys file " + text::quoted(sys::utf8FromPath(target_)) + ": " + std::strerror(error_);
  if (partial_) {
    // Renamed while still claimed, so that no other run takes it for a leftover meanwhile.
    std::error_code ec;
    fs::rename(partial_->path(), target_, ec);
    if (ec) return "cannot put the keys file in place as " + text::quoted(sys::utf8FromPath(target_)) + ": " + ec.message();
    partial_.reset();
  }
  return {};
}

std::unique_ptr<KeysFile> openKeysFile(const std::optional<std::string>& path, const ImportPaths& paths,
                                       const CompanyLogin& login) {
  if (!path) return nullptr;
  std::vector<fs::path> taken{sys::pathFromUtf8(paths.headers), sys::pathFromUtf8(paths.lines),
                              login.logFolder / "OST_LOGNXTAPI.LOG"};
  if (!login.onServer()) {
    std::string database = login.database();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) taken.push_back(sys::pathFromUtf8(database + suffix));
  }
  if (paths.lots) taken.push_back(sys::pathFromUtf8(*paths.lots));
  return std::make_unique<KeysFile>(sys::pathFromUtf8(*path), taken);
}

}  // namespace qvdtool
