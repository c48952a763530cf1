// Reading the rows of a PostgreSQL server's answer, in the server's own text formats.
#include "platform/db/PostgresRows.hpp"

#include <charconv>
#include <cmath>

namespace automation::db {

bool PostgresRows::isNull(int column) const {
  if (!answer_ || row_ < 0 || row_ >= PQntuples(answer_.get()) || column < 0 || column >= PQnfields(answer_.get()))
    return true;
  return PQgetisnull(answer_.get(), row_, column) != 0;
}

std::string_view PostgresRows::value(int column) const {
  if (isNull(column)) return {};
  return {PQgetvalue(answer_.get(), row_, column), static_cast<std::size_t>(PQgetlength(answer_.get(), row_, column))};
}

int64_t PostgresRows::integer(int column) const {
  std::string_view text = value(column);
  if (text == "t" || text == "f") return text == "t";
  int64_t whole = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
  if (ec == std::errc() && end == text.data() + text.size()) return whole;
  double number = real(column);
  return std::isfinite(number) && std::fabs(number) < 9.2e18 ? static_cast<int64_t>(number) : 0;
}

double PostgresRows::real(int column) const {
  std::string_view text = value(column);
  if (text == "NaN") return std::nan("");
  if (text == "Infinity" || text == "-Infinity") return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  double number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::string PostgresRows::text(int column) const { return std::string(value(column)); }

}  // namespace automation::db
