#include "erpserver/rules/LineLots.hpp"

#include <algorithm>
#include <cmath>
#include <map>

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {
namespace {

constexpr double kTolerance = 0.00005;

std::shared_ptr<LoteLinha> lotLine(int line, const std::string& article, const std::string& warehouse,
                                   const sql::Statement& lot, double quantity) {
  auto made = std::make_shared<LoteLinha>();
  made->setValue(lot::Linha, Variant(static_cast<int16_t>(line)));
  made->setValue(lot::Quantidade, Variant(quantity));
  CamposLote& fields = made->campos();
  fields.setValue(lot::Codigo, Variant(lot.text(0)));
  fields.setValue(lot::Artigo, Variant(article));
  fields.setValue(lot::Armazem, Variant(warehouse));
  fields.setValue(lot::VossoLote, Variant(lot.text(1)));
  fields.setValue(lot::Validade, Variant(textFromIso(lot.text(2))));
  return made;
}

// Takes `need` of the article from its lots in the warehouse, earliest expiry first, leaving out
// the lots past their expiry on the document's date `dateIso`.
std::vector<std::shared_ptr<LoteLinha>> allocate(int line, const std::string& article, const std::string& warehouse,
                                                 double need, const std::string& dateIso, StockLevels& levels,
                                                 sql::Database& db) {
  std::vector<std::shared_ptr<LoteLinha>> taken;
  double remaining = need, expired = 0;
  auto q = db.query(
      "SELECT CODLOTE, VOSSLOTE, VALIDADE FROM ARTLOT WHERE ARTIGO = ? AND ARMAZEM = ? AND QTDENT - QTDSID > 0 "
      "ORDER BY VALIDADE IS NULL, VALIDADE, DTAENTRA IS NULL, DTAENTRA, CODLOTE");
  q->bind(1, article).bind(2, warehouse);
  while (remaining > kTolerance && q->step()) {
    double available = levels.lot(article, q->text(0), warehouse);
    if (available <= kTolerance) continue;
    if (!q->isNull(2) && q->text(2) < dateIso) {
      expired += available;
      continue;
    }
    double quantity = std::min(available, remaining);
    taken.push_back(lotLine(line, article, warehouse, *q, quantity));
    StockMoves moved;
    moved.lots.push_back({article, q->text(0), warehouse, quantity, "", "", "", line});
    levels.add(moved, 1);
    remaining -= quantity;
  }
  if (remaining > kTolerance) {
    std::string text = lineField(static_cast<std::size_t>(line), "Quantidade", numberText(need)) + "o armazém '" +
                       warehouse + "' só tem " + numberText(need - remaining) + " do artigo '" + article + "' em lotes";
    if (expired > kTolerance)
      refuseWith(refusal::LotExpired, text + " válidos a " + textFromIso(dateIso) + "; " + numberText(expired) +
                                          " estão em lotes expirados");
    refuseWith(refusal::LotBelowZero, text);
  }
  return taken;
}

}  // namespace

std::vector<std::shared_ptr<LoteLinha>> lotsForLines(const DocumentoComercial& doc, const CheckedDocument& checked,
                                                     StockLevels& levels, sql::Database& db) {
  std::vector<std::shared_ptr<LoteLinha>> allocated;
  if (checked.type.stock == 'N') return allocated;
  std::map<int, std::pair<int, double>> given;  // per line: how many lots, and their sum
  for (const auto& lotLine : doc.lots()) {
    auto& [count, sum] = given[lotLine->number(lot::Linha)];
    ++count;
    sum += lotLine->real(lot::Quantidade);
  }
  for (std::size_t i = 0; i < doc.lines().size(); ++i) {
    const auto& article = checked.articles[i];
    if (!article || !article->stock || !article->lots) continue;
    const LinhaDoc& line = *doc.lines()[i];
    int number = static_cast<int>(i + 1);
    double need = line.real(lin::Quantidade) * line.real(lin::Factor);
    auto [count, sum] = given[number];
    if (count > 0) {
      if (std::fabs(sum - need) > kTolerance)
        refuseWith(refusal::LotsOfLine, lineField(i + 1, "QuantidadeMovimentada", numberText(sum)) +
                                            "os lotes da linha somam " + numberText(sum) + " e a linha move " +
                                            numberText(need) + " do artigo '" + article->code + "'");
    } else if (std::fabs(need) > kTolerance) {
      if (checked.type.stock == 'E' || need < 0)
        refuseWith(refusal::LotsOfLine, lineField(i + 1, "Artigo", "'" + article->code + "'") +
                                            "o artigo tem controlo de lotes e a linha não indica os seus lotes");
      auto taken = allocate(number, article->code, line.text(lin::Armazem), need, checked.dateIso, levels, db);
      allocated.insert(allocated.end(), taken.begin(), taken.end());
    }
  }
  return allocated;
}

}  // namespace erpserver
