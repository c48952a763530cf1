#include "demo/Demo.hpp"

// The factory side of the demo's day: two tables made from paint and flour, raw materials taken
// out by lot and some given back.
namespace qvdtool {

using qvd::KeyDocumNext;

bool demoProductionEntry(DemoRun& run) {
  return demoStep(run, "5. Two tables made, costed from their elements: half the cost of paint, a quarter of flour "
                       "(MF_MovEntradaProducaoCriar)",
                  [&] {
                    qvd::TipificacaoTransf movements = demoMovements(run);
                    std::string process = "OF2024/003", product = "P001";
                    double quantity = 2;
                    auto elements = texts({"A002", "A003"});
                    auto percentages = numbers({50, 25});
                    KeyDocumNext key;
                    run.bal().UsaPrecoUnitario(true);  // the cost the facade works out becomes the line's price
                    bool ok = run.bal().MF_MovEntradaProducaoCriar(qvd::tpDefault, movements, process, product,
                                                                   quantity, elements, percentages, key);
                    return reportCreated(run, ok, key);
                  });
}

bool demoConsumptionAndReturn(DemoRun& run) {
  qvd::TipificacaoTransf movements = demoMovements(run);
  std::string process = "OF2024/003";
  bool exit = demoStep(run, "6a. Flour and paint taken out for production, by lot (EP_MovSaidaDeConsumoCriar)",
                       [&] {
                         auto articles = texts({"A003", "A002"});
                         auto quantities = numbers({20, 4});
                         qvd::BAL_Next::Numbers prices;  // the facade fills in the average costs
                         auto lots = lotsOf({{1, "A003", "L-A003-1", 20}, {2, "A002", "L-A002-1", 4}});
                         KeyDocumNext key;
                         bool ok = run.bal().EP_MovSaidaDeConsumoCriar(qvd::tpDefault, movements, process, articles,
                                                                       quantities, prices, lots, key);
                         return reportCreated(run, ok, key);
                       });
  bool back = demoStep(run, "6b. Five kilos of that flour given back to its lot (EP_MovDevolucaoSaidaDeConsumoCriar)",
                       [&] {
                         auto articles = texts({"A003"});
                         auto quantities = numbers({5});
                         auto lots = lotsOf({{1, "A003", "L-A003-1", 5}});
                         KeyDocumNext key;
                         bool ok = run.bal().EP_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, movements, process,
                                                                                articles, quantities, lots, key);
                         return reportCreated(run, ok, key);
                       });
  return exit && back;
}

}  // namespace qvdtool
