#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

// Temporary files written beside their target and renamed over it, claimed by a lock while their
// writer lives, so that the next run on the same target can remove what a killed one left.
namespace automation::files {

// A new file made from `pattern`, whose name ends in the six "XXXXXX" that are replaced to make
// it unique (as mkstemp does), with the permissions any new file of the user gets, claimed until
// this object goes. The claim bars no reading or writing of the file, by this process or another,
// and lets it be renamed. Raises std::system_error when the file cannot be made.
class ClaimedFile {
 public:
  explicit ClaimedFile(const std::filesystem::path& pattern);
  ~ClaimedFile();
  ClaimedFile(const ClaimedFile&) = delete;
  ClaimedFile& operator=(const ClaimedFile&) = delete;

  const std::filesystem::path& path() const noexcept { return path_; }
  // A new stream that writes the file in binary from its start, for its taker to close: the claim
  // stays with this object. Null, with errno set, when it cannot be opened.
  std::FILE* openStream() const;

 private:
  std::filesystem::path path_;
  std::intptr_t claim_;  // the system's handle that holds the lock
};

// Removes the files of `folder` named `prefix` and six characters, that is, made by a ClaimedFile
// from the pattern `prefix` + "XXXXXX", together with their database journals ("-wal", "-shm",
// "-journal"), unless a living writer still claims them. Failures to remove are ignored: the
// next run tries again.
void removeAbandoned(const std::filesystem::path& folder, std::string_view prefix);

namespace detail {
// Removes `file` and its journals unless a ClaimedFile holds it; the journals also when `file` is
// gone. The system's side of removeAbandoned.
void removeUnclaimed(const std::filesystem::path& file);
}  // namespace detail

}  // namespace automation::files
