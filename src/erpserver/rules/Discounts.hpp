#pragma once

#include <optional>
#include <string>

#include "erpserver/store/Database.hpp"

namespace erpserver {

// What a discount or commission rule of DESCONTOS is matched against; empty texts match only
// rules without that criterion.
struct DiscountCriteria {
  std::string group, family, subfamily, article, clientGroup, client;
  std::string isoDate;  // empty: only rules without dates
  double quantity = 0;
  bool commission = false;
};

// The composed discount text ("10+5") of the best rule: higher PRIORIDADE first, then the more
// specific rule (article, client, family, subfamily, group, client group, in that weight).
[[nodiscard]] std::optional<std::string> matchDiscountRule(sql::Database& db, const DiscountCriteria& c);

}  // namespace erpserver
