#pragma once

// The vtable half of a dual interface, made at run time from its type information: each member's
// slot turns the call into IDispatch::Invoke on the object's own IDispatch. The interfaces of the
// type library take and give VARIANTs only, so every argument of a slot is one pointer: a
// by-value VARIANT travels as a pointer to the caller's copy, a by-reference one as VARIANT*.
#include <oaidl.h>

namespace automation::com {

struct DualLayout;

// The vtable a caller gets for the interface, over `owner` (which it does not keep alive).
struct DualView {
  const void* const* vtable;
  IDispatch* owner;
  const DualLayout* layout;
};

// The layout of the dual interface that `dispatchInfo` (the dispatch half, as the type library
// names it) describes, and that interface's IID; null when it is no dual interface this layer
// can serve. Layouts are kept for the whole process.
const DualLayout* dualLayoutOf(ITypeInfo* dispatchInfo, IID& iid);

void initDualView(DualView& view, IDispatch* owner, const DualLayout* layout);

}  // namespace automation::com
