#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "Arguments.hpp"
#include "CommandError.hpp"
#include "Company.hpp"
#include "DocumentImport.hpp"
#include "FailureLog.hpp"
#include "Format.hpp"
#include "ImportHelp.hpp"
#include "Progress.hpp"
#include "Verbs.hpp"

namespace qvdtool {
namespace {

// Reads every document once, without creating any: checks the columns against the templates and
// the order of the files, and counts the documents.
long checkFiles(qvd::BAL_Next& facade, const ImportPaths& paths, std::optional<ImportLayout>& layout) {
  ImportFiles files(paths);
  layout.emplace(*facade.TemplateCabecalho(), files.headers, *facade.TemplateLinhas(), files.lines,
                 *facade.TemplateLotes(), files.lotTable());
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  InputDocument document;
  long count = 0;
  while (stream.next(document)) ++count;
  return count;
}

// The file --keys names, with its first row written; none without the option.
std::unique_ptr<std::ofstream> keysFile(const Arguments& arguments) {
  auto path = arguments.option("keys");
  if (!path) return nullptr;
  auto keys = std::make_unique<std::ofstream>(*path);
  if (!*keys) usageError("cannot write '" + *path + "'");
  *keys << "REF,TPDOC,SERIE,ANO,NNUMDOC\n";
  return keys;
}

void writeKey(std::ostream& keys, const std::string& ref, const qvd::KeyDocumNext& key) {
  keys << csvField(ref) << "," << csvField(key.sTpDoc) << "," << key.iSerie << "," << key.iAno << "," << key.lNumDoc
       << "\n";
}

}  // namespace

int runImport(const Words& words) {
  Arguments arguments(words, {"company", "user", "password", "keys"});
  if (arguments.wantsHelp()) {
    std::cout << kImportHelp << kLoginOptions << kImportMoreOptions;
    return exitcode::Ok;
  }
  arguments.expectPositional(3, 4);
  const auto& p = arguments.positional();
  ImportPaths paths{p[1], p[2], p.size() > 3 ? std::optional<std::string>(p[3]) : std::nullopt};
  ImportFiles{paths};  // unreadable files are reported before the login
  CompanySession session(CompanyLogin::from(arguments));
  qvd::BAL_Next& facade = session.facade();

  std::optional<ImportLayout> layout;
  long total = checkFiles(facade, paths, layout);
  auto keys = keysFile(arguments);
  std::cout << "Importing " << format::count(total, "document") << " into company " << session.login().company
            << "\n"
            << std::flush;

  auto start = std::chrono::steady_clock::now();
  ImportFiles files(paths);
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  Progress progress(std::cerr, Progress::styleFor(STDERR_FILENO), total);
  long done = 0, failed = 0;
  InputDocument document;
  while (stream.next(document)) {
    ImportOutcome outcome = importDocument(facade, *layout, files, document);
    ++done;
    if (!outcome.inserted) {
      ++failed;
      progress.message(std::cout, failureLine(files, document, outcome));
      logFailure(session.logFolder(), files, document, outcome.number, outcome.message);
    } else if (keys) {
      writeKey(*keys, document.ref, outcome.key);
    }
    progress.update(done, failed);
  }
  progress.finish(done, failed);

  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char rate[64];
  std::snprintf(rate, sizeof rate, "%.1f s (%.0f documents/s)", seconds, seconds > 0 ? done / seconds : 0.0);
  std::cout << "Imported " << done - failed << " of " << format::count(done, "document") << " in " << rate << "; "
            << failed << " failed.\n";
  if (failed > 0)
    std::cout << "The failed documents are also in " << (session.login().folder / "OST_LOGNXTAPI.LOG").string() << "\n";
  return failed > 0 ? exitcode::NotAllDone : exitcode::Ok;
}

}  // namespace qvdtool
