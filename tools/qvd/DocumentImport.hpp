#pragma once

#include <cstdint>
#include <string>

#include "DocumentStream.hpp"
#include "ImportFiles.hpp"
#include "ImportLayout.hpp"
#include "facade/BAL_Next.hpp"

namespace qvdtool {

// What became of one document of the import.
struct ImportOutcome {
  bool inserted = false;
  int32_t number = 0;   // the ERP's or the run-time error's number; 0 for faults of the input
  std::string message;  // why it was not inserted
  qvd::KeyDocumNext key;
};

// Creates one document through the record-set templates and Inserir, unless its input is at fault.
ImportOutcome importDocument(qvd::BAL_Next& facade, const ImportLayout& layout, const ImportFiles& files,
                             const InputDocument& document);

// "REF D7 not imported (CAB.csv line 8, LIN.csv lines 20-22): error 1013: ...".
std::string failureLine(const ImportFiles& files, const InputDocument& document, const ImportOutcome& outcome);

}  // namespace qvdtool
