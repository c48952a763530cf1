#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "Table.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/Object.hpp"

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;
using automation::propPut;

namespace {

// A demo company in a fresh temporary folder with an open session, for one benchmark.
class Company {
 public:
  Company() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("qvd-erp-bench-" + std::to_string(random()));
    erpserver::createDemoCompany(folder_.string());
    erpserver::registerServer();
    base_ = automation::createObject("ErpApiNextPlus.BaseNext");
    propPut(base_, "PercIni", folder_.string());
    propPut(base_, "Empresa", "DEMO");
    propPut(base_, "Login", erpserver::kDemoUser);
    propPut(base_, "PassWord", erpserver::kDemoPassword);
    invoke(base_, "Iniciar");
  }
  ~Company() {
    erpserver::Session::close();
    erpserver::unregisterServer();
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path folder_;
  ObjectRef base_;
};

const char* const kUnlotted[] = {"A001", "P001", "S001"};

// The automation layer's cost: a put by member name through the late-bound interface, against
// the server object's own C++ setter of the same field with the same value. `put` runs once per
// iteration on a new line object, given the object and the slot of `member`.
template <class Put>
void putLoop(benchmark::State& state, std::string_view member, Put put) {
  Company company;
  ObjectRef line = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
  auto& object = dynamic_cast<erpserver::ServerObject&>(*line);
  const int slot = object.info().find(member)->slot;
  for (auto _ : state) put(line, object, slot);
}

void LateBoundPutDouble(benchmark::State& state) {
  double q = 0;
  putLoop(state, "Quantidade",
          [&q](ObjectRef& line, erpserver::ServerObject&, int) { propPut(line, "Quantidade", q += 1); });
}
BENCHMARK(LateBoundPutDouble)->Name("Late-bound put/double");

void DirectSetDouble(benchmark::State& state) {
  double q = 0;
  putLoop(state, "Quantidade", [&q](ObjectRef&, erpserver::ServerObject& line, int slot) {
    line.setValue(slot, automation::Variant(q += 1));
  });
}
BENCHMARK(DirectSetDouble)->Name("Direct C++ setter/double");

const automation::Variant kCode("A001");

void LateBoundPutString(benchmark::State& state) {
  putLoop(state, "Artigo", [](ObjectRef& line, erpserver::ServerObject&, int) { propPut(line, "Artigo", kCode); });
}
BENCHMARK(LateBoundPutString)->Name("Late-bound put/string");

void DirectSetString(benchmark::State& state) {
  putLoop(state, "Artigo", [](ObjectRef&, erpserver::ServerObject& line, int slot) { line.setValue(slot, kCode); });
}
BENCHMARK(DirectSetString)->Name("Direct C++ setter/string");

const bool kPutTargets =
    bench::expect("Late-bound put/double", {.baseline = "Direct C++ setter/double", .maxNanoseconds = 100}) &&
    bench::expect("Late-bound put/string", {.baseline = "Direct C++ setter/string", .maxNanoseconds = 100});

// A 10-line credit note built, suggested, validated and inserted through the late-bound
// interface, as the library does it. Its stock only enters and its articles have no lots, so any
// number of them is accepted.
void InsertTenLineDocument(benchmark::State& state) {
  Company company;
  for (auto _ : state) {
    ObjectRef doc = automation::createObject("ErpApiNextPlus.DocumentoComercial");
    ObjectRef cab = propGet(doc, "Cab").toObject();
    propPut(cab, "TipoDocumento", "NC");
    propPut(cab, "Serie", int16_t{1});
    propPut(cab, "Terceiro", "C001");
    propPut(cab, "Data", "15-05-2024");
    propPut(cab, "HoraCarga", "10:00:00");
    for (int i = 0; i < 10; ++i) {
      ObjectRef line = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
      propPut(line, "TipoDeLinha", int16_t{1});
      propPut(line, "Artigo", kUnlotted[i % 3]);
      propPut(line, "Armazem", "A1");
      invoke(doc, "SugereValoresLin", line, true, true, true, false, true, false, true);
      propPut(line, "Quantidade", 1.0);
      propPut(line, "QuantidadeOrigem", 1.0);
      invoke(doc, "AdicionaLinha", line);
    }
    if (invoke(doc, "Validar").toLong() != 0 || invoke(doc, "Inserir").toLong() != 0) state.SkipWithError("refused");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(InsertTenLineDocument)->Name("Server insert/10 lines")->Unit(benchmark::kMicrosecond);

const bool kServerInsertBaseline =
    bench::expect("Server insert/10 lines", {.baseline = "Prepared SQLite inserts/10 lines"});

}  // namespace
