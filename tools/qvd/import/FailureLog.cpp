#include "import/FailureLog.hpp"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <memory>

#include "foundation/cDocLotes.hpp"
#include "import/InputValues.hpp"
#include "oplog/LogErrosApi.hpp"
#include "platform/Text.hpp"
#include "platform/System.hpp"

namespace qvdtool {

namespace {

std::string textIn(const CsvTable& table, const InputRow& row, const char* column) {
  auto position = table.find(column);
  if (!position || *position >= row.fields.size()) return {};
  return automation::text::trim(row.fields[*position]);
}

double numberIn(const CsvTable& table, const InputRow& row, const char* column) {
  automation::Variant value;
  std::string problem;
  if (!inputValue(automation::db::DataType::Double, textIn(table, row, column), value, problem)) return 0;
  return value.toDouble();
}

std::shared_ptr<qvd::cDocLotes> lotsOf(const CsvTable& table, const InputDocument& document) {
  auto lots = std::make_shared<qvd::cDocLotes>();
  for (const InputRow& row : document.lots) {
    auto line = static_cast<int32_t>(numberIn(table, row, "NUMLINHA"));
    auto ofLine = lots->LotesDaLinha(line);
    ofLine->Add(textIn(table, row, "ARTIGO"), numberIn(table, row, "QUANT"), textIn(table, row, "CODLOT"),
                textIn(table, row, "VOSSLOTE"));
    lots->SetLotesDaLinha(line, ofLine);
  }
  return lots;
}

}  // namespace

bool logFailure(const std::string& folder, const ImportFiles& files, const InputDocument& document, int32_t number,
                const std::string& message) {
  qvd::LogErrosApi log;
  log.ErroNum(number);
  log.ErroTxt(message);
  log.ErroModulo("qvd import");
  log.ErroRotina("Inserir");
  log.ErroOperacao(kRefColumn + std::string(" ") + document.ref);
  log.HdrAdd(document.ref, kRefColumn);
  if (document.header) {
    log.HdrAdd(files.headers.name() + ":" + std::to_string(document.header->line), "CSV");
    const auto& columns = files.headers.columns();
    for (std::size_t i = 0; i < columns.size() && i < document.header->fields.size(); ++i)
      if (!automation::text::equalsIgnoringCase(columns[i], kRefColumn))
        log.HdrAdd(document.header->fields[i], columns[i]);
  }
  std::size_t count = std::min<std::size_t>(document.lines.size(), std::numeric_limits<int16_t>::max());
  for (std::size_t i = 0; i < count; ++i) {
    const InputRow& row = document.lines[i];
    log.LinAdd(static_cast<int16_t>(i + 1), textIn(files.lines, row, "ARTIGO"), textIn(files.lines, row, "DESCR"),
               numberIn(files.lines, row, "PRUNIT"), numberIn(files.lines, row, "QUANT"),
               textIn(files.lines, row, "ARMAZEM"));
  }
  if (files.lots && !document.lots.empty()) log.Lotes(lotsOf(*files.lots, document));
  // The log swallows its own write errors: a file that did not grow was not written.
  std::filesystem::path file = automation::system::pathFromUtf8(folder) / "OST_LOGNXTAPI.LOG";
  std::error_code ec;
  auto before = std::filesystem::file_size(file, ec);
  if (ec) before = 0;
  log.Save(folder);
  auto after = std::filesystem::file_size(file, ec);
  return !ec && after > before;
}

}  // namespace qvdtool
