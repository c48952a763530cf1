// Create-by-name on Windows: a class registered in the process, else the component system's
// class of that ProgID, reached late-bound through its IDispatch.
#ifdef _WIN32
#include <windows.h>

#include "platform/AutomationError.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/MessageBox.hpp"
#include "platform/com/Dispatch.hpp"
#include "platform/com/WideText.hpp"

namespace automation {

ObjectRef tryCreateObject(std::string_view className) {
  ComponentRegistry& registry = ComponentRegistry::instance();
  if (registry.contains(className)) return registry.tryCreate(className);
  std::wstring progId = com::widen(className);
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid))) return nullptr;
  IDispatch* dispatch = nullptr;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr) || !dispatch) return nullptr;
  ObjectRef object = com::objectOf(dispatch);
  dispatch->Release();
  return object;
}

void systemMessageBox(const std::string& text) {
  std::wstring wide = com::widen(text);
  MessageBoxW(nullptr, wide.c_str(), nullptr, MB_OK);
}

}  // namespace automation
#endif
