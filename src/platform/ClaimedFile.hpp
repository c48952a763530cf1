#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Temporary files written beside their target and renamed over it, claimed by a lock while their
// writer lives, so that the next run on the same target can remove what a killed one left.
namespace automation::files {

// A new file made from `pattern`, whose name ends in the six "XXXXXX" that are replaced to make
// it unique (as mkstemp does), locked until this object goes. Raises std::system_error when the
// file cannot be made.
class ClaimedFile {
 public:
  explicit ClaimedFile(std::string pattern);
  ~ClaimedFile();
  ClaimedFile(const ClaimedFile&) = delete;
  ClaimedFile& operator=(const ClaimedFile&) = delete;

  const std::string& path() const noexcept { return path_; }
  // The descriptor the file was made with, open for writing; whoever takes it may close it: the
  // claim is held apart from it.
  int descriptor() const noexcept { return descriptor_; }
  // Forgets the descriptor: its new owner closes it.
  void giveUpDescriptor() noexcept { descriptor_ = -1; }

 private:
  std::string path_;
  int descriptor_ = -1;
  int claim_ = -1;
};

// Removes the files of `folder` named `prefix` and six characters, that is, made by a ClaimedFile
// from the pattern `prefix` + "XXXXXX", together with their database journals ("-wal", "-shm",
// "-journal"), unless a living writer still claims them. Failures to remove are ignored: the
// next run tries again.
void removeAbandoned(const std::filesystem::path& folder, std::string_view prefix);

}  // namespace automation::files
