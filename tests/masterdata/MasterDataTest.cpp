#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/Faults.hpp"
#include "support/ErpFixture.hpp"

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using testing_support::raisedBy;

namespace {

using MasterData = testing_support::ErpTest;

bool called(const std::string& classMember) {
  for (const std::string& m : testing_support::journalMembers())
    if (m == classMember) return true;
  return false;
}

}  // namespace

TEST_F(MasterData, ArticleDuplicatedAndCreatedFromModelCopyOnlyTheirFields) {
  ObjectRef passed = bal->NxtAlloc_Artigos();
  ObjectRef artigo = passed;
  EXPECT_FALSE(bal->LerArtigo("NAO-EXISTE", artigo));
  ASSERT_NE(artigo, nullptr);
  EXPECT_NE(artigo, passed);

  testing_support::startJournal();
  EXPECT_TRUE(bal->ArtigoDuplicar("A002", "A002-KG", "KG"));
  EXPECT_EQ(testing_support::putsOn(""), (std::vector<std::string>{"Codigo", "UnBase", "TpBem", "IVA", "Nome"}));
  EXPECT_EQ(scalar("SELECT NOME || '|' || UNBASE || '|' || TPBEM || '|' || IVA || '|' || IFNULL(GRUPO, '-') || '|' || "
                   "IFNULL(FAMILI, '-') FROM ARTIGOS WHERE CODIGO = 'A002-KG'"),
            "Tinta branca|KG|0|3|-|-");
  std::string before = scalar("SELECT COUNT(*) FROM ARTIGOS");
  EXPECT_FALSE(bal->ArtigoDuplicar("NAO-EXISTE", "X1", "UN"));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ARTIGOS"), before);

  std::string descr = "Tinta azul";
  testing_support::startJournal();
  EXPECT_TRUE(bal->CriarArtigo("A002", "A010", descr));
  EXPECT_EQ(testing_support::putsOn(""), (std::vector<std::string>{"Codigo", "Nome", "UnBase", "TpBem", "IVA", "Grupo", "CtrSto", "UnVnd"}));
  EXPECT_EQ(scalar("SELECT NOME || '|' || UNBASE || '|' || TPBEM || '|' || IVA || '|' || GRUPO || '|' || CTRSTO || "
                   "'|' || UNVND || '|' || IFNULL(FAMILI, '-') || '|' || PVPSIV FROM ARTIGOS WHERE CODIGO = 'A010'"),
            "Tinta azul|LT|0|3|MP|-1|LT|-|0.0");
  EXPECT_FALSE(bal->CriarArtigo("NAO-EXISTE", "A011", descr));
  EXPECT_EQ(bal->ErroNumero(), -1);
}

TEST_F(MasterData, ClientCreatedFromModelAndSupplierCreatedAndRead) {
  std::string nome = "Padaria Nova", morada = "Rua Alta 1", contribuinte = "509999999", localidade = "Guimarães",
              postal = "4800-001";
  testing_support::startJournal();
  EXPECT_TRUE(bal->CriarCliente("C002", "C010", nome, morada, contribuinte, localidade, postal));
  EXPECT_EQ(testing_support::putsOn(""), (std::vector<std::string>{"Nome", "REGIVA", "Moeda", "VENDED", "ZONAGE", "Pais", "Codigo", "Nome",
                                              "Morada", "NCONTR", "LOCAL_", "CDPOST"}));
  EXPECT_EQ(scalar("SELECT NOME || '|' || MORADA || '|' || LOCAL_ || '|' || CDPOST || '|' || PAIS || '|' || NCONTR "
                   "|| '|' || REGIVA || '|' || MOEDA || '|' || VENDED || '|' || ZONAGE || '|' || IFNULL(GRUPO, '-') "
                   "FROM CLIENTES WHERE CODIGO = 'C010'"),
            "Padaria Nova|Rua Alta 1|Guimarães|4800-001|ES|509999999|CEE|EUR|V2|ES|-");
  EXPECT_EQ(bal->ErroNumero(), -1);

  EXPECT_FALSE(bal->CriarCliente("NAO-EXISTE", "C011", nome, morada, contribuinte, localidade, postal));
  EXPECT_GT(bal->ErroNumero(), 0);
  EXPECT_NE(bal->ErroDescricao(), "");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = 'C011'"), "0");

  ObjectRef fornecedor = bal->NxtAlloc_Fornecedores();
  propPut(fornecedor, "Codigo", "F010");
  propPut(fornecedor, "Nome", "Serração do Minho");
  EXPECT_TRUE(bal->CriarFornecedor(fornecedor));
  ObjectRef lido;
  EXPECT_TRUE(bal->LerFornecedor("F010", lido));
  EXPECT_EQ(propGet(lido, "Nome").toString(), "Serração do Minho");
  EXPECT_EQ(propGet(lido, "Moeda").toString(), "EUR");
  EXPECT_FALSE(bal->LerFornecedor("NAO-EXISTE", lido));
}

// Validation refusals: the error comes from the validation and the next step is skipped, except
// for a save, which still updates.
TEST_F(MasterData, RefusedValidationStopsInsertsButNotTheUpdate) {
  ObjectRef artigo;
  ASSERT_TRUE(bal->LerArtigo("A001", artigo));
  erpserver::Faults::returnCode("Artigos", "Validar", 1, 71, "Artigo recusado");
  testing_support::startJournal();
  EXPECT_FALSE(bal->GravarArtigo(artigo));
  EXPECT_TRUE(called("Artigos.Alterar")) << testing_support::journalText();

  ObjectRef novo = bal->NxtAlloc_Artigos();
  propPut(novo, "Codigo", "A020");
  propPut(novo, "Nome", "Anilha");
  propPut(novo, "UnBase", "UN");
  erpserver::Faults::returnCode("Artigos", "Validar", 2, 72, "Unidade recusada");
  testing_support::startJournal();
  EXPECT_FALSE(bal->ArtigoCriar(novo));
  EXPECT_FALSE(called("Artigos.Inserir"));
  EXPECT_EQ(balError(), "72 Unidade recusada");
  EXPECT_TRUE(bal->ArtigoCriar(novo));
  EXPECT_EQ(bal->ErroNumero(), -1);

  ObjectRef cliente = bal->NxtAlloc_Clientes();
  propPut(cliente, "Codigo", "C020");
  propPut(cliente, "Nome", "Mercearia");
  erpserver::Faults::returnCode("Clientes", "Validar", 1, 73, "Cliente recusado");
  testing_support::startJournal();
  EXPECT_FALSE(bal->ClienteCriar(cliente));
  EXPECT_FALSE(called("Clientes.Inserir"));
  EXPECT_EQ(balError(), "73 Cliente recusado");
}

TEST_F(MasterData, RunTimeErrorsCarryTheOperationsName) {
  erpserver::Faults::raiseError("Artigos", "Ler", 1, 5, "Falha ao ler o artigo");
  ObjectRef artigo;
  auto e = raisedBy([&] { bal->LerArtigo("A001", artigo); });
  EXPECT_EQ(e.text(), "5 BAL_Next: LerArtigo: Falha ao ler o artigo");
  EXPECT_EQ(bal->ErroNumero(), -1);

  qvd::DAL_Next dal;
  ObjectRef nenhum;
  e = raisedBy([&] { dal.FornecedorLer("F001", nenhum); });
  EXPECT_EQ(e.numberAndSource(), "91 DAL_Next: FornecedorLer");
  qvd::NextError erro{7, "antes"};
  EXPECT_TRUE(dal.ClienteLer("C001", nenhum, erro));
  EXPECT_NE(nenhum, nullptr);
  EXPECT_EQ(erro.lUltimoErro, 7);
  EXPECT_EQ(erro.sTextoErro, "antes");
}
