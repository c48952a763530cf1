#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/store/Stock.hpp"

namespace erpserver {

// The stock that a document would leave behind, per warehouse and per lot: what the database holds
// now plus the moves added, computed before anything is written, so that Validar and the write
// that follows it decide alike.
class StockLevels {
 public:
  StockLevels(sql::Database& db, const DocType& type) : db_(db), type_(type) {}

  // The moves as applyStock makes them (sign 1) or takes them back (sign -1).
  void add(const StockMoves& moves, int sign);
  // What a lot of an article holds in a warehouse with the moves added so far.
  double lot(const std::string& article, const std::string& code, const std::string& warehouse);
  // A lot's level as the database holds it, read along with something else.
  void knowLot(const std::string& article, const std::string& code, const std::string& warehouse, double now);
  // Refuses the first lot left below zero and then, unless `negativeAllowed`, the first
  // warehouse; each is named with the document line and the value that took it there. The levels
  // it looks at are read in one statement.
  void check(bool negativeAllowed);
  // Sends ahead the read check() makes of the levels the moves added so far lower, so that it goes
  // with the document's other reads.
  void prefetchLowered();

 private:
  using LotKey = std::tuple<std::string, std::string, std::string>;  // article, lot, warehouse
  using StockKey = std::tuple<std::string, std::string>;             // article, warehouse
  struct Level {
    std::optional<double> now;  // read when first needed: a level the document only raises is never short
    double change = 0;
    int line = 0;                // the last line that took from it
    const char* field = nullptr;
    double value = 0;
  };
  Level& lotLevel(const LotKey& key) { return lots_[key]; }
  Level& stockLevel(const StockKey& key) { return stock_[key]; }
  double lotNow(const LotKey& key, Level& level);
  double stockNow(const StockKey& key, Level& level);
  static void take(Level& level, double quantity, int line, const char* field, double value);
  // The levels the document lowers that are not known yet, and the statement that reads them.
  struct Lowered {
    std::string sql;
    std::vector<std::pair<Level*, std::vector<std::string>>> levels;
  };
  Lowered lowered();
  static void bind(sql::Statement& q, const Lowered& wanted);
  // Reads every level the document lowers that is not known yet.
  void readLowered();

  sql::Database& db_;
  const DocType& type_;
  std::map<LotKey, Level> lots_;
  std::map<StockKey, Level> stock_;
};

}  // namespace erpserver
