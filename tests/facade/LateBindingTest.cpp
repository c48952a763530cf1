// Each public class called by name gives what the same call gives early-bound:
// the result, the by-reference values written back and the raised error.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "documents/NxDocComercial.hpp"
#include "facade/ClassRegistration.hpp"
#include "foundation/RecordVariants.hpp"
#include "foundation/cDocLotes.hpp"
#include "masterdata/NxArtigo.hpp"
#include "oplog/LogErrosApi.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/Members.hpp"
#include "support/ErpFixture.hpp"

namespace {

using automation::Variant;
using automation::VariantArray;
using testing_support::raisedBy;
using testing_support::RaisedError;

// What one call left behind, as text: result, by-reference values, error.
struct Outcome {
  std::string result;
  std::vector<std::string> byRef;
  RaisedError error;
};

std::string text(const Variant &v) {
  if (v.isObject()) {
    auto o = v.toObject();
    if (!o) return "Nothing";
    if (auto r = std::dynamic_pointer_cast<automation::Record>(o)) {
      std::string out = r->typeName() + "{";
      for (const auto &[name, value] : r->fields()) out += name + "=" + text(value) + ";";
      return out + "}";
    }
    return o->className();
  }
  return v.typeName() + ":" + v.toString();
}

// A late-bound call of `member` on `object` with `args`, the by-reference ones
// read back.
Outcome late(const automation::ObjectRef &object, const std::string &member, std::vector<Variant> args,
             std::vector<int> byRef = {}) {
  Outcome o;
  o.error = raisedBy([&] { o.result = text(automation::invokeRef(object, member, args)); });
  for (int i : byRef) o.byRef.push_back(text(args[static_cast<std::size_t>(i)]));
  return o;
}

Outcome early(const std::function<Variant(std::vector<Variant> &)> &call) {
  Outcome o;
  std::vector<Variant> byRef;
  o.error = raisedBy([&] { o.result = text(call(byRef)); });
  for (const auto &v : byRef) o.byRef.push_back(text(v));
  return o;
}

void expectSame(const std::string &what, const Outcome &e, const Outcome &l) {
  SCOPED_TRACE(what);
  EXPECT_EQ(e.result, l.result);
  EXPECT_EQ(e.byRef, l.byRef);
  EXPECT_EQ(e.error.text(), l.error.text());
}

Variant array(int32_t lower, std::initializer_list<Variant> items) {
  return Variant(std::make_shared<VariantArray>(lower, items));
}

class LateBindingTest : public testing_support::ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    qvd::registerClasses();
  }
  void TearDown() override {
    qvd::unregisterClasses();
    ErpTest::TearDown();
  }

  // A manually numbered invoice of A001 x qty through CF_DocGenInserir, early
  // or late; the early one is cancelled afterwards so that the late one finds
  // the same number free.
  Outcome insert(bool lateBound, const std::string &article, const Variant &serie) {
    if (lateBound) {
      auto key = qvd::newRecord("KeyDocumNext");
      key->set("iAno", Variant(int16_t{-1}));
      key->set("lNumDoc", Variant(int32_t{700}));
      automation::ObjectRef object = automation::createObject("QuarvelVaroDav.BAL_Next");
      automation::propPut(object, "DataAccess", Variant(dados));
      automation::invoke(object, "ApiInicia", location, logFolder().string(), company, erpserver::kDemoUser,
                         erpserver::kDemoPassword);
      automation::invoke(object, "TransaccaoIniciar");
      Outcome o =
          late(object, "CF_DocGenInserir",
               {Variant(int32_t{qvd::NaoAplicavel}), Variant(int32_t{qvd::tpDefault}), "FA", "S1", serie, "C001",
                "PR-1", "VN-1", "15-03-2024", "", "A1", false, "", array(0, {"", article}), array(0, {"", ""}),
                array(0, {0.0, 2.0}), array(0, {0.0, 0.0}), array(0, {"", ""}), Variant(key)},
               {18});
      automation::invoke(object, "TransaccaoCancelar");
      o.byRef.push_back(text(automation::propGet(object, "ErroNumero")));
      return o;
    }
    return early([&](std::vector<Variant> &byRef) {
      automation::SafeArray<std::string> artigos(0, {"", article}), nomes(0, {"", ""}), notas(0, {"", ""});
      automation::SafeArray<double> quantidades(0, {0.0, 2.0}), precos(0, {0.0, 0.0});
      qvd::KeyDocumNext key;
      key.iAno = -1;
      key.lNumDoc = 700;
      bal->TransaccaoIniciar();
      bool done = bal->CF_DocGenInserir(qvd::NaoAplicavel, qvd::tpDefault, "FA", "S1", serie.toInteger(), "C001",
                                        "PR-1", "VN-1", "15-03-2024", "", "A1", false, "", artigos, nomes, quantidades,
                                        precos, notas, key);
      bal->TransaccaoCancelar();
      byRef.push_back(qvd::toVariant(key));
      byRef.push_back(Variant(bal->ErroNumero()));
      return Variant(done);
    });
  }
};

TEST_F(LateBindingTest, DocumentInsertAnswersAsEarlyBound) {
  // A stored invoice, an ERP refusal (unknown article) and a run-time error
  // (series that is no number).
  for (const char *article : {"A001", "NOPE"}) {
    Outcome e = insert(false, article, Variant(int16_t{1}));
    Outcome l = insert(true, article, Variant(int16_t{1}));
    expectSame(article, e, l);
  }
  EXPECT_FALSE(exists(qvd::KeyDocumNext{2024, "FA", 1, 700})) << "both inserts were cancelled";
  // The dispatch names the member and the argument it could not take.
  Outcome wrongType = insert(true, "A001", Variant("um"));
  EXPECT_EQ(wrongType.error.text(), "13 BAL_Next: CF_DocGenInserir: Type mismatch in argument 5 of CF_DocGenInserir: "
                                    "a String where an Integer is wanted");
  EXPECT_EQ(wrongType.error.argument, 5);
}

TEST_F(LateBindingTest, FacadeMembersAnswerAsEarlyBound) {
  automation::ObjectRef object = automation::createObject("QuarvelVaroDav.BAL_Next");
  automation::propPut(object, "DataAccess", Variant(dados));
  EXPECT_TRUE(automation::invoke(object, "ApiInicia", location, logFolder().string(), company,
                                 erpserver::kDemoUser, erpserver::kDemoPassword)
                  .toBool());

  expectSame("error pair by reference", early([&](std::vector<Variant> &byRef) {
               int32_t number = 0;
               std::string description = "x";
               bal->UltimoErro(number, description);
               byRef.push_back(Variant(number));
               byRef.push_back(Variant(description));
               return Variant();
             }),
             late(object, "UltimoErro", {Variant(int32_t{0}), "x"}, {0, 1}));
  EXPECT_EQ(automation::propGet(object, "MoedaNacional").toString(), bal->MoedaNacional());

  // What no early-bound caller can get wrong, placed at the member (and the argument).
  EXPECT_EQ(late(object, "ErroNumero", {}).result, "Long:-1");
  EXPECT_EQ(raisedBy([&] { automation::propPut(object, "ErroNumero", Variant(1)); }).numberAndSource(),
            "438 BAL_Next: ErroNumero");
  EXPECT_EQ(raisedBy([&] { automation::propGet(object, "UsaLogOstrel"); }).numberAndSource(),
            "438 BAL_Next: UsaLogOstrel");
  EXPECT_EQ(raisedBy([&] { automation::propPut(object, "UsaLogOstrel", Variant("talvez")); }).argument, 1);

  // Objects come back late-bound, and what is put through them is the early-bound object's.
  automation::ObjectRef doc = automation::invoke(object, "NxtDocComercialCriar").toObject();
  automation::propPut(automation::propGet(doc, "Cab").toObject(), "Terceiro", Variant("C001"));
  EXPECT_EQ(std::dynamic_pointer_cast<qvd::NxDocComercial>(doc)->Cab()->Terceiro, "C001");
}

TEST_F(LateBindingTest, CollectionsAndPlainObjectsAnswerAsEarlyBound) {
  qvd::colLotes early1;
  auto lateLots = automation::createObject("QuarvelVaroDav.colLotes");
  early1.Add("A001", 2, "L1", "V1", "k");
  late(lateLots, "Add", {"A001", 2.0, "L1", "V1", "k"});
  late(lateLots, "Add", {"A002", 3.0, "L3", ""});
  EXPECT_EQ(automation::propGet(lateLots, "Count").toLong(), 2);
  EXPECT_EQ(automation::propGet(automation::propGet(lateLots, "Item", Variant("K")).toObject(), "Lote").toString(),
            "L1");
  expectSame("missing item", early([&](std::vector<Variant> &) { return Variant(early1.Item(Variant(9))); }),
             late(lateLots, "Item", {Variant(9)}));

  auto docLots = automation::createObject("QuarvelVaroDav.cDocLotes");
  EXPECT_TRUE(automation::invoke(docLots, "SetLotesDaLinha", Variant(3), Variant(lateLots)).toBool());
  EXPECT_EQ(automation::propGet(docLots, "LotesDaLinha", Variant(3)).toObject(), lateLots);
  EXPECT_EQ(automation::propGet(automation::invoke(lateLots, "Item", Variant(2)).toObject(), "Linha").toInteger(), 3);

  auto log = automation::createObject("QuarvelVaroDav.LogErrosApi");
  automation::propPut(log, "ErroNum", Variant("12"));
  EXPECT_EQ(std::dynamic_pointer_cast<qvd::LogErrosApi>(log)->ErroNum(), 12);

  auto article = std::make_shared<qvd::NxArtigo>();
  automation::propPut(article, "UltPrc", Variant(1.23456));
  automation::propPut(article, "dtultc", Variant(automation::Date::fromParts(2024, 3, 15)));
  EXPECT_EQ(article->UltPrc().toDouble(), 1.2346);
  EXPECT_EQ(automation::propGet(article, "DtUltC").toDate(), automation::Date::fromParts(2024, 3, 15));
  EXPECT_FALSE(automation::invoke(article, "Ler", "A001").toBool());

  // Only the creatable classes are made by name.
  EXPECT_EQ(raisedBy([] { automation::createObject("QuarvelVaroDav.NxDocComercialCab"); }).number,
            automation::errnum::CannotCreateObject);
}

// Every member of every creatable class, and of what their members return, takes a late-bound call
// with its arguments left empty: it answers or raises its own error, never one that says the call
// and the member's table disagree, and nothing else escapes.
TEST_F(LateBindingTest, EveryMemberTakesACallWithItsArgumentsLeftEmpty) {
  using namespace automation::errnum;
  std::vector<automation::ObjectRef> objects;
  for (const automation::CreatableClass &made : qvd::creatableClasses()) objects.push_back(made.factory());
  automation::propPut(objects.front(), "DataAccess", Variant(dados));
  automation::invoke(objects.front(), "ApiInicia", location, logFolder().string(), company, erpserver::kDemoUser,
                     erpserver::kDemoPassword);
  std::set<std::string> seen;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!seen.insert(objects[i]->className()).second) continue;
    for (const std::string &name : objects[i]->memberNames()) {
      const automation::MemberInfo *info = objects[i]->describe(name);
      std::vector<Variant> args(info->params.size());
      int32_t number = 0;
      try {
        bool method = info->kind == automation::MemberKind::Method;
        Variant result = method ? objects[i]->call(name, args) : objects[i]->get(name, args);
        if (result.isObject() && result.toObject()) objects.push_back(result.toObject());
      } catch (const automation::AutomationError &e) {
        number = e.number();
      }
      bool writeOnly = number == MemberNotSupported && info->writable;
      EXPECT_TRUE(writeOnly || (number != MemberNotSupported && number != WrongArgumentCount &&
                                number != ArgumentNotOptional && number != NamedArgumentNotFound))
          << objects[i]->className() << "." << name << ": " << number;
    }
  }
  EXPECT_GT(seen.size(), qvd::creatableClasses().size());
}

}  // namespace
