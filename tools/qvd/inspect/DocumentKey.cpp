#include "inspect/DocumentKey.hpp"

#include <charconv>
#include <limits>

#include "cli/CommandError.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {
namespace {

template <class Int>
Int wholeNumber(const std::string& text, const char* what) {
  Int value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  std::string shown = std::string(what) + " " + automation::text::quoted(text);
  if (text.empty() || end != text.data() + text.size() || ec == std::errc::invalid_argument)
    usageError(shown + " is not a whole number");
  if (ec == std::errc::result_out_of_range)
    usageError(shown + " is out of range (" + std::to_string(std::numeric_limits<Int>::min()) + " to " +
               std::to_string(std::numeric_limits<Int>::max()) + ")");
  return value;
}

}  // namespace

qvd::KeyDocumNext documentKey(const Arguments& arguments) {
  const auto& p = arguments.positional();
  qvd::KeyDocumNext key;
  key.sTpDoc = p[1];
  key.iSerie = wholeNumber<int16_t>(p[2], "series");
  key.iAno = wholeNumber<int16_t>(p[3], "year");
  key.lNumDoc = wholeNumber<int32_t>(p[4], "number");
  return key;
}

}  // namespace qvdtool
