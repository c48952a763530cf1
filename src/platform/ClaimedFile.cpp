// The part of claimed files that is the same on every system: finding what killed runs left.
#include "platform/ClaimedFile.hpp"

#include <set>
#include <string>
#include <system_error>

namespace automation::files {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUniquePart = 6;

// The file a name in the folder belongs to: itself, or the file whose journal it is.
std::u8string ownerOf(std::u8string_view name, std::u8string_view prefix) {
  for (std::u8string_view journal : {u8"-wal", u8"-shm", u8"-journal"})
    if (name.ends_with(journal)) {
      name.remove_suffix(journal.size());
      break;
    }
  return name.size() == prefix.size() + kUniquePart ? std::u8string(name) : std::u8string();
}

}  // namespace

void removeAbandoned(const fs::path& folder, std::string_view prefix) {
  std::u8string start(prefix.begin(), prefix.end());
  std::set<std::u8string> owners;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::u8string name = it->path().filename().u8string();
    if (!name.starts_with(start)) continue;
    if (std::u8string owner = ownerOf(name, start); !owner.empty()) owners.insert(owner);
  }
  for (const std::u8string& owner : owners) detail::removeUnclaimed(folder / owner);
}

}  // namespace automation::files
