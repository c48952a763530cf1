#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "Table.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Session.hpp"
#include "facade/BAL_Next.hpp"

// A 10-line invoice created through the library against the reference server on a SQLite
// company file, and the same header and line rows written by plain prepared SQLite inserts, one
// transaction per document, as the floor the library's cost is measured against.
namespace {

namespace fs = std::filesystem;
using Texts = automation::SafeArray<std::string>;
using Numbers = automation::SafeArray<double>;

constexpr int kLines = 10;

fs::path freshCompany(const char* name) {
  fs::path folder = fs::temp_directory_path() / ("qvd-bench-" + std::to_string(::getpid()) + "-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  erpserver::createDemoCompany(folder.string(), "DEMO");
  return folder;
}

struct Lines {
  Texts artigos{1, kLines};
  Texts nomes{1, kLines};
  Numbers quantidades{1, kLines};
  Numbers precos{1, kLines};
  Texts notas{1, kLines};
  Lines() {
    for (int i = 1; i <= kLines; ++i) {
      artigos(i) = i % 2 ? "A001" : "P001";
      nomes(i) = "Linha " + std::to_string(i);
      quantidades(i) = 1;
      precos(i) = i;
    }
  }
};

void libraryInsert(benchmark::State& state) {
  fs::path folder = freshCompany("library");
  erpserver::registerServer();
  auto dados = dataaccess::SqliteDataAccess::open((folder / "DEMO.db").string());
  qvd::BAL_Next bal;
  bal.DataAccess(automation::Variant(dados));
  if (!bal.ApiInicia(folder.string(), folder.string(), "DEMO", erpserver::kDemoUser, erpserver::kDemoPassword))
    throw std::runtime_error("no session");
  Lines lines;
  for (auto _ : state) {
    qvd::KeyDocumNext key;
    bal.UsaPrecoUnitario(true);
    // A credit note: stock only ever enters, so any number of iterations is accepted.
    if (!bal.CF_DocGenInserir(qvd::Preparacao, qvd::tpDefault, "NC", "S1", 1, "C001", "PR-1", "VN-1", "15-03-2024",
                              "", "A1", false, "V1", lines.artigos, lines.nomes, lines.quantidades, lines.precos,
                              lines.notas, key))
      throw std::runtime_error(bal.ErroDescricao());
  }
  state.SetItemsProcessed(state.iterations());
  bal.ApiTermina();
  erpserver::Session::close();
  erpserver::unregisterServer();
  fs::remove_all(folder);
}

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
  }
  ~Statement() { sqlite3_finalize(stmt); }
  void run() {
    if (sqlite3_step(stmt) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(stmt)));
    sqlite3_reset(stmt);
  }
};

void plainInserts(benchmark::State& state) {
  fs::path folder = freshCompany("plain");
  sqlite3* db = nullptr;
  sqlite3_open((folder / "DEMO.db").string().c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;", nullptr, nullptr,
               nullptr);
  {
    Statement begin(db, "BEGIN IMMEDIATE");
    Statement commit(db, "COMMIT");
    Statement header(db,
                     "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, SECTOR, VNUMDOC, VENDEDOR, "
                     "PROCESSO, MOEDA, RGIVA) VALUES ('NC', 1, 2024, ?, 'C001', '2024-03-15', 'S1', 'VN-1', 'V1', "
                     "'PR-1', 'EUR', 'NAC')");
    Statement line(db,
                   "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, TPLINHA, ARTIGO, ARMAZEM, DESCR, "
                   "PRUNIT, QUANT, IVA, UNIDADE) VALUES ('NC', 1, 2024, ?, ?, 1, ?, 'A1', ?, ?, 1, 3, 'UN')");
    Lines lines;
    int number = 0;
    for (auto _ : state) {
      ++number;
      begin.run();
      sqlite3_bind_int(header.stmt, 1, number);
      header.run();
      for (int i = 1; i <= kLines; ++i) {
        sqlite3_bind_int(line.stmt, 1, number);
        sqlite3_bind_int(line.stmt, 2, i);
        sqlite3_bind_text(line.stmt, 3, lines.artigos(i).c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(line.stmt, 4, lines.nomes(i).c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_double(line.stmt, 5, lines.precos(i));
        line.run();
      }
      commit.run();
    }
  }
  state.SetItemsProcessed(state.iterations());
  sqlite3_close(db);
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(libraryInsert)->Name("CF_DocGenInserir/10 lines")->Unit(benchmark::kMicrosecond);
BENCHMARK(plainInserts)->Name("Prepared SQLite inserts/10 lines")->Unit(benchmark::kMicrosecond);
const bool kInsertTargets = bench::expect("CF_DocGenInserir/10 lines", {.baseline = "Prepared SQLite inserts/10 lines",
                                                                       .maxRatio = 3,
                                                                       .minPerSecond = 1000});
// Measured by scripts/bench.sh through bench/import.sh: whole ten-line documents read from CSV.
const bool kImportBaseline = bench::expect("qvd import/10 lines", {.baseline = "Prepared SQLite inserts/10 lines"});
