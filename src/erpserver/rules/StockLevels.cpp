#include "erpserver/rules/StockLevels.hpp"

#include <cassert>
#include <vector>

#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {
namespace {

// Half the smallest step of a currency amount: rounding below it is no shortage.
constexpr double kTolerance = 0.00005;

}  // namespace

double StockLevels::lotNow(const LotKey& key, Level& level) {
  if (!level.now) {
    auto q = db_.query("SELECT QTDENT - QTDSID FROM ARTLOT WHERE ARTIGO = ? AND CODLOTE = ? AND ARMAZEM = ?");
    q->bind(1, std::get<0>(key)).bind(2, std::get<1>(key)).bind(3, std::get<2>(key));
    level.now = q->step() ? q->real(0) : 0;
  }
  return *level.now;
}

double StockLevels::stockNow(const StockKey& key, Level& level) {
  if (!level.now) {
    auto q = db_.query("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = ? AND ARMAZEM = ?");
    q->bind(1, std::get<0>(key)).bind(2, std::get<1>(key));
    level.now = q->step() ? q->real(0) : 0;
  }
  return *level.now;
}

void StockLevels::take(Level& level, double quantity, int line, const char* field, double value) {
  level.change += quantity;
  if (quantity < 0) level.line = line, level.field = field, level.value = value;
}

void StockLevels::add(const StockMoves& moves, int sign) {
  if (type_.stock == 'N') return;
  // An entry (or a return) adds to its warehouse, an exit takes from it, a transfer does both.
  double into = type_.stock == 'E' ? 1 : -1;
  for (const auto& line : moves.lines) {
    double q = sign * line.quantity;
    take(stockLevel({line.article, line.warehouse}), into * q, line.line, "Quantidade", line.quantity);
    if (type_.stock == 'T') take(stockLevel({line.article, type_.destination}), q, line.line, "Quantidade", line.quantity);
  }
  for (const auto& lot : moves.lots) {
    double q = sign * lot.quantity;
    take(lotLevel({lot.article, lot.lot, lot.warehouse}), into * q, lot.line, "QuantidadeMovimentada", lot.quantity);
    if (type_.stock == 'T')
      take(lotLevel({lot.article, lot.lot, type_.destination}), q, lot.line, "QuantidadeMovimentada", lot.quantity);
  }
}

double StockLevels::lot(const std::string& article, const std::string& code, const std::string& warehouse) {
  LotKey key{article, code, warehouse};
  Level& level = lotLevel(key);
  return lotNow(key, level) + level.change;
}

void StockLevels::knowLot(const std::string& article, const std::string& code, const std::string& warehouse,
                          double now) {
  Level& level = lotLevel({article, code, warehouse});
  if (!level.now) level.now = now;
}

// One row whose columns are the levels, so that a missing row reads as 0 as it does alone.
StockLevels::Lowered StockLevels::lowered() {
  Lowered wanted;
  std::string& sql = wanted.sql;
  auto want = [&](Level& level, const char* select, std::vector<std::string> key) {
    if (level.change >= 0 || level.now) return;
    sql += std::string(sql.empty() ? "SELECT " : ", ") + "(" + select + ")";
    wanted.levels.emplace_back(&level, std::move(key));
  };
  for (auto& [key, level] : lots_)
    want(level, "SELECT QTDENT - QTDSID FROM ARTLOT WHERE ARTIGO = ? AND CODLOTE = ? AND ARMAZEM = ?",
         {std::get<0>(key), std::get<1>(key), std::get<2>(key)});
  for (auto& [key, level] : stock_)
    want(level, "SELECT EXISTENC FROM ARTARM WHERE ARTIGO = ? AND ARMAZEM = ?", {std::get<0>(key), std::get<1>(key)});
  return wanted;
}

void StockLevels::bind(sql::Statement& q, const Lowered& wanted) {
  int index = 1;
  for (const auto& [level, key] : wanted.levels)
    for (const std::string& part : key) q.bind(index++, part);
}

void StockLevels::prefetchLowered() {
  Lowered wanted = lowered();
  if (wanted.levels.empty()) return;
  auto q = db_.query(wanted.sql);
  bind(q->reuseRows(), wanted);
  q->prefetch();
}

void StockLevels::readLowered() {
  Lowered wanted = lowered();
  if (wanted.levels.empty()) return;
  auto q = db_.query(wanted.sql);
  bind(q->reuseRows(), wanted);
  [[maybe_unused]] bool row = q->step();
  assert(row && "a select without FROM gives one row");
  for (std::size_t i = 0; i < wanted.levels.size(); ++i) {
    int column = static_cast<int>(i);
    wanted.levels[i].first->now = q->isNull(column) ? 0 : q->real(column);
  }
}

void StockLevels::check(bool negativeAllowed) {
  readLowered();
  // Only what this document lowers is its concern; a level that was already short stays as it was.
  for (auto& [key, level] : lots_) {
    if (!(level.change < 0 && lotNow(key, level) + level.change < -kTolerance)) continue;
    const auto& [article, code, warehouse] = key;
    refuseWith(refusal::LotBelowZero, lineField(static_cast<std::size_t>(level.line), level.field,
                                                numberText(level.value)) +
                                          "o lote '" + code + "' do artigo '" + article + "' no armazém '" + warehouse +
                                          "' ficaria com " + numberText(*level.now + level.change));
  }
  if (negativeAllowed) return;
  for (auto& [key, level] : stock_) {
    if (!(level.change < 0 && stockNow(key, level) + level.change < -kTolerance)) continue;
    const auto& [article, warehouse] = key;
    refuseWith(refusal::StockBelowZero,
               lineField(static_cast<std::size_t>(level.line), level.field, numberText(level.value)) + "o artigo '" +
                   article + "' no armazém '" + warehouse + "' ficaria com " + numberText(*level.now + level.change) +
                   ", e a empresa não permite stock negativo");
  }
}

}  // namespace erpserver
