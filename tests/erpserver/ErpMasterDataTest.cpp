#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using automation::Variant;
using ErpServerTest = CompanyTest;

TEST_F(ErpServerTest, ArticlesAreReadValidatedInsertedAndAltered) {
  startSession();
  ObjectRef a = erp("Artigos");
  ASSERT_EQ(invoke(a, "Ler", "A002").toLong(), 0);
  EXPECT_EQ(propGet(a, "Nome").toString(), "Tinta branca");
  EXPECT_EQ(propGet(a, "UnBase").toString(), "LT");
  EXPECT_EQ(propGet(a, "CtrSto"), Variant(int16_t{-1}));
  EXPECT_DOUBLE_EQ(propGet(a, "StDisp").toDouble(), 75);
  EXPECT_DOUBLE_EQ(propGet(a, "PvpSIV").toDouble(), 9.9);

  EXPECT_EQ(invoke(a, "Ler", "ZZ9").toLong(), 1010);
  EXPECT_EQ(propGet(a, "UltimaMensagem").toString(), "Artigo 'ZZ9' não existe");
  EXPECT_EQ(propGet(a, "Nome").toString(), "Tinta branca");  // a failed read changes nothing

  ObjectRef n = erp("Artigos");
  propPut(n, "Codigo", "A100");
  propPut(n, "Nome", "Prego");
  propPut(n, "UnBase", "CX");
  propPut(n, "IVA", int16_t{3});
  EXPECT_EQ(invoke(n, "Validar").toLong(), 1013);
  EXPECT_EQ(propGet(n, "UltimaMensagem").toString(), "Unidade 'CX' não existe");
  EXPECT_EQ(invoke(n, "Inserir").toLong(), 1013);
  propPut(n, "UnBase", "UN");
  propPut(n, "Grupo", "XPTO");
  EXPECT_EQ(invoke(n, "Validar").toLong(), 1013);
  EXPECT_EQ(propGet(n, "UltimaMensagem").toString(), "Grupo 'XPTO' não existe");
  propPut(n, "Grupo", "MERC");
  propPut(n, "Nome", std::string(61, 'x'));
  EXPECT_EQ(invoke(n, "Validar").toLong(), 1014);
  propPut(n, "Nome", "Prego de aço");
  EXPECT_EQ(invoke(n, "Validar").toLong(), 0);
  EXPECT_EQ(propGet(n, "UnVnd").toString(), "UN");  // defaults from the base unit
  EXPECT_EQ(invoke(n, "Inserir").toLong(), 0);
  EXPECT_EQ(invoke(n, "Inserir").toLong(), 1011);
  EXPECT_EQ(propGet(n, "UltimaMensagem").toString(), "Artigo 'A100' já existe");

  propPut(n, "PvpSIV", 0.12);
  EXPECT_EQ(invoke(n, "Alterar").toLong(), 0);
  ObjectRef back = erp("Artigos");
  ASSERT_EQ(invoke(back, "Ler", "A100").toLong(), 0);
  EXPECT_EQ(propGet(back, "Nome").toString(), "Prego de aço");
  EXPECT_DOUBLE_EQ(propGet(back, "PvpSIV").toDouble(), 0.12);
  EXPECT_EQ(scalar("SELECT FAMILI IS NULL FROM ARTIGOS WHERE CODIGO = 'A100'"), "1");

  propPut(back, "Codigo", "A101");
  EXPECT_EQ(invoke(back, "Alterar").toLong(), 1010);
  EXPECT_EQ(propGet(back, "UltimaMensagem").toString(), "Artigo 'A101' não existe");
}

TEST_F(ErpServerTest, ClientsAndSuppliersTakeTheCompanyDefaults) {
  startSession();
  ObjectRef c = erp("Clientes");
  ASSERT_EQ(invoke(c, "Ler", "C002").toLong(), 0);
  EXPECT_EQ(propGet(c, "REGIVA").toString(), "CEE");
  EXPECT_EQ(propGet(c, "LOCAL_").toString(), "Vigo");

  ObjectRef n = erp("Clientes");
  propPut(n, "Codigo", "C900");
  EXPECT_EQ(invoke(n, "Validar").toLong(), 1012);
  EXPECT_EQ(propGet(n, "UltimaMensagem").toString(), "O campo 'Nome' é obrigatório");
  propPut(n, "Nome", "Novo cliente");
  propPut(n, "VENDED", "V9");
  EXPECT_EQ(invoke(n, "Inserir").toLong(), 1013);
  EXPECT_EQ(propGet(n, "UltimaMensagem").toString(), "Vendedor 'V9' não existe");
  propPut(n, "VENDED", "");
  EXPECT_EQ(invoke(n, "Inserir").toLong(), 0);
  EXPECT_EQ(propGet(n, "Moeda").toString(), "EUR");
  EXPECT_EQ(scalar("SELECT REGIVA FROM CLIENTES WHERE CODIGO = 'C900'"), "NAC");

  ObjectRef s = erp("Fornecedores");
  EXPECT_EQ(errorOf([&] { propPut(s, "VENDED", "V1"); }), automation::errnum::MemberNotSupported);
  ASSERT_EQ(invoke(s, "Ler", "F001").toLong(), 0);
  propPut(s, "Codigo", "F003");
  EXPECT_EQ(invoke(s, "Inserir").toLong(), 0);
  EXPECT_EQ(scalar("SELECT NOME FROM FORNECEDORES WHERE CODIGO = 'F003'"), "Tintas do Norte, S.A.");
}

}  // namespace
}  // namespace testing_support
