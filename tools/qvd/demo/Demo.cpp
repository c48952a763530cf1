#include "demo/Demo.hpp"

#include "cli/Format.hpp"
#include "inspect/DocumentView.hpp"

namespace qvdtool {

qvd::BAL_Next::Texts texts(std::initializer_list<std::string> items) { return qvd::BAL_Next::Texts(1, items); }

qvd::BAL_Next::Numbers numbers(std::initializer_list<double> items) { return qvd::BAL_Next::Numbers(1, items); }

std::shared_ptr<qvd::cDocLotes> lotsOf(std::initializer_list<DemoLot> lots) {
  auto document = std::make_shared<qvd::cDocLotes>();
  for (const DemoLot& lot : lots) {
    auto ofLine = document->LotesDaLinha(lot.line);
    ofLine->Add(lot.article, lot.quantity, lot.lot, "");
    document->SetLotesDaLinha(lot.line, ofLine);
  }
  return document;
}

qvd::TipificacaoTransf demoMovements(const DemoRun& run) {
  qvd::TipificacaoArmazem rawMaterials{"A1", "PROD", "TR", 1, "SC", 1, "EP", 1, "GEF", 1, "GR", 1, "DC", 1};
  qvd::TipificacaoArmazem factory = rawMaterials;
  factory.Armazem = "A2";
  return {rawMaterials, factory, rawMaterials, run.today, run.year, "EUR", qvd::tpDefault, qvd::CriaNaCriacao};
}

bool demoStep(DemoRun& run, const std::string& title, const std::function<bool()>& body) {
  run.out << "\n=== " << title << "\n\n";
  StockSnapshot before = StockSnapshot::take(run.session);
  bool right = body();
  run.out << "\nStock moved:\n";
  if (!StockSnapshot::take(run.session).printChangesSince(before, run.out)) run.out << "  nothing\n";
  if (!right) run.out << "\n*** This step did not go as it should.\n";
  return right;
}

namespace {

void printRefusal(DemoRun& run) {
  run.out << "Refused: error " << run.bal().ErroNumero() << ": " << run.bal().ErroDescricao() << "\n";
}

}  // namespace

bool reportCreated(DemoRun& run, bool ok, const qvd::KeyDocumNext& key) {
  if (!ok) {
    printRefusal(run);
    return false;
  }
  run.out << "Created " << format::key(key) << ":\n\n";
  printDocument(run.session, key, run.out);
  return true;
}

bool reportRefused(DemoRun& run, bool ok, const qvd::KeyDocumNext& key) {
  if (ok) {
    run.out << "Created " << format::key(key) << ", which should have been refused\n";
    return false;
  }
  printRefusal(run);
  return true;
}

}  // namespace qvdtool
