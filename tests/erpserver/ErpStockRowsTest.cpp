#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

// A document changes each article's stock row once, with the sum of its lines in that warehouse;
// what entered and what left are still counted apart, and the article's total follows.
TEST_F(ErpServerTest, LinesOfOneArticleAndWarehouseMoveItsStockRowTogether) {
  startSession();
  auto row = [this](const char* article, const char* warehouse) {
    return rows(std::string("SELECT EXISTENC, QTDENT, QTDSID FROM ARTARM WHERE ARTIGO = '") + article +
                "' AND ARMAZEM = '" + warehouse + "'");
  };
  const std::string available = "SELECT STDISP FROM ARTIGOS WHERE CODIGO = 'A001'";
  DocBuilder exit("GR", 1, "C001");
  exit.line("A001", "A1", 3).line("P001", "A1", 1).line("A001", "A1", -2).line("A001", "A2", 4);
  ASSERT_EQ(exit.inserir(), 0) << exit.message();
  EXPECT_EQ(row("A001", "A1"), Rows{"99|102|3"});  // 100 - 3 + 2: two in, three out
  EXPECT_EQ(row("A001", "A2"), Rows{"46|50|4"});
  EXPECT_EQ(row("P001", "A1"), Rows{"9|10|1"});
  EXPECT_EQ(scalar(available), "145");

  // Removing the document moves every line back the other way.
  ASSERT_EQ(invoke(exit.doc, "Remover").toLong(), 0) << exit.message();
  EXPECT_EQ(row("A001", "A1"), Rows{"100|105|5"});
  EXPECT_EQ(scalar(available), "150");
}

// A supplier entry prices each line on the stock the lines before it left, whatever the
// warehouse, and the last line of an article sets its last cost.
TEST_F(ErpServerTest, SupplierEntryAveragesEachLineOnTheStockBeforeIt) {
  startSession();
  DocBuilder entry("GEF", 1, "F001");
  entry.line("A001", "A1", 50, 0.6).line("P001", "A1", 1, 93).line("A001", "A2", 100, 0.9);
  ASSERT_EQ(entry.inserir(), 0) << entry.message();
  // A001: 150 at 0.2, then 50 at 0.6 (200 at 0.3), then 100 at 0.9; P001: 12 at 80, then 1 at 93.
  auto cost = [this](const char* article) {
    return rows(std::string("SELECT round(CAST(ULTPMP AS NUMERIC), 6), ULTPRC, STDISP FROM ARTIGOS WHERE CODIGO = '") +
                article + "'");
  };
  EXPECT_EQ(cost("A001"), Rows{"0.5|0.9|300"});
  EXPECT_EQ(cost("P001"), Rows{"81|93|13"});
}

}  // namespace
}  // namespace testing_support
