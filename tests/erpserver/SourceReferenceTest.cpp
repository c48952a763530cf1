#include <gtest/gtest.h>

#include <limits>

#include "documents/NxDocComercial.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::Currency;

class SourceReferences : public ErpTest {
 protected:
  // An invoice through the array insert with `processo`; the facade's error when refused.
  std::string arrayInsert(const std::string& processo, qvd::KeyDocumNext& key) {
    LineArrays a({{"A001", 1}});
    bool ok = bal->CF_DocGenInserir(qvd::NaoAplicavel, qvd::tpDefault, "FA", "", 1, "C001", processo, "",
                                    "15-03-2024", "", "A1", false, "", a.sArtigo, a.sNome, a.dQuant, a.dPrUnit,
                                    a.sNotas, key);
    return ok ? "ok" : balError();
  }

  // An invoice from the record-set templates with PROCESSO `processo`.
  std::string recordsetInsert(const std::string& processo, qvd::KeyDocumNext& key) {
    auto docs = bal->TemplateCabecalho(), linhas = bal->TemplateLinhas(), lotes = bal->TemplateLotes();
    docs->AddNew();
    setFields(*docs, {{"TPDOC", "FA"}, {"SERIE", int16_t{1}}, {"TERCEIRO", "C001"}, {"DATA", "15-03-2024"},
                      {"PROCESSO", processo}});
    linhas->AddNew();
    setFields(*linhas, {{"ARTIGO", "A001"}, {"ARMAZEM", "A1"}, {"QUANT", 1.0}, {"PRUNIT", 1.0}});
    qvd::NextError erro{-1, {}};
    return bal->Inserir(qvd::NaoIndicado, docs, linhas, lotes, key, erro)
               ? "ok"
               : std::to_string(erro.lUltimoErro) + " " + erro.sTextoErro;
  }

  // An invoice as a document object with Processo `processo`.
  std::string objectInsert(const std::string& processo) {
    auto doc = bal->NxtDocComercialCriar();
    auto cab = doc->Cab();
    cab->TipoDocumento = "FA";
    cab->Serie = 1;
    cab->Terceiro = "C001";
    cab->Data = "15-03-2024";
    cab->Processo = processo;
    doc->Linhas()->Add("A1", "A001", Currency::fromDouble(1), Currency::fromDouble(1));
    if (doc->Inserir()) return "ok";
    int32_t numero = 0;
    std::string texto;
    doc->UltimoErro(numero, texto);
    return std::to_string(numero) + " " + texto;
  }
};

// Each way a C++ caller creates a document gives the same protection: a source reference ('#...'
// in Processo) goes in once, the second attempt is refused naming the document that has it, and
// nothing of the refused one is stored. An ordinary process code may repeat.
TEST_F(SourceReferences, ASourceReferenceIsTakenOnceWhateverTheWayIn) {
  qvd::KeyDocumNext first, again;
  ASSERT_EQ(arrayInsert("#SHOP:77", first), "ok");
  double stockAfterFirst = stock("A001");
  std::string holder = "FA 1/2024 n.º " + std::to_string(first.lNumDoc);
  std::string refused = "1023 A referência de origem '#SHOP:77' já foi lançada no documento " + holder;
  EXPECT_EQ(arrayInsert("#SHOP:77", again), refused);
  EXPECT_EQ(recordsetInsert("#SHOP:77", again), refused);
  EXPECT_EQ(objectInsert("#SHOP:77"), refused);
  EXPECT_EQ(number("SELECT COUNT(*) FROM DOCGCCAB"), 1);
  EXPECT_DOUBLE_EQ(stock("A001"), stockAfterFirst);

  // Letter case makes another reference; so does another source.
  EXPECT_EQ(recordsetInsert("#shop:77", again), "ok");
  EXPECT_EQ(objectInsert("#WEB:77"), "ok");
  EXPECT_EQ(arrayInsert("OF-2024-1", again), "ok");
  EXPECT_EQ(arrayInsert("OF-2024-1", again), "ok");
  EXPECT_EQ(number("SELECT COUNT(*) FROM DOCGCCAB"), 5);
}

// A manual number that leaves the series nowhere to go is refused before anything moves; the
// highest one allowed is taken, the series numbers once more, and the next automatic number is
// refused in the server's own words rather than with the database's constraint text.
TEST_F(SourceReferences, ManualNumbersLeaveTheSeriesRoomToNumberOn) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  insertInvoice({{"A001", 1}});
  ASSERT_EQ(counter("FA"), "1");

  auto manual = [&](int32_t numero) {
    automation::ObjectRef doc = novaFatura();
    automation::propPut(automation::propGet(doc, "Cab").toObject(), "NossoNoDocumento", numero);
    return verdict(doc, "Inserir");
  };
  EXPECT_EQ(manual(kMax), "1024 O número 2147483647 não deixa à série FA 1/2024 espaço para numerar mais: o maior "
                          "número manual é 2147483646");
  EXPECT_EQ(counter("FA"), "1");
  EXPECT_EQ(manual(kMax - 1), "0 ");
  EXPECT_EQ(counter("FA"), std::to_string(kMax - 1));
  EXPECT_EQ(manual(5), "0 ");
  EXPECT_EQ(counter("FA"), std::to_string(kMax - 1)) << "a counter never goes back";

  EXPECT_EQ(verdict(novaFatura(), "Inserir"), "0 ");
  EXPECT_EQ(counter("FA"), std::to_string(kMax));
  EXPECT_EQ(verdict(novaFatura(), "Inserir"), "1024 A série FA 1/2024 já não tem números livres");
  EXPECT_EQ(number("SELECT COUNT(*) FROM DOCGCCAB"), 4);
}

}  // namespace
}  // namespace testing_support
