#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/DataAccessContract.hpp"

namespace testing_support {

// A data-access object that hands every operation to `inner` and keeps the SQL texts it was
// given, in order ("GravarRecordset" for a save). `refuse` makes the operations whose text it
// accepts return false without running; `before` runs ahead of every one that reaches `inner`.
class RecordingDataAccess : public qvd::IDataAccess {
 public:
  explicit RecordingDataAccess(std::shared_ptr<qvd::IDataAccess> inner) : inner_(std::move(inner)) {}

  std::vector<std::string> sql;
  std::function<bool(const std::string&)> refuse = [](const std::string&) { return false; };
  std::function<void(const std::string&)> before = [](const std::string&) {};

  bool ExecutarSQL(const std::string& connectionName, const std::string& text) override {
    return pass(text, [&] { return inner_->ExecutarSQL(connectionName, text); });
  }
  bool AbrirRecordsetActualizavel(const automation::Variant& text, automation::db::RecordsetRef& rs, int32_t lockType,
                                  int32_t options) override {
    return pass(text.toString(), [&] { return inner_->AbrirRecordsetActualizavel(text, rs, lockType, options); });
  }
  bool AbrirRecordset(const std::string& connectionName, const std::string& text, automation::db::RecordsetRef& rs,
                      int32_t cursorType, int32_t lockType) override {
    return pass(text, [&] { return inner_->AbrirRecordset(connectionName, text, rs, cursorType, lockType); });
  }
  bool EmTransaccao() const override { return inner_->EmTransaccao(); }
  bool GravarRecordset(const std::string& connectionName, automation::db::RecordsetRef& rs) override {
    return pass("GravarRecordset", [&] { return inner_->GravarRecordset(connectionName, rs); });
  }
  bool CancelarTransaccao() override { return inner_->CancelarTransaccao(); }
  bool ObterLigacao(automation::db::ConnectionRef& connection) override { return inner_->ObterLigacao(connection); }

 private:
  template <class Run>
  bool pass(const std::string& text, Run&& run) {
    sql.push_back(text);
    if (refuse(text)) return false;
    before(text);
    return run();
  }

  std::shared_ptr<qvd::IDataAccess> inner_;
};

}  // namespace testing_support
