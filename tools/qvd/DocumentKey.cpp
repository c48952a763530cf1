#include "DocumentKey.hpp"

#include <charconv>

#include "CommandError.hpp"

namespace qvdtool {
namespace {

template <class Int>
Int wholeNumber(const std::string& text, const char* what) {
  Int value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) usageError(std::string(what) + " '" + text + "' is not a whole number");
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
