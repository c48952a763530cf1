#pragma once

#include <ostream>

#include "Company.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// Prints a stored document as a person reads it: its key, type, counterpart and date, its lines,
// the lots of its lines and its totals. False when there is no document with that key.
bool printDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out);

bool documentExists(CompanySession& session, const qvd::KeyDocumNext& key);

}  // namespace qvdtool
