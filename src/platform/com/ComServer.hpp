#pragma once

// An in-process component server: the class objects of a DLL's classes, and their registration
// with the component system (per user unless the process is elevated).
#include <oaidl.h>

#include <string>
#include <vector>

#include "platform/Object.hpp"

namespace automation::com {

struct ComClass {
  std::vector<std::string> progIds;  // the first is the class's own, the others point to it too
  CLSID clsid;
  ObjectRef (*create)();
};

struct TypeLibraryId {
  GUID libid;
  WORD major, minor;
};

class ComServer {
 public:
  // `library` null: the server has no type library of its own.
  ComServer(std::vector<ComClass> classes, const TypeLibraryId* library);

  // From DllMain: the module whose objects this server makes.
  void attach(HMODULE module);

  HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** out);
  HRESULT canUnloadNow() const;
  HRESULT registerServer();
  HRESULT unregisterServer();

  // Live objects and locks that keep the DLL loaded.
  static void lock();
  static void unlock();

 private:
  // The type library embedded in the module, loaded before the first object is made (not in
  // DllMain, where loading is not allowed) and kept until the process ends.
  void loadTypeLibrary();

  std::vector<ComClass> classes_;
  const TypeLibraryId* library_;
  HMODULE module_ = nullptr;
};

// The text form of a GUID, with braces.
std::wstring guidText(const GUID& guid);

}  // namespace automation::com
