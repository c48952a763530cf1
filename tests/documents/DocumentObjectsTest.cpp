#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "documents/NxDocComercial.hpp"
#include "erpserver/testhooks/Faults.hpp"
#include "platform/Date.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::Currency;
using qvd::NxDocComercial;

Currency money(double value) { return Currency::fromDouble(value); }

std::string erroDe(const NxDocComercial& doc) {
  int32_t numero = 0;
  std::string texto = "x";
  doc.UltimoErro(numero, texto);
  return std::to_string(numero) + " " + texto;
}

TEST(DocumentObjects, ANewDocumentHasTodaysHeaderAndLinesKeyedByCountPlusOne) {
  auto doc = qvd::BAL_Next().NxtDocComercialCriar();
  EXPECT_EQ(erroDe(*doc), "-1 ");
  auto cab = doc->Cab();
  EXPECT_EQ(cab->Moeda, "EUR");
  EXPECT_EQ(cab->TipoPreco, 1);
  EXPECT_EQ(cab->Data, automation::Date::now().format("dd-mm-yyyy"));
  for (const std::string& data : {cab->DataVencimento, cab->DataDescarga, cab->DataCarga, cab->DataAprovacao})
    EXPECT_EQ(data, cab->Data);

  auto linhas = doc->Linhas();
  auto primeira = linhas->Add("A1", "ART1", money(2.5), money(3));
  linhas->Add("A1", "ART2", money(1), money(1), 5);
  linhas->Add("A1", "ART3", money(1), money(1));
  EXPECT_EQ(primeira->NumeroDaLinha, 1);
  EXPECT_EQ(primeira->Factor, money(1));
  EXPECT_EQ(linhas->Item(Variant("3")), linhas->Item(Variant(int32_t{3})));
  EXPECT_EQ(linhas->Item(Variant("5"))->Artigo, "ART2");
  // Count + 1 is 4 now, then 4 again after a removal: the collection refuses the second.
  linhas->Add("A1", "ART4", money(1), money(1));
  linhas->Remove(Variant("1"));
  EXPECT_EQ(errorOf([&] { linhas->Add("A1", "ART5", money(1), money(1)); }), automation::errnum::DuplicateKey);
  EXPECT_EQ(linhas->Count(), 3);
}

class DocumentObjectsOnTheErp : public ErpTest {
 protected:
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
};

TEST_F(DocumentObjectsOnTheErp, BuildInsertReadBackAndRemove) {
  double a001 = stock("A001"), p001 = stock("P001", "A2");
  auto doc = novo();
  startJournal();
  ASSERT_TRUE(doc->Inserir()) << erroDe(*doc);
  EXPECT_EQ(putsOn("CabecDoc"),
            (std::vector<std::string>{"Ano", "Data", "DataAprovacao", "DataCarga", "DataDescarga", "DataVencimento",
                                      "DescontoCabecalho", "DescontoCabValor", "HoraCarga", "HoraDescarga", "LocalCarga",
                                      "LocalDescarga", "Moeda", "NossoNoDocumento", "NumeroContribuinte", "Observacoes",
                                      "Processo", "Sector", "Serie", "Terceiro", "TipoDocumento", "TipoPreco",
                                      "Vendedor", "VossoNoDocumento", "IvaIncluido"}));
  EXPECT_EQ(putsOn("DocumentoComercial"), (std::vector<std::string>{"Origem"}));
  std::vector<std::string> calls = accessesOn("DocumentoComercial");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "AdicionaLinha"), 2);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SugereValoresLin"), 0);

  qvd::KeyDocumNext chave{2024, "FA", 1, doc->Cab()->NossoNumeroDocumento};
  EXPECT_EQ(doc->Cab()->Ano, 0);  // not refreshed from the ERP
  EXPECT_EQ(linesOf(chave), (Rows{"1|A001|Parafuso M6|10|2|0", "2|P001|Mesa de pinho|20.5|1|0"}));
  EXPECT_EQ(ofDocument("ORIGEM || OBSERV", "DOCGCCAB", chave), "2Por objeto");
  EXPECT_EQ(stock("A001"), a001 - 2);
  EXPECT_EQ(stock("P001", "A2"), p001 - 1);

  NxDocComercial lido;
  ASSERT_TRUE(lido.Ler("FA", chave.lNumDoc, 1, 2024));
  EXPECT_EQ(erroDe(lido), "-1 ");
  auto cab = lido.Cab();
  EXPECT_EQ(cab->Ano, 2024);
  EXPECT_EQ(cab->NossoNumeroDocumento, chave.lNumDoc);
  EXPECT_EQ(cab->Terceiro + " " + cab->Data + " " + cab->Observacoes, "C001 15-03-2024 Por objeto");
  EXPECT_EQ(cab->Origem, qvd::NaoIndicado);
  ASSERT_EQ(lido.Linhas()->Count(), 2);
  auto segunda = lido.Linhas()->Item(Variant("2"));
  EXPECT_EQ(segunda->Artigo + " " + segunda->Armazem, "P001 A2");
  EXPECT_EQ(segunda->PrecoUnitario, money(20.5));
  EXPECT_EQ(segunda->TaxaIVA, money(23));

  // Removing goes by the header as the caller holds it: year 0 names no document.
  EXPECT_FALSE(doc->Remover());
  EXPECT_EQ(erroDe(*doc), "1010 O documento FA 1/0 n.º " + std::to_string(chave.lNumDoc) + " não existe");
  EXPECT_TRUE(exists(chave));
  doc->Cab()->Ano = 2024;
  auto cabAntigo = doc->Cab();
  EXPECT_TRUE(doc->Remover());
  EXPECT_FALSE(exists(chave));
  EXPECT_EQ(stock("A001"), a001);
  EXPECT_NE(doc->Cab(), cabAntigo);
  EXPECT_EQ(doc->Linhas()->Count(), 0);
}

TEST_F(DocumentObjectsOnTheErp, RefusalsLeaveTheObjectAndRunTimeErrorsCarryThePublicMembersName) {
  auto doc = novo();
  auto cab = doc->Cab();
  EXPECT_FALSE(doc->Ler("FA", 999, 1, 2024));
  EXPECT_EQ(erroDe(*doc).substr(0, 5), "1010 ");
  EXPECT_EQ(doc->Cab(), cab);
  EXPECT_EQ(doc->Linhas()->Count(), 2);

  erpserver::Faults::raiseError("DocumentoComercial", "Validar", 1, 440, "Servidor ocupado");
  // It raises, so no result comes back.
  RaisedError e = raisedBy([&] { std::ignore = doc->Inserir(); });
  EXPECT_EQ(e.text(), "440 NxDocComercial::Inserir: Servidor ocupado");
  EXPECT_TRUE(doc->Inserir());
  EXPECT_EQ(erroDe(*doc), "-1 ");

  erpserver::Faults::clear();
  erpserver::Faults::raiseError("CabecDoc", "Moeda", 1, 13, "");
  NxDocComercial lido;
  // It raises, so no result comes back.
  EXPECT_EQ(raisedBy([&] { std::ignore = lido.Ler("FA", doc->Cab()->NossoNumeroDocumento, 1, 2024); }).source,
            "NxDocComercial::Ler");
}

}  // namespace
}  // namespace testing_support
