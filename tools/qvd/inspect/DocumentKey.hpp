#pragma once

#include "cli/Arguments.hpp"
#include "foundation/Records.hpp"

namespace qvdtool {

// The key of the verbs that name one document: TYPE SERIES YEAR NUMBER after the folder.
// Refuses (as wrong usage) a series, year or number that is not a whole number.
qvd::KeyDocumNext documentKey(const Arguments& arguments);

}  // namespace qvdtool
