#pragma once

// An object of another component, reached through its IDispatch by member name.
#include <oaidl.h>

#include <map>
#include <string>

#include "platform/Object.hpp"

namespace automation::com {

class ForeignObject : public Object {
 public:
  explicit ForeignObject(IDispatch* dispatch);  // takes a reference of its own
  ~ForeignObject() override;

  std::string className() const override;
  Variant get(std::string_view member, std::span<Variant> args) override;
  void put(std::string_view member, const Variant& value) override;
  Variant call(std::string_view member, std::span<Variant> args) override;

  IDispatch* dispatch() const noexcept { return dispatch_; }

 private:
  DISPID idOf(std::string_view member);
  Variant invoke(std::string_view member, WORD flags, std::span<Variant> args, const Variant* putValue);

  IDispatch* dispatch_;
  std::map<std::string, DISPID> ids_;  // folded name -> id, as the object answered
};

// The platform's error for a failed IDispatch call: the callee's number, source and text.
[[noreturn]] void raiseFailure(HRESULT hr, EXCEPINFO& info, std::string_view member);

}  // namespace automation::com
