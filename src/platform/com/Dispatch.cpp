// A generic IDispatch over the library's objects: names to DISPIDs through the object's member
// list, arguments and results as VARIANTs, raised errors as EXCEPINFO.
#ifdef _WIN32
#include "platform/com/Dispatch.hpp"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/AutomationError.hpp"
#include "platform/DataAccessContract.hpp"
#include "platform/Members.hpp"
#include "platform/Record.hpp"
#include "platform/Text.hpp"
#include "platform/com/ComValue.hpp"
#include "platform/com/DualInterface.hpp"
#include "platform/com/ForeignObject.hpp"
#include "platform/com/NativeObject.hpp"
#include "platform/com/WideText.hpp"

namespace automation::com {
namespace {

HMODULE ownModule = nullptr;

// Objects that list no members (collections, record sets) answer names they alone know: those
// get ids from one table for the whole process, above the ids a member list gives.
constexpr DISPID kFirstFreeId = 0x10000;
std::mutex namesMutex;
std::vector<std::string> freeNames;
std::unordered_map<std::string, DISPID> freeIds;

DISPID freeIdOf(const std::string& name) {
  std::lock_guard lock(namesMutex);
  auto [it, added] = freeIds.emplace(text::foldCase(name), kFirstFreeId + static_cast<DISPID>(freeNames.size()));
  if (added) freeNames.push_back(name);
  return it->second;
}

std::string freeNameOf(DISPID id) {
  std::lock_guard lock(namesMutex);
  auto slot = static_cast<std::size_t>(id - kFirstFreeId);
  return slot < freeNames.size() ? freeNames[slot] : std::string();
}

// The one live IDispatch of each object, so that an object handed out twice is the same object
// to the caller (a script's Is compares the pointers).
std::mutex wrappersMutex;
std::unordered_map<const Object*, IDispatch*> wrappers;

// The HRESULT a caller's runtime turns into the error `number`.
HRESULT resultOf(int32_t number) {
  if (number > 0 && number <= 0xFFFF) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
  return number < 0 ? static_cast<HRESULT>(number) : E_FAIL;
}

class Dispatch final : public IDispatch, public INativeObject, public ISupportErrorInfo {
 public:
  explicit Dispatch(ObjectRef object) : object_(std::move(object)), names_(object_->memberNames()) {
    wrappers[object_.get()] = this;  // under wrappersMutex, held by dispatchOf
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else if (IsEqualIID(riid, IID_INativeObject))
      *out = static_cast<INativeObject*>(this);
    else if (IsEqualIID(riid, IID_ISupportErrorInfo))
      *out = static_cast<ISupportErrorInfo*>(this);
    else if (dualLayout() && IsEqualIID(riid, dualIid_))
      *out = &view_;
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    std::unique_lock lock(wrappersMutex);
    ULONG left = --references_;
    if (left == 0) {
      wrappers.erase(object_.get());
      lock.unlock();
      delete this;
    }
    return left;
  }

  // A new reference, unless the last one is being released.
  bool addRefIfAlive() {
    ULONG n = references_.load();
    while (n != 0)
      if (references_.compare_exchange_weak(n, n + 1)) return true;
    return false;
  }

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override {
    return dualLayout() && IsEqualIID(riid, dualIid_) ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE Native(HMODULE* module, const ObjectRef** object) override {
    *module = ownModule;
    *object = &object_;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = typeInfo() ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = index == 0 ? typeInfo() : nullptr;
    if (!*out) return DISP_E_BADINDEX;
    (*out)->AddRef();
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    HRESULT hr = S_OK;
    try {
      std::string name = narrow(names[0]);
      ids[0] = idOf(name);
      if (ids[0] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    } catch (...) {
      ids[0] = DISPID_UNKNOWN;
      hr = DISP_E_UNKNOWNNAME;
    }
    // A named argument's id is its parameter's position, from 0.
    const MemberInfo* info = ids[0] == DISPID_UNKNOWN ? nullptr : object_->describe(nameOf(ids[0]));
    for (UINT i = 1; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      try {
        std::string name = narrow(names[i]);
        for (std::size_t p = 0; info && p < info->paramNames.size(); ++p)
          if (text::equalsIgnoringCase(info->paramNames[p], name)) ids[i] = static_cast<DISPID>(p);
      } catch (...) {
        // a name that is no text is no parameter's
      }
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT* argErr) override {
    std::string member = nameOf(id);
    if (member.empty()) return DISP_E_MEMBERNOTFOUND;
    UINT named = params ? params->cNamedArgs : 0;
    UINT total = params ? params->cArgs : 0;
    bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (isPut && (named > 1 || (named == 1 && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)))
      return DISP_E_NONAMEDARGS;
    // Positional arguments come last to first, after the named ones; arguments left out at the
    // end are dropped. `slots` keeps where each argument came from, for what goes back.
    UINT positional = total - named;
    std::vector<Variant> args(positional);
    std::vector<UINT> slots(positional);
    for (UINT i = 0; i < positional; ++i) {
      slots[i] = total - 1 - i;
      try {
        args[i] = toVariant(params->rgvarg[slots[i]]);
      } catch (...) {
        if (argErr) *argErr = slots[i];
        return DISP_E_TYPEMISMATCH;
      }
    }
    while (!args.empty() && V_VT(&params->rgvarg[slots[args.size() - 1]]) == VT_ERROR &&
           params->rgvarg[slots[args.size() - 1]].scode == DISP_E_PARAMNOTFOUND)
      args.pop_back();
    slots.resize(args.size());
    std::vector<std::pair<std::size_t, Variant>> byName;
    for (UINT k = 0; !isPut && k < named; ++k) {
      if (params->rgdispidNamedArgs[k] < 0) return DISP_E_PARAMNOTFOUND;
      try {
        byName.emplace_back(static_cast<std::size_t>(params->rgdispidNamedArgs[k]), toVariant(params->rgvarg[k]));
      } catch (...) {
        if (argErr) *argErr = k;
        return DISP_E_TYPEMISMATCH;
      }
    }
    try {
      Variant answer;
      if (!byName.empty()) {
        args = placeArguments(std::move(args), byName, object_->className(), member, object_->describe(member));
        slots.resize(args.size());
        for (UINT k = 0; k < named; ++k) slots[byName[k].first] = k;
      }
      if (isPut) {
        if (named != 1 || !args.empty()) return DISP_E_BADPARAMCOUNT;
        object_->put(member, toVariant(params->rgvarg[0]));
      } else if ((flags & DISPATCH_METHOD) && !((flags & DISPATCH_PROPERTYGET) && isProperty(member))) {
        // A script host asks for both when it reads `x = o.Name`: a property is read, not called.
        answer = object_->call(member, args);
      } else {
        answer = object_->get(member, args);
      }
      // Only what the member takes by reference goes back: a script passes its variables by
      // reference whatever the member declares.
      if (const MemberInfo* info = object_->describe(member))
        for (UINT i = 0; i < args.size() && i < info->params.size(); ++i)
          if (info->params[i] == ParamKind::ByRef) storeByRef(args[i], params->rgvarg[slots[i]]);
      if (result) toVARIANT(answer, *result);
      return S_OK;
    } catch (...) {
      return report(currentError(), member, info, argErr, total);
    }
  }

 private:
  bool isProperty(const std::string& member) const {
    const MemberInfo* info = object_->describe(member);
    return info && info->kind == MemberKind::Property;
  }

  // The class's dual interface, when the type library declares one this layer can serve.
  const DualLayout* dualLayout() {
    if (!dualTried_) {
      dualTried_ = true;
      if (ITypeInfo* info = typeInfo())
        if (const DualLayout* layout = dualLayoutOf(info, dualIid_)) initDualView(view_, this, layout);
    }
    return view_.layout;
  }

  // With the type library, the interface named after the class with a leading underscore.
  ITypeInfo* typeInfo() {
    if (!typeInfo_ && typeLibrary()) {
      // A dual interface has two descriptions of one name: the dispatch one is the caller's.
      std::wstring name = widen("_" + object_->className());
      ITypeInfo* infos[2] = {};
      MEMBERID members[2] = {};
      USHORT found = 2;
      if (SUCCEEDED(typeLibrary()->FindName(name.data(), 0, infos, members, &found)))
        for (USHORT i = 0; i < found; ++i) {
          TYPEATTR* attr = nullptr;
          if (!typeInfo_ && SUCCEEDED(infos[i]->GetTypeAttr(&attr))) {
            if (attr->typekind == TKIND_DISPATCH) {
              typeInfo_ = infos[i];
              typeInfo_->AddRef();
            }
            infos[i]->ReleaseTypeAttr(attr);
          }
          infos[i]->Release();
        }
    }
    return typeInfo_;
  }

  // Members listed by the object take their place in the list, from 1, as the type library
  // numbers them; the collection's Item is also its value.
  DISPID idOf(const std::string& name) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
      if (text::equalsIgnoringCase(names_[i], name)) return static_cast<DISPID>(i + 1);
    if (!names_.empty() && !dynamic_cast<const Record*>(object_.get())) return DISPID_UNKNOWN;
    return freeIdOf(name);
  }

  std::string nameOf(DISPID id) const {
    if (id >= 1 && static_cast<std::size_t>(id) <= names_.size()) return names_[static_cast<std::size_t>(id - 1)];
    if (id == DISPID_VALUE) return "Item";
    return id >= kFirstFreeId ? freeNameOf(id) : std::string();
  }

  // A platform error without a source of its own is the call's own failure (a wrong member,
  // count or argument) and goes back as such; every other error as the exception it is, with the
  // position of the argument at fault among the `total` the caller passed, last first.
  HRESULT report(const AutomationError& e, const std::string& member, EXCEPINFO* info, UINT* argErr,
                 UINT total) const {
    if (argErr && e.argument() > 0 && static_cast<UINT>(e.argument()) <= total)
      *argErr = total - static_cast<UINT>(e.argument());
    // An argument that does not convert is the caller's mistake, told as the runtime tells it
    // (which argument it was is not known here).
    if (e.source().empty() && e.number() == errnum::TypeMismatch) return DISP_E_TYPEMISMATCH;
    if (e.source().empty() && e.number() == errnum::Overflow) return DISP_E_OVERFLOW;
    if (e.source().empty() && e.number() == errnum::MemberNotSupported) return DISP_E_MEMBERNOTFOUND;
    if (e.source().empty() && e.number() == errnum::WrongArgumentCount) return DISP_E_BADPARAMCOUNT;
    if (!info) return resultOf(e.number());
    *info = EXCEPINFO{};
    std::string source = e.source().empty() ? object_->className() + "." + member : e.source();
    info->bstrSource = toBstr(source);
    info->bstrDescription = toBstr(e.description());
    info->scode = resultOf(e.number());
    return DISP_E_EXCEPTION;
  }

  std::atomic<ULONG> references_{1};
  ObjectRef object_;
  std::vector<std::string> names_;
  ITypeInfo* typeInfo_ = nullptr;
  DualView view_{};
  IID dualIid_{};
  bool dualTried_ = false;

  ~Dispatch() {
    if (typeInfo_) typeInfo_->Release();
  }
};

}  // namespace

void setModule(HMODULE module) { ownModule = module; }
HMODULE module() { return ownModule; }

IDispatch* dispatchOf(const ObjectRef& object) {
  if (!object) return nullptr;
  if (auto foreign = std::dynamic_pointer_cast<ForeignObject>(object)) {
    foreign->dispatch()->AddRef();
    return foreign->dispatch();
  }
  std::lock_guard lock(wrappersMutex);
  auto it = wrappers.find(object.get());
  if (it != wrappers.end() && static_cast<Dispatch*>(it->second)->addRefIfAlive()) return it->second;
  return new Dispatch(object);
}

ObjectRef objectOf(IDispatch* dispatch) {
  INativeObject* native = nullptr;
  if (SUCCEEDED(dispatch->QueryInterface(IID_INativeObject, reinterpret_cast<void**>(&native)))) {
    HMODULE maker = nullptr;
    const ObjectRef* object = nullptr;
    native->Native(&maker, &object);
    // Another module's data-access object is used through its C++ contract, as the library's
    // own; every other object of another module is called late-bound, as any component is.
    ObjectRef own = maker == ownModule || std::dynamic_pointer_cast<qvd::IDataAccess>(*object) ? *object : nullptr;
    native->Release();
    if (own) return own;
  }
  return std::make_shared<ForeignObject>(dispatch);
}

}  // namespace automation::com
#endif
