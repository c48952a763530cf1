#include <iostream>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "cli/Verbs.hpp"
#include "inspect/DocumentKey.hpp"
#include "inspect/DocumentView.hpp"

namespace qvdtool {

int runShow(const Words& words) {
  Arguments arguments(words, {"company", "user", "password", "log"});
  if (arguments.wantsHelp()) {
    std::cout << "usage: qvd show DIR TYPE SERIES YEAR NUMBER [OPTIONS]\n\n"
                 "Prints the document with that key: type, counterpart and date, its lines, the lots of its\n"
                 "lines and its totals. A document that was removed is shown as it was when it was removed,\n"
                 "with when and by whom (qvd restore puts it back). Example: qvd show demo FA 1 2024 7\n\n"
              << kLoginOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(5, 5);
  qvd::KeyDocumNext key = documentKey(arguments);
  CompanySession session(CompanyLogin::from(arguments));
  if (printDocument(session, key, std::cout) || printRemovedDocument(session, key, std::cout)) return exitcode::Ok;
  std::cerr << "qvd show: there is no document " << format::key(key) << ", nor a removed one\n";
  return exitcode::NotAllDone;
}

}  // namespace qvdtool
