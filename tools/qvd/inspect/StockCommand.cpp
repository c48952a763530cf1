#include <iostream>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Verbs.hpp"
#include "inspect/StockView.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {

int runStock(const Words& words) {
  Arguments arguments(words, {"company", "user", "password", "log"});
  if (arguments.wantsHelp()) {
    std::cout << "usage: qvd stock DIR ARTICLE [WAREHOUSE] [OPTIONS]\n\n"
                 "Prints the stock of ARTICLE in every warehouse that holds a stock record for it, and the\n"
                 "total; with WAREHOUSE, only there. Lots with stock follow, with their expiry dates.\n\n"
              << kLoginOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(2, 3);
  CompanySession session(CompanyLogin::from(arguments));
  const auto& positional = arguments.positional();
  auto article = readArticle(session.facade(), positional[1]);
  if (!article) {
    std::cerr << "qvd stock: article " << automation::text::quoted(positional[1]) << " does not exist\n";
    return exitcode::NotAllDone;
  }
  printStock(session, *article, positional.size() > 2 ? positional[2] : std::string(), std::cout);
  return exitcode::Ok;
}

}  // namespace qvdtool
