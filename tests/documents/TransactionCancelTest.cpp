#include <gtest/gtest.h>

#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using TransactionCancel = ErpTest;

// The numbers of the documents removed since startJournal, in order.
std::vector<int32_t> removidos() {
  std::vector<int32_t> numeros;
  int32_t lido = 0;
  for (const erpserver::JournalEntry& e : erpserver::Journal::entries()) {
    if (e.className != "DocumentoComercial") continue;
    if (e.member == "Ler") lido = e.args[1].toLong();
    if (e.member == "Remover" && e.error == 0) numeros.push_back(lido);
  }
  return numeros;
}

TEST_F(TransactionCancel, RemovesTheDocumentsOfTheTransactionInInsertionOrderAndRestoresStock) {
  qvd::KeyDocumNext antes = insertInvoice({{"P001", 1}});
  double a001 = stock("A001"), p001 = stock("P001");

  bal->TransaccaoIniciar();
  qvd::KeyDocumNext primeiro = insertInvoice({{"A001", 2}});
  qvd::KeyDocumNext segundo = insertInvoice({{"P001", 3}, {"A001", 1}});
  qvd::KeyDocumNext terceiro = insertInvoice({{"A001", 4}});
  ASSERT_EQ(stock("A001"), a001 - 7);

  startJournal();
  bal->TransaccaoCancelar();
  EXPECT_EQ(removidos(), (std::vector<int32_t>{primeiro.lNumDoc, segundo.lNumDoc, terceiro.lNumDoc}));
  for (const auto& chave : {primeiro, segundo, terceiro}) EXPECT_FALSE(exists(chave));
  EXPECT_TRUE(exists(antes));
  EXPECT_EQ(stock("A001"), a001);
  EXPECT_EQ(stock("P001"), p001);

  // The transaction has ended: what comes next is not tracked.
  qvd::KeyDocumNext depois = insertInvoice();
  bal->TransaccaoCancelar();
  EXPECT_TRUE(exists(depois));

  // Starting again drops what the previous start tracked.
  bal->TransaccaoIniciar();
  qvd::KeyDocumNext anterior = insertInvoice();
  bal->TransaccaoIniciar();
  bal->TransaccaoCancelar();
  EXPECT_TRUE(exists(anterior));
}

TEST_F(TransactionCancel, ARemovalThatRaisesStopsTheCancelAndKeepsTheList) {
  bal->TransaccaoIniciar();
  qvd::KeyDocumNext primeiro = insertInvoice({{"A001", 1}});
  qvd::KeyDocumNext segundo = insertInvoice({{"A001", 2}});
  qvd::KeyDocumNext terceiro = insertInvoice({{"A001", 3}});

  erpserver::Faults::raiseError("DocumentoComercial", "Remover", 2, 3001, "Disco cheio");
  RaisedError e = raisedBy([&] { bal->TransaccaoCancelar(); });
  EXPECT_EQ(e.text(), "3001 DAL_Next: DocNextRemover: Disco cheio");
  EXPECT_FALSE(exists(primeiro));
  EXPECT_TRUE(exists(segundo));
  EXPECT_TRUE(exists(terceiro));

  // The list is still there: cancelling again reaches the rest (the first cannot be read and is passed over).
  erpserver::Faults::clear();
  bal->TransaccaoCancelar();
  EXPECT_FALSE(exists(segundo));
  EXPECT_FALSE(exists(terceiro));
}

}  // namespace
}  // namespace testing_support
