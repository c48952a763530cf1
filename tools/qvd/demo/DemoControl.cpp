#include <fstream>
#include <sstream>

#include "cli/Format.hpp"
#include "demo/Demo.hpp"
#include "inspect/DocumentView.hpp"
#include "platform/System.hpp"

// The demo's safety nets: work undone by cancelling a transaction, and a refused document that
// the operation log keeps.
namespace qvdtool {

using qvd::KeyDocumNext;

namespace {

bool invoice(DemoRun& run, const std::string& article, double quantity, KeyDocumNext& key) {
  auto articles = texts({article});
  auto names = texts({""});
  auto quantities = numbers({quantity});
  auto prices = numbers({0});
  auto notes = texts({""});
  return run.bal().CF_DocGenInserir(qvd::NaoIndicado, qvd::tpDefault, "FA", "S1", 1, "C002", "", "", run.today, "",
                                    "A1", false, "", articles, names, quantities, prices, notes, key);
}

// The last record of the operation log in `folder`.
std::string lastLogRecord(const std::filesystem::path& folder) {
  std::ifstream in(folder / "OST_LOGNXTAPI.LOG", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string all = text.str();
  auto start = all.rfind(std::string(120, '-') + "\r\n----- ");
  // The library writes the file in the system's code page, the console takes UTF-8.
  return start == std::string::npos ? std::string() : automation::system::fromAnsiCodePage(all.substr(start));
}

}  // namespace

bool demoCancelledTransaction(DemoRun& run) {
  return demoStep(run, "8. Two invoices in a transaction that is then cancelled (TransaccaoCancelar)", [&] {
    run.bal().TransaccaoIniciar();
    KeyDocumNext first, second;
    if (!invoice(run, "A001", 7, first) || !invoice(run, "P001", 1, second)) return reportCreated(run, false, first);
    run.out << "Created " << format::key(first) << " and " << format::key(second)
            << " inside the transaction; cancelling it.\n";
    run.bal().TransaccaoCancelar();
    bool gone = true;
    for (const KeyDocumNext& key : {first, second}) {
      bool there = documentExists(run.session, key);
      run.out << format::key(key) << (there ? " is still there" : " is gone") << "\n";
      gone = gone && !there;
    }
    return gone;
  });
}

bool demoFailedDocument(DemoRun& run) {
  auto folder = run.session.login().logFolder;
  return demoStep(run, "9. An invoice for an article that does not exist, with the operation log on "
                       "(CF_DocGenInserir, UsaLogOstrel)",
                  [&] {
                    KeyDocumNext key;
                    run.bal().UsaLogOstrel(true);
                    bool refused = reportRefused(run, invoice(run, "Z404", 1, key), key);
                    std::string record = lastLogRecord(folder);
                    run.out << "\nThe operation log " << automation::system::utf8FromPath(folder / "OST_LOGNXTAPI.LOG")
                            << " now ends with:\n\n"
                            << record;
                    return refused && record.find("Z404") != std::string::npos;
                  });
}

}  // namespace qvdtool
