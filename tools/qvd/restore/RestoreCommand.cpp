#include <iostream>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "cli/Verbs.hpp"
#include "inspect/DocumentKey.hpp"
#include "inspect/DocumentView.hpp"
#include "inspect/RemovedDocument.hpp"
#include "restore/RestoreDocument.hpp"

namespace qvdtool {

int runRestore(const Words& words) {
  Arguments arguments(words, {"company", "user", "password", "log"});
  if (arguments.wantsHelp()) {
    std::cout << "usage: qvd restore DIR TYPE SERIES YEAR NUMBER [OPTIONS]\n\n"
                 "Puts a removed document back under its own number: the latest version the ERP kept when\n"
                 "it was removed (qvd show prints it), with its header, lines and lots. It goes in through\n"
                 "the library like any new document, so the ERP checks it again and moves its stock. A\n"
                 "document that exists is left alone. Example: qvd restore demo FA 1 2024 7\n\n"
              << kLoginOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(5, 5);
  qvd::KeyDocumNext key = documentKey(arguments);
  CompanySession session(CompanyLogin::from(arguments));
  if (documentExists(session, key)) {
    std::cerr << "qvd restore: the document " << format::key(key) << " exists; nothing was restored\n";
    return exitcode::NotAllDone;
  }
  std::optional<Removal> removal = latestRemoval(session, key);
  if (!removal) {
    std::cerr << "qvd restore: the company keeps no removed document " << format::key(key) << "\n";
    return exitcode::NotAllDone;
  }
  RestoreOutcome outcome = restoreDocument(session, *removal);
  if (!outcome.restored) {
    std::cerr << "qvd restore: the ERP refused " << format::key(key) << " (removed on " << removal->when << " by "
              << removal->user << "): error " << outcome.number << ": " << outcome.message
              << "\nNothing was restored; the removed document stays in the archive.\n";
    return exitcode::NotAllDone;
  }
  std::cout << "Restored " << format::key(outcome.key) << ", removed on " << removal->when << " by " << removal->user
            << "\n";
  return exitcode::Ok;
}

}  // namespace qvdtool
