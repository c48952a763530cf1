#pragma once

#include <string>
#include <vector>

#include "DocumentStream.hpp"
#include "ImportLayout.hpp"
#include "facade/BAL_Next.hpp"

namespace qvdtool {

// One document as the record-set insert takes it: a header row, its lines and their lots.
struct DocumentRecords {
  automation::db::RecordsetRef header, lines, lots;
};

// Fills fresh templates from the facade with the rows of one document. Field texts are trimmed;
// an empty one leaves its column empty. Returns what is wrong with the input, each problem
// naming its file and line; the records may go to the ERP only when there is none.
std::vector<std::string> fillRecords(qvd::BAL_Next& facade, const ImportLayout& layout, const InputDocument& document,
                                     DocumentRecords& records);

}  // namespace qvdtool
