#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>

#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "reliability/FaultSweep.hpp"
#include "support/DocumentMembers.hpp"
#include "support/RecordingDataAccess.hpp"
#include "support/StockInvariant.hpp"

// The members that change or remove documents that exist, and the consumption return with its
// lot release: each ERP call and each call of the data-access object made to fail in turn, on a
// fresh company. After each run the company holds the old state, the new one, or one of the states
// the member's contract leaves on the way (a removal done, the re-insert not); stock agrees with
// itself; success means the new state, and a failure comes with its error.
namespace testing_support {
namespace {

using erpserver::Faults;
using reliability::Outcome;

struct Case {
  std::string member;
  std::function<void()> setup;
  std::function<Outcome()> run;
  std::vector<std::function<void()>> onTheWay;  // each makes one state the member may stop at
  bool hasResult = true;                          // false: its result does not tell what was done
  std::string source = "BAL_Next: " + member;     // of an error raised on the way; empty: passed through as raised
};

class MaintenanceSweep : public ErpTest {
 protected:
  std::string state() const {
    reliability::RowReader read = [this](const std::string& sql) { return rows(sql); };
    return reliability::documentState(read) + reliability::lotState(read) +
           reliability::tableState(read, "DOCREMOVIDOS", {"TPDOC", "NNUMDOC"}) +
           reliability::tableState(read, "DOCGCLIN", {"TPDOCUM", "NNUMDOC", "NUMLINHA", "PRUNIT"}) +
           reliability::tableState(read, "DOCGCCAB", {"TPDOC", "NNUMDOC", "CONVERTIDO"}) +
           reliability::tableState(read, "IMPRESSA", {"TPDOC", "NUMDOC", "UTILIZ", "NUMVIA"});
  }

  void fresh(const Case& c) {
    TearDown();
    SetUp();
    c.setup();
    recorder = std::make_shared<RecordingDataAccess>(dados);
    bal->DataAccess(Variant(recorder));
  }

  Outcome reported(bool result) const { return {result, bal->ErroNumero(), bal->ErroDescricao()}; }
  static Outcome withRecord(bool result, const qvd::NextError& e) { return {result, e.lUltimoErro, e.sTextoErro}; }

  std::vector<Case> cases() {
    auto removeFirst = [this] { ASSERT_TRUE(bal->RemoverDocumento(qvd::NaoAplicavel, first)); };
    auto removeSecond = [this] { ASSERT_TRUE(bal->RemoverDocumento(qvd::NaoAplicavel, second)); };
    auto oneInvoice = [this] { first = insertInvoice({{"A001", 2}, {"P001", 3}}); };
    return {
        {"CF_DocGenAlterar", oneInvoice,
         [this] {
           LineArrays a({{"A001", 5}});
           qvd::KeyDocumNext key = first;
           return reported(bal->CF_DocGenAlterar(qvd::NaoAplicavel, "FA", "S1", 1, "C001", "", "", "15-03-2024", "",
                                                 "A1", a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, key));
         },
         {removeFirst}},
        {"CF_DocGenRemover", oneInvoice,
         [this] {
           qvd::NextError e{-1, {}};
           qvd::KeyDocumNext key = first;
           return withRecord(bal->CF_DocGenRemover(qvd::NaoAplicavel, key, e), e);
         },
         {}},
        {"RemoverDocumento", oneInvoice,
         [this] {
           qvd::KeyDocumNext key = first;
           return reported(bal->RemoverDocumento(qvd::NaoAplicavel, key));
         },
         {}},
        {"DocGenClonarComo", oneInvoice,
         [this] {
           qvd::KeyDocumNext key = first, copy{0, "FA", 2, 0};
           return reported(bal->DocGenClonarComo(qvd::Finalizado, key, copy, "20-03-2024"));
         },
         {}},
        {"MarcarTotalmenteConvertido", oneInvoice,
         [this] {
           qvd::NextError e{-1, {}};
           qvd::KeyDocumNext key = first;
           return withRecord(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, key, e), e);
         },
         {},
         true,
         ""},
        {"MF_ActualizarPrcCustoMedio", oneInvoice,
         [this] {
           auto rs = orderMovements({{"A001", first}});
           automation::Currency cost = automation::Currency::fromDouble(7.25);
           return reported(bal->MF_ActualizarPrcCustoMedio(qvd::Finalizado, rs, cost));
         },
         {}},
        {"TransaccaoCancelar",
         [this] {
           bal->TransaccaoIniciar();
           first = insertInvoice({{"A001", 2}});
           second = insertInvoice({{"P001", 1}});
         },
         [this] {
           bal->TransaccaoCancelar();
           return reported(true);
         },
         {removeFirst, removeSecond},
         false,
         "DAL_Next: DocNextRemover"},
        // Its result does not follow the data-access object's answers: a refused save is still true.
        {"SetNumVias", oneInvoice,
         [this] { return reported(bal->SetNumVias(true, 1, "admin", "FA", 2024, 1, first.lNumDoc, 2)); },
         {},
         false},
        {"EP_MovDevolucaoSaidaDeConsumoCriar", [] {},
         [this] {
           Texts sArt = texts({"A002"});
           Numbers dQuant = numbers({2});
           qvd::KeyDocumNext key;
           auto lots = oneLot(1, "A002", "L-A002-1", 2);
           qvd::TipificacaoTransf setting = movementSetting();
           std::string process = "PRC-9";
           return reported(bal->EP_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, setting, process, sArt, dQuant,
                                                                    lots, key));
         },
         {}},
    };
  }

  std::shared_ptr<RecordingDataAccess> recorder;
  qvd::KeyDocumNext first, second;
};

TEST_F(MaintenanceSweep, EveryFailingCallLeavesAStateTheMemberAllows) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.member);
    std::vector<std::string> allowed;
    for (const auto& stop : c.onTheWay) {
      fresh(c);
      stop();
      allowed.push_back(state());
    }
    fresh(c);
    std::string before = state();
    startJournal();
    Outcome done = c.run();
    erpserver::Journal::enable(false);
    ASSERT_TRUE(done.result) << done.text;
    std::string after = state();
    ASSERT_NE(after, before);
    allowed.push_back(before);
    allowed.push_back(after);
    std::vector<reliability::PlannedCall> erpCalls = reliability::planOf(erpserver::Journal::entries()).calls;
    std::vector<std::string> dataCalls = recorder->sql;

    int injected = 0;
    auto judge = [&](const std::string& where, const std::function<void()>& inject) {
      fresh(c);
      inject();
      Outcome outcome;
      RaisedError raised = raisedBy([&] { outcome = c.run(); });
      Faults::clear();
      std::string now = state();
      ++injected;
      EXPECT_NE(std::find(allowed.begin(), allowed.end(), now), allowed.end()) << where << " left:\n" << now;
      EXPECT_EQ(stockInvariantBreaches([this](const std::string& sql) { return scalar(sql); }), "") << where;
      // A removal whose read fails reports false and leaves the error record alone: nothing changed.
      if (raised.number != 0) {
        EXPECT_FALSE(raised.description.empty()) << where;
        if (!c.source.empty()) {
          EXPECT_EQ(raised.source, c.source) << where;
        }
      } else if (outcome.result && c.hasResult) {
        EXPECT_EQ(now, after) << where << ": true without the new state";
      } else if (!outcome.result) {
        EXPECT_TRUE(!outcome.text.empty() || now == before) << where << ": false without the error";
      }
    };
    for (const reliability::PlannedCall& call : erpCalls) {
      std::string where = call.className + "." + call.member + " #" + std::to_string(call.nth);
      if (call.action)
        judge("refusal at " + where,
              [&] { Faults::returnCode(call.className, call.member, call.nth, 4711, "Recusa simulada"); });
      judge("error at " + where,
            [&] { Faults::raiseError(call.className, call.member, call.nth, 1004, "Falha simulada"); });
    }
    // The data-access object refuses its call `at`, or raises there, before the call runs.
    for (std::size_t at = 0; at < dataCalls.size(); ++at)
      for (bool raise : {false, true})
        judge((raise ? "error at " : "refusal at ") + dataCalls[at], [&] {
          recorder->refuse = [at, raise, count = std::size_t{0}](const std::string&) mutable {
            if (count++ != at) return false;
            if (raise) automation::raise(1005, "Falha simulada na base de dados");
            return true;
          };
        });
    std::cout << "[ SWEEP    ] " << c.member << ": " << erpCalls.size() << " ERP calls, " << dataCalls.size()
              << " data-access calls, " << injected << " faults injected\n";
  }
}

}  // namespace
}  // namespace testing_support
