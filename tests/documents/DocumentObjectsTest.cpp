#include <gtest/gtest.h>

#include "documents/NxDocComercial.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/Date.hpp"
#include "support/ErrorOf.hpp"

namespace {

using automation::Currency;
using automation::Variant;
using qvd::NxDocComercial;
using testing_support::errorOf;

Currency money(double value) { return Currency::fromDouble(value); }

TEST(DocumentObjects, NewDocumentStartsWithoutErrorAndWithTodaysHeader) {
  qvd::BAL_Next facade;
  auto doc = facade.NxtDocComercialCriar();
  ASSERT_TRUE(doc);
  EXPECT_NE(doc, facade.NxtDocComercialCriar());

  int32_t numero = 0;
  std::string texto = "x";
  doc->UltimoErro(numero, texto);
  EXPECT_EQ(numero, -1);
  EXPECT_EQ(texto, "");

  auto cab = doc->Cab();
  EXPECT_EQ(cab->Moeda, "EUR");
  EXPECT_EQ(cab->TipoPreco, 1);
  EXPECT_EQ(cab->Origem, qvd::NaoIndicado);
  EXPECT_EQ(cab->Data, automation::Date::now().format("dd-mm-yyyy"));
  for (const std::string& data : {cab->DataVencimento, cab->DataDescarga, cab->DataCarga, cab->DataAprovacao})
    EXPECT_EQ(data, cab->Data);
  EXPECT_EQ(cab->HoraCarga.size(), 8u);
  EXPECT_EQ(cab->HoraDescarga, cab->HoraCarga);
  EXPECT_EQ(doc->Linhas()->Count(), 0);
}

TEST(DocumentObjects, LinesAreNumberedByCountAndKeyedByTheirNumber) {
  NxDocComercial doc;
  auto linhas = doc.Linhas();
  auto primeira = linhas->Add("A1", "ART1", money(2.5), money(3));
  linhas->Add("A1", "ART2", money(1), money(1));
  linhas->Add("A1", "ART3", money(1), money(1));

  EXPECT_EQ(primeira->NumeroDaLinha, 1);
  EXPECT_EQ(primeira->Armazem, "A1");
  EXPECT_EQ(primeira->PrecoUnitario, money(2.5));
  EXPECT_EQ(primeira->Quantidade, money(3));
  EXPECT_EQ(primeira->Factor, money(1));
  EXPECT_EQ(linhas->Item(Variant("2")), linhas->Item(Variant(int32_t{2})));
  EXPECT_EQ(linhas->Item(Variant("3"))->Artigo, "ART3");

  std::vector<std::string> artigos;
  for (const auto& linha : *linhas) artigos.push_back(linha->Artigo);
  EXPECT_EQ(artigos, (std::vector<std::string>{"ART1", "ART2", "ART3"}));

  linhas->Remove(Variant("1"));
  EXPECT_EQ(linhas->Count(), 2);
  EXPECT_EQ(errorOf([&] { linhas->Item(Variant("1")); }), automation::errnum::InvalidArgument);
}

TEST(DocumentObjects, AnOmittedNumberIsCountPlusOneAndMayCollide) {
  NxDocComercial doc;
  auto linhas = doc.Linhas();
  linhas->Add("A1", "ART1", money(1), money(1), 5);
  EXPECT_EQ(linhas->Add("A1", "ART2", money(1), money(1))->NumeroDaLinha, 2);
  EXPECT_EQ(linhas->Item(Variant("5"))->Artigo, "ART1");

  NxDocComercial outro;
  outro.Linhas()->Add("A1", "ART1", money(1), money(1), 2);
  EXPECT_EQ(errorOf([&] { outro.Linhas()->Add("A1", "ART2", money(1), money(1)); }), automation::errnum::DuplicateKey);
  EXPECT_EQ(outro.Linhas()->Count(), 1);
}

}  // namespace
