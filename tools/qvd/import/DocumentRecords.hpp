#pragma once

#include <string>
#include <vector>

#include "facade/BAL_Next.hpp"
#include "import/DocumentStream.hpp"
#include "import/ImportLayout.hpp"

namespace qvdtool {

// The record sets a document goes to the ERP in: the facade's templates, taken once for the whole
// import and emptied for each document, since a table's columns do not change during a run.
class DocumentRecords {
 public:
  explicit DocumentRecords(qvd::BAL_Next& facade);

  // Empties the record sets and fills them with the rows of `document`. Field texts are trimmed;
  // an empty one leaves its column empty. Returns what is wrong with the input, each problem
  // naming its file and line; the records may go to the ERP only when there is none.
  std::vector<std::string> fill(const ImportLayout& layout, const InputDocument& document);

  automation::db::RecordsetRef header, lines, lots;
};

}  // namespace qvdtool
