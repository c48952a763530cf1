#pragma once

#include <cstdint>
#include <string>

#include "company/Company.hpp"
#include "facade/BAL_Next.hpp"
#include "import/DocumentRecords.hpp"
#include "import/DocumentStream.hpp"
#include "import/ImportFiles.hpp"
#include "import/ImportLayout.hpp"

namespace qvdtool {

// What became of one document of the import.
struct ImportOutcome {
  enum Result { Created, AlreadyIn, Refused } result = Refused;
  int32_t number = 0;   // the ERP's or the run-time error's number; 0 for faults of the input
  std::string message;  // why it was refused
  qvd::KeyDocumNext key;  // of the document created now or before
};

// Creates one document through `records` and Inserir, carrying `reference` (its
// source reference), unless its input is at fault. A document that the ERP refuses while another
// holds its reference was imported before: AlreadyIn, with that document's key.
// `lookFirst` looks the reference up before building the document, which makes a re-run skip
// what went in before cheaply; without it the ERP's refusal finds it, at the cost of building it.
ImportOutcome importDocument(CompanySession& session, const ImportLayout& layout, DocumentRecords& records,
                             const ImportFiles& files, const InputDocument& document, const std::string& reference,
                             bool lookFirst);

// A lost connection is no refusal of one document: every document after it would fail the same
// way, so the import stops (a CommandError), and a run of the same command later goes on where it
// stopped. Returns for any other error.
void stopOnLostConnection(int32_t number, const std::string& message);

// "REF D7 not imported (CAB.csv line 8, LIN.csv lines 20-22): error 1013: ...".
std::string failureLine(const ImportFiles& files, const InputDocument& document, const ImportOutcome& outcome);

}  // namespace qvdtool
