// The import verb: checks the files, then creates their documents in groups and reports each once.
#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "cli/LockWaitNotice.hpp"
#include "cli/Progress.hpp"
#include "cli/Verbs.hpp"
#include "company/Company.hpp"
#include "import/DocumentImport.hpp"
#include "import/FailureLog.hpp"
#include "import/GroupCommit.hpp"
#include "import/ImportHelp.hpp"
#include "import/KeysFile.hpp"
#include "import/NearMisses.hpp"
#include "import/SourceReference.hpp"
#include "platform/AutomationError.hpp"
#include "platform/HostSettings.hpp"
#include "platform/System.hpp"
#include "platform/db/RoundTrips.hpp"

namespace qvdtool {
namespace {

volatile std::sig_atomic_t interrupted = 0;

// The first Ctrl-C lets the document in hand finish; a second one stops at once.
extern "C" void onInterrupt(int) {
  interrupted = 1;
  std::signal(SIGINT, SIG_DFL);
}

// Reads every document once, without creating any: checks the columns against the templates and
// the order of the files, counts the documents and notes those without header or lines.
long checkFiles(const DocumentRecords& templates, const ImportPaths& paths, std::optional<ImportLayout>& layout,
                NearMisses& nearMisses) {
  ImportFiles files(paths);
  layout.emplace(*templates.header, files.headers, *templates.lines, files.lines, *templates.lots, files.lotTable());
  for (const ColumnFill& fill : layout->headers.fills)
    if (fill.field == "PROCESSO")
      usageError(files.headers.name() + ": column PROCESSO cannot be given: the import keeps the source reference there");
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  InputDocument document;
  long count = 0;
  while (stream.next(document)) {
    nearMisses.note(document);
    ++count;
  }
  return count;
}

// Documents per database transaction, and how long one may stay open: past a few hundred
// documents the writes per document hardly shrink further. A server's cost per document grows
// with the rows one transaction has changed, so there a group holds a few dozen.
constexpr long kGroupSize = 250;
constexpr long kServerGroupSize = 32;
constexpr std::chrono::milliseconds kGroupLongest{500};

struct Tally {
  long created = 0, alreadyIn = 0, refused = 0, unlogged = 0;
  long done() const { return created + alreadyIn + refused; }
};

}  // namespace

int runImport(const Words& words) {
  Arguments arguments(words, {"company", "user", "password", "log", "keys", "source"});
  if (arguments.wantsHelp()) {
    std::cout << kImportHelp << kLoginOptions << kImportMoreOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(3, 4);
  const auto& p = arguments.positional();
  ImportPaths paths{p[1], p[2], p.size() > 3 ? std::optional<std::string>(p[3]) : std::nullopt};
  ImportFiles{paths};  // unreadable files are reported before the login
  SourceReference source(arguments.option("source"));
  CompanyLogin login = CompanyLogin::from(arguments);
  auto keys = openKeysFile(arguments.option("keys"), paths, login);
  Progress* bar = nullptr;
  LockWaitNotice waiting("Waiting for another program that is writing to company " + login.company + "...", bar);
  CompanySession session(login);

  DocumentRecords records(session.facade());
  std::optional<ImportLayout> layout;
  NearMisses nearMisses;
  long total = checkFiles(records, paths, layout, nearMisses);
  std::cout << "Importing " << format::count(total, "document") << " into company " << login.company << "\n"
            << std::flush;

  auto start = std::chrono::steady_clock::now();
  int64_t roundTripsBefore = automation::db::serverRoundTrips();
  ImportFiles files(paths);
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  Progress progress(std::cerr, Progress::styleFor(stderr), total);
  bar = &progress;
  Tally tally;
  // Documents already in come in runs (a re-run after a stop): look them up while that lasts.
  bool lookFirst = true;
  auto import = [&](const InputDocument& document) -> std::function<void()> {
    ImportOutcome outcome = importDocument(session, *layout, records, files, document, source.of(document.ref), lookFirst);
    lookFirst = outcome.result == ImportOutcome::AlreadyIn;
    return [&, document, outcome]() mutable {
      if (outcome.result == ImportOutcome::Refused) {
        ++tally.refused;
        if (outcome.number == 0) outcome.message += nearMisses.hintFor(document);
        progress.message(std::cout, failureLine(files, document, outcome));
        if (!logFailure(session.logFolder(), files, document, outcome.number, outcome.message)) ++tally.unlogged;
      } else {
        if (outcome.result == ImportOutcome::Created) {
          ++tally.created;
        } else {
          ++tally.alreadyIn;
          progress.message(std::cout, kRefColumn + std::string(" ") + document.ref + " already imported as " +
                                          format::key(outcome.key));
        }
        if (keys) keys->write(document.ref, outcome.key);
      }
      progress.update(tally.done(), tally.refused);
    };
  };
  try {
    GroupCommit group(login.onServer() ? kServerGroupSize : kGroupSize, kGroupLongest, import);
    InputDocument document;
    std::signal(SIGINT, onInterrupt);
    while (!interrupted && stream.next(document)) group.add(document);
    std::signal(SIGINT, SIG_DFL);
    group.commit();
  } catch (const automation::AutomationError& e) {
    // A group's begin or settle, or a lookup, may be the first to hear that the server went away.
    stopOnLostConnection(e.number(), e.description());
    throw;
  }
  progress.finish(tally.done(), tally.refused);

  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::string rate = automation::fixedText(seconds, 1) + " s (" +
                     automation::fixedText(seconds > 0 ? tally.done() / seconds : 0.0, 0) + " documents/s)";
  std::cout << "Imported " << tally.created + tally.alreadyIn << " of " << format::count(total, "document") << " in "
            << rate << ": " << tally.created << " created, " << tally.alreadyIn << " already in, " << tally.refused << " refused.\n";
  // On a network each wait for the server costs more than the server's work: say how many there were.
  if (login.onServer() && tally.done() > 0) {
    double perDocument = static_cast<double>(automation::db::serverRoundTrips() - roundTripsBefore) / tally.done();
    std::cout << "Round trips to the server: " << automation::fixedText(perDocument, 1) << " per document.\n";
  }
  std::string log = automation::system::utf8FromPath(login.logFolder / "OST_LOGNXTAPI.LOG");
  if (tally.refused > tally.unlogged)
    std::cout << "The refused documents are also in " << log << "\n";
  if (tally.unlogged > 0)
    std::cout << "The operation log " << log << " could not be written for " << format::count(tally.unlogged, "document")
              << ": the lines above are the only record of why.\n";
  if (interrupted) {
    std::cout << "Interrupted: every document above is in whole or not at all. Run the same command again to import "
                 "the rest; nothing is created twice.\n";
    return exitcode::Interrupted;
  }
  int code = tally.refused > 0 ? exitcode::NotAllDone : exitcode::Ok;
  if (keys) {
    if (std::string problem = keys->commit(); !problem.empty()) {
      std::cerr << "qvd import: " << problem << ". The documents are in the company; run the same command again to "
                << "write the keys.\n";
      code = exitcode::NotAllDone;
    }
  }
  return code;
}

}  // namespace qvdtool
