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

}  // namespace
}  // namespace testing_support
