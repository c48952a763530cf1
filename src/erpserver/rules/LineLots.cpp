#include "erpserver/rules/LineLots.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {
namespace {

constexpr double kTolerance = 0.00005;

// A lot that can give to a line, as the database holds it.
struct Candidate {
  std::string code, theirLot, expiryIso;
  bool expires;
};
using Place = std::pair<std::string, std::string>;  // article, warehouse
// Per article and warehouse, the lots with something left, in the order they are taken: read for
// all of a document's lines at once.
using Candidates = std::map<Place, std::vector<Candidate>>;

// The lines whose lots the server takes: with a quantity, on an exit, naming none.
std::vector<std::size_t> linesToAllocate(const DocumentoComercial& doc, const CheckedDocument& checked,
                                         std::map<int, std::pair<int, double>>& given) {
  std::vector<std::size_t> lines;
  if (checked.type.stock == 'N') return lines;
  for (const auto& lotLine : doc.lots()) {
    auto& [count, sum] = given[lotLine->number(lot::Linha)];
    ++count;
    sum += lotLine->real(lot::Quantidade);
  }
  for (std::size_t i = 0; i < doc.lines().size(); ++i) {
    const auto& article = checked.articles[i];
    if (article && article->stock && article->lots) lines.push_back(i);
  }
  return lines;
}

// The places the document's lines take lots from; none when it names every line's lots.
std::set<Place> placesToAllocate(const DocumentoComercial& doc, const CheckedDocument& checked) {
  std::map<int, std::pair<int, double>> given;
  std::set<Place> places;
  if (checked.type.stock == 'E') return places;
  for (std::size_t i : linesToAllocate(doc, checked, given)) {
    const LinhaDoc& line = *doc.lines()[i];
    double need = line.real(lin::Quantidade) * line.real(lin::Factor);
    if (given[static_cast<int>(i + 1)].first == 0 && need > kTolerance)
      places.emplace(checked.articles[i]->code, line.text(lin::Armazem));
  }
  return places;
}

// One statement for every place: articles and warehouses each in a list, the pairs sorted out here.
std::string candidatesQuery(const std::set<Place>& places, std::set<std::string>& articles,
                            std::set<std::string>& warehouses) {
  for (const auto& [article, warehouse] : places) articles.insert(article), warehouses.insert(warehouse);
  return "SELECT ARTIGO, ARMAZEM, CODLOTE, VOSSLOTE, VALIDADE, QTDENT - QTDSID FROM ARTLOT WHERE ARTIGO IN (" +
         sql::placeholders(articles.size()) + ") AND ARMAZEM IN (" + sql::placeholders(warehouses.size()) +
         ") AND QTDENT - QTDSID > 0 ORDER BY ARTIGO, ARMAZEM, VALIDADE IS NULL, VALIDADE, DTAENTRA IS NULL, DTAENTRA, "
         "CODLOTE";
}

// Runs (or, with `ahead`, sends ahead) the read of the candidates of `places`.
void readCandidates(const std::set<Place>& places, sql::Database& db, bool ahead, StockLevels* levels,
                    Candidates* known) {
  if (places.empty()) return;
  std::set<std::string> articles, warehouses;
  auto q = db.query(candidatesQuery(places, articles, warehouses));
  q->reuseRows();
  int index = 1;
  for (const std::string& article : articles) q->bind(index++, article);
  for (const std::string& warehouse : warehouses) q->bind(index++, warehouse);
  if (ahead) {
    q->prefetch();
    return;
  }
  for (const Place& place : places) (*known)[place];
  while (q->step()) {
    auto it = known->find({q->text(0), q->text(1)});
    if (it == known->end()) continue;
    it->second.push_back({q->text(2), q->text(3), q->text(4), !q->isNull(4)});
    levels->knowLot(q->text(0), q->text(2), q->text(1), q->real(5));
  }
}

std::shared_ptr<LoteLinha> lotLine(int line, const std::string& article, const std::string& warehouse,
                                   const Candidate& lot, double quantity) {
  auto made = std::make_shared<LoteLinha>();
  made->setValue(lot::Linha, Variant(static_cast<int16_t>(line)));
  made->setValue(lot::Quantidade, Variant(quantity));
  CamposLote& fields = made->campos();
  fields.setValue(lot::Codigo, Variant(lot.code));
  fields.setValue(lot::Artigo, Variant(article));
  fields.setValue(lot::Armazem, Variant(warehouse));
  fields.setValue(lot::VossoLote, Variant(lot.theirLot));
  fields.setValue(lot::Validade, Variant(textFromIso(lot.expiryIso)));
  return made;
}

// Takes `need` of the article from its lots in the warehouse, earliest expiry first, leaving out
// the lots past their expiry on the document's date `dateIso`.
std::vector<std::shared_ptr<LoteLinha>> allocate(int line, const std::string& article, const std::string& warehouse,
                                                 double need, const std::string& dateIso, StockLevels& levels,
                                                 Candidates& known) {
  std::vector<std::shared_ptr<LoteLinha>> taken;
  double remaining = need, expired = 0;
  for (const Candidate& lot : known[{article, warehouse}]) {
    if (remaining <= kTolerance) break;
    double available = levels.lot(article, lot.code, warehouse);
    if (available <= kTolerance) continue;
    if (lot.expires && lot.expiryIso < dateIso) {
      expired += available;
      continue;
    }
    double quantity = std::min(available, remaining);
    taken.push_back(lotLine(line, article, warehouse, lot, quantity));
    StockMoves moved;
    moved.lots.push_back({article, lot.code, warehouse, quantity, "", "", "", line});
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

void prefetchLots(const DocumentoComercial& doc, const CheckedDocument& checked, sql::Database& db) {
  readCandidates(placesToAllocate(doc, checked), db, true, nullptr, nullptr);
}

std::vector<std::shared_ptr<LoteLinha>> lotsForLines(const DocumentoComercial& doc, const CheckedDocument& checked,
                                                     StockLevels& levels, sql::Database& db) {
  std::vector<std::shared_ptr<LoteLinha>> allocated;
  std::map<int, std::pair<int, double>> given;  // per line: how many lots, and their sum
  Candidates known;
  readCandidates(placesToAllocate(doc, checked), db, false, &levels, &known);
  for (std::size_t i : linesToAllocate(doc, checked, given)) {
    const auto& article = checked.articles[i];
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
      auto taken = allocate(number, article->code, line.text(lin::Armazem), need, checked.dateIso, levels, known);
      allocated.insert(allocated.end(), taken.begin(), taken.end());
    }
  }
  return allocated;
}

}  // namespace erpserver
