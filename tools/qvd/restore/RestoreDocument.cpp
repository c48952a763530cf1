#include "restore/RestoreDocument.hpp"

#include "platform/AutomationError.hpp"

namespace qvdtool {

using automation::db::Recordset;
using automation::db::RecordsetRef;

namespace {

// Each archived row becomes a template row: every column the template has that holds a value.
void copyRows(Recordset& from, Recordset& into) {
  for (; !from.Eof(); from.MoveNext()) {
    into.AddNew();
    for (const auto& column : into.columns()) {
      if (!from.GetFields().Contains(column.name)) continue;
      const automation::Variant& value = from.value(column.name);
      if (!value.isNull() && !value.isEmpty()) into.setValue(column.name, value);
    }
  }
}

}  // namespace

RestoreOutcome restoreDocument(CompanySession& session, const Removal& removal) {
  qvd::BAL_Next& facade = session.facade();
  std::vector<automation::db::NamedValue> id{{"id", automation::Variant(static_cast<int32_t>(removal.id))}};
  RecordsetRef header = facade.TemplateCabecalho(), lines = facade.TemplateLinhas(), lots = facade.TemplateLotes();
  RecordsetRef archivedHeader = session.query("SELECT * FROM DOCREMCAB WHERE ID = @id", id);
  copyRows(*archivedHeader, *header);
  copyRows(*session.query("SELECT * FROM DOCREMLIN WHERE ID = @id ORDER BY NUMLINHA", id), *lines);
  // The lots in the order they were moved in: a file's row ids, a server's ORDEM column.
  std::string moved = session.login().onServer() ? "R.ORDEM" : "R.rowid";
  copyRows(*session.query("SELECT R.*, L.DTAENTRA FROM DOCREMLOT R LEFT JOIN ARTLOT L ON L.ARTIGO = R.ARTIGO AND "
                          "L.CODLOTE = R.CODLOT AND L.ARMAZEM = R.ARMAZEM WHERE R.ID = @id ORDER BY " + moved, id),
           *lots);
  archivedHeader->MoveFirst();
  auto origin = static_cast<qvd::NextOrigemDocumento>(archivedHeader->value("ORIGEM").toLong());
  RestoreOutcome outcome;
  qvd::NextError error{-1, {}};
  try {
    outcome.restored = facade.Inserir(origin, header, lines, lots, outcome.key, error);
  } catch (const automation::AutomationError& e) {
    outcome.number = e.number();
    outcome.message = e.description();
    return outcome;
  }
  if (!outcome.restored) outcome.number = error.lUltimoErro, outcome.message = error.sTextoErro;
  return outcome;
}

}  // namespace qvdtool
