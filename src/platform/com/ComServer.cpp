// Class objects and registration of an in-process component server.
#ifdef _WIN32
#include "platform/com/ComServer.hpp"

#include <olectl.h>
#include <windows.h>

#include <atomic>
#include <cassert>

#include "platform/AutomationError.hpp"
#include "platform/com/ComValue.hpp"
#include "platform/com/Dispatch.hpp"
#include "platform/com/WideText.hpp"

// In oleaut32 since Vista, but not in every SDK's headers.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib*, OLECHAR*, OLECHAR*);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID, WORD, WORD, LCID, SYSKIND);

namespace automation::com {
namespace {

std::atomic<long> locks{0};

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const ComClass& c) : class_(c) { ComServer::lock(); }
  ~ClassFactory() { ComServer::unlock(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IDispatch* dispatch = nullptr;
    try {
      dispatch = dispatchOf(class_.create());
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    if (!dispatch) return E_UNEXPECTED;
    HRESULT hr = dispatch->QueryInterface(riid, out);
    dispatch->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL on) override {
    on ? ComServer::lock() : ComServer::unlock();
    return S_OK;
  }

 private:
  std::atomic<ULONG> references_{1};
  const ComClass& class_;
};

bool elevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return ok && elevation.TokenIsElevated;
}

// Where classes are registered: for the machine when elevated, else for the user alone.
HKEY classesRoot() {
  HKEY root = nullptr;
  if (RegOpenKeyExW(elevated() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, L"Software\\Classes", 0,
                    KEY_READ | KEY_WRITE, &root) != ERROR_SUCCESS)
    return nullptr;
  return root;
}

bool setValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS) return false;
  LONG rc = RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  return rc == ERROR_SUCCESS;
}

std::wstring modulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::wstring guidText(const GUID& guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return text;
}

void ComServer::lock() { ++locks; }
void ComServer::unlock() { --locks; }

ComServer::ComServer(std::vector<ComClass> classes, const TypeLibraryId* library)
    : classes_(std::move(classes)), library_(library) {}

void ComServer::attach(HMODULE module) {
  module_ = module;
  setModule(module);
}

void ComServer::loadTypeLibrary() {
  if (!library_ || typeLibrary()) return;
  ITypeLib* tlb = nullptr;
  std::wstring path = modulePath(module_);
  if (SUCCEEDED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &tlb))) {
    setTypeLibrary(tlb);
    tlb->Release();
  }
}

HRESULT ComServer::getClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  loadTypeLibrary();
  for (const ComClass& c : classes_)
    if (IsEqualCLSID(c.clsid, clsid)) {
      auto* factory = new ClassFactory(c);
      HRESULT hr = factory->QueryInterface(iid, out);
      factory->Release();
      return hr;
    }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ComServer::canUnloadNow() const { return locks == 0 ? S_OK : S_FALSE; }

HRESULT ComServer::registerServer() {
  HKEY root = classesRoot();
  if (!root) return SELFREG_E_CLASS;
  std::wstring path = modulePath(module_);
  bool ok = true;
  for (const ComClass& c : classes_) {
    assert(!c.progIds.empty());
    std::wstring ownId = widen(c.progIds.front());
    std::wstring clsidKey = L"CLSID\\" + guidText(c.clsid);
    ok = ok && setValue(root, clsidKey, nullptr, ownId) &&
         setValue(root, clsidKey + L"\\InprocServer32", nullptr, path) &&
         setValue(root, clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
         setValue(root, clsidKey + L"\\ProgID", nullptr, ownId);
    for (const std::string& id : c.progIds) {
      std::wstring progId = widen(id);
      ok = ok && setValue(root, progId, nullptr, progId) && setValue(root, progId + L"\\CLSID", nullptr, guidText(c.clsid));
    }
    if (library_) {
      wchar_t version[16];
      swprintf(version, 16, L"%u.%u", library_->major, library_->minor);
      ok = ok && setValue(root, clsidKey + L"\\TypeLib", nullptr, guidText(library_->libid)) &&
           setValue(root, clsidKey + L"\\Version", nullptr, version);
    }
  }
  RegCloseKey(root);
  if (!ok) {
    unregisterServer();
    return SELFREG_E_CLASS;
  }
  if (!library_) return S_OK;
  ITypeLib* tlb = nullptr;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &tlb);
  if (SUCCEEDED(hr)) {
    hr = elevated() ? RegisterTypeLib(tlb, path.data(), nullptr) : RegisterTypeLibForUser(tlb, path.data(), nullptr);
    tlb->Release();
  }
  if (FAILED(hr)) {
    unregisterServer();
    return SELFREG_E_TYPELIB;
  }
  return S_OK;
}

HRESULT ComServer::unregisterServer() {
  HKEY root = classesRoot();
  if (!root) return SELFREG_E_CLASS;
  for (const ComClass& c : classes_) {
    RegDeleteTreeW(root, (L"CLSID\\" + guidText(c.clsid)).c_str());
    for (const std::string& id : c.progIds) RegDeleteTreeW(root, widen(id).c_str());
  }
  RegCloseKey(root);
  if (library_) {
    SYSKIND kind = SYS_WIN64;
    if (elevated())
      UnRegisterTypeLib(library_->libid, library_->major, library_->minor, LOCALE_NEUTRAL, kind);
    else
      UnRegisterTypeLibForUser(library_->libid, library_->major, library_->minor, LOCALE_NEUTRAL, kind);
  }
  return S_OK;
}

}  // namespace automation::com
#endif
