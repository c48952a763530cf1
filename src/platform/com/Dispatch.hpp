#pragma once

// The library's objects as the platform's IDispatch, and foreign IDispatch objects as the
// library's objects.
#include <oaidl.h>

#include "platform/Object.hpp"

namespace automation::com {

// A new reference (the caller releases it) to an IDispatch that calls `object` by member name;
// null for a null object. A foreign object gives back the IDispatch it wraps.
IDispatch* dispatchOf(const ObjectRef& object);

// The object behind `dispatch`: the one this module wrapped, or a foreign object that calls it
// late-bound.
ObjectRef objectOf(IDispatch* dispatch);

// The module whose objects this platform unwraps as its own; set by the DLL that holds it.
void setModule(HMODULE module);
HMODULE module();

}  // namespace automation::com
