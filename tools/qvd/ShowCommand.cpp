#include <charconv>
#include <iostream>

#include "Arguments.hpp"
#include "CommandError.hpp"
#include "DocumentView.hpp"
#include "Format.hpp"
#include "Verbs.hpp"

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

int runShow(const Words& words) {
  Arguments arguments(words, {"company", "user", "password"});
  if (arguments.wantsHelp()) {
    std::cout << "usage: qvd show DIR TYPE SERIES YEAR NUMBER [OPTIONS]\n\n"
                 "Prints the document with that key: type, counterpart and date, its lines, the lots of its\n"
                 "lines and its totals. Example: qvd show demo FA 1 2024 7\n\n"
              << kLoginOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(5, 5);
  const auto& p = arguments.positional();
  qvd::KeyDocumNext key;
  key.sTpDoc = p[1];
  key.iSerie = wholeNumber<int16_t>(p[2], "series");
  key.iAno = wholeNumber<int16_t>(p[3], "year");
  key.lNumDoc = wholeNumber<int32_t>(p[4], "number");
  CompanySession session(CompanyLogin::from(arguments));
  if (printDocument(session, key, std::cout)) return exitcode::Ok;
  std::cerr << "qvd show: there is no document " << format::key(key) << "\n";
  return exitcode::NotAllDone;
}

}  // namespace qvdtool
