#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "erpserver/testhooks/Faults.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using Members = std::vector<std::string>;

using MasterData = ErpTest;

bool called(const std::string& classMember) {
  Members members = journalMembers();
  return std::find(members.begin(), members.end(), classMember) != members.end();
}

TEST_F(MasterData, ArticleDuplicatedAndCreatedFromModelCopyOnlyTheirFields) {
  ObjectRef passed = bal->NxtAlloc_Artigos();
  ObjectRef artigo = passed;
  EXPECT_FALSE(bal->LerArtigo("NAO-EXISTE", artigo));
  ASSERT_NE(artigo, nullptr);
  EXPECT_NE(artigo, passed);

  startJournal();
  EXPECT_TRUE(bal->ArtigoDuplicar("A002", "A002-KG", "KG"));
  EXPECT_EQ(putsOn(""), (Members{"Codigo", "UnBase", "TpBem", "IVA", "Nome"}));
  EXPECT_EQ(rows("SELECT NOME, UNBASE, TPBEM, IVA, GRUPO, FAMILI FROM ARTIGOS WHERE CODIGO = 'A002-KG'"),
            Rows{"Tinta branca|KG|0|3||"});
  std::string before = scalar("SELECT COUNT(*) FROM ARTIGOS");
  EXPECT_FALSE(bal->ArtigoDuplicar("NAO-EXISTE", "X1", "UN"));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ARTIGOS"), before);

  std::string descr = "Tinta azul";
  startJournal();
  EXPECT_TRUE(bal->CriarArtigo("A002", "A010", descr));
  EXPECT_EQ(putsOn(""), (Members{"Codigo", "Nome", "UnBase", "TpBem", "IVA", "Grupo", "CtrSto", "UnVnd"}));
  EXPECT_EQ(rows("SELECT NOME, UNBASE, TPBEM, IVA, GRUPO, CTRSTO, UNVND, FAMILI, PVPSIV FROM ARTIGOS "
                 "WHERE CODIGO = 'A010'"),
            Rows{"Tinta azul|LT|0|3|MP|-1|LT||0"});
  EXPECT_FALSE(bal->CriarArtigo("NAO-EXISTE", "A011", descr));
  EXPECT_EQ(balError(), "-1 ");
}

TEST_F(MasterData, ClientCreatedFromModelAndSupplierCreatedAndRead) {
  std::string nome = "Padaria Nova", morada = "Rua Alta 1", contribuinte = "509999999", localidade = "Guimarães",
              postal = "4800-001";
  startJournal();
  EXPECT_TRUE(bal->CriarCliente("C002", "C010", nome, morada, contribuinte, localidade, postal));
  EXPECT_EQ(putsOn(""), (Members{"Nome", "REGIVA", "Moeda", "VENDED", "ZONAGE", "Pais", "Codigo", "Nome", "Morada",
                                 "NCONTR", "LOCAL_", "CDPOST"}));
  EXPECT_EQ(rows("SELECT NOME, MORADA, LOCAL_, CDPOST, PAIS, NCONTR, REGIVA, MOEDA, VENDED, ZONAGE, GRUPO "
                 "FROM CLIENTES WHERE CODIGO = 'C010'"),
            Rows{"Padaria Nova|Rua Alta 1|Guimarães|4800-001|ES|509999999|CEE|EUR|V2|ES|"});
  EXPECT_EQ(balError(), "-1 ");
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
  EXPECT_EQ(propTexts(lido, {"Nome", "Moeda"}), "Serração do Minho|EUR");
  EXPECT_FALSE(bal->LerFornecedor("NAO-EXISTE", lido));
}

// Validation refusals: the error comes from the validation and the next step is skipped, except
// for a save, which still updates.
TEST_F(MasterData, RefusedValidationStopsInsertsButNotTheUpdate) {
  ObjectRef artigo;
  ASSERT_TRUE(bal->LerArtigo("A001", artigo));
  erpserver::Faults::returnCode("Artigos", "Validar", 1, 71, "Artigo recusado");
  startJournal();
  EXPECT_FALSE(bal->GravarArtigo(artigo));
  EXPECT_TRUE(called("Artigos.Alterar")) << journalText();

  ObjectRef novo = bal->NxtAlloc_Artigos();
  propPut(novo, "Codigo", "A020");
  propPut(novo, "Nome", "Anilha");
  propPut(novo, "UnBase", "UN");
  erpserver::Faults::returnCode("Artigos", "Validar", 2, 72, "Unidade recusada");
  startJournal();
  EXPECT_FALSE(bal->ArtigoCriar(novo));
  EXPECT_FALSE(called("Artigos.Inserir"));
  EXPECT_EQ(balError(), "72 Unidade recusada");
  EXPECT_TRUE(bal->ArtigoCriar(novo));
  EXPECT_EQ(balError(), "-1 ");

  ObjectRef cliente = bal->NxtAlloc_Clientes();
  propPut(cliente, "Codigo", "C020");
  propPut(cliente, "Nome", "Mercearia");
  erpserver::Faults::returnCode("Clientes", "Validar", 1, 73, "Cliente recusado");
  startJournal();
  EXPECT_FALSE(bal->ClienteCriar(cliente));
  EXPECT_FALSE(called("Clientes.Inserir"));
  EXPECT_EQ(balError(), "73 Cliente recusado");
}

TEST_F(MasterData, RunTimeErrorsCarryTheOperationsName) {
  erpserver::Faults::raiseError("Artigos", "Ler", 1, 5, "Falha ao ler o artigo");
  ObjectRef artigo;
  // It raises, so no result comes back.
  EXPECT_EQ(raisedBy([&] { std::ignore = bal->LerArtigo("A001", artigo); }).text(),
            "5 BAL_Next: LerArtigo: Falha ao ler o artigo");
  EXPECT_EQ(balError(), "-1 ");

  qvd::DAL_Next dal;
  ObjectRef nenhum;
  // It raises, so no result comes back.
  EXPECT_EQ(raisedBy([&] { std::ignore = dal.FornecedorLer("F001", nenhum); }).numberAndSource(),
            "91 DAL_Next: FornecedorLer");
  qvd::NextError erro{7, "antes"};
  EXPECT_TRUE(dal.ClienteLer("C001", nenhum, erro));
  EXPECT_NE(nenhum, nullptr);
  EXPECT_EQ(std::to_string(erro.lUltimoErro) + " " + erro.sTextoErro, "7 antes");
}

}  // namespace
}  // namespace testing_support
