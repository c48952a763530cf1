#include <gtest/gtest.h>

#include <algorithm>

#include "documents/NxDocComercial.hpp"
#include "erpserver/Faults.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/Date.hpp"
#include "support/ErpFixture.hpp"

namespace {

using automation::Currency;
using automation::Variant;
using qvd::NxDocComercial;
using testing_support::errorOf;

Currency money(double value) { return Currency::fromDouble(value); }

TEST(DocumentObjects, NewDocumentStartsWithoutErrorAndWithTodaysHeader) {
  qvd::BAL_Next facade;
  auto doc = facade.NxtDocComercialCriar();
  int32_t numero = 0;
  std::string texto = "x";
  doc->UltimoErro(numero, texto);
  EXPECT_EQ(numero, -1);
  EXPECT_EQ(texto, "");
  auto cab = doc->Cab();
  EXPECT_EQ(cab->Moeda, "EUR");
  EXPECT_EQ(cab->TipoPreco, 1);
  EXPECT_EQ(cab->Data, automation::Date::now().format("dd-mm-yyyy"));
  for (const std::string& data : {cab->DataVencimento, cab->DataDescarga, cab->DataCarga, cab->DataAprovacao})
    EXPECT_EQ(data, cab->Data);
  EXPECT_EQ(cab->HoraDescarga, cab->HoraCarga);
}

TEST(DocumentObjects, LinesAreNumberedByCountPlusOneAndKeyedByTheirNumber) {
  NxDocComercial doc;
  auto linhas = doc.Linhas();
  auto primeira = linhas->Add("A1", "ART1", money(2.5), money(3));
  linhas->Add("A1", "ART2", money(1), money(1), 5);
  linhas->Add("A1", "ART3", money(1), money(1));
  EXPECT_EQ(primeira->NumeroDaLinha, 1);
  EXPECT_EQ(primeira->PrecoUnitario, money(2.5));
  EXPECT_EQ(primeira->Factor, money(1));
  EXPECT_EQ(linhas->Item(Variant("3")), linhas->Item(Variant(int32_t{3})));
  EXPECT_EQ(linhas->Item(Variant("5"))->Artigo, "ART2");

  // Count + 1 is 4 now, then 4 again after a removal: the collection refuses the second.
  linhas->Add("A1", "ART4", money(1), money(1));
  linhas->Remove(Variant("1"));
  EXPECT_EQ(errorOf([&] { linhas->Add("A1", "ART5", money(1), money(1)); }), automation::errnum::DuplicateKey);
  std::vector<std::string> artigos;
  for (const auto& linha : *linhas) artigos.push_back(linha->Artigo);
  EXPECT_EQ(artigos, (std::vector<std::string>{"ART2", "ART3", "ART4"}));
}

}  // namespace

namespace testing_support {
namespace {

using automation::Currency;
using automation::Variant;
using qvd::NxDocComercial;

class DocumentObjectsOnTheErp : public ErpTest {
 protected:
  static Currency money(double value) { return Currency::fromDouble(value); }

  std::shared_ptr<NxDocComercial> novo() {
    auto doc = bal->NxtDocComercialCriar();
    auto cab = doc->Cab();
    cab->TipoDocumento = "FA";
    cab->Serie = 1;
    cab->Terceiro = "C001";
    cab->Data = "15-03-2024";
    cab->Observacoes = "Por objeto";
    cab->Origem = qvd::Finalizado;
    doc->Linhas()->Add("A1", "A001", money(10), money(2));
    doc->Linhas()->Add("A2", "P001", money(20.5), money(1));
    return doc;
  }

  static std::pair<int32_t, std::string> erroDe(const NxDocComercial& doc) {
    std::pair<int32_t, std::string> erro;
    doc.UltimoErro(erro.first, erro.second);
    return erro;
  }

};

TEST_F(DocumentObjectsOnTheErp, BuildInsertReadBackAndRemove) {
  double a001 = stock("A001"), p001 = stock("P001", "A2");
  auto doc = novo();
  startJournal();
  ASSERT_TRUE(doc->Inserir()) << erroDe(*doc).second;
  EXPECT_EQ(putsOn("CabecDoc"),
            (std::vector<std::string>{"Ano", "Data", "DataAprovacao", "DataCarga", "DataDescarga", "DataVencimento",
                                      "DescontoCabecalho", "DescontoCabValor", "HoraCarga", "HoraDescarga", "LocalCarga",
                                      "LocalDescarga", "Moeda", "NossoNoDocumento", "NumeroContribuinte", "Observacoes",
                                      "Processo", "Sector", "Serie", "Terceiro", "TipoDocumento", "TipoPreco",
                                      "Vendedor", "VossoNoDocumento", "IvaIncluido"}));
  EXPECT_EQ(putsOn("DocumentoComercial"), (std::vector<std::string>{"Origem"}));
  EXPECT_EQ(putsOn("DocumentosGcLin").size(), 36u);
  std::vector<std::string> calls = accessesOn("DocumentoComercial");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "AdicionaLinha"), 2);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SugereValoresLin"), 0);

  int32_t numero = doc->Cab()->NossoNumeroDocumento;
  qvd::KeyDocumNext chave{2024, "FA", 1, numero};
  EXPECT_GT(numero, 0);
  EXPECT_EQ(doc->Cab()->Ano, 0);  // not refreshed from the ERP
  EXPECT_EQ(linesOf(chave), (Rows{"1|A001|Parafuso M6|10|2|0", "2|P001|Mesa de pinho|20.5|1|0"}));
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", chave), "2");
  EXPECT_EQ(ofDocument("OBSERV", "DOCGCCAB", chave), "Por objeto");
  EXPECT_EQ(stock("A001"), a001 - 2);
  EXPECT_EQ(stock("P001", "A2"), p001 - 1);

  NxDocComercial lido;
  ASSERT_TRUE(lido.Ler("FA", numero, 1, 2024));
  EXPECT_EQ(erroDe(lido).first, -1);
  EXPECT_EQ(lido.Cab()->Ano, 2024);
  EXPECT_EQ(lido.Cab()->NossoNumeroDocumento, numero);
  EXPECT_EQ(lido.Cab()->Terceiro, "C001");
  EXPECT_EQ(lido.Cab()->Data, "15-03-2024");
  EXPECT_EQ(lido.Cab()->Observacoes, "Por objeto");
  EXPECT_EQ(lido.Cab()->Origem, qvd::NaoIndicado);
  EXPECT_FALSE(lido.Cab()->IvaIncluido);
  ASSERT_EQ(lido.Linhas()->Count(), 2);
  auto segunda = lido.Linhas()->Item(Variant("2"));
  EXPECT_EQ(segunda->Artigo, "P001");
  EXPECT_EQ(segunda->Armazem, "A2");
  EXPECT_EQ(segunda->PrecoUnitario, money(20.5));
  EXPECT_EQ(segunda->Quantidade, money(1));
  EXPECT_EQ(segunda->Factor, money(1));
  EXPECT_EQ(segunda->TaxaIVA, money(23));

  // Removing goes by the header as the caller holds it: year 0 names no document.
  EXPECT_FALSE(doc->Remover());
  EXPECT_EQ(erroDe(*doc).first, 1010);
  EXPECT_TRUE(exists(chave));
  doc->Cab()->Ano = 2024;
  auto cabAntigo = doc->Cab();
  EXPECT_TRUE(doc->Remover());
  EXPECT_FALSE(exists(chave));
  EXPECT_EQ(stock("A001"), a001);
  EXPECT_NE(doc->Cab(), cabAntigo);
  EXPECT_EQ(doc->Cab()->TipoDocumento, "");
  EXPECT_EQ(doc->Linhas()->Count(), 0);
}

TEST_F(DocumentObjectsOnTheErp, ARefusedReadLeavesHeaderAndLinesAndTheNextCallStartsWithoutError) {
  auto doc = novo();
  auto cab = doc->Cab();
  EXPECT_FALSE(doc->Ler("FA", 999, 1, 2024));
  EXPECT_EQ(erroDe(*doc).first, 1010);
  EXPECT_EQ(doc->Cab(), cab);
  EXPECT_EQ(doc->Linhas()->Count(), 2);
  EXPECT_TRUE(doc->Inserir());
  EXPECT_EQ(erroDe(*doc), (std::pair<int32_t, std::string>{-1, ""}));
}

TEST_F(DocumentObjectsOnTheErp, RunTimeErrorsCarryThePublicMembersName) {
  erpserver::Faults::raiseError("DocumentoComercial", "Validar", 1, 440, "Servidor ocupado");
  auto doc = novo();
  RaisedError e = raisedBy([&] { doc->Inserir(); });
  EXPECT_EQ(e.number, 440);
  EXPECT_EQ(e.source, "NxDocComercial::Inserir");
  EXPECT_EQ(e.description, "Servidor ocupado");

  ASSERT_TRUE(doc->Inserir());
  erpserver::Faults::clear();
  erpserver::Faults::raiseError("CabecDoc", "Moeda", 1, 13, "");
  NxDocComercial lido;
  EXPECT_EQ(raisedBy([&] { lido.Ler("FA", doc->Cab()->NossoNumeroDocumento, 1, 2024); }).source, "NxDocComercial::Ler");
}

}  // namespace
}  // namespace testing_support
