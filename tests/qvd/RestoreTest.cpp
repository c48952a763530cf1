#include <gtest/gtest.h>

#include "QvdProgram.hpp"
#include "support/DocumentMembers.hpp"
#include "support/StockInvariant.hpp"

namespace testing_support {
namespace {

class Restore : public ErpTest {
 protected:
  // The document as stored, and the stock of everything it moves.
  std::string state(const qvd::KeyDocumNext& key) const {
    std::string text;
    for (const std::string& sql :
         {"SELECT TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, VNUMDOC, OBSERV, ORIGEM, TOTDOC FROM DOCGCCAB WHERE NNUMDOC = " +
              std::to_string(key.lNumDoc),
          std::string("SELECT NUMLINHA, ARTIGO, ARMAZEM, DESCR, QUANT, PRUNIT, TOTLIN FROM DOCGCLIN ORDER BY NUMLINHA"),
          std::string("SELECT NUMLINHA, CODLOT, ARMAZEM, QUANT FROM LOTEMOVS"),
          std::string("SELECT ARTIGO, ARMAZEM, EXISTENC FROM ARTARM ORDER BY 1, 2"),
          std::string("SELECT CODLOTE, ARMAZEM, QTDENT - QTDSID FROM ARTLOT ORDER BY 1, 2")})
      for (const std::string& row : rows(sql)) text += row + "\n";
    return text;
  }
  qvdtest::Outcome qvd(const std::string& verb, const qvd::KeyDocumNext& key) const {
    return qvdtest::qvd(folder, {verb, location, key.sTpDoc, std::to_string(key.iSerie), std::to_string(key.iAno),
                                 std::to_string(key.lNumDoc), "--company", company});
  }
};

// An alteration whose new contents the ERP refuses has removed the document already; the ERP's
// archive keeps it, and restoring it brings back its header, lines, lots and stock.
TEST_F(Restore, ADocumentLostToAFailedAlterationComesBackWhole) {
  DocumentArgs a;
  a.sArtigo = texts({"A001", "A002"});
  a.oLotes = oneLot(2, "A002", "L-A002-1", 3);
  ASSERT_TRUE(call(*bal, Member::DocGenInserirMultiArm, a)) << balError();
  const std::string before = state(a.key);

  LineArrays refused({{"Z404", 1}});
  qvd::KeyDocumNext key = a.key;
  ASSERT_FALSE(bal->CF_DocGenAlterar(qvd::NaoAplicavel, "FA", "S1", 1, "C001", "", "", "15-03-2024", "", "A1",
                                     refused.sArtigo, refused.sNome, refused.dQuant, refused.dPrUnit, refused.sNotas,
                                     key));
  ASSERT_FALSE(exists(a.key));

  qvdtest::Outcome shown = qvd("show", a.key);
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(shown.out.rfind("REMOVED on ", 0), 0u) << shown.out;
  EXPECT_NE(shown.out.find(" by admin (qvd restore puts it back)"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("L-A002-1"), std::string::npos) << shown.out;

  qvdtest::Outcome restored = qvd("restore", a.key);
  EXPECT_EQ(restored.exitCode, 0) << restored.out << restored.err;
  EXPECT_EQ(state(a.key), before);
  EXPECT_EQ(stockInvariantBreaches([this](const std::string& sql) { return scalar(sql); }), "");

  // Once back, it is not restored over itself.
  qvdtest::Outcome again = qvd("restore", a.key);
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("exists; nothing was restored"), std::string::npos) << again.err;
}

}  // namespace
}  // namespace testing_support
