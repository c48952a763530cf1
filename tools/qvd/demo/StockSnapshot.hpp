#pragma once

#include <map>
#include <ostream>
#include <string>

#include "company/Company.hpp"

namespace qvdtool {

// The stock of every article per warehouse and per lot at one moment, to show what a piece of
// work moved.
class StockSnapshot {
 public:
  static StockSnapshot take(CompanySession& session);

  // One line per quantity that differs from `before`: "A002 in A1: 60 -> 55 (-5)". False when
  // nothing changed.
  bool printChangesSince(const StockSnapshot& before, std::ostream& out) const;

 private:
  std::map<std::string, double> quantities_;  // "A002 in A1", "A002 lot L-A002-1 in A1"
};

}  // namespace qvdtool
