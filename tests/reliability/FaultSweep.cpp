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

namespace {

// One table's rows as sorted text.
std::string rows(const Scalar& scalar, const std::string& table, std::initializer_list<const char*> columns) {
  std::string row;
  for (const char* column : columns) row += (row.empty() ? "ifnull(" : " || ' ' || ifnull(") + std::string(column) + ", '')";
  return table + ": " +
         scalar("SELECT ifnull(group_concat(r, '; '), '') FROM (SELECT " + row + " AS r FROM " + table + " ORDER BY r)") +
         "\n";
}

}  // namespace

std::string documentState(const Scalar& scalar) {
  return rows(scalar, "DOCGCCAB", {"TPDOC", "SERIE", "ANO", "NNUMDOC", "TERCEIRO"}) +
         rows(scalar, "DOCGCLIN", {"TPDOCUM", "NNUMDOC", "NUMLINHA", "TPLINHA", "ARTIGO", "ARMAZEM", "QUANT"}) +
         rows(scalar, "LOTEMOVS", {"TPDOCUM", "NNUMDOC", "NUMLINHA", "CODLOT", "ARMAZEM", "QUANT"}) +
         rows(scalar, "ARTARM", {"ARTIGO", "ARMAZEM", "EXISTENC", "QTDENT", "QTDSID"}) +
         rows(scalar, "NUMDOC", {"DOC", "SERIE", "ANO", "NUM"});
}

std::string lotState(const Scalar& scalar) {
  return rows(scalar, "ARTLOT", {"ARTIGO", "CODLOTE", "ARMAZEM", "QTDENT", "QTDSID"});
}

std::string accountingState(const Scalar& scalar) {
  return rows(scalar, "MOVCTB", {"ID", "TPDOC", "SERIE", "ANO", "NNUMDOC"}) +
         rows(scalar, "MOVCTBLIN", {"ID", "NUMLINHA", "CONTA"});
}

}  // namespace reliability
