#include "DocumentView.hpp"

#include "Format.hpp"
#include "RemovedDocument.hpp"
#include "platform/Text.hpp"

namespace qvdtool {

using automation::db::Recordset;
using automation::db::RecordsetRef;
using automation::text::sqlQuoted;

namespace {

std::string whereKey(const qvd::KeyDocumNext& key, const char* typeColumn) {
  return std::string(" WHERE ") + typeColumn + " = '" + sqlQuoted(key.sTpDoc) +
         "' AND SERIE = " + std::to_string(key.iSerie) + " AND ANO = " + std::to_string(key.iAno) +
         " AND NNUMDOC = " + std::to_string(key.lNumDoc);
}

std::string text(const Recordset& rs, const char* column) { return format::value(rs.value(column)); }

// The type's description and, for documents with a client or supplier, the counterpart's name.
std::string heading(CompanySession& session, const Recordset& cab) {
  std::string type = cab.value("TPDOC").toString();
  auto types = session.query("SELECT DESCR, ENTIDADE FROM TIPOSDOC WHERE CODIGO = '" + sqlQuoted(type) + "'");
  std::string line = format::key(type, cab.value("SERIE").toInteger(), cab.value("ANO").toInteger(),
                                 cab.value("NNUMDOC").toLong());
  if (types->Eof()) return line;
  line += "  " + types->value("DESCR").toString() + "  of " + text(cab, "DATA");
  std::string entity = types->value("ENTIDADE").toString();
  std::string party = text(cab, "TERCEIRO");
  if (entity == "N" || party.empty()) return line;
  auto names = session.query(std::string("SELECT NOME FROM ") + (entity == "C" ? "CLIENTES" : "FORNECEDORES") +
                             " WHERE CODIGO = '" + sqlQuoted(party) + "'");
  line += std::string(entity == "C" ? "\nClient " : "\nSupplier ") + party;
  if (!names->Eof()) line += "  " + names->value("NOME").toString();
  return line;
}

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

// `from`: the rows of one document, in LOTEMOVS or in the archive's DOCREMLOT.
void printLots(CompanySession& session, const std::string& from, std::ostream& out) {
  auto lots = session.query("SELECT NUMLINHA, ARTIGO, CODLOT, ARMAZEM, QUANT FROM " + from + " ORDER BY NUMLINHA, CODLOT");
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

// The header and lines of a stored document, through the facade; false when there is none.
bool load(CompanySession& session, const qvd::KeyDocumNext& key, RecordsetRef& cab, RecordsetRef& lin) {
  qvd::KeyDocumNext wanted = key;
  std::string queryCab = "SELECT * FROM DOCGCCAB" + whereKey(key, "TPDOC");
  std::string queryLin = "SELECT * FROM DOCGCLIN" + whereKey(key, "TPDOCUM") + " ORDER BY NUMLINHA";
  return session.facade().LoadDocumento(wanted, queryCab, queryLin, cab, lin) && cab && !cab->Eof();
}

void printContents(CompanySession& session, Recordset& cab, Recordset& lin, const std::string& lots,
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
  printContents(session, *cab, *lin, "LOTEMOVS" + whereKey(key, "TPDOCUM"), out);
  return true;
}

bool printRemovedDocument(CompanySession& session, const qvd::KeyDocumNext& key, std::ostream& out) {
  std::optional<Removal> removal = latestRemoval(session, key);
  if (!removal) return false;
  std::string id = std::to_string(removal->id);
  RecordsetRef cab = session.query("SELECT * FROM DOCREMCAB WHERE ID = " + id);
  RecordsetRef lin = session.query("SELECT * FROM DOCREMLIN WHERE ID = " + id + " ORDER BY NUMLINHA");
  if (cab->Eof()) return false;
  out << "REMOVED on " << removal->when << " by " << removal->user << " (qvd restore puts it back)\n";
  printContents(session, *cab, *lin, "DOCREMLOT WHERE ID = " + id, out);
  return true;
}

}  // namespace qvdtool
