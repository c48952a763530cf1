#include <gtest/gtest.h>

#include <limits>

#include "documents/NxDocComercial.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using SourceReferences = ErpTest;

// A C++ caller gets the protection whether it inserts from the record-set templates or with a
// document object: a source reference ('#...' in Processo) goes in once, a second attempt is
// refused naming the document that has it, and nothing of it is stored. Process codes repeat.
TEST_F(SourceReferences, ASourceReferenceIsTakenOnceWhateverTheWayIn) {
  auto fromRecordsets = [&](const std::string& processo) {
    auto docs = bal->TemplateCabecalho(), linhas = bal->TemplateLinhas(), lotes = bal->TemplateLotes();
    docs->AddNew();
    setFields(*docs, {{"TPDOC", "FA"}, {"SERIE", int16_t{1}}, {"TERCEIRO", "C001"}, {"PROCESSO", processo}});
    linhas->AddNew();
    setFields(*linhas, {{"ARTIGO", "A001"}, {"ARMAZEM", "A1"}, {"QUANT", 1.0}, {"PRUNIT", 1.0}});
    qvd::KeyDocumNext key;
    qvd::NextError erro{-1, {}};
    return bal->Inserir(qvd::NaoIndicado, docs, linhas, lotes, key, erro) ? "ok " + keyText(key)
                                                                          : std::to_string(erro.lUltimoErro) + " " + erro.sTextoErro;
  };
  auto asObject = [&](const std::string& processo) {
    auto doc = bal->NxtDocComercialCriar();
    doc->Cab()->TipoDocumento = "FA";
    doc->Cab()->Serie = 1;
    doc->Cab()->Terceiro = "C001";
    doc->Cab()->Processo = processo;
    doc->Linhas()->Add("A1", "A001", automation::Currency::fromDouble(1), automation::Currency::fromDouble(1));
    int32_t numero = 0;
    std::string texto;
    if (!doc->Inserir()) doc->UltimoErro(numero, texto);
    return std::to_string(numero) + " " + texto;
  };
  std::string year = std::to_string(automation::Date::now().parts().year);
  ASSERT_EQ(fromRecordsets("#SHOP:77"), "ok FA 1/" + year + " 1");
  double stockAfterFirst = stock("A001");
  std::string refused = "1023 A referência de origem '#SHOP:77' já foi lançada no documento FA 1/" + year + " n.º 1";
  EXPECT_EQ(fromRecordsets("#SHOP:77"), refused);
  EXPECT_EQ(asObject("#SHOP:77"), refused);
  EXPECT_DOUBLE_EQ(stock("A001"), stockAfterFirst);

  EXPECT_EQ(asObject("#shop:77"), "0 ");  // letter case makes another reference
  insertInvoice();
  insertInvoice();  // both with the process code PR-1
  EXPECT_EQ(number("SELECT COUNT(*) FROM DOCGCCAB"), 4);
}

// A manual number must leave the series room to number on; the series then numbers up to the
// last number and refuses the next in the server's own words, not the database's constraint text.
TEST_F(SourceReferences, ManualNumbersLeaveTheSeriesRoomToNumberOn) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  auto insert = [&](int32_t numero) {
    automation::ObjectRef doc = novaFatura();
    automation::propPut(automation::propGet(doc, "Cab").toObject(), "NossoNoDocumento", numero);
    return verdict(doc, "Inserir");
  };
  insertInvoice({{"A001", 1}});
  EXPECT_EQ(insert(kMax), "1024 O número 2147483647 não deixa à série FA 1/2024 espaço para numerar mais: o maior "
                          "número manual é 2147483646");
  EXPECT_EQ(counter("FA"), "1");
  EXPECT_EQ(insert(kMax - 1), "0 ");
  EXPECT_EQ(insert(5), "0 ");
  EXPECT_EQ(counter("FA"), std::to_string(kMax - 1)) << "a counter never goes back";
  EXPECT_EQ(insert(0), "0 ");
  EXPECT_EQ(counter("FA"), std::to_string(kMax));
  EXPECT_EQ(insert(0), "1024 A série FA 1/2024 já não tem números livres");
  EXPECT_EQ(number("SELECT COUNT(*) FROM DOCGCCAB"), 4);
}

}  // namespace
}  // namespace testing_support
