#include "support/ErpFixture.hpp"

#include <tuple>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/System.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"
#include "platform/db/ServerAddress.hpp"

namespace testing_support {


namespace {

// The demo company, built once per test binary; each test works on its own copy of its file.
struct DemoCompany {
  TempFolder folder;
  DemoCompany() { erpserver::createDemoCompany(folder.path().string(), "DEMO"); }
};

std::string demoCompanyFile() {
  static const DemoCompany company;
  return company.folder.file("DEMO.db");
}

// The same on the test server: a database each test copies.
struct ServerDemoCompany {
  std::string name = "qvd_demo_" + std::to_string(automation::system::processId());
  ServerDemoCompany() {
    dropTestDatabase(name);
    erpserver::createDemoCompany(testServer(), name);
  }
  ~ServerDemoCompany() {
    try {
      dropTestDatabase(name);
    } catch (...) {
    }
  }
};

std::string copyOfServerDemoCompany() {
  static const ServerDemoCompany demo;
  static int copies = 0;
  std::string name = "qvd_t" + std::to_string(automation::system::processId()) + "_" + std::to_string(++copies);
  dropTestDatabase(name);
  onTestServer("CREATE DATABASE " + name + " TEMPLATE " + demo.name);
  return name;
}

std::string keyFilter(const qvd::KeyDocumNext& key, const char* typeColumn) {
  return std::string(" WHERE ") + typeColumn + " = '" + key.sTpDoc + "' AND SERIE = " + std::to_string(key.iSerie) +
         " AND ANO = " + std::to_string(key.iAno) + " AND NNUMDOC = " + std::to_string(key.lNumDoc);
}

}  // namespace

ObjectRef erp(const std::string& className) { return automation::createObject("ErpApiNextPlus." + className); }

ObjectRef stored(const std::string& type, int32_t number, int16_t series) {
  ObjectRef doc = erp("DocumentoComercial");
  EXPECT_EQ(invoke(doc, "Ler", type, number, series, int16_t{2024}).toLong(), 0) << type << " " << number;
  return doc;
}

void setFields(automation::db::Recordset& rs, FieldValues values) {
  for (const auto& [field, value] : values) rs.setValue(field, value);
}

automation::db::RecordsetRef orderMovements(const std::vector<OrderMovement>& movements) {
  using automation::db::DataType;
  auto rs = std::make_shared<automation::db::Recordset>();
  for (auto [name, type, size] : {std::tuple{"OrdemId", DataType::VarWChar, 20}, {"DN_Ano", DataType::SmallInt, 2},
                                  {"DN_Serie", DataType::SmallInt, 2}, {"DN_NumDoc", DataType::Integer, 4},
                                  {"DN_TPDoc", DataType::VarWChar, 5}})
    rs->GetFields().Append(name, type, size);
  rs->Open();
  for (const OrderMovement& m : movements) {
    qvd::KeyDocumNext chave = m.documento.value_or(qvd::KeyDocumNext{2024, "FA", 1, 0});
    rs->AddNew();
    setFields(*rs, {{"OrdemId", m.artigo}, {"DN_Ano", chave.iAno}, {"DN_Serie", chave.iSerie},
                    {"DN_NumDoc", m.documento ? Variant(chave.lNumDoc) : Variant::null()}, {"DN_TPDoc", chave.sTpDoc}});
    rs->Update();
  }
  return rs;
}

std::string keyText(const qvd::KeyDocumNext& key) {
  return key.sTpDoc + " " + std::to_string(key.iSerie) + "/" + std::to_string(key.iAno) + " " +
         std::to_string(key.lNumDoc);
}

std::string propTexts(const ObjectRef& object, std::initializer_list<const char*> members) {
  std::string texts;
  for (const char* member : members) texts += (texts.empty() ? "" : "|") + propGet(object, member).toString();
  return texts;
}

void CompanyTest::SetUp() {
  if (companyEngine() == TestEngine::Postgres && testServer().empty())
    GTEST_SKIP() << "QVD_TEST_POSTGRES names no server for the PostgreSQL run";
  workFolder = std::make_unique<TempFolder>();
  folder = workFolder->path();
  std::filesystem::create_directories(logFolder());
  erpserver::registerServer();
  erpserver::Journal::enable(false);
  erpserver::Journal::clear();
  erpserver::Faults::clear();
  if (companyEngine() == TestEngine::Postgres) {
    location = testServer();
    company = copyOfServerDemoCompany();
  } else {
    location = folder.string();
    std::filesystem::copy_file(demoCompanyFile(), folder / "DEMO.db");
  }
  dados = openCompany();
}

std::shared_ptr<dataaccess::DatabaseDataAccess> CompanyTest::openCompany() const {
  if (onServer()) return dataaccess::PostgresDataAccess::open(automation::db::address::withDatabase(location, company));
  return dataaccess::SqliteDataAccess::open((folder / "DEMO.db").string());
}

void CompanyTest::TearDown() {
  erpserver::Journal::enable(false);
  erpserver::Journal::clear();
  erpserver::Faults::clear();
  dados.reset();
  erpserver::Session::close();
  erpserver::unregisterServer();
  workFolder.reset();
  if (companyEngine() == TestEngine::Postgres && !location.empty()) {
    try {
      dropTestDatabase(company);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "Could not drop the test company " << company << ": " << e.what();
    }
  }
}

bool CompanyTest::onServer() const { return companyEngine() == TestEngine::Postgres; }

std::string CompanyTest::scalar(const std::string& sql) const {
  automation::db::RecordsetRef rs;
  if (!dados->AbrirRecordset("", sql, rs, -1, 0) || !rs) {
    ADD_FAILURE() << "The query failed: " << sql << "\n" << dados->UltimoErroBD();
    return {};
  }
  if (rs->Eof()) return {};
  automation::Variant value = rs->GetFields().Item(automation::Variant(int32_t{0})).Value();
  return value.isNull() ? std::string() : value.toString();
}

double CompanyTest::number(const std::string& sql) const {
  std::string text = scalar(sql);
  return text.empty() ? 0 : automation::Variant(text).toDouble();
}

Rows CompanyTest::rows(const std::string& sql) const {
  automation::db::RecordsetRef rs;
  Rows rows;
  if (!dados->AbrirRecordset("", sql, rs, -1, 0)) {
    ADD_FAILURE() << "The query failed: " << sql << "\n" << dados->UltimoErroBD();
    return rows;
  }
  for (; !rs->Eof(); rs->MoveNext()) {
    std::string row;
    for (int32_t i = 0; i < rs->GetFields().Count(); ++i) {
      automation::Variant value = rs->GetFields().Item(automation::Variant(i)).Value();
      row += (i > 0 ? "|" : "") + (value.isNull() ? std::string() : value.toString());
    }
    rows.push_back(row);
  }
  return rows;
}

double CompanyTest::stock(const std::string& article, const std::string& warehouse) const {
  return number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = '" + article + "' AND ARMAZEM = '" + warehouse + "'");
}

// The library writes the log in the system's code page; the expectations are UTF-8.
std::string CompanyTest::logText() const {
  return automation::system::fromAnsiCodePage(readFile(logFolder() / "OST_LOGNXTAPI.LOG"));
}

ObjectRef CompanyTest::login(int32_t& code, const std::string& user, const std::string& password,
                             const std::string& company) const {
  ObjectRef base = erp("BaseNext");
  propPut(base, "PercLOG", folder.string());
  propPut(base, "PercIni", location);
  propPut(base, "Empresa", company.empty() ? this->company : company);
  propPut(base, "Login", user);
  propPut(base, "PassWord", password);
  code = invoke(base, "Iniciar").toLong();
  return base;
}

ObjectRef CompanyTest::startSession() const {
  int32_t code = -1;
  ObjectRef base = login(code);
  EXPECT_EQ(code, 0) << propGet(base, "UltimaMensagem").toString();
  return base;
}

void ErpTest::SetUp() {
  CompanyTest::SetUp();
  if (IsSkipped()) return;
  bal = std::make_unique<qvd::BAL_Next>();
  bal->DataAccess(automation::Variant(dados));
  ASSERT_TRUE(iniciar(*bal));
  // Fault counting and the journal start with the test itself.
  erpserver::Faults::clear();
  erpserver::Journal::clear();
}

void ErpTest::TearDown() {
  erpserver::Journal::enable(false);
  erpserver::Faults::clear();
  if (bal) bal->ApiTermina();
  bal.reset();
  CompanyTest::TearDown();
}

std::unique_ptr<qvd::DAL_Next> ErpTest::worker() {
  auto dal = std::make_unique<qvd::DAL_Next>();
  dal->DataAccess(automation::Variant(dados));
  EXPECT_TRUE(iniciar(*dal));
  return dal;
}

ObjectRef ErpTest::novaFatura(const std::string& cliente) const {
  ObjectRef doc = bal->NxtAlloc_DocumentoComercial();
  ObjectRef cab = propGet(doc, "Cab").toObject();
  propPut(cab, "TipoDocumento", "FA");
  propPut(cab, "Serie", int16_t{1});
  propPut(cab, "Data", "15-03-2024");
  propPut(cab, "Terceiro", cliente);
  ObjectRef linha = bal->NxtAlloc_DocumentosGcLin();
  propPut(linha, "Artigo", "A001");
  propPut(linha, "Armazem", "A1");
  propPut(linha, "Quantidade", 2.0);
  propPut(linha, "PrecoUnitario", 10.0);
  invoke(doc, "AdicionaLinha", linha);
  return doc;
}

LineArrays::LineArrays(const Lines& lines) {
  const auto n = static_cast<int32_t>(lines.size());
  for (auto* texts : {&sArtigo, &sNome, &sNotas}) texts->redim(1, n);
  for (auto* values : {&dQuant, &dPrUnit}) values->redim(1, n);
  for (int32_t i = 1; i <= n; ++i) {
    sArtigo(i) = lines[static_cast<std::size_t>(i - 1)].first;
    dQuant(i) = lines[static_cast<std::size_t>(i - 1)].second;
  }
}

bool insertSale(qvd::BAL_Next& bal, qvd::KeyDocumNext& key, const Lines& lines, const std::string& type,
                int16_t series) {
  LineArrays a(lines);
  return bal.CF_DocGenInserir(qvd::NaoAplicavel, qvd::tpDefault, type, "S1", series, "C001", "PR-1", "VN-1",
                              "15-03-2024", "", "A1", false, "", a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, key);
}

qvd::KeyDocumNext ErpTest::insertInvoice(const Lines& lines, const std::string& type, int16_t series) {
  qvd::KeyDocumNext key;
  EXPECT_TRUE(insertSale(*bal, key, lines, type, series)) << bal->ErroDescricao();
  return key;
}

std::string ErpTest::ofDocument(const std::string& expression, const std::string& table,
                                const qvd::KeyDocumNext& key) const {
  return scalar("SELECT " + expression + " FROM " + table + keyFilter(key, table == "DOCGCCAB" ? "TPDOC" : "TPDOCUM"));
}

Rows ErpTest::ofDocumentRows(const std::string& columns, const std::string& table,
                             const qvd::KeyDocumNext& key) const {
  return rows("SELECT " + columns + " FROM " + table + keyFilter(key, "TPDOCUM") + " ORDER BY NUMLINHA, 1");
}

bool ErpTest::exists(const qvd::KeyDocumNext& key) const { return ofDocument("COUNT(*)", "DOCGCCAB", key) == "1"; }

Rows ErpTest::linesOf(const qvd::KeyDocumNext& key) const {
  return rows("SELECT NUMLINHA, ARTIGO, DESCR, PRUNIT, QUANT, TXDESC FROM DOCGCLIN" + keyFilter(key, "TPDOCUM") +
              " ORDER BY NUMLINHA");
}

std::string ErpTest::counter(const std::string& type, int16_t series, int16_t year) const {
  return scalar("SELECT NUM FROM NUMDOC WHERE DOC = '" + type + "' AND SERIE = " + std::to_string(series) +
                " AND ANO = " + std::to_string(year));
}

DocBuilder::DocBuilder(const std::string& type, int16_t series, const std::string& counterpart,
                       const std::string& date)
    : doc(erp("DocumentoComercial")) {
  ObjectRef header = cab();
  propPut(header, "TipoDocumento", type);
  propPut(header, "Serie", series);
  propPut(header, "Terceiro", counterpart);
  propPut(header, "Data", date);
}

DocBuilder& DocBuilder::line(const std::string& article, const std::string& warehouse, double quantity, double price) {
  ObjectRef l = erp("DocumentosGcLin");
  propPut(l, "TipoDeLinha", int16_t{1});
  propPut(l, "Artigo", article);
  propPut(l, "Armazem", warehouse);
  invoke(doc, "SugereValoresLin", l, true, true, true, false, true, false, true);
  if (price >= 0) propPut(l, "PrecoUnitario", price);
  propPut(l, "Quantidade", quantity);
  invoke(doc, "AdicionaLinha", l);
  return *this;
}

ObjectRef lotLine(int16_t line, const std::string& code, const std::string& article, const std::string& warehouse,
                  double quantity) {
  ObjectRef g = erp("LotesLinha");
  ObjectRef campos = propGet(g, "Campos").toObject();
  propPut(campos, "CodigoLote", code);
  propPut(campos, "Artigo", article);
  propPut(campos, "Armazem", warehouse);
  propPut(g, "QuantidadeMovimentada", quantity);
  propPut(g, "NumeroLinhaDocComercial", line);
  return g;
}

DocBuilder& DocBuilder::lot(int16_t line, const std::string& code, const std::string& article,
                            const std::string& warehouse, double quantity) {
  invoke(doc, "AdicionaLote", lotLine(line, code, article, warehouse, quantity));
  return *this;
}

ObjectRef DocBuilder::cab() const { return propGet(doc, "Cab").toObject(); }
int32_t DocBuilder::validar() const { return invoke(doc, "Validar").toLong(); }
int32_t DocBuilder::inserir() const { return invoke(doc, "Inserir").toLong(); }
std::string DocBuilder::message() const { return propGet(doc, "UltimaMensagem").toString(); }
int32_t DocBuilder::number() const { return propGet(cab(), "NossoNoDocumento").toLong(); }

}  // namespace testing_support
