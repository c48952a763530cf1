#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

TEST_F(ErpServerTest, ArticlesAreReadValidatedInsertedAndAltered) {
  startSession();
  ObjectRef a = erp("Artigos");
  ASSERT_EQ(verdict(a, "Ler", "A002"), "0 ");
  EXPECT_EQ(propTexts(a, {"Nome", "UnBase", "CtrSto", "StDisp", "PvpSIV"}), "Tinta branca|LT|-1|75|9.9");
  EXPECT_EQ(verdict(a, "Ler", "ZZ9"), "1010 Artigo 'ZZ9' não existe");
  EXPECT_EQ(propTexts(a, {"Nome"}), "Tinta branca");  // a failed read changes nothing

  ObjectRef n = erp("Artigos");
  propPut(n, "Codigo", "A100");
  propPut(n, "Nome", "Prego");
  propPut(n, "UnBase", "CX");
  propPut(n, "IVA", int16_t{3});
  EXPECT_EQ(verdict(n, "Validar"), "1013 Unidade 'CX' não existe");
  EXPECT_EQ(verdict(n, "Inserir"), "1013 Unidade 'CX' não existe");
  propPut(n, "UnBase", "UN");
  propPut(n, "Grupo", "XPTO");
  EXPECT_EQ(verdict(n, "Validar"), "1013 Grupo 'XPTO' não existe");
  propPut(n, "Grupo", "MERC");
  propPut(n, "Nome", std::string(61, 'x'));
  EXPECT_EQ(verdict(n, "Validar").substr(0, 5), "1014 ");
  propPut(n, "Nome", "Prego de aço");
  EXPECT_EQ(verdict(n, "Validar"), "0 ");
  EXPECT_EQ(propTexts(n, {"UnVnd"}), "UN");  // defaults from the base unit
  EXPECT_EQ(verdict(n, "Inserir"), "0 ");
  EXPECT_EQ(verdict(n, "Inserir"), "1011 Artigo 'A100' já existe");

  propPut(n, "PvpSIV", 0.12);
  EXPECT_EQ(verdict(n, "Alterar"), "0 ");
  ObjectRef back = erp("Artigos");
  ASSERT_EQ(verdict(back, "Ler", "A100"), "0 ");
  EXPECT_EQ(propTexts(back, {"Nome", "PvpSIV"}), "Prego de aço|0.12");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ARTIGOS WHERE CODIGO = 'A100' AND FAMILI IS NULL"), "1");
  propPut(back, "Codigo", "A101");
  EXPECT_EQ(verdict(back, "Alterar"), "1010 Artigo 'A101' não existe");
}

}  // namespace
}  // namespace testing_support
