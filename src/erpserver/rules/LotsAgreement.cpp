#include "erpserver/rules/LotsAgreement.hpp"

#include <cassert>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {

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
  // One row holds every place's stock and lots total (kept by the database on every lot write, so
  // that a lot write gone astray still shows), so that the document's writes and this read go to a
  // server together.
  std::vector<std::pair<std::string, std::string>> places;
  std::string sql;
  for (const auto& place : touched) {
    const Article* known = catalog.article(place.first);
    if (!known || !known->stock || !known->lots) continue;
    places.push_back(place);
    sql += sql.empty() ? "SELECT " : ", ";
    sql += "(SELECT EXISTENC FROM ARTARM WHERE ARTIGO = ? AND ARMAZEM = ?), "
           "(SELECT QUANT FROM ARTARMLOT WHERE ARTIGO = ? AND ARMAZEM = ?)";
  }
  if (places.empty()) return;
  auto q = db.query(sql);
  for (std::size_t i = 0; i < places.size(); ++i) {
    int first = static_cast<int>(4 * i) + 1;
    const auto& [article, warehouse] = places[i];
    q->bind(first, article).bind(first + 1, warehouse).bind(first + 2, article).bind(first + 3, warehouse);
  }
  // In a group undone whole the read goes ahead with the writes, and a disagreement loses the group.
  q->runChecked(
      [places = std::move(places)](automation::db::Rows& rows) {
        [[maybe_unused]] bool row = rows.step();
        assert(row && "a select without FROM gives one row");
        for (std::size_t i = 0; i < places.size(); ++i) {
          const auto& [article, warehouse] = places[i];
          int column = static_cast<int>(2 * i);
          double stock = rows.isNull(column) ? 0 : rows.real(column);
          double lots = rows.isNull(column + 1) ? 0 : rows.real(column + 1);
          // Sums of many moves drift by rounding; a disagreement is more than that.
          if (std::fabs(stock - lots) > 0.00005 + 1e-12 * std::fabs(stock))
            refuseWith(refusal::LotsDisagree,
                       "O artigo '" + article + "' ficaria no armazém '" + warehouse + "' com " + numberText(stock) +
                           " em stock e " + numberText(lots) +
                           " nos seus lotes; o stock de um artigo com controlo de lotes é o dos seus lotes, e o "
                           "documento não foi gravado");
        }
      },
      db.writesGoAhead());
}

}  // namespace erpserver
