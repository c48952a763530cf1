#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "erpserver/store/Catalog.hpp"

namespace erpserver {

class DocumentoComercial;

// The single rate of a composed discount ("10+5" is 14.5: 10 %, then 5 % of the rest);
// 0 for empty text, none when the text is not a composed discount.
[[nodiscard]] std::optional<double> composedRate(std::string_view text);

// The unit price the server proposes for an article: the sale price (with or without VAT) for
// sales types; for other types by the price type: 1 last entry, 3 standard, 4 manual (none),
// any other the average cost.
[[nodiscard]] std::optional<double> suggestedPrice(const Article& article, const DocType& type, int priceType,
                                                   bool vatIncluded);

// Line values (discount value, VAT, line total) and the header totals, rounded to cents.
// Prices include VAT when the header says so; `vatExempt` zeroes the VAT.
void computeTotals(DocumentoComercial& doc, bool vatExempt);

double roundCents(double value);

}  // namespace erpserver
