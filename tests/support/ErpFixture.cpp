#include "support/ErpFixture.hpp"

#include <unistd.h>

#include <atomic>
#include <sstream>

#include "erpserver/Faults.hpp"
#include "erpserver/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Session.hpp"
#include "platform/Variant.hpp"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// The demo company is built once per test binary, and removed at its exit; each test works on
// its own copy.
struct DemoCompany {
  fs::path dir = fs::temp_directory_path() / ("qvd-demo-" + std::to_string(::getpid()));
  DemoCompany() {
    fs::create_directories(dir);
    erpserver::createDemoCompany(dir.string(), "DEMO");
  }
  ~DemoCompany() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
};

fs::path demoCompany() {
  static const DemoCompany company;
  return company.dir / "DEMO.db";
}

fs::path freshFolder() {
  static std::atomic<int> counter{0};
  fs::path dir =
      fs::temp_directory_path() / ("qvd-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir / "log");
  return dir;
}

}  // namespace

void ErpTest::SetUp() {
  folder = freshFolder();
  fs::copy_file(demoCompany(), folder / "DEMO.db");
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
  std::error_code ignored;
  fs::remove_all(folder, ignored);
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

}  // namespace testsupport
