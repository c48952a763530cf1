#include "inspect/StockView.hpp"

#include <limits>

#include "cli/Format.hpp"
#include "platform/Object.hpp"

namespace qvdtool {

using automation::Variant;

std::optional<ArticleSummary> readArticle(qvd::BAL_Next& facade, const std::string& code) {
  automation::ObjectRef object;
  if (!facade.LerArtigo(code, object)) return std::nullopt;
  return ArticleSummary{code, automation::propGet(object, "Nome").toString(),
                        automation::propGet(object, "UnBase").toString(),
                        automation::propGet(object, "StDisp").toDouble()};
}

std::optional<double> warehouseStock(qvd::BAL_Next& facade, const std::string& article, const std::string& warehouse) {
  // Needing minus infinity, any stock is enough: false then only means there is no stock record.
  double existing = 0;
  if (!facade.HaStockDoArtigo(article, warehouse, -std::numeric_limits<double>::infinity(), existing))
    return std::nullopt;
  return existing;
}

namespace {

void printWarehouses(CompanySession& session, const ArticleSummary& article, const std::string& warehouse,
                     std::ostream& out) {
  out << format::cell("Warehouse", 12) << format::cell("Stock", 12, true) << "\n";
  if (!warehouse.empty()) {
    auto stock = warehouseStock(session.facade(), article.code, warehouse);
    out << format::cell(warehouse, 12) << format::cell(stock ? format::quantity(*stock) : "none", 12, true) << "\n";
    return;
  }
  auto rs = session.query("SELECT ARMAZEM, EXISTENC FROM ARTARM WHERE ARTIGO = @artigo ORDER BY ARMAZEM",
                          {{"artigo", Variant(article.code)}});
  for (; !rs->Eof(); rs->MoveNext())
    out << format::cell(rs->value("ARMAZEM").toString(), 12)
        << format::cell(format::quantity(rs->value("EXISTENC").toDouble()), 12, true) << "\n";
  out << format::cell("Total", 12) << format::cell(format::quantity(article.stock), 12, true) << "\n";
}

void printLots(CompanySession& session, const ArticleSummary& article, const std::string& warehouse,
               std::ostream& out) {
  std::string sql = "SELECT ARMAZEM, CODLOTE, QTDENT - QTDSID AS STOCK, VALIDADE FROM ARTLOT WHERE ARTIGO = @artigo";
  if (!warehouse.empty()) sql += " AND ARMAZEM = @armazem";
  auto rs = session.query(sql + " ORDER BY ARMAZEM, CODLOTE",
                          {{"artigo", Variant(article.code)}, {"armazem", Variant(warehouse)}});
  if (rs->Eof()) return;
  out << "\n" << format::cell("Warehouse", 12) << format::cell("Lot", 16) << format::cell("Stock", 12, true)
      << "  Expires\n";
  for (; !rs->Eof(); rs->MoveNext())
    out << format::cell(rs->value("ARMAZEM").toString(), 12) << format::cell(rs->value("CODLOTE").toString(), 16)
        << format::cell(format::quantity(rs->value("STOCK").toDouble()), 12, true) << "  "
        << format::value(rs->value("VALIDADE")) << "\n";
}

}  // namespace

void printStock(CompanySession& session, const ArticleSummary& article, const std::string& warehouse,
                std::ostream& out) {
  out << article.code << "  " << article.name << "  (" << article.unit << ")\n\n";
  printWarehouses(session, article, warehouse, out);
  printLots(session, article, warehouse, out);
}

}  // namespace qvdtool
