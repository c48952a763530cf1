#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "erpserver/testhooks/Journal.hpp"
#include "facade/BAL_Next.hpp"

namespace reliability {

// What a facade member reported through its result and its error record.
struct Outcome {
  bool result = false;
  int32_t number = 0;
  std::string text;
};

// One facade member that creates a two-line document (with a lot where the member takes lots).
struct Scenario {
  std::string member;
  // Source of an error raised before the document reaches its finalization, and inside it.
  // Members with a handler name themselves in both; members without one pass on the worker's
  // source, or the ERP's own (empty) where the worker has no trap either.
  std::string source;
  std::string finalizationSource;
  // Whether the member sets the four line switches back to false after its line loop.
  bool resetsSwitches = true;
  // Builds the arguments, which may take ERP calls of their own, and returns the call itself.
  std::function<std::function<Outcome()>(qvd::BAL_Next&)> prepare;
  // Whether its document type has an accounting journal, so that it is booked on request.
  bool booked = true;
};

std::vector<Scenario> scenarios();

// The ERP calls of one successful run, as the fault injection addresses them.
struct PlannedCall {
  std::string className;
  std::string member;
  int nth = 0;          // this access's count among the accesses of the same class and member
  bool action = false;  // an action method, which reports failure by its result code
};

// The calls of a run and where its landmarks stand among them (positions in `calls`).
struct CallPlan {
  std::vector<PlannedCall> calls;
  std::size_t lastLine = 0;                     // the last AdicionaLinha: the line switches are reset after it
  std::size_t finalization = 0;                 // the document's last Origem put, which opens its finalization
  std::size_t finalizationEnd = 0;              // its last call: the key's type read, or the accounting's last
  std::size_t linkRead = 0;                     // the parameters' LigacaoACtb read, made after the link went off
  std::vector<std::size_t> documentVerdicts;    // the finalization's Validar and Inserir
  std::vector<std::size_t> accountingVerdicts;  // the accounting document's Validar and Inserir
};

CallPlan planOf(const std::vector<erpserver::JournalEntry>& journal);

// Rows of the company database as text, each changing with any row that a document insert adds
// or changes: the documents with their lines, lot movements, stock and numbering; the lots'
// own quantities; the accounting entries. `rows` runs a query and renders each row of it, the
// same way on every engine.
using RowReader = std::function<std::vector<std::string>(const std::string&)>;
// The `columns` of every row of `table`, sorted.
std::string tableState(const RowReader& rows, const std::string& table, std::initializer_list<const char*> columns);
std::string documentState(const RowReader& rows);
std::string lotState(const RowReader& rows);
std::string accountingState(const RowReader& rows);

}  // namespace reliability
