#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>
#include <string>

#include "erpserver/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Session.hpp"
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
  std::string file() const { return (folder_ / "DEMO.db").string(); }

 private:
  std::filesystem::path folder_;
  ObjectRef base_;
};

const char* const kArticles[] = {"A001", "A002", "A003", "P001", "S001"};

void LateBoundPutDouble(benchmark::State& state) {
  Company company;
  ObjectRef line = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
  double q = 0;
  for (auto _ : state) propPut(line, "Quantidade", q += 1);
}
BENCHMARK(LateBoundPutDouble);

void LateBoundPutString(benchmark::State& state) {
  Company company;
  ObjectRef line = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
  automation::Variant code("A001");
  for (auto _ : state) propPut(line, "Artigo", code);
}
BENCHMARK(LateBoundPutString);

// A 10-line delivery note (stock exit) built, suggested, validated and inserted through the
// late-bound interface, as the library does it.
void InsertTenLineDocument(benchmark::State& state) {
  Company company;
  for (auto _ : state) {
    ObjectRef doc = automation::createObject("ErpApiNextPlus.DocumentoComercial");
    ObjectRef cab = propGet(doc, "Cab").toObject();
    propPut(cab, "TipoDocumento", "GR");
    propPut(cab, "Serie", int16_t{1});
    propPut(cab, "Terceiro", "C001");
    propPut(cab, "Data", "15-05-2024");
    propPut(cab, "HoraCarga", "10:00:00");
    for (int i = 0; i < 10; ++i) {
      ObjectRef line = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
      propPut(line, "TipoDeLinha", int16_t{1});
      propPut(line, "Artigo", kArticles[i % 5]);
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
BENCHMARK(InsertTenLineDocument)->Unit(benchmark::kMicrosecond);

// The floor: the same header and ten lines as plain prepared inserts in one transaction.
void PlainPreparedInserts(benchmark::State& state) {
  Company company;
  erpserver::Session::close();
  sqlite3* db = nullptr;
  sqlite3_open(company.file().c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
  sqlite3_stmt* header = nullptr;
  sqlite3_stmt* line = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, HORA) VALUES "
                         "('GR', 1, 2024, ?, 'C001', '2024-05-15', '10:00:00')", -1, &header, nullptr);
  sqlite3_prepare_v2(db, "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, TPLINHA, ARTIGO, ARMAZEM, "
                         "QUANT, PRUNIT) VALUES ('GR', 1, 2024, ?, ?, 1, ?, 'A1', 1, 0.5)", -1, &line, nullptr);
  int number = 0;
  for (auto _ : state) {
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_bind_int(header, 1, ++number);
    sqlite3_step(header);
    sqlite3_reset(header);
    for (int i = 0; i < 10; ++i) {
      sqlite3_bind_int(line, 1, number);
      sqlite3_bind_int(line, 2, i + 1);
      sqlite3_bind_text(line, 3, kArticles[i % 5], -1, SQLITE_STATIC);
      sqlite3_step(line);
      sqlite3_reset(line);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  }
  sqlite3_finalize(header);
  sqlite3_finalize(line);
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlainPreparedInserts)->Unit(benchmark::kMicrosecond);

}  // namespace
