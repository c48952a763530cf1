#include "platform/ClaimedFile.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <set>
#include <system_error>

namespace automation::files {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUniquePart = 6;
constexpr const char* kJournals[] = {"-wal", "-shm", "-journal"};

bool sameFile(int descriptor, const std::string& path) {
  struct stat opened = {}, named = {};
  return fstat(descriptor, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// The file a name in the folder belongs to: itself, or the file whose journal it is.
std::string ownerOf(std::string_view name, std::string_view prefix) {
  for (std::string_view journal : kJournals)
    if (name.ends_with(journal)) {
      name.remove_suffix(journal.size());
      break;
    }
  return name.size() == prefix.size() + kUniquePart ? std::string(name) : std::string();
}

}  // namespace

ClaimedFile::ClaimedFile(std::string pattern) {
  assert(pattern.ends_with("XXXXXX"));
  // A remover may take the new file between its making and its lock: then make another.
  for (;;) {
    path_ = pattern;
    descriptor_ = mkostemp(path_.data(), O_CLOEXEC);
    if (descriptor_ < 0) throw std::system_error(errno, std::generic_category(), path_);
    claim_ = fcntl(descriptor_, F_DUPFD_CLOEXEC, 0);
    if (claim_ < 0 || flock(claim_, LOCK_EX) != 0) {
      int error = errno;
      close(descriptor_);
      if (claim_ >= 0) close(claim_);
      unlink(path_.c_str());
      throw std::system_error(error, std::generic_category(), path_);
    }
    if (sameFile(claim_, path_)) return;
    close(descriptor_);
    close(claim_);
  }
}

ClaimedFile::~ClaimedFile() {
  if (descriptor_ >= 0) close(descriptor_);
  close(claim_);
}

void removeAbandoned(const fs::path& folder, std::string_view prefix) {
  std::set<std::string> owners;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    if (std::string owner = ownerOf(name, prefix); !owner.empty()) owners.insert(owner);
  }
  for (const std::string& owner : owners) {
    std::string path = (folder / owner).string();
    int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    // A file that is gone leaves its journals behind; one that is claimed is someone's work.
    if (descriptor < 0 && errno != ENOENT) continue;
    if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
      close(descriptor);
      continue;
    }
    for (std::string_view journal : kJournals) unlink((path + std::string(journal)).c_str());
    unlink(path.c_str());
    if (descriptor >= 0) close(descriptor);
  }
}

}  // namespace automation::files
