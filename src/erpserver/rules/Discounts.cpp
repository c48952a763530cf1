#include "erpserver/rules/Discounts.hpp"

namespace erpserver {

std::optional<std::string> matchDiscountRule(sql::Database& db, const DiscountCriteria& c) {
  auto q = db.query(
      "SELECT DESCONTO FROM DESCONTOS WHERE TIPO = ? "
      "AND (ARTIGO IS NULL OR ARTIGO = ?) AND (FAMILIA IS NULL OR FAMILIA = ?) "
      "AND (SUBFAMILIA IS NULL OR SUBFAMILIA = ?) AND (GRUPO IS NULL OR GRUPO = ?) "
      "AND (CLIENTE IS NULL OR CLIENTE = ?) AND (GRUPOCLI IS NULL OR GRUPOCLI = ?) "
      "AND (DATAINI IS NULL OR DATAINI <= ?) AND (DATAFIM IS NULL OR DATAFIM >= ?) AND QTDMIN <= ? "
      "ORDER BY PRIORIDADE DESC, (CASE WHEN ARTIGO IS NULL THEN 0 ELSE 32 END) + (CASE WHEN CLIENTE IS NULL THEN 0 ELSE 16 END) "
      "+ (CASE WHEN FAMILIA IS NULL THEN 0 ELSE 8 END) + (CASE WHEN SUBFAMILIA IS NULL THEN 0 ELSE 4 END) "
      "+ (CASE WHEN GRUPO IS NULL THEN 0 ELSE 2 END) + (CASE WHEN GRUPOCLI IS NULL THEN 0 ELSE 1 END) DESC, ID LIMIT 1");
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
