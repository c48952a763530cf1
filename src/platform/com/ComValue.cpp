// Conversions of automation values at the platform's boundary.
#ifdef _WIN32
#include "platform/com/ComValue.hpp"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/AutomationError.hpp"
#include "platform/Record.hpp"
#include "platform/com/Dispatch.hpp"
#include "platform/com/ForeignObject.hpp"
#include "platform/com/WideText.hpp"

namespace automation::com {
namespace {

ITypeLib* library = nullptr;

// Clears the VARIANT it guards when it goes out of scope.
struct Scoped {
  VARIANT v;
  Scoped() { VariantInit(&v); }
  ~Scoped() { VariantClear(&v); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
};

Variant recordOf(IRecordInfo* info, void* data);

// Any VARIANT made to one of the types a Variant holds, or 13.
Variant coerced(const VARIANT& v, VARTYPE to) {
  Scoped tmp;
  if (FAILED(VariantChangeType(&tmp.v, const_cast<VARIANT*>(&v), 0, to))) raise(errnum::TypeMismatch);
  return toVariant(tmp.v);
}

Variant arrayOf(SAFEARRAY* psa) {
  auto out = std::make_shared<VariantArray>();
  if (!psa) return Variant(out);
  if (SafeArrayGetDim(psa) != 1) raise(errnum::TypeMismatch, "Only arrays of one dimension cross to the library");
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(psa, 1, &lower);
  SafeArrayGetUBound(psa, 1, &upper);
  VARTYPE vt = VT_EMPTY;
  if (FAILED(SafeArrayGetVartype(psa, &vt))) raise(errnum::TypeMismatch);
  out->redim(lower, upper);
  for (LONG i = lower; i <= upper; ++i) {
    Scoped element;
    if (vt == VT_VARIANT) {
      if (FAILED(SafeArrayGetElement(psa, &i, &element.v))) raise(errnum::SubscriptOutOfRange);
    } else if (vt == VT_RECORD) {
      raise(errnum::TypeMismatch, "Arrays of user-defined types do not cross to the library");
    } else {
      // The element's bytes go where a VARIANT of that type keeps its value.
      if (FAILED(SafeArrayGetElement(psa, &i, &element.v.llVal))) raise(errnum::SubscriptOutOfRange);
      element.v.vt = vt;
    }
    (*out)(i) = toVariant(element.v);
  }
  return Variant(out);
}

Variant recordOf(IRecordInfo* info, void* data) {
  if (!info) raise(errnum::TypeMismatch);
  BSTR name = nullptr;
  info->GetName(&name);
  std::string typeName = fromBstr(name);
  SysFreeString(name);
  // Without names to fill, the count asked for is the most wanted: Wine answers no more than it.
  ULONG count = ~0u;
  info->GetFieldNames(&count, nullptr);
  std::vector<BSTR> names(count);
  info->GetFieldNames(&count, names.data());
  std::vector<std::pair<std::string, Variant>> fields;
  for (BSTR field : names) {
    Scoped value;
    if (data) info->GetField(data, field, &value.v);
    fields.emplace_back(fromBstr(field), toVariant(value.v));
    SysFreeString(field);
  }
  return Variant(std::make_shared<Record>(std::move(typeName), std::move(fields)));
}

// Puts the fields of `record` into the caller's record memory, each written in place through the
// reference GetFieldNoCopy gives (Wine's PutField converts through an uninitialised VARIANT).
void fillRecord(const Record& record, IRecordInfo* info, void* data) {
  for (const auto& [name, value] : record.fields()) {
    std::wstring wide = widen(name);
    VARIANT field;
    VariantInit(&field);
    PVOID fieldData = nullptr;
    if (FAILED(info->GetFieldNoCopy(data, wide.data(), &field, &fieldData)))
      raise(errnum::TypeMismatch, "The record " + record.typeName() + " the caller passed has no field " + name);
    auto nested = value.isObject() ? std::dynamic_pointer_cast<Record>(value.toObject()) : nullptr;
    if (nested) {
      if (V_VT(&field) == VT_RECORD) fillRecord(*nested, field.pRecInfo, fieldData);
      continue;
    }
    try {
      storeByRef(value, field);
    } catch (const AutomationError&) {
      raise(errnum::TypeMismatch, "The field " + name + " of " + record.typeName() + " does not take that value");
    }
  }
}

SAFEARRAY* safeArrayOf(const VariantArray& array, VARTYPE vt) {
  if (!array.isDimensioned()) return nullptr;
  SAFEARRAYBOUND bound{static_cast<ULONG>(array.size()), array.lbound()};
  SAFEARRAY* psa = SafeArrayCreate(vt, 1, &bound);
  if (!psa) raise(errnum::OutOfMemory);
  for (LONG i = array.lbound(); i <= array.ubound(); ++i) {
    Scoped element;
    toVARIANT(array(i), element.v);
    if (vt != VT_VARIANT && FAILED(VariantChangeType(&element.v, &element.v, 0, vt))) {
      SafeArrayDestroy(psa);
      raise(errnum::TypeMismatch);
    }
    HRESULT hr = vt == VT_VARIANT ? SafeArrayPutElement(psa, &i, &element.v)
                 : vt == VT_BSTR || vt == VT_DISPATCH || vt == VT_UNKNOWN
                     ? SafeArrayPutElement(psa, &i, element.v.byref)
                     : SafeArrayPutElement(psa, &i, &element.v.llVal);
    if (FAILED(hr)) {
      SafeArrayDestroy(psa);
      raise(errnum::TypeMismatch);
    }
  }
  return psa;
}

}  // namespace

void setTypeLibrary(ITypeLib* next) {
  if (next) next->AddRef();
  if (library) library->Release();
  library = next;
}

ITypeLib* typeLibrary() { return library; }

Variant toVariant(const VARIANT& v) {
  VARTYPE vt = V_VT(&v);
  if (vt & VT_BYREF) {
    VARTYPE base = vt & ~VT_BYREF;
    if (base == VT_VARIANT) return toVariant(*v.pvarVal);
    if (base & VT_ARRAY) return arrayOf(*v.pparray);
    if (base == VT_RECORD) return recordOf(v.pRecInfo, v.pvRecord);
    // A typed reference read through a by-value copy of what it points to.
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantCopyInd(&copy, const_cast<VARIANT*>(&v)))) raise(errnum::TypeMismatch);
    Variant out = toVariant(copy);
    VariantClear(&copy);
    return out;
  }
  if (vt & VT_ARRAY) return arrayOf(v.parray);
  switch (vt) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant::null();
    case VT_I2: return Variant(static_cast<int16_t>(v.iVal));
    case VT_I4: return Variant(static_cast<int32_t>(v.lVal));
    case VT_R8: return Variant(v.dblVal);
    case VT_CY: return Variant(Currency{v.cyVal.int64});
    case VT_DATE: return Variant(Date{v.date});
    case VT_BSTR: return Variant(fromBstr(v.bstrVal));
    case VT_BOOL: return Variant(v.boolVal != VARIANT_FALSE);
    case VT_DISPATCH: return v.pdispVal ? Variant(objectOf(v.pdispVal)) : Variant::nothing();
    case VT_UNKNOWN: {
      if (!v.punkVal) return Variant::nothing();
      IDispatch* dispatch = nullptr;
      if (FAILED(v.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        raise(errnum::TypeMismatch, "An object without late binding does not cross to the library");
      Variant out(objectOf(dispatch));
      dispatch->Release();
      return out;
    }
    case VT_RECORD: return recordOf(v.pRecInfo, v.pvRecord);
    // An optional argument left out.
    case VT_ERROR: return v.scode == DISP_E_PARAMNOTFOUND ? Variant() : Variant(static_cast<int32_t>(v.scode));
    case VT_I1: case VT_UI1: case VT_UI2: return coerced(v, VT_I2);
    case VT_UI4: case VT_INT: case VT_UINT: return coerced(v, VT_I4);
    case VT_R4: case VT_I8: case VT_UI8: case VT_DECIMAL: return coerced(v, VT_R8);
    default: raise(errnum::TypeMismatch, "A value of automation type " + std::to_string(vt) + " does not cross to the library");
  }
}

void toVARIANT(const Variant& value, VARIANT& out) {
  VariantInit(&out);
  switch (value.type()) {
    case VarType::Empty: return;
    case VarType::Null: V_VT(&out) = VT_NULL; return;
    case VarType::Boolean: V_VT(&out) = VT_BOOL; out.boolVal = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE; return;
    case VarType::Integer: V_VT(&out) = VT_I2; out.iVal = value.toInteger(); return;
    case VarType::Long: V_VT(&out) = VT_I4; out.lVal = value.toLong(); return;
    case VarType::Double: V_VT(&out) = VT_R8; out.dblVal = value.toDouble(); return;
    case VarType::Currency: V_VT(&out) = VT_CY; out.cyVal.int64 = value.toCurrency().scaled; return;
    case VarType::Date: V_VT(&out) = VT_DATE; out.date = value.toDate().serial; return;
    case VarType::String: out.bstrVal = toBstr(value.toString()); V_VT(&out) = VT_BSTR; return;
    case VarType::Array: out.parray = safeArrayOf(*value.toArray(), VT_VARIANT); V_VT(&out) = VT_ARRAY | VT_VARIANT; return;
    case VarType::Object: break;
  }
  // A record goes out as an object whose fields are its members, which a script host can read;
  // a caller's own user-defined variable is filled in place instead (storeByRef).
  ObjectRef object = value.toObject();
  V_VT(&out) = VT_DISPATCH;
  out.pdispVal = dispatchOf(object);
}

void storeByRef(const Variant& value, VARIANT& arg) {
  VARTYPE vt = V_VT(&arg);
  if (!(vt & VT_BYREF)) return;
  VARTYPE base = vt & ~VT_BYREF;
  if (base == VT_VARIANT) {
    VARIANT& target = *arg.pvarVal;
    // A record the caller holds (or refers to) is filled in place, so that its type stays the
    // caller's.
    if ((V_VT(&target) & ~VT_BYREF) == VT_RECORD && value.isObject())
      if (auto record = std::dynamic_pointer_cast<Record>(value.toObject())) {
        fillRecord(*record, target.pRecInfo, target.pvRecord);
        return;
      }
    VariantClear(&target);
    toVARIANT(value, target);
    return;
  }
  if (base == VT_RECORD) {
    auto record = value.isObject() ? std::dynamic_pointer_cast<Record>(value.toObject()) : nullptr;
    if (!record) raise(errnum::TypeMismatch);
    fillRecord(*record, arg.pRecInfo, arg.pvRecord);
    return;
  }
  if (base & VT_ARRAY) {
    SAFEARRAY* fresh = value.isEmpty() ? nullptr : safeArrayOf(*value.toArray(), base & ~VT_ARRAY);
    if (*arg.pparray) SafeArrayDestroy(*arg.pparray);
    *arg.pparray = fresh;
    return;
  }
  Scoped converted;
  toVARIANT(value, converted.v);
  if (FAILED(VariantChangeType(&converted.v, &converted.v, 0, base))) raise(errnum::TypeMismatch);
  switch (base) {
    case VT_I2: *arg.piVal = converted.v.iVal; break;
    case VT_I4: *arg.plVal = converted.v.lVal; break;
    case VT_R8: *arg.pdblVal = converted.v.dblVal; break;
    case VT_CY: *arg.pcyVal = converted.v.cyVal; break;
    case VT_DATE: *arg.pdate = converted.v.date; break;
    case VT_BOOL: *arg.pboolVal = converted.v.boolVal; break;
    case VT_BSTR:
      SysFreeString(*arg.pbstrVal);
      *arg.pbstrVal = converted.v.bstrVal;
      V_VT(&converted.v) = VT_EMPTY;  // ownership moved to the caller's variable
      break;
    case VT_DISPATCH:
      if (*arg.ppdispVal) (*arg.ppdispVal)->Release();
      *arg.ppdispVal = converted.v.pdispVal;
      V_VT(&converted.v) = VT_EMPTY;
      break;
    default: raise(errnum::TypeMismatch, "A by-reference argument of automation type " + std::to_string(base) + " cannot be written");
  }
}

}  // namespace automation::com
#endif
