#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "company/Company.hpp"

namespace qvdtool {

struct ArticleSummary {
  std::string code, name, unit;
  double stock = 0;  // all warehouses
};

// The article as the ERP reads it; none when it does not exist.
std::optional<ArticleSummary> readArticle(qvd::BAL_Next& facade, const std::string& code);

// The stock of an article in one warehouse; none when the warehouse has no stock record for it.
std::optional<double> warehouseStock(qvd::BAL_Next& facade, const std::string& article, const std::string& warehouse);

// The article's stock per warehouse (only `warehouse` when it is not empty) and per lot.
void printStock(CompanySession& session, const ArticleSummary& article, const std::string& warehouse,
                std::ostream& out);

}  // namespace qvdtool
