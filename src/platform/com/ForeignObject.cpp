// Late-bound calls on another component's IDispatch, with its errors raised as the platform's.
#ifdef _WIN32
#include "platform/com/ForeignObject.hpp"

#include <dispex.h>
#include <windows.h>

#include <vector>

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/com/ComValue.hpp"
#include "platform/com/Dispatch.hpp"
#include "platform/com/WideText.hpp"

namespace automation::com {
namespace {

// Not in every SDK's import libraries.
constexpr GUID kIID_IDispatchEx = {0xa6ef9860, 0xc720, 0x11d0, {0x93, 0x37, 0x00, 0xa0, 0xc9, 0x0d, 0xca, 0xa9}};

}  // namespace

ForeignObject::ForeignObject(IDispatch* dispatch) : dispatch_(dispatch) { dispatch_->AddRef(); }

ForeignObject::~ForeignObject() { dispatch_->Release(); }

std::string ForeignObject::className() const {
  ITypeInfo* info = nullptr;
  std::string name = "Object";
  if (SUCCEEDED(dispatch_->GetTypeInfo(0, 0, &info)) && info) {
    BSTR text = nullptr;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &text, nullptr, nullptr, nullptr)) && text) {
      name = fromBstr(text);
      if (name.size() > 1 && name[0] == '_') name.erase(0, 1);
      SysFreeString(text);
    }
    info->Release();
  }
  return name;
}

DISPID ForeignObject::idOf(std::string_view member) {
  std::string key = text::foldCase(member);
  auto it = ids_.find(key);
  if (it != ids_.end()) return it->second;
  std::wstring wide = widen(member);
  DISPID id = DISPID_UNKNOWN;
  // Script engines' own objects may answer names only through IDispatchEx.
  HRESULT hr = E_NOTIMPL;
  IDispatchEx* ex = nullptr;
  if (SUCCEEDED(dispatch_->QueryInterface(kIID_IDispatchEx, reinterpret_cast<void**>(&ex)))) {
    BSTR name = SysAllocString(wide.c_str());
    hr = ex->GetDispID(name, fdexNameCaseInsensitive, &id);
    SysFreeString(name);
    ex->Release();
  }
  if (FAILED(hr)) {
    LPOLESTR names[] = {wide.data()};
    hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  }
  if (FAILED(hr)) raise(errnum::MemberNotSupported, "The object does not support the member " + std::string(member));
  ids_.emplace(std::move(key), id);
  return id;
}

Variant ForeignObject::invoke(std::string_view member, WORD flags, std::span<Variant> args, const Variant* putValue) {
  DISPID id = idOf(member);
  // Arguments go last to first, each by reference to a VARIANT of its own so that the callee
  // may write it; the value of a put comes first, named.
  std::size_t count = args.size() + (putValue ? 1 : 0);
  std::vector<VARIANT> values(count);
  std::vector<VARIANT> refs(count);
  struct Clear {
    std::vector<VARIANT>& v;
    ~Clear() {
      for (VARIANT& x : v) VariantClear(&x);
    }
  } clear{values};
  for (VARIANT& v : values) VariantInit(&v);
  for (std::size_t i = 0; i < args.size(); ++i) toVARIANT(args[i], values[count - 1 - i]);
  if (putValue) toVARIANT(*putValue, values[0]);
  for (std::size_t i = 0; i < count; ++i) {
    VariantInit(&refs[i]);
    V_VT(&refs[i]) = VT_BYREF | VT_VARIANT;
    refs[i].pvarVal = &values[i];
  }
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{refs.data(), putValue ? &putId : nullptr, static_cast<UINT>(count), putValue ? 1u : 0u};
  if (putValue) params.rgvarg = values.data();  // a put's value goes by value
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO info{};
  UINT argErr = 0;
  HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, putValue ? nullptr : &result, &info, &argErr);
  if (hr == DISP_E_MEMBERNOTFOUND && putValue && putValue->isObject() && flags == DISPATCH_PROPERTYPUT)
    hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUTREF, &params, nullptr, &info, &argErr);
  if (FAILED(hr)) raiseFailure(hr, info, member);
  for (std::size_t i = 0; i < args.size(); ++i) args[i] = toVariant(values[count - 1 - i]);
  Variant out = toVariant(result);
  VariantClear(&result);
  return out;
}

Variant ForeignObject::get(std::string_view member, std::span<Variant> args) {
  return invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, nullptr);
}

void ForeignObject::put(std::string_view member, const Variant& value) {
  invoke(member, DISPATCH_PROPERTYPUT, {}, &value);
}

Variant ForeignObject::call(std::string_view member, std::span<Variant> args) {
  return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, nullptr);
}

void raiseFailure(HRESULT hr, EXCEPINFO& info, std::string_view member) {
  switch (hr) {
    case DISP_E_EXCEPTION: {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      std::string source = fromBstr(info.bstrSource);
      std::string description = fromBstr(info.bstrDescription);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
      HRESULT code = info.scode != 0 ? info.scode : static_cast<HRESULT>(info.wCode);
      int32_t number = HRESULT_FACILITY(code) == FACILITY_CONTROL ? HRESULT_CODE(code) : static_cast<int32_t>(code);
      raise(number, std::move(description), std::move(source));
    }
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME: raise(errnum::MemberNotSupported);
    case DISP_E_BADPARAMCOUNT: raise(errnum::WrongArgumentCount);
    case DISP_E_TYPEMISMATCH: raise(errnum::TypeMismatch);
    case DISP_E_OVERFLOW: raise(errnum::Overflow);
    case DISP_E_PARAMNOTOPTIONAL: raise(449, "Argument not optional");
    default:
      if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) raise(HRESULT_CODE(hr));
      raise(static_cast<int32_t>(hr), "Automation error calling " + std::string(member));
  }
}

}  // namespace automation::com
#endif
