#pragma once

// Automation values between the library's Variant and the platform's VARIANT.
#include <oaidl.h>

#include <string_view>

#include "platform/Variant.hpp"

namespace automation::com {

// The value `v` holds, by reference or not. Arrays keep their bounds; an IDispatch made by
// this module comes back as the object it wraps, any other as a late-bound foreign object;
// a user-defined type becomes a Record. Raises 13 for what no Variant can hold.
Variant toVariant(const VARIANT& v);

// `value` written into `out`, which must hold nothing the caller still owns (VariantInit'd or
// cleared). Records go out as objects with their fields as members.
void toVARIANT(const Variant& value, VARIANT& out);

// Writes `value` back through a by-reference argument, converted to the type the caller's
// variable has (a user-defined type is filled field by field); a by-value argument is left as
// it is.
void storeByRef(const Variant& value, VARIANT& arg);

// The type library whose records and interfaces this module's values use (none by default).
void setTypeLibrary(ITypeLib* library);
ITypeLib* typeLibrary();

}  // namespace automation::com
