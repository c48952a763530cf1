#pragma once

// How an IDispatch made by this platform gives back the object it wraps, so that an object
// handed out and back again (or across the library's own DLLs) is the very same object.
#include <unknwn.h>

#include "platform/Object.hpp"

namespace automation::com {

// {6B1E5C40-7D2A-4F3B-9E61-2C8A4D0F9B17}
inline constexpr GUID IID_INativeObject = {0x6b1e5c40, 0x7d2a, 0x4f3b, {0x9e, 0x61, 0x2c, 0x8a, 0x4d, 0x0f, 0x9b, 0x17}};

// Every DLL of the library is built from the same platform sources in one build, so the object
// layout behind the pointer is the same on both sides.
struct INativeObject : IUnknown {
  // The module that made the object and a pointer to the shared reference that keeps it.
  virtual HRESULT STDMETHODCALLTYPE Native(HMODULE* module, const ObjectRef** object) = 0;
};

}  // namespace automation::com
