#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/ObjectFactory.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/MessageBox.hpp"

using automation::ComponentRegistry;

namespace {

// An object that remembers the class name it was created under.
class Made : public automation::Object {
 public:
  explicit Made(std::string progId) : progId_(std::move(progId)) {}
  std::string className() const override { return progId_; }

 private:
  std::string progId_;
};

// Registers test classes and counts message boxes for the length of one test.
class ObjectFactory : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& name : registered_) ComponentRegistry::instance().remove(name);
    automation::setMessageBoxHook(std::move(previousHook_));
  }

  void install(const std::string& progId) {
    registered_.push_back(progId);
    ComponentRegistry::instance().add(progId, [progId] { return std::make_shared<Made>(progId); });
  }

  void installFailing(const std::string& progId) {
    registered_.push_back(progId);
    ComponentRegistry::instance().add(progId, []() -> automation::ObjectRef { automation::raise(7); });
  }

  static std::string madeAs(const automation::ObjectRef& object) { return object ? object->className() : "null"; }

  std::vector<std::string> messages_;
  std::vector<std::string> registered_;
  automation::MessageBoxHook previousHook_ =
      automation::setMessageBoxHook([this](const std::string& text) { messages_.push_back(text); });
};

}  // namespace

TEST_F(ObjectFactory, PrefersThePrimaryPrefixAndFallsBackSilentlyToTheSecond) {
  install("ERPNGCOAPI.QvdTstArtigos");
  install("ErpApiNextPlus.QvdTstArtigos");
  EXPECT_EQ(madeAs(qvd::NxtObjectoCriar("ErpApiNextPlus.QvdTstArtigos")), "ERPNGCOAPI.QvdTstArtigos");
  EXPECT_EQ(madeAs(qvd::NxtObjectoCriar("X.QvdTstArtigos")), "ERPNGCOAPI.QvdTstArtigos");
  EXPECT_NE(qvd::NxtObjectoCriar("X.QvdTstArtigos"), qvd::NxtObjectoCriar("X.QvdTstArtigos"));
  install("ERPNGCOAPI.QvdTst.Lin");  // the class is everything after the first dot
  EXPECT_EQ(madeAs(qvd::NxtObjectoCriar("A.QvdTst.Lin")), "ERPNGCOAPI.QvdTst.Lin");

  install("ErpApiNextPlus.QvdTstClientes");
  EXPECT_EQ(madeAs(qvd::NxtObjectoCriar("ERPNGCOAPI.QvdTstClientes")), "ErpApiNextPlus.QvdTstClientes");
  installFailing("ERPNGCOAPI.QvdTstClientes");
  EXPECT_EQ(madeAs(qvd::NxtObjectoCriar("ErpApiNextPlus.QvdTstClientes")), "ErpApiNextPlus.QvdTstClientes");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ObjectFactory, NoDotIsNullSilentlyAndNeitherPrefixShowsOneMessagePerCallNeverRaising) {
  install("ERPNGCOAPI.QvdTstArtigos");
  EXPECT_EQ(qvd::NxtObjectoCriar("QvdTstArtigos"), nullptr);
  EXPECT_EQ(qvd::NxtObjectoCriar(""), nullptr);
  EXPECT_TRUE(messages_.empty());

  EXPECT_EQ(qvd::NxtObjectoCriar("ErpApiNextPlus."), nullptr);
  EXPECT_EQ(qvd::NxtObjectoCriar("ErpApiNextPlus.QvdTstNada"), nullptr);
  EXPECT_EQ(messages_, (std::vector<std::string>(2, "Erro não conseguiu carregar nenhuma DLL da ERPAPI")));
  automation::setMessageBoxHook([](const std::string&) { throw std::runtime_error("no desktop"); });
  EXPECT_NO_THROW(EXPECT_EQ(qvd::NxtObjectoCriar("ErpApiNextPlus.QvdTstNada"), nullptr));
}
