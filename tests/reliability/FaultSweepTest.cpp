#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "reliability/FaultSweep.hpp"
#include "support/BalTestAccess.hpp"
#include "support/ErpFixture.hpp"
#include "support/ErrorOf.hpp"
#include "support/StockInvariant.hpp"

// Every document and movement member of the facade, run once to list its ERP calls, then again
// on a fresh company with a refusal and then a raised error injected at each call in turn. After
// each run the database holds the whole document or none of it, the member reports the ERP's
// refusal by false or the raised error with its own source, and the switches are as the member's
// contract leaves them.
namespace reliability {

void PrintTo(const Scenario& s, std::ostream* out) { *out << s.member; }

namespace {

using erpserver::Faults;
using erpserver::Journal;

constexpr int32_t kRefusal = 4711;
constexpr int32_t kRaised = 1004;

enum class Fault { Refusal, Raise };

struct Attempt {
  Outcome outcome;
  testing_support::RaisedError raised;
  std::vector<erpserver::JournalEntry> journal;
  bool lineSwitches[4] = {};
  bool link = false;
  std::string document;
  std::string lots;
  std::string accounting;
  std::string stockBreaches;
};

class FaultSweep : public testing_support::ErpTest, public ::testing::WithParamInterface<Scenario> {
 protected:
  // The company database as the run left it.
  void readState(Attempt& r) {
    RowReader read = [this](const std::string& sql) { return rows(sql); };
    r.document = documentState(read);
    r.lots = lotState(read);
    r.accounting = accountingState(read);
    r.stockBreaches = testing_support::stockInvariantBreaches([this](const std::string& sql) { return scalar(sql); });
  }

  // Runs the member with every switch on; `inject` arms the fault after the arguments are built.
  Attempt attempt(const std::function<void()>& inject) {
    for (auto set : {&qvd::BAL_Next::UsaDescricao, &qvd::BAL_Next::UsaPrecoUnitario, &qvd::BAL_Next::UsaDescontoLinha,
                     &qvd::BAL_Next::UsaDescontoLinhaComposto})
      (bal.get()->*set)(true);
    bal->LigaContabilidade(GetParam().booked);
    std::function<Outcome()> call = GetParam().prepare(*bal);
    Faults::clear();
    inject();
    testing_support::startJournal();
    Attempt r;
    r.raised = testing_support::raisedBy([&] { r.outcome = call(); });
    Journal::enable(false);
    r.journal = Journal::entries();
    Faults::clear();
    const qvd::DAL_Next& dal = qvd::BAL_NextTestAccess::worker(*bal);
    r.lineSwitches[0] = dal.UsaDescricao();
    r.lineSwitches[1] = dal.UsaPrecoUnitario();
    r.lineSwitches[2] = dal.UsaDescontoLinha();
    r.lineSwitches[3] = dal.UsaDescontoLinhaComposto();
    r.link = bal->LigaContabilidade();
    readState(r);
    return r;
  }

  void freshCompany() {
    TearDown();
    SetUp();
  }

  // What went wrong with the run that had `fault` at call `at`; empty when it survived.
  std::vector<std::string> violations(const Attempt& r, Fault fault, std::size_t at) const {
    std::vector<std::string> found;
    auto check = [&found](bool ok, const std::string& what) {
      if (!ok) found.push_back(what);
    };
    const PlannedCall& target = plan.calls[at];
    check(r.journal.size() > at && r.journal[at].className == target.className &&
              r.journal[at].member == target.member &&
              (fault == Fault::Raise ? r.journal[at].error == kRaised
                                     : r.journal[at].result == automation::Variant(kRefusal)),
          "the fault did not land on its call");

    const Scenario& s = GetParam();
    bool raised = r.raised.number != 0;
    bool whole = r.document == committed.document, none = r.document == before.document;
    bool booked = r.accounting == committed.accounting, unbooked = r.accounting == before.accounting;
    check(whole || none, "the database holds part of the document:\n" + r.document);
    check(r.stockBreaches.empty(), "the stock disagrees with itself: " + r.stockBreaches);
    check(booked || unbooked, "the database holds part of the accounting entry:\n" + r.accounting);
    check(unbooked || whole, "an accounting entry without its document");
    // The server moves the lots with the document, a return's release included.
    check(r.lots == (whole ? committed.lots : before.lots), "the lots do not follow the document:\n" + r.lots);
    bool complete = whole && booked;

    if (raised) {
      bool finalizing = at >= plan.finalization && at <= plan.finalizationEnd;
      std::string source = finalizing ? s.finalizationSource : s.source;
      check(fault == Fault::Raise, "a refusal raised " + r.raised.description);
      check(r.raised.number == kRaised && r.raised.description == "Falha simulada" && r.raised.source == source,
            "raised " + std::to_string(r.raised.number) + " '" + r.raised.description + "' from '" + r.raised.source +
                "', expected the injected error from '" + source + "'");
    } else if (r.outcome.result) {
      check(complete, "true without the whole document and its accounting entry");
    } else {
      auto decisive = [at](const std::vector<std::size_t>& verdicts) {
        return std::find(verdicts.begin(), verdicts.end(), at) != verdicts.end();
      };
      bool decisiveRefusal =
          fault == Fault::Refusal && (decisive(plan.documentVerdicts) || decisive(plan.accountingVerdicts));
      check(r.outcome.number != -1 && !r.outcome.text.empty(), "false without the ERP's error");
      if (decisiveRefusal)
        check(r.outcome.number == kRefusal && r.outcome.text == "Recusa simulada",
              "false with '" + r.outcome.text + "' in place of the refusal's text");
      if (decisiveRefusal && decisive(plan.documentVerdicts)) check(none, "a refused document was stored");
      if (decisiveRefusal && decisive(plan.accountingVerdicts)) check(whole && unbooked, "a refused entry was stored");
    }

    // The line switches go back to false once the line loop is over; the accounting request
    // is consumed by the finalization unless an error interrupts it before the link is read.
    bool linesDone = s.resetsSwitches && !(raised && at <= plan.lastLine);
    for (bool on : r.lineSwitches) check(on == !linesDone, linesDone ? "a line switch left on" : "a line switch reset");
    check(r.link == (raised && at < plan.linkRead), "the accounting request is " + std::string(r.link ? "on" : "off"));
    return found;
  }

  CallPlan plan;
  Attempt before, committed;
};

TEST_P(FaultSweep, EveryCallFailingLeavesAWholeDocumentOrNone) {
  readState(before);
  committed = attempt([] {});
  ASSERT_EQ(committed.raised.number, 0) << committed.raised.description;
  ASSERT_TRUE(committed.outcome.result) << committed.outcome.text;
  ASSERT_NE(committed.document, before.document);
  ASSERT_EQ(committed.accounting != before.accounting, GetParam().booked);
  plan = planOf(committed.journal);

  int injected = 0, survived = 0;
  for (std::size_t at = 0; at < plan.calls.size(); ++at) {
    const PlannedCall& call = plan.calls[at];
    for (Fault fault : {Fault::Refusal, Fault::Raise}) {
      if (fault == Fault::Refusal && !call.action) continue;
      freshCompany();
      Attempt r = attempt([&] {
        if (fault == Fault::Refusal)
          Faults::returnCode(call.className, call.member, call.nth, kRefusal, "Recusa simulada");
        else
          Faults::raiseError(call.className, call.member, call.nth, kRaised, "Falha simulada");
      });
      ++injected;
      std::vector<std::string> wrong = violations(r, fault, at);
      if (wrong.empty()) ++survived;
      for (const std::string& what : wrong)
        ADD_FAILURE() << (fault == Fault::Raise ? "error" : "refusal") << " at call " << at << " (" << call.className
                      << "." << call.member << " #" << call.nth << "): " << what;
    }
  }
  std::cout << "[ SWEEP    ] " << GetParam().member << ": " << plan.calls.size() << " calls, " << injected
            << " faults injected, " << survived << " survived\n";
}

// A stock write that goes astray inside the ERP is caught by the ERP itself: a member whose
// document moves lots reports the refusal and nothing of the document stays; one whose document
// moves none stores it as before.
TEST_P(FaultSweep, AWriteLeavingStockOtherThanItsLotsIsNeverStored) {
  readState(before);
  committed = attempt([] {});
  ASSERT_TRUE(committed.outcome.result) << committed.outcome.text;
  bool movesLots = committed.lots != before.lots;
  freshCompany();
  for (const std::string& sql : testing_support::stockSkewStatements(onServer()))
    ASSERT_TRUE(dados->ExecutarSQL("", sql)) << sql;
  Attempt r = attempt([] {});
  EXPECT_EQ(r.raised.number, 0) << r.raised.description;
  EXPECT_EQ(r.stockBreaches, "");
  if (movesLots) {
    EXPECT_FALSE(r.outcome.result);
    EXPECT_EQ(r.outcome.number, 1060) << r.outcome.text;
    EXPECT_EQ(r.document, before.document);
    EXPECT_EQ(r.lots, before.lots);
  } else {
    EXPECT_TRUE(r.outcome.result) << r.outcome.text;
    EXPECT_EQ(r.document, committed.document);
  }
}

INSTANTIATE_TEST_SUITE_P(Members, FaultSweep, ::testing::ValuesIn(scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.member; });

}  // namespace
}  // namespace reliability
