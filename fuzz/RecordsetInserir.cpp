#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Check.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/Recordset.hpp"

// The record-set driven Inserir of a valid two-line sale with a lot, its header, line and lot
// record sets changed at random: columns left out or added, values of any type in place of the
// valid ones. It may refuse or raise an automation error, nothing else; when it inserts, the
// number it hands back in NNUMDOC and in the key is the stored document's.
namespace {

namespace fs = std::filesystem;
using automation::Variant;
using automation::db::ColumnInfo;
using automation::db::RecordsetRef;

// One company for the whole run, with an open session.
struct Company {
  fs::path folder = fs::temp_directory_path() / ("qvd-fuzz-inserir-" + std::to_string(::getpid()));
  std::shared_ptr<dataaccess::SqliteDataAccess> dados;
  qvd::BAL_Next bal;
  std::vector<ColumnInfo> header, lines, lots;

  Company() {
    fs::remove_all(folder);
    fs::create_directories(folder);
    erpserver::createDemoCompany(folder.string(), "DEMO");
    erpserver::registerServer();
    dados = dataaccess::SqliteDataAccess::open((folder / "DEMO.db").string());
    bal.DataAccess(Variant(dados));
    require(bal.ApiInicia(folder.string(), folder.string(), "DEMO", erpserver::kDemoUser, erpserver::kDemoPassword),
            "no session on the demo company");
    header = bal.TemplateCabecalho()->columns();
    lines = bal.TemplateLinhas()->columns();
    lots = bal.TemplateLotes()->columns();
  }

  int inserted = 0;

  // How often the changed documents still went in tells whether the run reached the insert.
  ~Company() {
    std::fprintf(stderr, "documents inserted: %d\n", inserted);
    fs::remove_all(folder);
  }

  std::string scalar(const std::string& sql) {
    RecordsetRef rs;
    if (!dados->AbrirRecordset("", sql, rs, -1, 0) || !rs || rs->Eof()) return {};
    return rs->GetFields().Item(Variant(int32_t{0})).Value().toString();
  }
};

Company& company() {
  static Company c;
  return c;
}

// Values that the document tables take, and others that they should refuse.
Variant valueFrom(FuzzedDataProvider& in) {
  static const char* const kTexts[] = {"FA",         "GR",
                                       "NC",         "C001",
                                       "F001",       "A001",
                                       "A002",       "P001",
                                       "S001",       "A1",
                                       "A2",         "L-A002-1",
                                       "15-03-2024", "2024-03-15",
                                       "31-02-2024", "S1",
                                       "V1",         "EUR",
                                       "NAC",        "UN",
                                       "LT",         "10+5",
                                       "",           " ",
                                       "'",          "x'; DROP TABLE DOCGCCAB; --"};
  switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0:
      return Variant::null();
    case 1:
      return Variant();
    case 2:
      return Variant(in.ConsumeRandomLengthString(24));
    case 3:
      return Variant(in.ConsumeIntegral<int16_t>());
    case 4:
      return Variant(in.ConsumeIntegralInRange<int32_t>(-3, 70000));
    case 5: {
      static const double kNumbers[] = {
          0,     1, 2.5, -1, 1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          1e-320};
      return Variant(kNumbers[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNumbers) - 1)]);
    }
    case 6:
      return Variant(in.ConsumeBool());
    default:
      return Variant(kTexts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)]);
  }
}

using Row = std::map<std::string, Variant>;

// The values of a sale of A001 and the lot article A002 with its lot, that the server accepts.
const Row kHeader = {{"TPDOC", "FA"},        {"TPPRECO", int16_t{0}}, {"SERIE", int16_t{1}}, {"TERCEIRO", "C001"},
                     {"DATA", "15-03-2024"}, {"SECTOR", "S1"},        {"MOEDA", "EUR"},      {"RGIVA", "NAC"},
                     {"IVAINC", int16_t{0}}, {"ANO", int16_t{2024}},  {"VENDEDOR", "V1"}};
const Row kLine = {{"TPLINHA", int16_t{1}}, {"ARMAZEM", "A1"},   {"PRUNIT", 2.5},
                   {"QUANT", 2.0},          {"IVA", int16_t{3}}, {"TXDESC", 0.0}};
const Row kLot = {{"CODLOT", "L-A002-1"}, {"ARTIGO", "A002"}, {"VOSSLOTE", "VL"},
                  {"ARMAZEM", "A1"},      {"QUANT", 2.0},     {"NUMLINHA", int16_t{2}}};

// A disconnected record set of `shape`'s columns holding `rows` (the current row is the first).
// For each column the input decides: mostly the valid value (or none), now and then a random
// value, or the column left out; and, rarely, one unknown column more.
RecordsetRef recordset(FuzzedDataProvider& in, const std::vector<ColumnInfo>& shape, std::vector<Row> rows) {
  auto rs = std::make_shared<automation::db::Recordset>();
  std::map<std::string, int> choice;
  for (const ColumnInfo& column : shape) {
    int c = in.ConsumeIntegralInRange(0, 15);
    choice[column.name] = c;
    if (c != 15) rs->GetFields().Append(column.name, column.type, column.definedSize, column.attributes);
  }
  if (in.ConsumeIntegralInRange(0, 15) == 15) rs->GetFields().Append("EXTRA", automation::db::DataType::Variant);
  rs->Open();
  for (const Row& row : rows) {
    rs->AddNew();
    for (const auto& column : choice) {
      const std::string& name = column.first;
      int c = column.second;
      if (c == 15) continue;
      auto valid = row.find(name);
      if (c == 14)
        automation::ignoreError([&] { rs->setValue(name, valueFrom(in)); });
      else if (valid != row.end())
        rs->setValue(name, valid->second);
    }
  }
  if (!rows.empty()) rs->MoveFirst();
  return rs;
}

Row line(const char* artigo) {
  Row row = kLine;
  row["ARTIGO"] = artigo;
  row["UNIDADE"] = std::string(artigo) == "A001" ? "UN" : "LT";
  return row;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Company& c = company();
  RecordsetRef docs = recordset(in, c.header, {kHeader});
  RecordsetRef linhas = recordset(in, c.lines, {line("A001"), line("A002")});
  RecordsetRef lotes = recordset(in, c.lots, {kLot});
  qvd::KeyDocumNext key;
  qvd::NextError erro;
  bool inserted = false;
  try {
    inserted = c.bal.Inserir(qvd::Preparacao, docs, linhas, lotes, key, erro);
  } catch (const automation::AutomationError&) {
    return 0;
  }
  if (!inserted) {
    require(!erro.sTextoErro.empty(), "a refusal without the ERP's text");
    return 0;
  }
  ++c.inserted;
  require(docs->value("NNUMDOC").toLong() == key.lNumDoc, "NNUMDOC is not the key's number");
  require(c.scalar("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = '" + automation::text::sqlQuoted(key.sTpDoc) +
                   "' AND SERIE = " + std::to_string(key.iSerie) + " AND ANO = " + std::to_string(key.iAno) +
                   " AND NNUMDOC = " + std::to_string(key.lNumDoc)) == "1",
          "the key names no stored document");
  return 0;
}
