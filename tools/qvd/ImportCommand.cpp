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
#include "DocumentRecords.hpp"
#include "DocumentStream.hpp"
#include "FailureLog.hpp"
#include "ImportHelp.hpp"
#include "ImportLayout.hpp"
#include "Progress.hpp"
#include "Verbs.hpp"
#include "platform/AutomationError.hpp"

namespace qvdtool {
namespace {

// The three input files, opened afresh for each pass over them.
struct InputFiles {
  std::string headers, lines;
  std::optional<std::string> lots;
};

struct OpenFiles {
  CsvTable headers, lines;
  std::optional<CsvTable> lots;

  explicit OpenFiles(const InputFiles& files) : headers(files.headers), lines(files.lines) {
    if (files.lots) lots.emplace(*files.lots);
  }
  CsvTable* lotTable() { return lots ? &*lots : nullptr; }
  ImportFiles view() { return {headers, lines, lotTable()}; }
};

// What became of one document.
struct Outcome {
  bool inserted = false;
  int32_t number = 0;
  std::string message;
  qvd::KeyDocumNext key;
};

Outcome refused(int32_t number, std::string message) { return {false, number, std::move(message), {}}; }

Outcome importDocument(qvd::BAL_Next& facade, const ImportLayout& layout, const ImportFiles& files,
                       const InputDocument& document) {
  if (!document.header) return refused(0, "there is no row for it in " + files.headers.name());
  DocumentRecords records;
  std::vector<std::string> problems = fillRecords(facade, layout, document, records);
  if (!problems.empty()) {
    std::string message = problems.front();
    for (std::size_t i = 1; i < problems.size(); ++i) message += "; " + problems[i];
    return refused(0, message);
  }
  Outcome outcome;
  qvd::NextError error{-1, {}};
  try {
    outcome.inserted = facade.Inserir(qvd::NaoIndicado, records.header, records.lines, records.lots, outcome.key, error);
  } catch (const automation::AutomationError& e) {
    return refused(e.number(), e.description());
  }
  if (!outcome.inserted) return refused(error.lUltimoErro, error.sTextoErro);
  return outcome;
}

std::string span(const std::string& file, const std::vector<InputRow>& rows) {
  if (rows.empty()) return {};
  std::string text = ", " + file + " line";
  if (rows.size() == 1) return text + " " + std::to_string(rows.front().line);
  return text + "s " + std::to_string(rows.front().line) + "-" + std::to_string(rows.back().line);
}

std::string failureLine(const ImportFiles& files, const InputDocument& document, const Outcome& outcome) {
  std::string where = document.header ? files.headers.name() + " line " + std::to_string(document.header->line) : "";
  where += span(files.lines.name(), document.lines);
  if (files.lots) where += span(files.lots->name(), document.lots);
  if (where.compare(0, 2, ", ") == 0) where.erase(0, 2);
  std::string reason = outcome.number > 0 ? "error " + std::to_string(outcome.number) + ": " + outcome.message
                                           : outcome.message;
  return kRefColumn + std::string(" ") + document.ref + " not imported (" + where + "): " + reason;
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\";\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// Reads every document once, without creating any: checks the columns against the templates and
// the order of the files, and counts the documents.
long checkFiles(qvd::BAL_Next& facade, const InputFiles& input, std::optional<ImportLayout>& layout) {
  OpenFiles files(input);
  layout.emplace(*facade.TemplateCabecalho(), files.headers, *facade.TemplateLinhas(), files.lines,
                 *facade.TemplateLotes(), files.lotTable());
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  InputDocument document;
  long count = 0;
  while (stream.next(document)) ++count;
  return count;
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
  InputFiles input{p[1], p[2], p.size() > 3 ? std::optional<std::string>(p[3]) : std::nullopt};
  OpenFiles{input};  // unreadable files are reported before the login
  CompanySession session(CompanyLogin::from(arguments));
  qvd::BAL_Next& facade = session.facade();

  std::optional<ImportLayout> layout;
  long total = checkFiles(facade, input, layout);
  std::unique_ptr<std::ofstream> keys;
  if (auto path = arguments.option("keys")) {
    keys = std::make_unique<std::ofstream>(*path);
    if (!*keys) usageError("cannot write '" + *path + "'");
    *keys << "REF,TPDOC,SERIE,ANO,NNUMDOC\n";
  }
  std::cout << "Importing " << total << " documents into company " << session.login().company << "\n" << std::flush;

  auto start = std::chrono::steady_clock::now();
  OpenFiles files(input);
  DocumentStream stream(files.headers, files.lines, files.lotTable());
  Progress progress(std::cerr, Progress::styleFor(STDERR_FILENO), total);
  long done = 0, failed = 0;
  InputDocument document;
  while (stream.next(document)) {
    Outcome outcome = importDocument(facade, *layout, files.view(), document);
    ++done;
    if (!outcome.inserted) {
      ++failed;
      progress.message(std::cout, failureLine(files.view(), document, outcome));
      logFailure(session.logFolder(), files.view(), document, outcome.number, outcome.message);
    } else if (keys) {
      *keys << csvField(document.ref) << "," << csvField(outcome.key.sTpDoc) << "," << outcome.key.iSerie << ","
            << outcome.key.iAno << "," << outcome.key.lNumDoc << "\n";
    }
    progress.update(done, failed);
  }
  progress.finish(done, failed);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char rate[64];
  std::snprintf(rate, sizeof rate, "%.1f s (%.0f documents/s)", seconds, seconds > 0 ? done / seconds : 0.0);
  std::cout << "Imported " << done - failed << " of " << done << " documents in " << rate << "; " << failed
            << " failed.\n";
  if (failed > 0)
    std::cout << "The failed documents are also in " << (session.login().folder / "OST_LOGNXTAPI.LOG").string() << "\n";
  return failed > 0 ? exitcode::NotAllDone : exitcode::Ok;
}

}  // namespace qvdtool
