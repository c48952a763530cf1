#include "documents/ColumnCopy.hpp"

#include "platform/AutomationError.hpp"

namespace qvd::docbuild {

using automation::Variant;

namespace {

bool isBlank(const Variant& value) {
  return value.isNull() || value.isEmpty() || (value.isString() && value.toString().empty());
}

void copyColumn(const automation::db::Recordset& rs, const automation::ObjectRef& target, const ColumnCopy& copy) {
  const Variant& value = rs.value(copy.column);
  switch (copy.rule) {
    case ColumnRule::AsIs:
      automation::propPut(target, copy.property, value);
      break;
    case ColumnRule::NullAsEmptyText:
      automation::propPut(target, copy.property, value.isNull() ? Variant(std::string()) : value);
      break;
    case ColumnRule::BlankAsEmptyText:
      automation::propPut(target, copy.property, isBlank(value) ? Variant(std::string()) : value);
      break;
    case ColumnRule::SkipNull:
      if (!value.isNull()) automation::propPut(target, copy.property, value);
      break;
    case ColumnRule::SkipBlank:
      if (!isBlank(value)) automation::propPut(target, copy.property, value);
      break;
  }
}

}  // namespace

void copyColumns(const automation::db::Recordset& rs, const automation::ObjectRef& target,
                 std::span<const ColumnCopy> columns) {
  for (const ColumnCopy& copy : columns) copyColumn(rs, target, copy);
}

void copyColumnsIgnoringErrors(const automation::db::Recordset& rs, const automation::ObjectRef& target,
                               std::span<const ColumnCopy> columns) {
  for (const ColumnCopy& copy : columns) automation::ignoreError([&] { copyColumn(rs, target, copy); });
}

}  // namespace qvd::docbuild
