#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/Registration.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/MessageBox.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using qvd::BAL_Next;

// The error record through both of its readers: "<ErroNumero> <ErroDescricao>|<number> <text>".
std::string errorRecord(const BAL_Next& bal) {
  int32_t number = 99;
  std::string text = "before";
  bal.UltimoErro(number, text);
  return std::to_string(bal.ErroNumero()) + " " + bal.ErroDescricao() + "|" + std::to_string(number) + " " + text;
}

using Facade = ErpTest;

struct Allocator {
  automation::ObjectRef (BAL_Next::*member)();
  const char* serverClass;
};

const Allocator kAllocators[] = {
    {&BAL_Next::NxtAlloc_ParametrosAplicacao, "ParametrosAplicacao"},
    {&BAL_Next::NxtAlloc_Artigos, "Artigos"},
    {&BAL_Next::NxtAlloc_Clientes, "Clientes"},
    {&BAL_Next::NxtAlloc_Fornecedores, "Fornecedores"},
    {&BAL_Next::NxtAlloc_DocumentoComercial, "DocumentoComercial"},
    {&BAL_Next::NxtAlloc_DocumentosGcLin, "DocumentosGcLin"},
    {&BAL_Next::NxtAlloc_LotesLinha, "LotesLinha"},
    {&BAL_Next::NxtAlloc_NumSerieLinha, "NumSerieLinha"},
    {&BAL_Next::NxtAlloc_DocumentoContabilistico, "DocumentoContabilistico"},
    {&BAL_Next::NxtAlloc_DocumentoFinanceiro, "DocumentoFinanceiro"},
    {&BAL_Next::NxtAlloc_DocumentosCcLin, "DocumentosCcLin"},
};

TEST_F(Facade, ErrorRecordStartsResetAndSessionMembersLeaveIt) {
  BAL_Next fresh;
  EXPECT_EQ(errorRecord(fresh), "-1 |-1 ");
  fresh.DataAccess(automation::Variant(dados));
  EXPECT_FALSE(iniciar(fresh, "wrong"));
  EXPECT_EQ(errorRecord(fresh), "-1 |-1 ");
  EXPECT_TRUE(iniciar(fresh));
  EXPECT_TRUE(fresh.ApiTermina());
  EXPECT_EQ(errorRecord(fresh), "-1 |-1 ");
}

TEST_F(Facade, OnlyMembersWithAHandlerRenameTheError) {
  BAL_Next fresh;
  EXPECT_EQ(fresh.DataAccess().toObject(), nullptr);
  fresh.DataAccess(automation::Variant(dados));
  auto e = raisedBy([&] { fresh.DataAccess(automation::Variant(fresh.NxtAlloc_Artigos())); });
  EXPECT_EQ(e.numberAndSource(), "13 BAL_Next: DataAccess Property Set");
  EXPECT_EQ(fresh.DataAccess().toObject(), dados);

  e = raisedBy([&] { (void)BAL_Next().MoedaNacional(); });
  EXPECT_EQ(e.numberAndSource(), "91 ");
  e = raisedBy([&] { (void)BAL_Next().TemplateCabecalho(); });
  EXPECT_EQ(e.numberAndSource(), "91 ");

  erpserver::unregisterServer();
  std::vector<std::string> shown;
  auto previous = automation::setMessageBoxHook([&](const std::string& text) { shown.push_back(text); });
  e = raisedBy([&] { (void)iniciar(fresh); });
  automation::setMessageBoxHook(previous);
  EXPECT_EQ(e.numberAndSource(), "91 DAL_Next: ApiInicia");
  EXPECT_EQ(shown, std::vector<std::string>{"Erro não conseguiu carregar nenhuma DLL da ERPAPI"});
}

TEST_F(Facade, AllocatorsHandOutNewServerObjectsWithoutASessionOrNullWithoutTheServer) {
  BAL_Next fresh;
  for (const Allocator& a : kAllocators) {
    automation::ObjectRef first = (fresh.*a.member)();
    ASSERT_NE(first, nullptr) << a.serverClass;
    EXPECT_EQ(first->className(), a.serverClass);
    EXPECT_NE(first, (fresh.*a.member)()) << a.serverClass;
  }
  EXPECT_EQ(errorRecord(fresh), "-1 |-1 ");

  erpserver::unregisterServer();
  int shown = 0;
  auto previous = automation::setMessageBoxHook([&](const std::string&) { ++shown; });
  for (const Allocator& a : kAllocators) EXPECT_EQ((fresh.*a.member)(), nullptr) << a.serverClass;
  automation::setMessageBoxHook(previous);
  EXPECT_EQ(shown, static_cast<int>(std::size(kAllocators)));
}

TEST_F(Facade, TwoFacadesShareNothingButTheServersSession) {
  BAL_Next other;
  other.DataAccess(automation::Variant(dados));
  ASSERT_TRUE(iniciar(other));
  bal->LigacaoCtb(true);
  EXPECT_FALSE(other.LigaContabilidade());

  // Each worker holds its own session object: ending one leaves the other working.
  EXPECT_TRUE(bal->ApiTermina());
  EXPECT_EQ(other.MoedaNacional(), "EUR");
  EXPECT_EQ(raisedBy([&] { (void)bal->MoedaNacional(); }).number, 91);
  other.DataAccess(automation::Variant::nothing());
  EXPECT_EQ(bal->DataAccess().toObject(), dados);
}

}  // namespace
}  // namespace testing_support
