#pragma once

#include <optional>
#include <string>

#include "company/Company.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// The reference an imported document carries into the company: "#" then "NAME:" when the import
// names its source with --source NAME, then the document's REF. The ERP keeps each one unique
// (in the header's Processo), which is what makes a re-run create nothing twice.
class SourceReference {
 public:
  // Raises a usage error for a source name that is empty or holds ':' or blanks.
  explicit SourceReference(const std::optional<std::string>& source);

  std::string of(const std::string& ref) const { return prefix_ + ref; }
  // The longest reference the ERP keeps.
  static constexpr std::size_t kLongest = 60;

  // The key of the document that already carries `reference`, if any.
  static std::optional<qvd::KeyDocumNext> holder(CompanySession& session, const std::string& reference);

 private:
  std::string prefix_;
};

}  // namespace qvdtool
