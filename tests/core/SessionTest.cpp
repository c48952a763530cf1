#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/Faults.hpp"
#include "platform/db/Recordset.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

using qvd::DAL_NextTestAccess;
using testing_support::raisedBy;

namespace {

class WorkerSession : public testing_support::ErpTest {
 protected:
  qvd::DAL_Next dal;
};

}  // namespace

TEST_F(WorkerSession, ApiIniciaOpensOneSessionAndKeepsIt) {
  testing_support::startJournal();
  ASSERT_TRUE(iniciar(dal));
  std::vector<std::string> expected = {"BaseNext.PercLOG", "BaseNext.PercIni",  "BaseNext.Empresa",
                                       "BaseNext.Login",   "BaseNext.PassWord", "BaseNext.Iniciar"};
  EXPECT_EQ(testing_support::journalMembers(), expected) << testing_support::journalText();
  EXPECT_TRUE(dal.TemLigacaoContabilidade());
  EXPECT_EQ(dal.RegimeIVANacional(), "NAC");

  // A second call, whatever its arguments, touches nothing.
  automation::ObjectRef first = DAL_NextTestAccess::oBaseNext(dal);
  testing_support::startJournal();
  EXPECT_TRUE(dal.ApiInicia("elsewhere", "otherlog", "OTHER", "nobody", "wrong"));
  EXPECT_EQ(testing_support::journalMembers(), std::vector<std::string>{}) << testing_support::journalText();
  EXPECT_EQ(DAL_NextTestAccess::oBaseNext(dal), first);
  EXPECT_EQ(DAL_NextTestAccess::sPastaLog(dal), logFolder().string());
}

TEST_F(WorkerSession, UsaLogOstrelIsClearedOnlyBySuccessfulApiInicia) {
  dal.UsaLogOstrel(true);
  EXPECT_FALSE(iniciar(dal, "wrong"));
  EXPECT_TRUE(DAL_NextTestAccess::UsaLogOstrel(dal));
  EXPECT_EQ(DAL_NextTestAccess::oBaseNext(dal), nullptr);
  EXPECT_EQ(DAL_NextTestAccess::sPastaLog(dal), "");

  ASSERT_TRUE(iniciar(dal));
  EXPECT_FALSE(DAL_NextTestAccess::UsaLogOstrel(dal));
  dal.UsaLogOstrel(true);
  EXPECT_TRUE(iniciar(dal));
  EXPECT_TRUE(DAL_NextTestAccess::UsaLogOstrel(dal));
}

TEST_F(WorkerSession, ApiTerminaEndsTheSessionAndWithoutOneCallsNothing) {
  testing_support::startJournal();
  EXPECT_TRUE(dal.ApiTermina());
  EXPECT_EQ(testing_support::journalMembers(), std::vector<std::string>{}) << testing_support::journalText();

  ASSERT_TRUE(iniciar(dal));
  testing_support::startJournal();
  EXPECT_TRUE(dal.ApiTermina());
  EXPECT_EQ(testing_support::journalMembers(), std::vector<std::string>{"BaseNext.Terminar"})
      << testing_support::journalText();

  // Without a session the parameter getters fail on the unset object, with no source of theirs.
  auto e = raisedBy([&] { (void)dal.RegimeIVANacional(); });
  EXPECT_EQ(e.number, 91);
  EXPECT_EQ(e.source, "");
  EXPECT_EQ(raisedBy([&] { (void)dal.TemLigacaoContabilidade(); }).number, 91);
  EXPECT_TRUE(iniciar(dal));
  EXPECT_EQ(dal.MoedaNacional(), "EUR");
}

TEST_F(WorkerSession, RunTimeErrorsLeaveWithTheOperationsName) {
  erpserver::Faults::raiseError("BaseNext", "Iniciar", 1, 440, "servidor em baixo");
  auto e = raisedBy([&] { (void)iniciar(dal); });
  EXPECT_EQ(e.number, 440);
  EXPECT_EQ(e.description, "servidor em baixo");
  EXPECT_EQ(e.source, "DAL_Next: ApiInicia");

  erpserver::Faults::clear();
  ASSERT_TRUE(iniciar(dal));
  erpserver::Faults::raiseError("BaseNext", "Terminar", 1, 5, "");
  e = raisedBy([&] { (void)dal.ApiTermina(); });
  EXPECT_EQ(e.number, 5);
  EXPECT_EQ(e.source, "DAL_Next: ApiTermina");
}

TEST_F(WorkerSession, DataAccessKeepsOnlyDataAccessObjects) {
  EXPECT_TRUE(dal.DataAccess().isObject());
  EXPECT_EQ(dal.DataAccess().toObject(), nullptr);
  dal.DataAccess(automation::Variant(dados));
  EXPECT_EQ(dal.DataAccess().toObject(), dados);

  for (const automation::Variant& wrong : {automation::Variant(std::make_shared<automation::db::Recordset>()),
                                           automation::Variant("DEMO.db"), automation::Variant(int32_t{3})}) {
    auto e = raisedBy([&] { dal.DataAccess(wrong); });
    EXPECT_EQ(e.number, 13);
    EXPECT_EQ(e.source, "DAL_Next: DataAccess Property Set");
    EXPECT_EQ(dal.DataAccess().toObject(), dados);
  }
  dal.DataAccess(automation::Variant::nothing());
  EXPECT_EQ(dal.DataAccess().toObject(), nullptr);
}
