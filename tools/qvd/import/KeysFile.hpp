#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "company/Company.hpp"
#include "foundation/Records.hpp"
#include "import/ImportFiles.hpp"
#include "platform/ClaimedFile.hpp"

namespace qvdtool {

// The file --keys names: REF,TPDOC,SERIE,ANO,NNUMDOC of every document of the input that is in
// the company. It is written beside the target and renamed over it by commit(), so the target is
// whole or left as it was, with its mode; a device or pipe (/dev/stdout) is written directly. What
// an interrupted run left beside the target is removed first.
class KeysFile {
 public:
  // Refuses (usage error) a folder, a file protected against writing, and any of `protectedFiles`
  // (the inputs, the company database and its companions): the keys must never overwrite them.
  KeysFile(const std::filesystem::path& target, const std::vector<std::filesystem::path>& protectedFiles);
  ~KeysFile();
  KeysFile(const KeysFile&) = delete;
  KeysFile& operator=(const KeysFile&) = delete;

  void write(const std::string& ref, const qvd::KeyDocumNext& key);
  // Puts the file in place. Empty when it went well, else what went wrong (disk full, ...); the
  // target is then left as it was.
  std::string commit();

 private:
  std::filesystem::path target_;
  std::optional<automation::files::ClaimedFile> partial_;  // none: written directly
  std::FILE* file_ = nullptr;
  int error_ = 0;  // the first write error
};

// The keys file --keys names for an import of `paths` into the company of `login`, kept off every
// file that import reads or writes; none without the option.
std::unique_ptr<KeysFile> openKeysFile(const std::optional<std::string>& path, const ImportPaths& paths,
                                       const CompanyLogin& login);

}  // namespace qvdtool
