#include "platform/db/FieldValues.hpp"

namespace automation::db {

Variant asFieldValue(DataType type, const Variant& value) {
  switch (type) {
    case DataType::SmallInt: return value.coerce(VarType::Integer);
    case DataType::Integer: return value.coerce(VarType::Long);
    case DataType::Double:
    case DataType::BigInt: return value.coerce(VarType::Double);
    case DataType::Currency: return value.coerce(VarType::Currency);
    case DataType::Date: return value.coerce(VarType::Date);
    case DataType::Boolean: return value.coerce(VarType::Boolean);
    case DataType::VarChar:
    case DataType::VarWChar:
    case DataType::LongVarWChar: return value.coerce(VarType::String);
    case DataType::Empty:
    case DataType::Variant: return value;
  }
  return value;
}

bool isFixedLength(DataType type) {
  switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::Double:
    case DataType::Currency:
    case DataType::Date:
    case DataType::Boolean:
    case DataType::BigInt: return true;
    default: return false;
  }
}

bool isText(DataType type) {
  return type == DataType::VarChar || type == DataType::VarWChar || type == DataType::LongVarWChar;
}

}  // namespace automation::db
