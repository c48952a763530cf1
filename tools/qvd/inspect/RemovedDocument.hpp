#pragma once

// The archive of removed documents, as show and restore read it.

#include <optional>
#include <string>

#include "company/Company.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// One removal of a document that the ERP keeps in its archive of removed documents.
struct Removal {
  int64_t id = 0;
  std::string when, user;
};

// The latest removal of the document with that key; none when the archive holds none.
std::optional<Removal> latestRemoval(CompanySession& session, const qvd::KeyDocumNext& key);

}  // namespace qvdtool
