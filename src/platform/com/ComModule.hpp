#pragma once

// The entry points of an in-process server DLL, over one ComServer; exported through
// ComServer.def.
#include <windows.h>

#include "platform/com/ComServer.hpp"

// Defines DllMain, DllGetClassObject, DllCanUnloadNow, DllRegisterServer and DllUnregisterServer
// of the DLL whose classes `server` (a function returning a ComServer&) serves.
#define QVD_COM_MODULE(server)                                                                      \
  extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {                         \
    if (reason == DLL_PROCESS_ATTACH) {                                                            \
      DisableThreadLibraryCalls(module);                                                           \
      server().attach(module);                                                                     \
    }                                                                                              \
    return TRUE;                                                                                   \
  }                                                                                                \
  extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {           \
    return server().getClassObject(clsid, iid, out);                                               \
  }                                                                                                \
  extern "C" HRESULT WINAPI DllCanUnloadNow() { return server().canUnloadNow(); }                  \
  extern "C" HRESULT WINAPI DllRegisterServer() { return server().registerServer(); }              \
  extern "C" HRESULT WINAPI DllUnregisterServer() { return server().unregisterServer(); }
