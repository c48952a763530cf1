// A C++ client of the registered component servers that knows nothing of the library but its
// ProgIDs: it finds every type, member and slot in the registered type library. It inserts an
// invoice with CF_DocGenInserir (arrays and a KeyDocumNext by reference) through IDispatch and
// through the dual interface's vtable, and times a late-bound call against a direct one.
// Usage: qvd_com_client COMPANY_FOLDER; prints "N passed, M failed".
#ifdef _WIN32
#include <oaidl.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "facade/BAL_Next.hpp"

namespace {

int passed = 0, failed = 0;

void check(const char* what, bool ok) {
  ok ? ++passed : ++failed;
  if (!ok) std::printf("FAILED: %s\n", what);
}

std::wstring wide(const char* s) { return std::wstring(s, s + std::strlen(s)); }

// A variant array of `type` with bounds 1..n.
SAFEARRAY* array(VARTYPE type, const std::vector<VARIANT>& items) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(items.size()), 1};
  SAFEARRAY* a = SafeArrayCreate(type, 1, &bound);
  for (LONG i = 1; i <= static_cast<LONG>(items.size()); ++i) {
    VARIANT v = items[static_cast<std::size_t>(i - 1)];
    SafeArrayPutElement(a, &i, type == VT_BSTR ? static_cast<void*>(v.bstrVal) : static_cast<void*>(&v.dblVal));
  }
  return a;
}

VARIANT text(const wchar_t* s) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  v.bstrVal = SysAllocString(s);
  return v;
}
VARIANT number(double d) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_R8;
  v.dblVal = d;
  return v;
}
VARIANT integer(VARTYPE type, LONG n) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = type;
  if (type == VT_I2) v.iVal = static_cast<SHORT>(n);
  else if (type == VT_BOOL) v.boolVal = n ? VARIANT_TRUE : VARIANT_FALSE;
  else v.lVal = n;
  return v;
}

// The record's fields as "FA 1/2026 5001".
std::string keyText(IRecordInfo* info, void* key) {
  std::string out;
  for (const wchar_t* field : {L"sTpDoc", L"iSerie", L"iAno", L"lNumDoc"}) {
    VARIANT v;
    VariantInit(&v);
    info->GetField(key, field, &v);
    VariantChangeType(&v, &v, 0, VT_BSTR);
    char buf[64];
    WideCharToMultiByte(CP_UTF8, 0, v.bstrVal, -1, buf, sizeof buf, nullptr, nullptr);
    out += (out.empty() ? "" : " ") + std::string(buf);
    VariantClear(&v);
  }
  return out;
}

// The 19 arguments of CF_DocGenInserir, first to last, for an invoice of one line of A001 from
// warehouse A2 (where the demo company keeps it) under the key's number.
std::vector<VARIANT> invoiceArguments(IRecordInfo* keyInfo, void* key, std::vector<SAFEARRAY*>& arrays) {
  arrays = {array(VT_BSTR, {text(L""), text(L"A001")}), array(VT_BSTR, {text(L""), text(L"")}),
            array(VT_R8, {number(0), number(3)}), array(VT_R8, {number(0), number(1.25)}),
            array(VT_BSTR, {text(L""), text(L"")})};
  std::vector<VARIANT> args = {integer(VT_I4, 0),      integer(VT_I4, 0),   text(L"FA"),     text(L""),
                               integer(VT_I2, 1),      text(L"C001"),       text(L""),       text(L"PO-1"),
                               text(L"05-12-2026"),    text(L""),           text(L"A2"),     integer(VT_BOOL, 0),
                               text(L"")};
  VARTYPE types[] = {VT_BSTR, VT_BSTR, VT_R8, VT_R8, VT_BSTR};
  for (std::size_t i = 0; i < arrays.size(); ++i) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BYREF | VT_ARRAY | types[i];
    v.pparray = &arrays[i];
    args.push_back(v);
  }
  VARIANT k;
  VariantInit(&k);
  V_VT(&k) = VT_BYREF | VT_RECORD;
  k.pRecInfo = keyInfo;
  k.pvRecord = key;
  args.push_back(k);
  return args;
}

void setKey(IRecordInfo* info, void* key, SHORT year, LONG number) {
  VARIANT y = integer(VT_I2, year), n = integer(VT_I4, number);
  info->PutField(INVOKE_PROPERTYPUT, key, L"iAno", &y);
  info->PutField(INVOKE_PROPERTYPUT, key, L"lNumDoc", &n);
}

double nanosPer(int n, const std::chrono::steady_clock::time_point& start) {
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / n;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: qvd_com_client COMPANY_FOLDER\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring folder = wide(argv[1]);
  auto create = [](const wchar_t* progId) {
    CLSID clsid;
    IDispatch* d = nullptr;
    if (SUCCEEDED(CLSIDFromProgID(progId, &clsid)))
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&d));
    return d;
  };
  auto invoke = [](IDispatch* d, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result,
                   UINT* argErr = nullptr) {
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(d->GetIDsOfNames(IID_NULL, names, 1, 0, &id))) return DISP_E_UNKNOWNNAME;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS p{reversed.data(), isPut ? &put : nullptr, static_cast<UINT>(reversed.size()), isPut ? 1u : 0u};
    EXCEPINFO info{};
    UINT err = 0;
    HRESULT hr = d->Invoke(id, IID_NULL, 0, flags, &p, result, &info, argErr ? argErr : &err);
    if (hr == DISP_E_EXCEPTION) {
      std::printf("  %ls raised %ld: %ls (%ls)\n", name, static_cast<long>(info.scode & 0xFFFF), info.bstrDescription,
                  info.bstrSource);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
      hr = info.scode;  // the error the member raised, as a host reads it
    }
    return hr;
  };

  IDispatch* dados = create(L"QuarvelVaroDav.SqliteDataAccess");
  IDispatch* bal = create(L"QuarvelVaroDav.BAL_Next");
  check("the classes are registered", dados && bal);
  if (!dados || !bal) {
    std::printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }
  VARIANT result;
  VariantInit(&result);
  std::wstring file = folder + L"\\DEMO.db";
  invoke(dados, L"Abrir", DISPATCH_METHOD, {text(file.c_str())}, &result);
  check("Abrir", V_VT(&result) == VT_BOOL && result.boolVal == VARIANT_TRUE);
  VARIANT dadosArg;
  VariantInit(&dadosArg);
  V_VT(&dadosArg) = VT_DISPATCH;
  dadosArg.pdispVal = dados;
  check("DataAccess", SUCCEEDED(invoke(bal, L"DataAccess", DISPATCH_PROPERTYPUTREF, {dadosArg}, nullptr)));
  VariantClear(&result);
  invoke(bal, L"ApiInicia", DISPATCH_METHOD,
         {text(folder.c_str()), text(folder.c_str()), text(L"DEMO"), text(L"admin"), text(L"admin")}, &result);
  check("ApiInicia", result.boolVal == VARIANT_TRUE);

  // The record type and the dual interface, from the registered type library alone.
  ITypeInfo* dispatchInfo = nullptr;
  ITypeLib* library = nullptr;
  UINT index = 0;
  bal->GetTypeInfo(0, 0, &dispatchInfo);
  check("type information", dispatchInfo && SUCCEEDED(dispatchInfo->GetContainingTypeLib(&library, &index)));
  ITypeInfo* keyType = nullptr;
  MEMBERID memberId;
  USHORT found = 1;
  library->FindName(const_cast<LPOLESTR>(L"KeyDocumNext"), 0, &keyType, &memberId, &found);
  IRecordInfo* keyInfo = nullptr;
  check("KeyDocumNext is a record", found == 1 && SUCCEEDED(GetRecordInfoFromTypeInfo(keyType, &keyInfo)));
  void* key = keyInfo->RecordCreate();

  // Through IDispatch.
  std::vector<SAFEARRAY*> arrays;
  setKey(keyInfo, key, -1, 5001);
  VariantClear(&result);
  HRESULT hr = invoke(bal, L"CF_DocGenInserir", DISPATCH_METHOD, invoiceArguments(keyInfo, key, arrays), &result);
  check("CF_DocGenInserir through IDispatch", SUCCEEDED(hr) && result.boolVal == VARIANT_TRUE);
  if (FAILED(hr) || result.boolVal != VARIANT_TRUE) {
    VARIANT why;
    VariantInit(&why);
    invoke(bal, L"ErroDescricao", DISPATCH_PROPERTYGET, {}, &why);
    std::printf("  CF_DocGenInserir: 0x%08lx, %ls\n", static_cast<unsigned long>(hr), V_VT(&why) == VT_BSTR ? why.bstrVal : L"");
    VariantClear(&why);
  }
  std::string first = keyText(keyInfo, key);
  std::printf("Through IDispatch: %s\n", first.c_str());
  check("the key came back by reference", first.rfind("FA 1 ", 0) == 0 && first.size() > 5 &&
                                              first.substr(first.size() - 4) == "5001");
  UINT argErr = 99;
  VariantClear(&result);
  auto raised = [](int number) { return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number); };
  check("a wrong argument count", invoke(bal, L"ApiInicia", DISPATCH_METHOD, {text(L"a")}, &result) == raised(450));
  check("a wrong member", invoke(bal, L"NoSuchMember", DISPATCH_METHOD, {}, &result) == DISP_E_UNKNOWNNAME);
  hr = invoke(bal, L"CF_DocGenInserir", DISPATCH_METHOD,
              {text(L"no number"), integer(VT_I4, 0), text(L"FA"), text(L""), integer(VT_I2, 1), text(L""), text(L""),
               text(L""), text(L""), text(L""), text(L""), integer(VT_BOOL, 0), text(L""), text(L""), text(L""),
               text(L""), text(L""), text(L""), text(L"")},
              &result, &argErr);
  // The first of 19 arguments, which travel last first.
  check("a type mismatch", hr == raised(13) && argErr == 18);

  // By name, as `bal.UltimoErro sTextoErro:=s, lNumErro:=n` sends them: the object and its type
  // library give each parameter's position, and the values come back by reference.
  LPOLESTR byName[] = {const_cast<LPOLESTR>(L"UltimoErro"), const_cast<LPOLESTR>(L"STEXTOERRO"),
                       const_cast<LPOLESTR>(L"lNumErro")};
  DISPID ids[3] = {}, typeIds[3] = {};
  check("parameters' ids", SUCCEEDED(bal->GetIDsOfNames(IID_NULL, byName, 3, 0, ids)) && ids[1] == 1 && ids[2] == 0 &&
                               SUCCEEDED(dispatchInfo->GetIDsOfNames(byName, 3, typeIds)) && typeIds[1] == 1);
  BSTR textBack = SysAllocString(L"x");
  LONG numberBack = 7;
  VARIANT named[2];
  V_VT(&named[0]) = VT_BSTR | VT_BYREF;
  named[0].pbstrVal = &textBack;
  V_VT(&named[1]) = VT_I4 | VT_BYREF;
  named[1].plVal = &numberBack;
  DISPPARAMS byNameParams{named, &ids[1], 2, 2};
  hr = bal->Invoke(ids[0], IID_NULL, 0, DISPATCH_METHOD, &byNameParams, nullptr, nullptr, nullptr);
  check("arguments by name", SUCCEEDED(hr) && numberBack == -1 && SysStringLen(textBack) == 0);
  SysFreeString(textBack);

  // Through the vtable: the slot the type library gives CF_DocGenInserir, called as a typed
  // caller would, each by-value VARIANT and each VARIANT* as the interface declares them.
  HREFTYPE ref = 0;
  ITypeInfo* vtableInfo = nullptr;
  TYPEATTR* attr = nullptr;
  IUnknown* dual = nullptr;
  HRESULT steps[] = {dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref), E_FAIL, E_FAIL, E_FAIL};
  if (SUCCEEDED(steps[0])) steps[1] = dispatchInfo->GetRefTypeInfo(ref, &vtableInfo);
  if (SUCCEEDED(steps[1])) steps[2] = vtableInfo->GetTypeAttr(&attr);
  if (SUCCEEDED(steps[2])) steps[3] = bal->QueryInterface(attr->guid, reinterpret_cast<void**>(&dual));
  if (FAILED(steps[3])) {
    std::printf("  the dual interface: GetRefTypeOfImplType 0x%08lx, GetRefTypeInfo 0x%08lx, GetTypeAttr 0x%08lx, "
                "QueryInterface 0x%08lx\n",
                static_cast<unsigned long>(steps[0]), static_cast<unsigned long>(steps[1]),
                static_cast<unsigned long>(steps[2]), static_cast<unsigned long>(steps[3]));
    check("the dual interface", false);
    std::printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }
  SHORT vtableOffset = -1;
  SHORT errorOffset = -1;
  for (UINT f = 0; f < attr->cFuncs; ++f) {
    FUNCDESC* desc = nullptr;
    vtableInfo->GetFuncDesc(f, &desc);
    BSTR name = nullptr;
    vtableInfo->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
    if (std::wstring(name) == L"CF_DocGenInserir") vtableOffset = desc->oVft;
    if (std::wstring(name) == L"ErroNumero" && desc->invkind == INVOKE_PROPERTYGET) errorOffset = desc->oVft;
    SysFreeString(name);
    vtableInfo->ReleaseFuncDesc(desc);
  }
  setKey(keyInfo, key, -1, 5002);
  std::vector<VARIANT> values = invoiceArguments(keyInfo, key, arrays);
  std::vector<VARIANT> holders(values.size());  // what each VARIANT* points to
  std::vector<VARTYPE> types;
  std::vector<VARIANT> actuals(values.size() + 1);
  std::vector<VARIANTARG*> pointers;
  for (std::size_t i = 0; i < values.size(); ++i) {
    bool byRef = V_VT(&values[i]) & VT_BYREF;
    VariantInit(&actuals[i]);
    if (byRef) {
      holders[i] = values[i];  // the VARIANT the slot's VARIANT* argument points to
      V_VT(&actuals[i]) = VT_BYREF | VT_VARIANT;
      actuals[i].pvarVal = &holders[i];
      types.push_back(VT_BYREF | VT_VARIANT);
    } else {
      actuals[i] = values[i];
      types.push_back(VT_VARIANT);
    }
    pointers.push_back(&actuals[i]);
  }
  VARIANT answer;
  VariantInit(&answer);
  VariantInit(&actuals.back());
  V_VT(&actuals.back()) = VT_BYREF | VT_VARIANT;
  actuals.back().pvarVal = &answer;
  types.push_back(VT_BYREF | VT_VARIANT);
  pointers.push_back(&actuals.back());
  VARIANT callResult;
  VariantInit(&callResult);
  hr = DispCallFunc(dual, static_cast<ULONG_PTR>(vtableOffset), CC_STDCALL, VT_ERROR, static_cast<UINT>(types.size()),
                    types.data(), pointers.data(), &callResult);
  check("CF_DocGenInserir through the vtable", SUCCEEDED(hr) && callResult.scode == S_OK &&
                                                   V_VT(&answer) == VT_BOOL && answer.boolVal == VARIANT_TRUE);
  std::string second = keyText(keyInfo, key);
  std::printf("Through the vtable: %s\n", second.c_str());
  check("the key came back through the vtable", second.size() > 4 && second.substr(second.size() - 4) == "5002");

  // Cost of one call of ErroNumero: late-bound by name (as a script host calls), through the
  // vtable, and a direct C++ call of the same member.
  constexpr int kCalls = 20000;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) {
    VariantClear(&result);
    invoke(bal, L"ErroNumero", DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, &result);
  }
  double lateBound = nanosPer(kCalls, start);
  using Getter = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, VARIANT*);
  auto getter = reinterpret_cast<Getter>((*reinterpret_cast<void***>(dual))[errorOffset / sizeof(void*)]);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) {
    VariantClear(&result);
    getter(dual, &result);
  }
  double vtable = nanosPer(kCalls, start);
  qvd::BAL_Next direct;
  volatile int32_t sink = 0;
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) sink = sink + direct.ErroNumero();
  double directCall = nanosPer(kCalls, start);
  std::printf("One call of ErroNumero: late-bound by name %.0f ns, through the vtable %.0f ns, direct %.1f ns\n",
              lateBound, vtable, directCall);

  VariantClear(&result);
  invoke(bal, L"ApiTermina", DISPATCH_METHOD, {}, &result);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
#endif
