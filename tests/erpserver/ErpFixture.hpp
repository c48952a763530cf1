#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "TempFolder.hpp"
#include "erpserver/DemoCompany.hpp"
#include "erpserver/Faults.hpp"
#include "erpserver/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Session.hpp"
#include "platform/AutomationError.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/Object.hpp"

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using automation::Variant;

// A demo company in a temporary folder and the server registered; tests drive the server only
// through the late-bound interface, and read the database directly to see what it stored.
class ErpServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    erpserver::createDemoCompany(folder.path());
    erpserver::registerServer();
  }

  void TearDown() override {
    erpserver::Journal::enable(false);
    erpserver::Journal::clear();
    erpserver::Faults::clear();
    erpserver::Session::close();
    erpserver::unregisterServer();
  }

  static ObjectRef erp(const std::string& className) { return automation::createObject("ErpApiNextPlus." + className); }

  // A BaseNext after Iniciar with the given credentials; its result in `code`.
  ObjectRef login(int32_t& code, const std::string& user = erpserver::kDemoUser,
                  const std::string& password = erpserver::kDemoPassword, const std::string& company = "DEMO") {
    ObjectRef base = erp("BaseNext");
    propPut(base, "PercLOG", folder.path());
    propPut(base, "PercIni", folder.path());
    propPut(base, "Empresa", company);
    propPut(base, "Login", user);
    propPut(base, "PassWord", password);
    code = invoke(base, "Iniciar").toLong();
    return base;
  }

  ObjectRef startSession() {
    int32_t code = -1;
    ObjectRef base = login(code);
    EXPECT_EQ(code, 0) << propGet(base, "UltimaMensagem").toString();
    return base;
  }

  // The first column of the first row of `sql` on the company database, as text.
  std::string scalar(const std::string& sql) const {
    sqlite3* db = nullptr;
    sqlite3_open(folder.file("DEMO.db").c_str(), &db);
    sqlite3_stmt* st = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW &&
        sqlite3_column_text(st, 0))
      out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
  }

  double number(const std::string& sql) const {
    std::string text = scalar(sql);
    return text.empty() ? 0 : std::stod(text);
  }

  double stock(const std::string& article, const std::string& warehouse) const {
    return number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = '" + article + "' AND ARMAZEM = '" + warehouse + "'");
  }

  static int32_t errorOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const automation::AutomationError& e) {
      return e.number();
    }
    return 0;
  }

  TempFolder folder;
};

// Builds a commercial document through the late-bound interface, as a client of the server does.
class DocBuilder {
 public:
  DocBuilder(const std::string& type, int16_t series, const std::string& counterpart, const std::string& date = "15-05-2024")
      : doc(automation::createObject("ErpApiNextPlus.DocumentoComercial")) {
    ObjectRef cab = propGet(doc, "Cab").toObject();
    propPut(cab, "TipoDocumento", type);
    propPut(cab, "Serie", series);
    propPut(cab, "Terceiro", counterpart);
    propPut(cab, "Data", date);
  }

  // An article line with suggested values and the given quantity (and price, when not negative).
  DocBuilder& line(const std::string& article, const std::string& warehouse, double quantity, double price = -1) {
    ObjectRef l = automation::createObject("ErpApiNextPlus.DocumentosGcLin");
    propPut(l, "TipoDeLinha", int16_t{1});
    propPut(l, "Artigo", article);
    propPut(l, "Armazem", warehouse);
    invoke(doc, "SugereValoresLin", l, true, true, true, false, true, false, true);
    if (price >= 0) propPut(l, "PrecoUnitario", price);
    propPut(l, "Quantidade", quantity);
    invoke(doc, "AdicionaLinha", l);
    return *this;
  }

  DocBuilder& lot(int16_t line, const std::string& code, const std::string& article, const std::string& warehouse,
                  double quantity) {
    ObjectRef g = automation::createObject("ErpApiNextPlus.LotesLinha");
    ObjectRef campos = propGet(g, "Campos").toObject();
    propPut(campos, "CodigoLote", code);
    propPut(campos, "Artigo", article);
    propPut(campos, "Armazem", warehouse);
    propPut(g, "QuantidadeMovimentada", quantity);
    propPut(g, "NumeroLinhaDocComercial", line);
    invoke(doc, "AdicionaLote", g);
    return *this;
  }

  ObjectRef cab() const { return propGet(doc, "Cab").toObject(); }
  int32_t validar() const { return invoke(doc, "Validar").toLong(); }
  int32_t inserir() const { return invoke(doc, "Inserir").toLong(); }
  std::string message() const { return propGet(doc, "UltimaMensagem").toString(); }
  int32_t number() const { return propGet(cab(), "NossoNoDocumento").toLong(); }

  ObjectRef doc;
};
