#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/testhooks/Faults.hpp"
#include "platform/db/Recordset.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using qvd::DAL_NextTestAccess;
using Members = std::vector<std::string>;

class WorkerSession : public ErpTest {
 protected:
  qvd::DAL_Next dal;
};

TEST_F(WorkerSession, ApiIniciaOpensOneSessionAndKeepsIt) {
  startJournal();
  ASSERT_TRUE(iniciar(dal));
  EXPECT_EQ(journalMembers(), (Members{"BaseNext.PercLOG", "BaseNext.PercIni", "BaseNext.Empresa", "BaseNext.Login",
                                       "BaseNext.PassWord", "BaseNext.Iniciar"}));
  EXPECT_TRUE(dal.TemLigacaoContabilidade());
  EXPECT_EQ(dal.RegimeIVANacional(), "NAC");

  // A second call, whatever its arguments, touches nothing.
  automation::ObjectRef first = DAL_NextTestAccess::oBaseNext(dal);
  startJournal();
  EXPECT_TRUE(dal.ApiInicia("elsewhere", "otherlog", "OTHER", "nobody", "wrong"));
  EXPECT_EQ(journalMembers(), Members{});
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
  startJournal();
  EXPECT_TRUE(dal.ApiTermina());
  EXPECT_EQ(journalMembers(), Members{});
  ASSERT_TRUE(iniciar(dal));
  startJournal();
  EXPECT_TRUE(dal.ApiTermina());
  EXPECT_EQ(journalMembers(), Members{"BaseNext.Terminar"});

  // Without a session the parameter getters fail on the unset object, with no source of theirs.
  EXPECT_EQ(raisedBy([&] { (void)dal.RegimeIVANacional(); }).text(), "91 : Object variable or With block variable not set");
  EXPECT_EQ(raisedBy([&] { (void)dal.TemLigacaoContabilidade(); }).number, 91);
  EXPECT_TRUE(iniciar(dal));
  EXPECT_EQ(dal.MoedaNacional(), "EUR");
}

TEST_F(WorkerSession, RunTimeErrorsLeaveWithTheOperationsName) {
  erpserver::Faults::raiseError("BaseNext", "Iniciar", 1, 440, "servidor em baixo");
  EXPECT_EQ(raisedBy([&] { (void)iniciar(dal); }).text(), "440 DAL_Next: ApiInicia: servidor em baixo");
  erpserver::Faults::clear();
  ASSERT_TRUE(iniciar(dal));
  erpserver::Faults::raiseError("BaseNext", "Terminar", 1, 5, "");
  EXPECT_EQ(raisedBy([&] { (void)dal.ApiTermina(); }).numberAndSource(), "5 DAL_Next: ApiTermina");
}

TEST_F(WorkerSession, DataAccessKeepsOnlyDataAccessObjects) {
  EXPECT_TRUE(dal.DataAccess().isObject());
  EXPECT_EQ(dal.DataAccess().toObject(), nullptr);
  dal.DataAccess(Variant(dados));
  for (const Variant& wrong :
       {Variant(std::make_shared<automation::db::Recordset>()), Variant("DEMO.db"), Variant(int32_t{3})}) {
    EXPECT_EQ(raisedBy([&] { dal.DataAccess(wrong); }).numberAndSource(), "13 DAL_Next: DataAccess Property Set");
    EXPECT_EQ(dal.DataAccess().toObject(), dados);
  }
}

}  // namespace
}  // namespace testing_support
