// Claimed files on POSIX systems: the claim is an advisory lock on a descriptor of the file.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <string>
#include <system_error>

#include "platform/ClaimedFile.hpp"

namespace automation::files {
namespace fs = std::filesystem;

namespace {

bool sameFile(int descriptor, const fs::path& path) {
  struct stat opened = {}, named = {};
  return fstat(descriptor, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace

ClaimedFile::ClaimedFile(const fs::path& pattern) {
  assert(pattern.native().ends_with("XXXXXX"));
  // A remover may take the new file between its making and its lock: then make another.
  for (;;) {
    std::string name = pattern.native();
    int descriptor = mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) throw std::system_error(errno, std::generic_category(), name);
    path_ = name;
    if (flock(descriptor, LOCK_EX) != 0) {
      int error = errno;
      close(descriptor);
      unlink(name.c_str());
      throw std::system_error(error, std::generic_category(), name);
    }
    if (sameFile(descriptor, path_)) {
      claim_ = descriptor;
      break;
    }
    close(descriptor);
  }
  // Not the private mode mkstemp gives, which would stay with the file once in place.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(static_cast<int>(claim_), 0666 & ~mask);
}

ClaimedFile::~ClaimedFile() { close(static_cast<int>(claim_)); }

std::FILE* ClaimedFile::openStream() const {
  int descriptor = open(path_.c_str(), O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  std::FILE* stream = fdopen(descriptor, "wb");
  if (!stream) {
    int error = errno;
    close(descriptor);
    errno = error;
  }
  return stream;
}

void detail::removeUnclaimed(const fs::path& file) {
  int descriptor = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  // A file that is gone leaves its journals behind; one that is claimed is someone's work.
  if (descriptor < 0 && errno != ENOENT) return;
  if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    close(descriptor);
    return;
  }
  for (const char* journal : {"-wal", "-shm", "-journal"}) unlink((file.native() + journal).c_str());
  unlink(file.c_str());
  if (descriptor >= 0) close(descriptor);
}

}  // namespace automation::files
#endif
