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

TEST_F(ErpServerTest, MembersIgnoreCaseAndPutsTakeTheDeclaredType) {
  startSession();
  ObjectRef article = erp("Artigos");
  EXPECT_EQ(errorOf([&] { propGet(article, "NaoExiste"); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(errorOf([&] { invoke(article, "Gravar"); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(errorOf([&] { propPut(article, "IVA", 40000); }), automation::errnum::Overflow);
  EXPECT_EQ(errorOf([&] { propPut(article, "StDisp", 3.0); }), automation::errnum::MemberNotSupported);
  EXPECT_EQ(errorOf([&] { propPut(article, "UltPmp", "caro"); }), automation::errnum::TypeMismatch);
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
