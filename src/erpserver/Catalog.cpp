#include "erpserver/Catalog.hpp"

#include "erpserver/Refusal.hpp"

namespace erpserver {

DocType findDocType(sql::Database& db, const std::string& code) {
  if (code.empty()) refuseWith(refusal::Required, "Tipo de documento não indicado");
  auto q = db.query("SELECT ENTIDADE, MOVSTK, VENDA, ARMDESTINO, DIARIO, SINALCTB FROM TIPOSDOC WHERE CODIGO = ?");
  q->bind(1, code);
  if (!q->step()) refuseWith(refusal::InvalidValue, "Tipo de documento '" + code + "' não existe");
  return DocType{code,         q->text(0)[0], q->text(1)[0], q->integer(2) != 0, q->text(3), q->text(4),
                 static_cast<int>(q->integer(5))};
}

std::optional<Article> findArticle(sql::Database& db, const std::string& code) {
  auto q = db.query(
      "SELECT NOME, UNBASE, UNVND, FAMILI, SUBFAM, GRUPO, IVA, CTRSTO, CTRLOTE, PVPSIV, PVPCIV, ULTPMP, ULTPRC, PRSTND "
      "FROM ARTIGOS WHERE CODIGO = ?");
  q->bind(1, code);
  if (code.empty() || !q->step()) return std::nullopt;
  Article a;
  a.code = code;
  a.name = q->text(0);
  a.baseUnit = q->text(1);
  a.saleUnit = q->isNull(2) ? a.baseUnit : q->text(2);
  a.family = q->text(3);
  a.subfamily = q->text(4);
  a.group = q->text(5);
  a.vat = static_cast<int>(q->integer(6));
  a.stock = q->integer(7) != 0;
  a.lots = q->integer(8) != 0;
  a.pvpSiv = q->real(9);
  a.pvpCiv = q->real(10);
  a.averageCost = q->real(11);
  a.lastCost = q->real(12);
  a.standardCost = q->real(13);
  return a;
}

std::optional<Party> findParty(sql::Database& db, char entity, const std::string& code) {
  auto q = db.query(entity == 'C' ? "SELECT MOEDA, REGIVA, VENDED, NCONTR, GRUPO FROM CLIENTES WHERE CODIGO = ?"
                                  : "SELECT MOEDA, REGIVA, NULL, NCONTR, NULL FROM FORNECEDORES WHERE CODIGO = ?");
  q->bind(1, code);
  if (code.empty() || !q->step()) return std::nullopt;
  return Party{q->text(0), q->text(1), q->text(2), q->text(3), q->text(4)};
}

std::optional<double> vatRate(sql::Database& db, int64_t code) {
  auto q = db.query("SELECT TAXA FROM IVAS WHERE CODIGO = ?");
  q->bind(1, code);
  if (!q->step()) return std::nullopt;
  return q->real(0);
}

bool isVatExempt(sql::Database& db, const std::string& regime) {
  auto q = db.query("SELECT ISENTO FROM REGIVA WHERE CODIGO = ?");
  q->bind(1, regime);
  return q->step() && q->integer(0) != 0;
}

}  // namespace erpserver
