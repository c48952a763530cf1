#include "erpserver/rules/Discounts.hpp"

namespace erpserver {

std::optional<std::string> matchDiscountRule(sql::Database& db, const DiscountCriteria& c) {
  auto q = db.query(
      "SELECT DESCONTO FROM DESCONTOS WHERE TIPO = ? "
      "AND (ARTIGO IS NULL OR ARTIGO = ?) AND (FAMILIA IS NULL OR FAMILIA = ?) "
      "AND (SUBFAMILIA IS NULL OR SUBFAMILIA = ?) AND (GRUPO IS NULL OR GRUPO = ?) "
      "AND (CLIENTE IS NULL OR CLIENTE = ?) AND (GRUPOCLI IS NULL OR GRUPOCLI = ?) "
      "AND (DATAINI IS NULL OR DATAINI <= ?) AND (DATAFIM IS NULL OR DATAFIM >= ?) AND QTDMIN <= ? "
      "ORDER BY PRIORIDADE DESC, (ARTIGO IS NOT NULL) * 32 + (CLIENTE IS NOT NULL) * 16 + (FAMILIA IS NOT NULL) * 8 "
      "+ (SUBFAMILIA IS NOT NULL) * 4 + (GRUPO IS NOT NULL) * 2 + (GRUPOCLI IS NOT NULL) DESC, ID LIMIT 1");
  q->bind(1, int64_t{c.commission ? 1 : 0})
      .bind(2, c.article)
      .bind(3, c.family)
      .bind(4, c.subfamily)
      .bind(5, c.group)
      .bind(6, c.client)
      .bind(7, c.clientGroup)
      .bind(8, c.isoDate)
      .bind(9, c.isoDate)
      .bind(10, c.quantity);
  if (!q->step()) return std::nullopt;
  return q->text(0);
}

}  // namespace erpserver
