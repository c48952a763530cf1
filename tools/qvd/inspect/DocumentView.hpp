#pragma once

#include <ostream>

#include "company/Company.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// Prints a stored document as a person reads it: its key, type, counterpart and date, its lines,
// the lots of its lines and its totals. False when there is no document with that key.
bool printDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out);

bool documentExists(CompanySession& session, const qvd::KeyDocumNext& key);

// Prints the latest removed version of the document kept in the company's archive, headed by when
// and by whom it was removed. False when none is kept.
bool printRemovedDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out);

}  // namespace qvdtool
