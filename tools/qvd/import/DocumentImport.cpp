#include "import/DocumentImport.hpp"

#include "cli/CommandError.hpp"
#include "erpserver/Server.hpp"
#include "import/SourceReference.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"
#include "platform/db/DataTypes.hpp"

namespace qvdtool {

namespace {

ImportOutcome refused(int32_t number, std::string message) {
  return {ImportOutcome::Refused, number, std::move(message), {}};
}

// ", LIN.csv lines 20-22": where the rows of one file are.
std::string span(const std::string& file, const std::vector<InputRow>& rows) {
  if (rows.empty()) return {};
  std::string text = ", " + file + " line";
  if (rows.size() == 1) return text + " " + std::to_string(rows.front().line);
  return text + "s " + std::to_string(rows.front().line) + "-" + std::to_string(rows.back().line);
}

}  // namespace

void stopOnLostConnection(int32_t number, const std::string& message) {
  if (number != automation::db::dberr::NoConnection && number != erpserver::kLostConnectionCode) return;
  throw CommandError(exitcode::Unexpected, message + " The import stopped; once the server is back, run the same "
                                                     "command again: it creates what is missing and nothing twice.");
}

ImportOutcome importDocument(CompanySession& session, const ImportLayout& layout, DocumentRecords& records,
                             const ImportFiles& files, const InputDocument& document, const std::string& reference,
                             bool lookFirst) {
  if (!document.header) return refused(0, "there is no row for it in " + files.headers.name());
  if (document.lines.empty()) return refused(0, "there are no lines for it in " + files.lines.name());
  if (automation::text::length(reference) > SourceReference::kLongest)
    return refused(0, "its reference " + automation::text::quoted(reference) + " is longer than the " +
                          std::to_string(SourceReference::kLongest) +
                          " characters the ERP keeps: shorten REF or --source");
  if (lookFirst) {
    if (auto key = SourceReference::holder(session, reference)) return {ImportOutcome::AlreadyIn, 0, {}, *key};
  }
  qvd::BAL_Next& facade = session.facade();
  std::vector<std::string> problems = records.fill(layout, document);
  if (!problems.empty()) {
    std::string message = problems.front();
    for (std::size_t i = 1; i < problems.size(); ++i) message += "; " + problems[i];
    return refused(0, message);
  }
  records.header->setValue("PROCESSO", automation::Variant(reference));
  ImportOutcome outcome;
  qvd::NextError error{-1, {}};
  try {
    if (facade.Inserir(qvd::NaoIndicado, records.header, records.lines, records.lots, outcome.key, error)) {
      outcome.result = ImportOutcome::Created;
      return outcome;
    }
  } catch (const automation::AutomationError& e) {
    stopOnLostConnection(e.number(), e.description());
    return refused(e.number(), e.description());
  }
  stopOnLostConnection(error.lUltimoErro, error.sTextoErro);
  // A document whose reference is in the company went in before, whatever else the ERP finds
  // wrong with it now; asking spares this tool the ERP's own refusal codes.
  if (auto key = SourceReference::holder(session, reference)) return {ImportOutcome::AlreadyIn, 0, {}, *key};
  return refused(error.lUltimoErro, error.sTextoErro);
}

std::string failureLine(const ImportFiles& files, const InputDocument& document, const ImportOutcome& outcome) {
  std::string where = document.header ? files.headers.name() + " line " + std::to_string(document.header->line) : "";
  where += span(files.lines.name(), document.lines);
  if (files.lots) where += span(files.lots->name(), document.lots);
  if (where.starts_with(", ")) where.erase(0, 2);
  std::string reason = outcome.number > 0 ? "error " + std::to_string(outcome.number) + ": " + outcome.message
                                           : outcome.message;
  return kRefColumn + std::string(" ") + automation::text::excerpt(document.ref) + " not imported (" + where +
         "): " + reason;
}

}  // namespace qvdtool
