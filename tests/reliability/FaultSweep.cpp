#include "reliability/FaultSweep.hpp"

#include <map>
#include <set>
#include <utility>

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"

namespace reliability {

using erpserver::AccessKind;
using erpserver::JournalEntry;

namespace {

// The methods that report success or failure by a result code.
const std::set<std::string> kActions = {"iniciar", "validar", "inserir", "alterar", "remover", "ler"};

bool is(const JournalEntry& e, const char* className, AccessKind kind, const char* member) {
  return e.className == className && e.kind == kind && automation::text::foldCase(e.member) == member;
}

}  // namespace

CallPlan planOf(const std::vector<JournalEntry>& journal) {
  CallPlan plan;
  std::map<std::pair<std::string, std::string>, int> seen;
  bool keyRead = false;
  for (const JournalEntry& e : journal) {
    // An unknown member is neither counted nor faultable.
    if (e.error == automation::errnum::MemberNotSupported) continue;
    std::string member = automation::text::foldCase(e.member);
    std::size_t at = plan.calls.size();
    bool action = e.kind == AccessKind::Call && kActions.contains(member);
    plan.calls.push_back({e.className, e.member, ++seen[{e.className, member}], action});
    if (is(e, "DocumentoComercial", AccessKind::Call, "adicionalinha")) plan.lastLine = at;
    if (is(e, "DocumentoComercial", AccessKind::Put, "origem")) {
      plan.finalization = plan.finalizationEnd = at;
      plan.documentVerdicts.clear();
      keyRead = false;
    }
    // The finalization reads the key, the type last, then books the accounting entry.
    if (!keyRead && is(e, "CabecDoc", AccessKind::Get, "tipodocumento")) keyRead = true, plan.finalizationEnd = at;
    if (is(e, "ParametrosAplicacao", AccessKind::Get, "ligacaoactb")) plan.linkRead = plan.finalizationEnd = at;
    if (e.className == "DocumentoContabilistico") plan.finalizationEnd = at;
    if (e.className == "DocumentoComercial" && action) plan.documentVerdicts.push_back(at);
    if (e.className == "DocumentoContabilistico" && action) plan.accountingVerdicts.push_back(at);
  }
  return plan;
}

std::string tableState(const RowReader& rows, const std::string& table, std::initializer_list<const char*> columns) {
  std::string list, state = table + ":";
  for (const char* column : columns) list += (list.empty() ? "" : ", ") + std::string(column);
  for (const std::string& row : rows("SELECT " + list + " FROM " + table + " ORDER BY " + list)) state += " " + row + ";";
  return state + "\n";
}

std::string documentState(const RowReader& rows) {
  return tableState(rows, "DOCGCCAB", {"TPDOC", "SERIE", "ANO", "NNUMDOC", "TERCEIRO"}) +
         tableState(rows, "DOCGCLIN", {"TPDOCUM", "NNUMDOC", "NUMLINHA", "TPLINHA", "ARTIGO", "ARMAZEM", "QUANT"}) +
         tableState(rows, "LOTEMOVS", {"TPDOCUM", "NNUMDOC", "NUMLINHA", "CODLOT", "ARMAZEM", "QUANT"}) +
         tableState(rows, "ARTARM", {"ARTIGO", "ARMAZEM", "EXISTENC", "QTDENT", "QTDSID"}) +
         tableState(rows, "NUMDOC", {"DOC", "SERIE", "ANO", "NUM"});
}

std::string lotState(const RowReader& rows) {
  return tableState(rows, "ARTLOT", {"ARTIGO", "CODLOTE", "ARMAZEM", "QTDENT", "QTDSID"});
}

std::string accountingState(const RowReader& rows) {
  return tableState(rows, "MOVCTB", {"ID", "TPDOC", "SERIE", "ANO", "NNUMDOC"}) +
         tableState(rows, "MOVCTBLIN", {"ID", "NUMLINHA", "CONTA"});
}

}  // namespace reliability
