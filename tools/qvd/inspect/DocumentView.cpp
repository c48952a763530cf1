#include "inspect/DocumentView.hpp"

#include "cli/Format.hpp"
#include "inspect/RemovedDocument.hpp"

namespace qvdtool {

using automation::db::Recordset;
using automation::db::RecordsetRef;
using automation::Variant;

namespace {

// The condition on a document's key, with the values it binds.
std::string whereKey(const char* typeColumn) {
  return std::string(" WHERE ") + typeColumn + " = @tipo AND SERIE = @serie AND ANO = @ano AND NNUMDOC = @numero";
}

std::vector<automation::db::NamedValue> keyValues(const qvd::KeyDocumNext& key) {
  return {{"tipo", Variant(key.sTpDoc)}, {"serie", Variant(key.iSerie)}, {"ano", Variant(key.iAno)},
          {"numero", Variant(key.lNumDoc)}};
}

std::string text(const Recordset& rs, const char* column) { return format::value(rs.value(column)); }

// The type's description and, for documents with a client or supplier, the counterpart's name.
std::string heading(CompanySession& session, const Recordset& cab) {
  std::string type = cab.value("TPDOC").toString();
  auto types = session.query("SELECT DESCR, ENTIDADE FROM TIPOSDOC WHERE CODIGO = @tipo", {{"tipo", Variant(type)}});
  std::string line = format::key(type, cab.value("SERIE").toInteger(), cab.value("ANO").toInteger(),
                                 cab.value("NNUMDOC").toLong());
  if (types->Eof()) return line;
  line += "  " + types->value("DESCR").toString() + "  of " + text(cab, "DATA");
  std::string entity = types->value("ENTIDADE").toString();
  std::string party = text(cab, "TERCEIRO");
  if (entity == "N" || party.empty()) return line;
  auto names = session.query(std::string("SELECT NOME FROM ") + (entity == "C" ? "CLIENTES" : "FORNECEDORES") +
                                 " WHERE CODIGO = @codigo",
                             {{"codigo", Variant(party)}});
  line += std::string(entity == "C" ? "\nClient " : "\nSupplier ") + party;
  if (!names->Eof()) line += "  " + names->value("NOME").toString();
  return line;
}

// Where a document's lots are: a table and condition, and the values the condition binds.
struct Lots {
  std::string where;
  std::vector<automation::db::NamedValue> values;
};

void printLines(Recordset& lin, std::ostream& out) {
  out << "\n" << format::cell("Line", 5) << format::cell("Article", 9) << format::cell("Description", 24)
      << format::cell("Wareh.", 7) << format::cell("Quantity", 10, true) << " " << format::cell("Unit", 4)
      << format::cell("Price", 10, true) << "  " << format::cell("Disc.", 6) << format::cell("Total", 10, true)
      << "\n";
  for (; !lin.Eof(); lin.MoveNext()) {
    out << format::cell(text(lin, "NUMLINHA"), 5) << format::cell(text(lin, "ARTIGO"), 9);
    if (text(lin, "ARTIGO").empty()) {  // a text line: only its words
      out << text(lin, "DESCR") << "\n";
      continue;
    }
    out << format::cell(text(lin, "DESCR"), 24) << format::cell(text(lin, "ARMAZEM"), 7)
        << format::cell(text(lin, "QUANT"), 10, true) << " " << format::cell(text(lin, "UNIDADE"), 4)
        << format::cell(format::money(lin.value("PRUNIT").toDouble()), 10, true) << "  "
        << format::cell(text(lin, "DESCONTO"), 6)
        << format::cell(format::money(lin.value("TOTLIN").toDouble()), 10, true) << "\n";
  }
}

// `from`: the rows of one document, in LOTEMOVS or in the archive's DOCREMLOT, chosen by `values`.
void printLots(CompanySession& session, const Lots& from, std::ostream& out) {
  auto lots = session.query("SELECT NUMLINHA, ARTIGO, CODLOT, ARMAZEM, QUANT FROM " + from.where +
                                " ORDER BY NUMLINHA, CODLOT",
                            from.values);
  if (lots->Eof()) return;
  out << "\n" << format::cell("Lots of line", 13) << format::cell("Article", 9) << format::cell("Lot", 16)
      << format::cell("Wareh.", 7) << format::cell("Quantity", 10, true) << "\n";
  for (; !lots->Eof(); lots->MoveNext())
    out << format::cell(text(*lots, "NUMLINHA"), 13) << format::cell(text(*lots, "ARTIGO"), 9)
        << format::cell(text(*lots, "CODLOT"), 16) << format::cell(text(*lots, "ARMAZEM"), 7)
        << format::cell(text(*lots, "QUANT"), 10, true) << "\n";
}

void printTotals(const Recordset& cab, std::ostream& out) {
  out << "\nGoods " << format::money(cab.value("TOTMERC").toDouble()) << "   discount "
      << format::money(cab.value("TOTDESC").toDouble()) << "   VAT " << format::money(cab.value("TOTIVA").toDouble())
      << "   total " << format::money(cab.value("TOTDOC").toDouble()) << " " << text(cab, "MOEDA") << "\n";
}

// The header and lines of a stored document; false when there is none.
bool load(CompanySession& session, const qvd::KeyDocumNext& key, RecordsetRef& cab, RecordsetRef& lin) {
  cab = session.query("SELECT * FROM DOCGCCAB" + whereKey("TPDOC"), keyValues(key));
  if (cab->Eof()) return false;
  lin = session.query("SELECT * FROM DOCGCLIN" + whereKey("TPDOCUM") + " ORDER BY NUMLINHA", keyValues(key));
  return true;
}

void printContents(CompanySession& session, Recordset& cab, Recordset& lin, const Lots& lots,
                   std::ostream& out) {
  out << heading(session, cab) << "\n";
  if (!text(cab, "VNUMDOC").empty()) out << "Their number " << text(cab, "VNUMDOC") << "\n";
  if (!text(cab, "OBSERV").empty()) out << "Remarks " << text(cab, "OBSERV") << "\n";
  printLines(lin, out);
  printLots(session, lots, out);
  printTotals(cab, out);
}

}  // namespace

bool documentExists(CompanySession& session, const qvd::KeyDocumNext& key) {
  RecordsetRef cab, lin;
  return load(session, key, cab, lin);
}

bool printDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out) {
  RecordsetRef cab, lin;
  if (!load(session, key, cab, lin)) return false;
  printContents(session, *cab, *lin, Lots{"LOTEMOVS" + whereKey("TPDOCUM"), keyValues(key)}, out);
  return true;
}

bool printRemovedDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out) {
  std::optional<Removal> removal = latestRemoval(session, key);
  if (!removal) return false;
  std::vector<automation::db::NamedValue> id{{"id", Variant(static_cast<int32_t>(removal->id))}};
  RecordsetRef cab = session.query("SELECT * FROM DOCREMCAB WHERE ID = @id", id);
  RecordsetRef lin = session.query("SELECT * FROM DOCREMLIN WHERE ID = @id ORDER BY NUMLINHA", id);
  if (cab->Eof()) return false;
  out << "REMOVED on " << removal->when << " by " << removal->user << " (qvd restore puts it back)\n";
  printContents(session, *cab, *lin, Lots{"DOCREMLOT WHERE ID = @id", id}, out);
  return true;
}

}  // namespace qvdtool
