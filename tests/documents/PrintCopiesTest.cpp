#include <gtest/gtest.h>

#include "support/ErpFixture.hpp"
#include "support/RecordingDataAccess.hpp"

namespace testing_support {
namespace {

class PrintCopies : public ErpTest {
 protected:
  bool registar(const std::string& utilizador, const std::string& tipo, int32_t numero, int16_t vias) {
    return bal->SetNumVias(true, 555, utilizador, tipo, 2024, 1, numero, vias);
  }
  bool apagar(const std::string& utilizador, const std::string& tipo, int32_t numero) {
    return bal->SetNumVias(false, 555, utilizador, tipo, 2024, 1, numero, 9);
  }
  std::string vias() const {
    return scalar("SELECT GROUP_CONCAT(CHAVE || ' ' || UTILIZ || ' ' || TPDOC || ' ' || ANO || ' ' || SERIE || ' ' || "
                  "NUMDOC || ' ' || NUMVIA, '; ') FROM (SELECT * FROM IMPRESSA ORDER BY rowid)");
  }
};

TEST_F(PrintCopies, EachCopyIsOneRowAndDeletingTakesEveryCopyOfThatUserAndDocument) {
  EXPECT_TRUE(registar("ana", "FA", 7, 3));
  EXPECT_EQ(vias(), "987655 ana FA 2024 1 7 1; 987656 ana FA 2024 1 7 2; 987657 ana FA 2024 1 7 3");
  EXPECT_TRUE(registar("ana", "FA", 7, 0));
  EXPECT_TRUE(registar("rui", "FA", 7, 1));
  EXPECT_TRUE(registar("ana", "FA", 8, 1));
  EXPECT_TRUE(apagar("ana", "FA", 7));
  EXPECT_EQ(vias(), "987655 rui FA 2024 1 7 1; 987655 ana FA 2024 1 8 1");

  // Failures are false, never raised; a table that does not open is nothing to do.
  qvd::BAL_Next semDados;
  EXPECT_FALSE(semDados.SetNumVias(true, 0, "ana", "FA", 2024, 1, 7, 1));
  auto recusa = std::make_shared<RecordingDataAccess>(dados);
  recusa->refuse = [](const std::string&) { return true; };
  bal->DataAccess(automation::Variant(recusa));
  EXPECT_TRUE(registar("ana", "FA", 9, 2));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM IMPRESSA WHERE NUMDOC = 9"), "0");
}

TEST_F(PrintCopies, QuotesInTheUserOrTypeCannotWidenTheDeletion) {
  ASSERT_TRUE(registar("o'neil", "F'A", 7, 1));
  ASSERT_TRUE(registar("ana", "FA", 7, 1));
  EXPECT_TRUE(apagar("ana') OR ('1'='1", "FA", 7));
  EXPECT_TRUE(apagar("ana", "FA') OR ('1'='1", 7));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM IMPRESSA"), "2");
  EXPECT_TRUE(apagar("o'neil", "F'A", 7));
  EXPECT_EQ(vias(), "987655 ana FA 2024 1 7 1");
}

}  // namespace
}  // namespace testing_support
