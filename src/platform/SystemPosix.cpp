// The system module on POSIX systems.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#include <utf8proc.h>

#include <cerrno>

#include "platform/System.hpp"

namespace automation::system {
namespace fs = std::filesystem;

std::FILE* openFile(const fs::path& file, const char* mode) { return std::fopen(file.c_str(), mode); }

bool appendWhole(const fs::path& file, std::string_view bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::close(fd) == 0 && bytes.empty();
}

std::FILE* createExclusive(const fs::path& file) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* stream = ::fdopen(fd, "wb");
  if (!stream) {
    int error = errno;
    ::close(fd);
    ::unlink(file.c_str());
    errno = error;
  }
  return stream;
}

bool mayWrite(const fs::path& file) { return ::access(file.c_str(), W_OK) == 0; }

bool flushToDisk(std::FILE* stream) { return std::fflush(stream) == 0 && ::fsync(::fileno(stream)) == 0; }

bool placeWithoutReplacing(const fs::path& from, const fs::path& to) {
  // A link fails rather than replace a file that appeared in the meantime.
  if (::link(from.c_str(), to.c_str()) == 0) return true;
  int error = errno;
  std::error_code ec;
  if (error == EEXIST || fs::exists(to, ec)) return false;
  // A file system without links gets a rename after that one more look.
  if (error != EPERM && error != EOPNOTSUPP)
    throw fs::filesystem_error("cannot create", from, to, std::error_code(error, std::generic_category()));
  fs::rename(from, to);
  return true;
}

std::tm localTime(std::time_t t) {
  std::tm local{};
  ::localtime_r(&t, &local);
  return local;
}

unsigned ansiCodePage() { return 65001; }

std::string toAnsiCodePage(std::string_view utf8) { return std::string(utf8); }

std::string fromAnsiCodePage(std::string_view text) { return std::string(text); }

char32_t lowerCase(char32_t c) { return static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(c))); }

std::vector<std::string> utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

void useUtf8Console() {}

bool isTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

long processId() { return static_cast<long>(::getpid()); }

}  // namespace automation::system
#endif
