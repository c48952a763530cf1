// The parts of the system module that are the same on every system.
#include "platform/System.hpp"

#include <cerrno>
#include <random>

namespace automation::system {
namespace fs = std::filesystem;
namespace {

constexpr int kTries = 100;

std::string randomLetters() {
  static thread_local std::mt19937 generator{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string out(8, ' ');
  for (char& c : out) c = kLetters[pick(generator)];
  return out;
}

fs::path withLetters(const fs::path& prefix) {
  fs::path out = prefix;
  out += randomLetters();
  return out;
}

}  // namespace

fs::path pathFromUtf8(std::string_view text) { return fs::path(std::u8string(text.begin(), text.end())); }

std::string utf8FromPath(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

UniqueFile createUniqueFile(const fs::path& prefix) {
  for (int i = 0; i < kTries; ++i) {
    fs::path candidate = withLetters(prefix);
    if (std::FILE* stream = createExclusive(candidate)) return {candidate, stream};
    if (errno != EEXIST) return {};
  }
  return {};
}

fs::path createUniqueFolder(const fs::path& prefix) {
  for (int i = 0; i < kTries; ++i) {
    fs::path candidate = withLetters(prefix);
    if (fs::create_directory(candidate)) return candidate;
  }
  throw fs::filesystem_error("no free name for a new folder", prefix, std::make_error_code(std::errc::file_exists));
}

}  // namespace automation::system
