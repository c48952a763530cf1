// Dual interfaces served through IDispatch::Invoke.
#ifdef _WIN32
#include "platform/com/DualInterface.hpp"

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace automation::com {

namespace {

constexpr std::size_t kDispatchSlots = 7;  // IUnknown's three and IDispatch's four
constexpr std::size_t kMaxMembers = 384;
constexpr std::size_t kMaxArgs = 40;

}  // namespace

struct DualLayout {
  struct Member {
    MEMBERID id = DISPID_UNKNOWN;
    WORD flags = 0;                // DISPATCH_METHOD, DISPATCH_PROPERTYGET, ...
    std::vector<bool> byRef;       // of the arguments before the result
    bool hasResult = false;
  };
  std::vector<Member> members;  // by vtable slot, from the first after IDispatch's
  std::vector<const void*> vtable;
};

namespace {

DualView* viewOf(void* self) { return static_cast<DualView*>(self); }

HRESULT STDMETHODCALLTYPE viewQueryInterface(void* self, REFIID iid, void** out) {
  return viewOf(self)->owner->QueryInterface(iid, out);
}
ULONG STDMETHODCALLTYPE viewAddRef(void* self) { return viewOf(self)->owner->AddRef(); }
ULONG STDMETHODCALLTYPE viewRelease(void* self) { return viewOf(self)->owner->Release(); }
HRESULT STDMETHODCALLTYPE viewGetTypeInfoCount(void* self, UINT* n) { return viewOf(self)->owner->GetTypeInfoCount(n); }
HRESULT STDMETHODCALLTYPE viewGetTypeInfo(void* self, UINT i, LCID lcid, ITypeInfo** out) {
  return viewOf(self)->owner->GetTypeInfo(i, lcid, out);
}
HRESULT STDMETHODCALLTYPE viewGetIDsOfNames(void* self, REFIID iid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) {
  return viewOf(self)->owner->GetIDsOfNames(iid, names, n, lcid, ids);
}
HRESULT STDMETHODCALLTYPE viewInvoke(void* self, DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* argErr) {
  return viewOf(self)->owner->Invoke(id, iid, lcid, flags, params, result, info, argErr);
}

// A member's call: its arguments into DISPPARAMS (last to first), Invoke, and an exception
// handed on as the error object a vtable caller reads.
HRESULT callMember(DualView* view, std::size_t slot, void* const* args) {
  const DualLayout::Member& m = view->layout->members[slot];
  std::size_t n = m.byRef.size();
  std::vector<VARIANT> rgvarg(n);
  for (std::size_t i = 0; i < n; ++i) {
    VARIANT& v = rgvarg[n - 1 - i];
    if (m.byRef[i]) {
      VariantInit(&v);
      V_VT(&v) = VT_BYREF | VT_VARIANT;
      v.pvarVal = static_cast<VARIANT*>(args[i]);
    } else {
      v = *static_cast<const VARIANT*>(args[i]);  // a shallow copy: the caller keeps ownership
    }
  }
  DISPID putId = DISPID_PROPERTYPUT;
  bool put = m.flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  DISPPARAMS params{rgvarg.data(), put ? &putId : nullptr, static_cast<UINT>(n), put ? 1u : 0u};
  VARIANT* result = m.hasResult ? static_cast<VARIANT*>(args[n]) : nullptr;
  if (result) VariantInit(result);
  EXCEPINFO info{};
  UINT argErr = 0;
  HRESULT hr = view->owner->Invoke(m.id, IID_NULL, LOCALE_USER_DEFAULT, m.flags, &params, result, &info, &argErr);
  if (hr != DISP_E_EXCEPTION) return hr;
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetSource(info.bstrSource);
    create->SetDescription(info.bstrDescription);
    IErrorInfo* error = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error)))) {
      SetErrorInfo(0, error);
      error->Release();
    }
    create->Release();
  }
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  return info.scode ? info.scode : E_FAIL;
}

// The slot's entry: it takes as many pointers as any member has arguments and reads only those
// its member has; the ones past them are never used.
template <std::size_t Slot>
HRESULT STDMETHODCALLTYPE memberSlot(void* self, void* a0, void* a1, void* a2, void* a3, void* a4, void* a5, void* a6, void* a7, void* a8, void* a9, void* a10, void* a11, void* a12, void* a13, void* a14, void* a15, void* a16, void* a17, void* a18, void* a19, void* a20, void* a21, void* a22, void* a23, void* a24, void* a25, void* a26, void* a27, void* a28, void* a29, void* a30, void* a31, void* a32, void* a33, void* a34, void* a35, void* a36, void* a37, void* a38, void* a39) {
  void* const args[kMaxArgs] = {a0, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39};
  return callMember(viewOf(self), Slot, args);
}

template <std::size_t... Slot>
std::array<const void*, sizeof...(Slot)> slotEntries(std::index_sequence<Slot...>) {
  return {reinterpret_cast<const void*>(&memberSlot<Slot>)...};
}

const std::array<const void*, kMaxMembers>& entries() {
  static const auto all = slotEntries(std::make_index_sequence<kMaxMembers>());
  return all;
}

std::unique_ptr<DualLayout> layoutOf(ITypeInfo* vtableInfo) {
  TYPEATTR* attr = nullptr;
  if (FAILED(vtableInfo->GetTypeAttr(&attr))) return nullptr;
  auto layout = std::make_unique<DualLayout>();
  bool ok = true;
  for (UINT f = 0; f < attr->cFuncs && ok; ++f) {
    FUNCDESC* desc = nullptr;
    if (FAILED(vtableInfo->GetFuncDesc(f, &desc))) return nullptr;
    std::size_t slot = static_cast<std::size_t>(desc->oVft) / sizeof(void*);
    if (slot < kDispatchSlots) {
      vtableInfo->ReleaseFuncDesc(desc);
      continue;
    }
    slot -= kDispatchSlots;
    ok = slot < kMaxMembers && static_cast<std::size_t>(desc->cParams) <= kMaxArgs;
    if (ok) {
      if (layout->members.size() <= slot) layout->members.resize(slot + 1);
      DualLayout::Member& m = layout->members[slot];
      m.id = desc->memid;
      m.flags = desc->invkind == INVOKE_FUNC ? DISPATCH_METHOD : static_cast<WORD>(desc->invkind);
      for (SHORT p = 0; p < desc->cParams; ++p) {
        const ELEMDESC& e = desc->lprgelemdescParam[p];
        if (e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL)
          m.hasResult = true;
        else
          m.byRef.push_back(e.tdesc.vt == VT_PTR);
      }
    }
    vtableInfo->ReleaseFuncDesc(desc);
  }
  vtableInfo->ReleaseTypeAttr(attr);
  if (!ok) return nullptr;
  layout->vtable = {reinterpret_cast<const void*>(&viewQueryInterface), reinterpret_cast<const void*>(&viewAddRef),
                    reinterpret_cast<const void*>(&viewRelease), reinterpret_cast<const void*>(&viewGetTypeInfoCount),
                    reinterpret_cast<const void*>(&viewGetTypeInfo), reinterpret_cast<const void*>(&viewGetIDsOfNames),
                    reinterpret_cast<const void*>(&viewInvoke)};
  for (std::size_t i = 0; i < layout->members.size(); ++i) layout->vtable.push_back(entries()[i]);
  return layout;
}

}  // namespace

const DualLayout* dualLayoutOf(ITypeInfo* dispatchInfo, IID& iid) {
  static std::mutex mutex;
  static std::map<std::wstring, std::unique_ptr<DualLayout>> layouts;  // by the interface's IID
  // The dispatch half of a dual interface refers to its vtable half as implemented type -1.
  HREFTYPE ref = 0;
  ITypeInfo* vtableInfo = nullptr;
  if (FAILED(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
      FAILED(dispatchInfo->GetRefTypeInfo(ref, &vtableInfo)))
    return nullptr;
  TYPEATTR* attr = nullptr;
  if (FAILED(vtableInfo->GetTypeAttr(&attr))) {
    vtableInfo->Release();
    return nullptr;
  }
  iid = attr->guid;
  vtableInfo->ReleaseTypeAttr(attr);
  wchar_t key[40];
  StringFromGUID2(iid, key, 40);
  std::lock_guard lock(mutex);
  auto it = layouts.find(key);
  if (it == layouts.end()) it = layouts.emplace(key, layoutOf(vtableInfo)).first;
  vtableInfo->Release();
  return it->second.get();
}

void initDualView(DualView& view, IDispatch* owner, const DualLayout* layout) {
  view.vtable = layout->vtable.data();
  view.owner = owner;
  view.layout = layout;
}

}  // namespace automation::com
#endif
