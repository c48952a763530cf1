#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "Table.hpp"
#include "foundation/cDocLotes.hpp"
#include "oplog/LogErrosApi.hpp"
#include "platform/System.hpp"

// The operation log's Save of a failed ten-line document with lots, against appending the same
// record, already formatted, to the same kind of file: the cost of building the record.
namespace {

namespace fs = std::filesystem;

class LogFolder {
 public:
  explicit LogFolder(const char* name)
      : path_(fs::temp_directory_path() / ("qvd-bench-log-" + std::to_string(automation::system::processId()) + "-" + name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~LogFolder() { fs::remove_all(path_); }
  std::string path() const { return path_.string(); }
  std::string file() const { return (path_ / "OST_LOGNXTAPI.LOG").string(); }

 private:
  fs::path path_;
};

std::shared_ptr<qvd::LogErrosApi> failedDocument() {
  auto log = std::make_shared<qvd::LogErrosApi>();
  log->ErroModulo("DAL_Next: ");
  log->ErroRotina("DocGenInserir");
  log->ErroOperacao("Inserção");
  log->ErroNum(1010);
  log->ErroTxt("O artigo A002 não tem stock suficiente no armazém A2 para a quantidade pedida");
  const char* names[] = {"sTipoDoc", "sSector", "iSerie", "sTerceiro", "sProcesso", "sVossoNumDoc", "sData", "sObs"};
  const char* values[] = {"FA", "S1", "1", "C001", "PR-7", "VN-12", "15-03-2024", "Entrega urgente"};
  for (int i = 0; i < 8; ++i) log->HdrAdd(values[i], names[i]);
  for (int16_t i = 1; i <= 10; ++i)
    log->LinAdd(i, i % 2 ? "A001" : "A002", "Linha " + std::to_string(i), 1234.56 * i, i, "A1");
  auto lots = std::make_shared<qvd::cDocLotes>();
  auto line = std::make_shared<qvd::colLotes>();
  line->Add("A002", 2, "L-A002-1", "FORN-77");
  line->Add("A002", 1, "L-A002-2", "FORN-91");
  lots->SetLotesDaLinha(2, line);
  log->Lotes(lots);
  return log;
}

void LogSave(benchmark::State& state) {
  LogFolder folder("save");
  auto log = failedDocument();
  for (auto _ : state) log->Save(folder.path());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LogSave)->Name("LogErrosApi.Save/10 lines, 2 lots");

void AppendFormatted(benchmark::State& state) {
  LogFolder folder("append");
  failedDocument()->Save(folder.path());
  std::ifstream in(folder.file(), std::ios::binary);
  const std::string record{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  for (auto _ : state) automation::system::appendWhole(folder.file(), record);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(AppendFormatted)->Name("Append of the formatted record");

const bool kSaveBaseline =
    bench::expect("LogErrosApi.Save/10 lines, 2 lots", {.baseline = "Append of the formatted record"});

}  // namespace
