#include "cli/Format.hpp"
#include "demo/Demo.hpp"

// The commercial side of the demo's day: a quote, invoices, a credit note and a delivery note.
namespace qvdtool {

using qvd::KeyDocumNext;

namespace {

// The invoice of step two, which the credit note refers to.
constexpr int32_t kOwnInvoiceNumber = 5001;

}  // namespace

bool demoQuote(DemoRun& run) {
  return demoStep(run, "1. A sales quote for four tables with assembly (EP_OrcamentoVendaInserir)", [&] {
    std::string type = "ORC", sector = "S1", client = "C001", process = "LOJA-22", warehouse = "A1";
    int16_t series = 1;
    auto articles = texts({"P001", "S001", ""});
    auto quantities = numbers({4, 4, 0});
    auto prices = numbers({0, 0, 0});
    auto textLines = texts({"", "", "Entrega em duas semanas"});
    auto names = texts({"", "", ""});
    auto discounts = numbers({0, 0, 0});
    int32_t number = 0;
    bool ok = run.bal().EP_OrcamentoVendaInserir(qvd::NaoIndicado, qvd::tpDefault, type, sector, series, client,
                                                 process, "Remodelação da loja", "RFQ-17", "Válida por 30 dias",
                                                 warehouse, articles, quantities, prices, textLines, names, discounts,
                                                 number);
    return reportCreated(run, ok, KeyDocumNext{run.year, type, series, number});
  });
}

bool demoInvoiceWithOwnNumber(DemoRun& run) {
  return demoStep(run, "2. An invoice from arrays under our own number 5001 in series 2 (CF_DocGenInserir)", [&] {
    auto articles = texts({"A001", "P001"});
    auto names = texts({"", ""});
    auto quantities = numbers({20, 1});
    auto prices = numbers({0.45, 189});
    auto notes = texts({"", "Mesa com acabamento mate"});
    KeyDocumNext key{-1, "", 0, kOwnInvoiceNumber};  // a negative year asks for the number given
    run.bal().UsaPrecoUnitario(true);
    bool ok = run.bal().CF_DocGenInserir(qvd::NaoIndicado, qvd::tpDefault, "FA", "S1", 2, "C001", "LOJA-22", "PO-981",
                                         run.today, "Preços acordados", "A1", false, "", articles, names, quantities,
                                         prices, notes, key);
    return reportCreated(run, ok, key);
  });
}

bool demoCreditNote(DemoRun& run) {
  std::string invoice = format::key("FA", 2, run.year, kOwnInvoiceNumber);
  return demoStep(run, "3. A credit note for five screws given back from " + invoice + " (CF_DocNotaCreditoInserir)",
                  [&] {
                    auto articles = texts({"A001"});
                    auto names = texts({""});
                    auto quantities = numbers({5});
                    auto prices = numbers({0.45});
                    auto notes = texts({""});
                    KeyDocumNext key;
                    run.bal().UsaPrecoUnitario(true);
                    bool ok = run.bal().CF_DocNotaCreditoInserir(
                        qvd::NaoIndicado, invoice, "Devolução de parafusos", qvd::tpDefault, "NC", "S1", 1, "C001",
                        "LOJA-22", "DEV-3", run.today, "", "A1", false, "", articles, names, quantities, prices, notes,
                        key);
                    return reportCreated(run, ok, key);
                  });
}

bool demoMultiWarehouseSale(DemoRun& run) {
  return demoStep(run, "4. An invoice served from two warehouses, with lots (DocGenInserirMultiArm)", [&] {
    auto articles = texts({"A002", "A002", "A003"});
    auto names = texts({"", "", ""});
    auto quantities = numbers({3, 2, 10});
    auto prices = numbers({0, 0, 0});
    auto notes = texts({"", "", ""});
    auto warehouses = texts({"A1", "A2", "A1"});
    auto discounts = numbers({0, 0, 0});
    auto composed = texts({"", "", ""});
    auto lots = lotsOf({{1, "A002", "L-A002-2", 3}, {2, "A002", "L-A002-1", 2}, {3, "A003", "L-A003-1", 10}});
    KeyDocumNext key;
    bool ok = run.bal().DocGenInserirMultiArm(qvd::NaoIndicado, qvd::tpDefault, "FA", "S1", 1, "C001", "LOJA-22",
                                              "PO-982", 0, run.today, "", false, "", "", articles, names, quantities,
                                              prices, notes, warehouses, discounts, composed, lots, key);
    return reportCreated(run, ok, key);
  });
}

bool demoDeliveryNote(DemoRun& run) {
  return demoStep(run, "7. A delivery note for the two tables made today (MF_MovGuiaRemessaCriar)", [&] {
    qvd::TipificacaoTransf movements = demoMovements(run);
    std::string client = "C001", process = "OF2024/003";
    auto articles = texts({"P001"});
    auto serials = texts({"Série MESA-0001 e MESA-0002"});
    auto quantities = numbers({2});
    KeyDocumNext key;
    run.bal().UsaPrecoUnitario(true);  // the facade prices the lines at the articles' sale prices
    bool ok = run.bal().MF_MovGuiaRemessaCriar(qvd::tpDefault, movements, client, process, articles, serials,
                                               quantities, key);
    return reportCreated(run, ok, key);
  });
}

}  // namespace qvdtool
