#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/NewDocument.hpp"
#include "foundation/Records.hpp"

// Building a document from the caller's arrays.
//
// Every array-driven operation runs one sequence, DAL_Next::inserirDocumento: create the ERP
// document; fill its header (early validation included); build lines 1 to the upper bound of the
// article array under the 16-bit line index; reset the four line switches; attach the lots;
// DocComercialFinalizar with the insert operation; on a refusal write the failure log, on success
// run what follows an insert. Its trap writes the same log and raises the error again with
// "DAL_Next: " and the operation's name.
//
// A new operation plugs in by describing only what differs, in a DocumentRecipe:
// - header: fillCommercialHeader with a CommercialHeader whose options say what the operation
//   puts beyond the base form, or its own sequence of NewDocument puts (warehouse roles);
// - line: usually addArrayLine over a LineArrays naming the arrays the operation takes;
// - lots: attachLots with the warehouses of its lines, or nothing;
// - log: the routine's name and what goes into the record (logCommercialHeader, logArrayLines,
//   the lots); an empty routine writes no log at all.
// The pieces a recipe is made of live in docbuild/; the recipe's shape lives here, with the
// worker that runs it.
namespace qvd {

class LogErrosApi;

// The worker's one-shot switches as they stand while the lines are built.
struct LineSwitches {
  bool UsaDescricao = false;
  bool UsaPrecoUnitario = false;
  bool UsaDescontoLinha = false;
  bool UsaDescontoLinhaComposto = false;
};

struct DocumentRecipe {
  // Also given the operation's origin and the caller's key (for the manual number).
  std::function<void(NewDocument&, NextOrigemDocumento, KeyDocumNext&)> header;
  // The article array's upper bound, asked for inside the trap (a never-dimensioned array fails).
  std::function<int32_t()> upperBound;
  std::function<void(NewDocument&, const LineSwitches&, int16_t)> line;
  std::function<void(NewDocument&)> lots;  // empty: no lot step
  std::function<void()> afterInsert;       // run once the ERP has inserted the document; empty: nothing
  std::string logRoutine;                  // empty: no failure log
  std::function<void(LogErrosApi&, NewDocument&)> logContents;
};

}  // namespace qvd
