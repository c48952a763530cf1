#include "support/ErpFixture.hpp"

#include <sstream>

#include "erpserver/Faults.hpp"
#include "erpserver/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Session.hpp"
#include "platform/Variant.hpp"

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

}  // namespace

void ErpTest::SetUp() {
  workFolder = std::make_unique<TempFolder>();
  folder = workFolder->path();
  std::filesystem::create_directories(logFolder());
  std::filesystem::copy_file(demoCompanyFile(), folder / "DEMO.db");
  erpserver::registerServer();
  erpserver::Journal::enable(false);
  dados = dataaccess::SqliteDataAccess::open((folder / "DEMO.db").string());
  bal = std::make_unique<qvd::BAL_Next>();
  bal->DataAccess(automation::Variant(dados));
  ASSERT_TRUE(iniciar(*bal));
  // Fault counting and the journal start with the test itself.
  erpserver::Faults::clear();
  erpserver::Journal::clear();
}

void ErpTest::TearDown() {
  erpserver::Journal::enable(false);
  erpserver::Journal::clear();
  erpserver::Faults::clear();
  if (bal) bal->ApiTermina();
  bal.reset();
  dados.reset();
  erpserver::Session::close();
  erpserver::unregisterServer();
  workFolder.reset();
}

std::string ErpTest::scalar(const std::string& sql) const {
  automation::db::RecordsetRef rs;
  if (!dados->AbrirRecordset("", sql, rs, -1, 0) || !rs || rs->Eof()) return {};
  return rs->GetFields().Item(automation::Variant(int32_t{0})).Value().toString();
}

automation::ObjectRef ErpTest::novaFatura(const std::string& cliente) const {
  using automation::propPut;
  automation::ObjectRef doc = bal->NxtAlloc_DocumentoComercial();
  automation::ObjectRef cab = automation::propGet(doc, "Cab").toObject();
  propPut(cab, "TipoDocumento", "FA");
  propPut(cab, "Serie", int16_t{1});
  propPut(cab, "Data", "15-03-2024");
  propPut(cab, "Terceiro", cliente);
  automation::ObjectRef linha = bal->NxtAlloc_DocumentosGcLin();
  propPut(linha, "Artigo", "A001");
  propPut(linha, "Armazem", "A1");
  propPut(linha, "Quantidade", 2.0);
  propPut(linha, "PrecoUnitario", 10.0);
  automation::invoke(doc, "AdicionaLinha", linha);
  return doc;
}

void startJournal() {
  erpserver::Journal::clear();
  erpserver::Journal::enable(true);
}

std::vector<std::string> journalMembers() {
  std::vector<std::string> members;
  for (const erpserver::JournalEntry& e : erpserver::Journal::entries())
    members.push_back(e.className + "." + e.member);
  return members;
}

std::string journalText() {
  std::ostringstream out;
  for (const std::string& line : erpserver::Journal::lines()) out << line << "\n";
  return out.str();
}

}  // namespace testing_support
