#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/DAL_Next.hpp"
#include "dataaccess/DatabaseDataAccess.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/Object.hpp"
#include "platform/SafeArray.hpp"
#include "support/ErrorOf.hpp"
#include "support/TempFolder.hpp"
#include "support/TestDatabases.hpp"
#include "support/TextFiles.hpp"

namespace testing_support {

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using automation::Variant;
using Rows = std::vector<std::string>;
// Document lines as (article, quantity).
using Lines = std::vector<std::pair<std::string, double>>;

// The arrays a caller passes for `lines`, from index 1: the articles and quantities, and empty
// names, prices and notes.
struct LineArrays {
  explicit LineArrays(const Lines& lines);
  automation::SafeArray<std::string> sArtigo, sNome, sNotas;
  automation::SafeArray<double> dQuant, dPrUnit;
};

// A company to work on, with the reference server and no session:
// - `folder`: a fresh temporary folder with "log/" for the operation log;
// - `company` at `location`: on SQLite "DEMO" in `folder` ("DEMO.db", a copy of the demo company
//   (see erpserver::createDemoCompany) made once per test binary); on PostgreSQL (companyEngine())
//   a database of its own on the test server, a copy of a demo company made once per test binary;
// - the server registered under "ErpApiNextPlus" only, the journal off and empty, no faults;
// - `dados`: the data-access object on the company's database.
// TearDown ends every session, clears faults and the journal, and removes the folder and the
// test's database.
class CompanyTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::filesystem::path logFolder() const { return folder / "log"; }

  // The first column of the first row of `sql` on the company database ("" when no row); a
  // query that fails fails the test.
  std::string scalar(const std::string& sql) const;
  double number(const std::string& sql) const;
  // Every row `sql` returns, its columns joined with "|" (a null as the empty text). The values
  // are rendered here rather than by the database, so that every engine gives the same text.
  Rows rows(const std::string& sql) const;
  double stock(const std::string& article, const std::string& warehouse = "A1") const;
  // The operation log as written so far ("" when there is none).
  std::string logText() const;

  // A BaseNext after Iniciar with the given credentials; its result in `code`.
  automation::ObjectRef login(int32_t& code, const std::string& user = erpserver::kDemoUser,
                              const std::string& password = erpserver::kDemoPassword,
                              const std::string& company = "") const;
  // A BaseNext with the session open.
  automation::ObjectRef startSession() const;

  // True in the PostgreSQL run; a test of what only a company file has skips itself then.
  bool onServer() const;
  // Another data-access object on the company's database, with a connection of its own.
  std::shared_ptr<dataaccess::DatabaseDataAccess> openCompany() const;

  std::unique_ptr<TempFolder> workFolder;
  std::filesystem::path folder;
  std::string location, company = "DEMO";
  std::shared_ptr<dataaccess::DatabaseDataAccess> dados;
};

// The server's own tests need no facade.
using ErpServerTest = CompanyTest;

// The company with `bal`: a facade with `dados` as its DataAccess and a session opened with
// ApiInicia.
class ErpTest : public CompanyTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // ApiInicia on a facade or worker with this company; `password` other than the demo one is
  // refused by the server.
  template <class Target>
  bool iniciar(Target& target, const std::string& password = erpserver::kDemoPassword) {
    return target.ApiInicia(location, logFolder().string(), company, erpserver::kDemoUser, password);
  }

  // The facade's error record as "<ErroNumero> <ErroDescricao>" ("-1 " when reset).
  std::string balError() const { return std::to_string(bal->ErroNumero()) + " " + bal->ErroDescricao(); }

  // A worker of its own on `dados`, with a session.
  std::unique_ptr<qvd::DAL_Next> worker();

  // A new, valid, unsaved invoice: type "FA", series 1, dated 15-03-2024, client `cliente`, one
  // line of 2 x A001 from warehouse A1 at 10.
  automation::ObjectRef novaFatura(const std::string& cliente = "C001") const;

  // A sale to C001 dated 15-03-2024 through CF_DocGenInserir: one line per (article, quantity),
  // all from warehouse A1, priced and described by the ERP. Fails the test when it is refused.
  qvd::KeyDocumNext insertInvoice(const Lines& lines = {{"A001", 2}, {"P001", 3}}, const std::string& type = "FA",
                                  int16_t series = 1);

  // One expression over the header ("DOCGCCAB"), lines ("DOCGCLIN") or lots ("LOTEMOVS") of the
  // document `key` names.
  std::string ofDocument(const std::string& expression, const std::string& table, const qvd::KeyDocumNext& key) const;
  // The lines ("DOCGCLIN") or lots ("LOTEMOVS") of the document `key` names in line order, each row
  // of `columns` rendered as rows() does, alike on every engine.
  Rows ofDocumentRows(const std::string& columns, const std::string& table, const qvd::KeyDocumNext& key) const;
  bool exists(const qvd::KeyDocumNext& key) const;
  // The stored lines: number, article, description, unit price, quantity, discount rate.
  Rows linesOf(const qvd::KeyDocumNext& key) const;
  // The series' numbering counter ("" when it has no row).
  std::string counter(const std::string& type, int16_t series = 1, int16_t year = 2024) const;

  std::unique_ptr<qvd::BAL_Next> bal;
};

// A sale to C001 dated 15-03-2024 through CF_DocGenInserir of `bal`: one line per (article,
// quantity), all from warehouse A1, priced and described by the ERP. Its result; the key in `key`.
bool insertSale(qvd::BAL_Next& bal, qvd::KeyDocumNext& key, const Lines& lines = {{"A001", 1}},
                const std::string& type = "FA", int16_t series = 1);

// A new object of the server class `className`, made by name.
automation::ObjectRef erp(const std::string& className);
// The stored document of 2024 read into a new server object; a read refused fails the test.
automation::ObjectRef stored(const std::string& type, int32_t number, int16_t series = 1);

using FieldValues = std::initializer_list<std::pair<const char*, automation::Variant>>;
// Puts `values` into the current row of a record set.
void setFields(automation::db::Recordset& rs, FieldValues values);

// One manufacturing movement of an order: its article and the document it went into (none: a
// null DN_NumDoc).
struct OrderMovement {
  std::string artigo;
  std::optional<qvd::KeyDocumNext> documento;
};
// The movements of an order, shaped as the caller's query returns them for the average cost update.
automation::db::RecordsetRef orderMovements(const std::vector<OrderMovement>& movements);

// A document key as "<type> <series>/<year> <number>".
std::string keyText(const qvd::KeyDocumNext& key);

// The values of `members` of `object`, as text joined by "|".
std::string propTexts(const automation::ObjectRef& object, std::initializer_list<const char*> members);

// Calls the action `method` of a server object: its result code, a blank and its UltimaMensagem.
template <class... Args>
std::string verdict(const automation::ObjectRef& object, const std::string& method, Args&&... args) {
  int32_t code = automation::invoke(object, method, std::forward<Args>(args)...).toLong();
  return std::to_string(code) + " " + automation::propGet(object, "UltimaMensagem").toString();
}

// Builds a commercial document through the late-bound interface, as a client of the server does.
class DocBuilder {
 public:
  DocBuilder(const std::string& type, int16_t series, const std::string& counterpart,
             const std::string& date = "15-05-2024");
  // An article line with suggested values and the given quantity (and price, when not negative).
  DocBuilder& line(const std::string& article, const std::string& warehouse, double quantity, double price = -1);
  DocBuilder& lot(int16_t line, const std::string& code, const std::string& article, const std::string& warehouse,
                  double quantity);

  automation::ObjectRef cab() const;
  int32_t validar() const;
  int32_t inserir() const;
  std::string message() const;
  int32_t number() const;

  automation::ObjectRef doc;
};

// A new ERP lot object for `line` of a document, not yet added to it.
automation::ObjectRef lotLine(int16_t line, const std::string& code, const std::string& article,
                              const std::string& warehouse, double quantity);

// Clears the journal and starts recording.
void startJournal();
// The journal's entries since startJournal, each as "Class.Member" (get, put and call alike).
std::vector<std::string> journalMembers();
// The journal's full lines (see erpserver::Journal::lines), for failure messages.
std::string journalText();
// The members accessed on objects of `className` (get, put and call alike), in order.
std::vector<std::string> accessesOn(const std::string& className);
// The members put on objects of `className` (of any class when empty), in order.
std::vector<std::string> putsOn(const std::string& className);
// The values put into `member` of objects of `className`, as text, in order.
std::vector<std::string> putValues(const std::string& className, const std::string& member);
// What was done to the document before its first line object was touched: the puts on the
// header (member names), and the calls and puts on the document itself ("D.<member>").
std::vector<std::string> headerSequence();

}  // namespace testing_support
