#include "ErpFixture.hpp"

// A document changes each article's stock row once, with the sum of its lines in that warehouse;
// what entered and what left are still counted apart, and the article's total follows.
TEST_F(ErpServerTest, LinesOfOneArticleAndWarehouseMoveItsStockRowTogether) {
  startSession();
  auto row = [this](const char* article, const char* warehouse) {
    return scalar(std::string("SELECT EXISTENC || ' ' || QTDENT || ' ' || QTDSID FROM ARTARM WHERE ARTIGO = '") +
                  article + "' AND ARMAZEM = '" + warehouse + "'");
  };
  DocBuilder exit("GR", 1, "C001");
  exit.line("A001", "A1", 3).line("P001", "A1", 1).line("A001", "A1", -2).line("A001", "A2", 4);
  ASSERT_EQ(exit.inserir(), 0) << exit.message();
  EXPECT_EQ(row("A001", "A1"), "99.0 102.0 3.0");  // 100 - 3 + 2: two in, three out
  EXPECT_EQ(row("A001", "A2"), "46.0 50.0 4.0");
  EXPECT_EQ(row("P001", "A1"), "9.0 10.0 1.0");
  EXPECT_EQ(scalar("SELECT STDISP FROM ARTIGOS WHERE CODIGO = 'A001'"), "145.0");

  // Removing the document moves every line back the other way.
  ASSERT_EQ(invoke(exit.doc, "Remover").toLong(), 0) << exit.message();
  EXPECT_EQ(row("A001", "A1"), "100.0 105.0 5.0");
  EXPECT_EQ(scalar("SELECT STDISP FROM ARTIGOS WHERE CODIGO = 'A001'"), "150.0");
}
