#include <chrono>
#include <latch>
#include <thread>

#include "erpserver/Server.hpp"

#include "erpserver/store/Session.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

TEST_F(ErpServerTest, IniciarChecksCompanyUserAndPasswordAndWithoutASessionActionsFailWithACode) {
  int32_t code = 0;
  ObjectRef wrong = login(code, "admin", "nimda");
  EXPECT_NE(code, 0);
  EXPECT_NE(propGet(wrong, "UltimaMensagem").toString().find("'admin'"), std::string::npos);
  login(code, "ninguem", "admin");
  EXPECT_NE(code, 0);
  ObjectRef missing = login(code, "admin", "admin", "NAOHA");
  EXPECT_NE(code, 0);
  EXPECT_NE(propGet(missing, "UltimaMensagem").toString().find("NAOHA"), std::string::npos);
  EXPECT_FALSE(erpserver::Session::instance().isOpen());
  ObjectRef article = erp("Artigos");
  EXPECT_EQ(invoke(article, "Ler", "A001").toLong(), 1001);
  EXPECT_EQ(propGet(article, "UltimaMensagem").toString(), "Sessão não iniciada");
  EXPECT_EQ(DocBuilder("FA", 1, "C001").inserir(), 1001);
  ObjectRef params = erp("ParametrosAplicacao");
  EXPECT_EQ(propGet(params, "MoedaNacional").toString(), "");

  // Objects created before or after the session work on it.
  ObjectRef base = login(code);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(propTexts(params, {"MoedaNacional", "RegIvaNacional", "LigacaoACtb"}), "EUR|NAC|True");
  // A second Iniciar joins the session; it closes when both have ended.
  ObjectRef second = login(code);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(invoke(second, "Terminar").toLong(), 0);
  EXPECT_EQ(invoke(article, "Ler", "A001").toLong(), 0);
  EXPECT_EQ(invoke(base, "Terminar").toLong(), 0);
  EXPECT_EQ(invoke(article, "Ler", "A001").toLong(), 1001);
}

// Both log in before either writes, so that a later login cannot stand in for an earlier one.
TEST_F(ErpServerTest, FacadesOnThreadsOfTheirOwnStampTheirDocumentsWithTheirOwnUser) {
  ASSERT_TRUE(dados->ExecutarSQL("", "INSERT INTO UTILIZADORES (CODIGO, NOME, SAL, SENHA) "
                                     "SELECT 'op2', 'Operador', SAL, SENHA FROM UTILIZADORES WHERE CODIGO = 'admin'"));
  std::latch bothIn(2);
  auto work = [&](const std::string& user, const std::string& client, int32_t& result) {
    int32_t code = 0;
    ObjectRef base = login(code, user);
    bothIn.arrive_and_wait();
    result = code != 0 ? code : DocBuilder("FA", 1, client).line("A001", "A1", 1).inserir();
    invoke(base, "Terminar");
  };
  int32_t first = -1, second = -1;
  std::thread a(work, "admin", "C001", std::ref(first));
  std::thread b(work, "op2", "C002", std::ref(second));
  a.join();
  b.join();
  ASSERT_EQ(first, 0);
  ASSERT_EQ(second, 0);
  EXPECT_EQ(rows("SELECT TERCEIRO, UTILIZADOR FROM DOCGCCAB WHERE TPDOC = 'FA' ORDER BY TERCEIRO"),
            (Rows{"C001|admin", "C002|op2"}));
  EXPECT_FALSE(erpserver::Session::instance().isOpen());
}

// One login groups its writes and then fails to commit them (it ends first); another login on the
// same company writes meanwhile. The other's document never becomes part of the group: it waits
// for it like any other writer, and stays.
TEST_F(ErpServerTest, AFailedWriteGroupTakesOnlyItsOwnLoginsDocumentsWithIt) {
  int32_t code = 0;
  ObjectRef grouping = login(code);
  ASSERT_EQ(code, 0);
  erpserver::beginWriteGroup();
  ASSERT_EQ(DocBuilder("FA", 1, "C001").line("A001", "A1", 1).inserir(), 0);
  int32_t other = -1;
  std::thread otherLogin([&] {
    int32_t otherCode = 0;
    ObjectRef base = login(otherCode);
    other = otherCode != 0 ? otherCode : DocBuilder("FA", 1, "C002").line("A001", "A1", 1).inserir();
    invoke(base, "Terminar");
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  invoke(grouping, "Terminar");
  otherLogin.join();
  EXPECT_EQ(other, 0);
  EXPECT_EQ(rows("SELECT TERCEIRO FROM DOCGCCAB WHERE TPDOC = 'FA'"), Rows{"C002"});
  EXPECT_FALSE(erpserver::Session::instance().isOpen());
}

TEST_F(ErpServerTest, MembersIgnoreCaseAndPutsTakeTheDeclaredType) {
  startSession();
  ObjectRef article = erp("Artigos");
  EXPECT_EQ(errorOf([&] { propGet(article, "NaoExiste"); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(errorOf([&] { invoke(article, "Gravar"); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(errorOf([&] { propPut(article, "IVA", 40000); }), automation::errnum::Overflow);
  EXPECT_EQ(errorOf([&] { propPut(article, "StDisp", 3.0); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(raisedBy([&] { propPut(article, "UltPmp", "caro"); }).text(),
            "13 Artigos: UltPmp: Type mismatch in the value assigned to UltPmp: a String where a Double is wanted");
  EXPECT_EQ(raisedBy([&] { invoke(article, "ler"); }).text(),
            "450 Artigos: Ler: Wrong number of arguments or invalid property assignment: Ler takes 1 argument, 0 given");
  propPut(article, "iva", "2");
  EXPECT_EQ(propGet(article, "IVA"), Variant(int16_t{2}));
  propPut(article, "NOME", Variant::null());
  EXPECT_EQ(propGet(article, "Nome"), Variant(std::string()));

  ObjectRef cab = propGet(erp("DocumentoComercial"), "Cab").toObject();
  propPut(cab, "Data", automation::Date::fromParts(2024, 2, 29));
  EXPECT_EQ(propGet(cab, "data").toString(), "29-02-2024");
  propPut(cab, "NossoNoDocumento", int16_t{12});
  EXPECT_EQ(propGet(cab, "NossoNoDocumento"), Variant(int32_t{12}));
}

}  // namespace
}  // namespace testing_support
