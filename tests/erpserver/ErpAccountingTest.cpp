#include "platform/HostSettings.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

TEST_F(ErpServerTest, AccountingEntryOfTheDocumentTotals) {
  startSession();
  auto lines = [this](const std::string& type) {
    return rows("SELECT L.CONTA, L.DEBITO, L.CREDITO FROM MOVCTBLIN L JOIN MOVCTB M ON M.ID = L.ID WHERE M.TPDOC = '" +
                type + "' ORDER BY L.NUMLINHA");
  };
  auto entryOf = [](const DocBuilder& d) {
    ObjectRef entry = erp("DocumentoContabilistico");
    invoke(entry, "DocumentoComercial", d.doc);
    return entry;
  };
  DocBuilder fa("FA", 1, "C001");
  fa.line("A001", "A1", 10);
  ObjectRef entry = entryOf(fa);
  EXPECT_EQ(verdict(entry, "Validar"), "1030 O documento comercial ainda não foi inserido");
  ASSERT_EQ(fa.inserir(), 0) << fa.message();
  ASSERT_EQ(verdict(entry, "Validar"), "0 ");
  ASSERT_EQ(verdict(entry, "Inserir"), "0 ");
  EXPECT_EQ(rows("SELECT DIARIO, DATA, TOTDEB FROM MOVCTB WHERE TPDOC = 'FA' AND NNUMDOC = 1"),
            Rows{"VND|15-05-2024|6.15"});
  EXPECT_EQ(lines("FA"), (Rows{"211C001|6.15|0", "711|0|5", "2433|0|1.15"}));
  EXPECT_EQ(verdict(entry, "Inserir"), "1011 O documento FA 1/2024 n.º 1 já tem lançamento contabilístico");

  // A credit note credits the client; an exempt VAT regime posts no VAT.
  DocBuilder nc("NC", 1, "C002");
  nc.line("A001", "A1", 2, 10.0);
  ASSERT_EQ(nc.inserir(), 0) << nc.message();
  ASSERT_EQ(verdict(entryOf(nc), "Inserir"), "0 ");
  EXPECT_EQ(lines("NC"), (Rows{"211C002|0|20", "711|20|0"}));
  DocBuilder gr("GR", 1, "C001");
  gr.line("A001", "A1", 1);
  ASSERT_EQ(gr.inserir(), 0);
  EXPECT_EQ(verdict(entryOf(gr), "Validar"), "1030 O tipo de documento 'GR' não tem diário contabilístico");

  // Removing a document removes its entry.
  ASSERT_EQ(invoke(stored("FA", 1), "Remover").toLong(), 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MOVCTB WHERE TPDOC = 'FA'"), "0");
}

}  // namespace
}  // namespace testing_support
