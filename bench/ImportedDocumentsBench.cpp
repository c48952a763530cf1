#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "DemoSession.hpp"
#include "Table.hpp"
#include "platform/Date.hpp"

// The documents that bench/import.sh generates for `qvd import`, created in process through the
// record-set templates and Inserir, with no files: the library's and the server's share of the
// import, which the import's own figure is read against.
namespace {

using automation::Variant;
using automation::db::Recordset;
using automation::db::RecordsetRef;

constexpr const char* kArticles[] = {"A001", "A003", "P001", "S001", "A001", "A003", "P001", "A001", "A003", "A002"};

// Document `d`: an invoice when odd, a supplier entry when even, whose lot-controlled lines bring
// new lots; an invoice takes its lots from the stock, earliest expiry first.
class ImportedDocuments : public bench::DemoSession {
 public:
  ImportedDocuments() : DemoSession("imported") {}

  void insert(int d) {
    for (Recordset* rs : {header_.get(), lines_.get(), lots_.get()}) {
      rs->Close();
      rs->Open();
    }
    bool entry = d % 2 == 0;
    header_->AddNew();
    header_->setValue("TPDOC", Variant(entry ? "GEF" : "FA"));
    header_->setValue("SERIE", Variant(int16_t{1}));
    header_->setValue("TERCEIRO", Variant(entry ? "F001" : "C001"));
    header_->setValue("DATA", Variant(automation::Date::fromParts(2024, d % 12 + 1, d % 28 + 1)));
    header_->setValue("VNUMDOC", Variant("V" + std::to_string(d)));
    header_->setValue("OBSERV", Variant("generated"));
    header_->setValue("PROCESSO", Variant("#D" + std::to_string(d)));
    header_->Update();
    for (int l = 1; l <= 10; ++l) {
      std::string article = kArticles[l - 1];
      if (article == "A002" && !entry) article = "A001";
      lines_->AddNew();
      lines_->setValue("ARTIGO", Variant(article));
      if (article != "S001") lines_->setValue("ARMAZEM", Variant("A1"));
      lines_->setValue("QUANT", Variant(entry && article == "A001" ? 2.0 * l : l));
      lines_->setValue("PRUNIT", Variant(l * 1.25));
      lines_->setValue("DESCR", Variant("line " + std::to_string(l) + " of D" + std::to_string(d)));
      lines_->Update();
      if (!entry || (article != "A002" && article != "A003")) continue;
      lots_->AddNew();
      lots_->setValue("NUMLINHA", Variant(int16_t(l)));
      lots_->setValue("CODLOT", Variant("L-" + std::to_string(d) + "-" + std::to_string(l)));
      lots_->setValue("QUANT", Variant(double(l)));
      lots_->setValue("VALIDADE", Variant(automation::Date::fromParts(2026, 12, 31)));
      lots_->Update();
    }
    qvd::KeyDocumNext key;
    qvd::NextError error{-1, {}};
    if (!bal.Inserir(qvd::NaoIndicado, header_, lines_, lots_, key, error)) throw std::runtime_error(error.sTextoErro);
  }

 private:
  RecordsetRef header_ = bal.TemplateCabecalho(), lines_ = bal.TemplateLinhas(), lots_ = bal.TemplateLotes();
};

void importedDocuments(benchmark::State& state) {
  ImportedDocuments company;
  int d = 0;
  for (auto _ : state) company.insert(++d);
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(importedDocuments)->Name("Inserir/10 lines as imported")->Unit(benchmark::kMicrosecond);
const bool kImportedBaseline =
    bench::expect("Inserir/10 lines as imported", {.baseline = "CF_DocGenInserir/10 lines"});
