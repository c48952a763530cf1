#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The codes of the rules that keep documents sound, and the way their texts name what they refuse:
// "Linha 2, campo Factor = -1: ..." or "Cabeçalho, campo Ano = 2031: ...".
namespace erpserver {

namespace refusal {
inline constexpr int32_t LotsOfLine = 1050;     // a lot-controlled stock line whose lots are missing or do not add up
inline constexpr int32_t LotBelowZero = 1051;   // a lot would hold less than nothing
inline constexpr int32_t StockBelowZero = 1052; // a warehouse would, and the company does not allow it
inline constexpr int32_t Factor = 1053;         // a factor not greater than zero
inline constexpr int32_t DiscountRate = 1054;   // a discount outside 0 to 100 %
inline constexpr int32_t YearOfDate = 1055;     // a year other than the year of the document's date
inline constexpr int32_t AmountBounds = 1056;   // a quantity or price a currency amount cannot hold
inline constexpr int32_t LotExpiry = 1057;      // a lot that expires before it enters
inline constexpr int32_t LotWarehouse = 1058;   // a lot named in another warehouse than its line's
inline constexpr int32_t LotExpired = 1059;     // an exit that takes a lot past its expiry
inline constexpr int32_t LotsDisagree = 1060;   // a warehouse's stock of an article no longer equals its lots
}  // namespace refusal

// The largest amount a currency value holds: a 64-bit integer of ten-thousandths.
inline constexpr double kMaxAmount = 922337203685477.5807;
inline constexpr const char* kMaxAmountText = "922337203685477.5807";

// A number as the texts show it: up to four decimals and 15 significant digits, a point before
// the decimals.
std::string numberText(double value);

std::string lineField(std::size_t line, std::string_view field, const std::string& value);
std::string headerField(std::string_view field, const std::string& value);

}  // namespace erpserver
