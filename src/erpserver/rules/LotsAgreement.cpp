#include "erpserver/rules/LotsAgreement.hpp"

#include <cmath>
#include <set>
#include <string>
#include <utility>

#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {
namespace {

double firstReal(sql::Database& db, const char* sql, const std::string& article, const std::string& warehouse) {
  auto q = db.query(sql);
  q->bind(1, article).bind(2, warehouse);
  return q->step() ? q->real(0) : 0;
}

}  // namespace

void checkLotsAgree(sql::Database& db, Catalog& catalog, const DocType& type,
                    std::initializer_list<const StockMoves*> moves) {
  if (type.stock == 'N') return;
  std::set<std::pair<std::string, std::string>> touched;  // article, warehouse
  auto touch = [&](const std::string& article, const std::string& warehouse) {
    touched.emplace(article, warehouse);
    if (type.stock == 'T') touched.emplace(article, type.destination);
  };
  for (const StockMoves* m : moves) {
    for (const auto& line : m->lines) touch(line.article, line.warehouse);
    for (const auto& lot : m->lots) touch(lot.article, lot.warehouse);
  }
  for (const auto& [article, warehouse] : touched) {
    const Article* known = catalog.article(article);
    if (!known || !known->stock || !known->lots) continue;
    double stock = firstReal(db, "SELECT EXISTENC FROM ARTARM WHERE ARTIGO = ? AND ARMAZEM = ?", article, warehouse);
    double lots = firstReal(db, "SELECT COALESCE(SUM(QTDENT - QTDSID), 0) FROM ARTLOT WHERE ARTIGO = ? AND ARMAZEM = ?",
                            article, warehouse);
    // Sums of many moves drift by rounding; a disagreement is more than that.
    if (std::fabs(stock - lots) > 0.00005 + 1e-12 * std::fabs(stock))
      refuseWith(refusal::LotsDisagree, "O artigo '" + article + "' ficaria no armazém '" + warehouse + "' com " +
                                            numberText(stock) + " em stock e " + numberText(lots) +
                                            " nos seus lotes; o stock de um artigo com controlo de lotes é o dos seus "
                                            "lotes, e o documento não foi gravado");
  }
}

}  // namespace erpserver
