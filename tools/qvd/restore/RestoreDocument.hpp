#pragma once

// Putting a removed document back, as the ERP stores a new one.

#include <cstdint>
#include <string>

#include "company/Company.hpp"
#include "foundation/Records.hpp"
#include "inspect/RemovedDocument.hpp"

namespace qvdtool {

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
