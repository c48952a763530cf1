#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/System.hpp"

namespace testing_support {

// A new, empty folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
 public:
  TempFolder() : path_(automation::system::createUniqueFolder(std::filesystem::temp_directory_path() / "qvd-test-")) {}
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The UTF-8 name of `name` (UTF-8) in the folder.
  std::string file(std::string_view name) const {
    return automation::system::utf8FromPath(path_ / automation::system::pathFromUtf8(name));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
