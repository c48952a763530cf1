#pragma once

#include <optional>
#include <string>

#include "Company.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// One removal of a document that the ERP keeps in its archive of removed documents.
struct Removal {
  int64_t id = 0;
  std::string when, user;
};

// The latest removal of the document with that key; none when the archive holds none.
std::optional<Removal> latestRemoval(CompanySession& session, const qvd::KeyDocumNext& key);

// What putting a removed document back gave: the key it got, or the ERP's refusal.
struct RestoreOutcome {
  bool restored = false;
  qvd::KeyDocumNext key;
  int32_t number = 0;
  std::string message;
};

// Puts the archived document of `removal` back under its own number through the library's
// record-set insert, so that the ERP checks it and moves its stock as for any new document.
RestoreOutcome restoreDocument(CompanySession& session, const Removal& removal);

}  // namespace qvdtool
