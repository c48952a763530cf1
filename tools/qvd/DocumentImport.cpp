#include "DocumentImport.hpp"

#include "DocumentRecords.hpp"
#include "platform/AutomationError.hpp"

namespace qvdtool {

namespace {

ImportOutcome refused(int32_t number, std::string message) { return {false, number, std::move(message), {}}; }

// ", LIN.csv lines 20-22": where the rows of one file are.
std::string span(const std::string& file, const std::vector<InputRow>& rows) {
  if (rows.empty()) return {};
  std::string text = ", " + file + " line";
  if (rows.size() == 1) return text + " " + std::to_string(rows.front().line);
  return text + "s " + std::to_string(rows.front().line) + "-" + std::to_string(rows.back().line);
}

}  // namespace

ImportOutcome importDocument(qvd::BAL_Next& facade, const ImportLayout& layout, const ImportFiles& files,
                             const InputDocument& document) {
  if (!document.header) return refused(0, "there is no row for it in " + files.headers.name());
  DocumentRecords records;
  std::vector<std::string> problems = fillRecords(facade, layout, document, records);
  if (!problems.empty()) {
    std::string message = problems.front();
    for (std::size_t i = 1; i < problems.size(); ++i) message += "; " + problems[i];
    return refused(0, message);
  }
  ImportOutcome outcome;
  qvd::NextError error{-1, {}};
  try {
    outcome.inserted = facade.Inserir(qvd::NaoIndicado, records.header, records.lines, records.lots, outcome.key, error);
  } catch (const automation::AutomationError& e) {
    return refused(e.number(), e.description());
  }
  if (!outcome.inserted) return refused(error.lUltimoErro, error.sTextoErro);
  return outcome;
}

std::string failureLine(const ImportFiles& files, const InputDocument& document, const ImportOutcome& outcome) {
  std::string where = document.header ? files.headers.name() + " line " + std::to_string(document.header->line) : "";
  where += span(files.lines.name(), document.lines);
  if (files.lots) where += span(files.lots->name(), document.lots);
  if (where.starts_with(", ")) where.erase(0, 2);
  std::string reason = outcome.number > 0 ? "error " + std::to_string(outcome.number) + ": " + outcome.message
                                           : outcome.message;
  return kRefColumn + std::string(" ") + document.ref + " not imported (" + where + "): " + reason;
}

}  // namespace qvdtool
