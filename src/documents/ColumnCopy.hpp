#pragma once

#include <span>
#include <string_view>

#include "platform/Object.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd::docbuild {

// How a column's value becomes a property value.
enum class ColumnRule {
  AsIs,              // the value unchanged, nulls included
  NullAsEmptyText,   // a null becomes the empty string
  BlankAsEmptyText,  // a null or empty value becomes the empty string
  SkipNull,          // not put when null
  SkipBlank,         // not put when null or empty
};

// One column of a record set copied into one property of an ERP object.
struct ColumnCopy {
  std::string_view column;
  std::string_view property;
  ColumnRule rule = ColumnRule::AsIs;
};

// Copies `columns` in order from the current row of `rs` into `target`. A missing column or a
// refused value raises.
void copyColumns(const automation::db::Recordset& rs, const automation::ObjectRef& target,
                 std::span<const ColumnCopy> columns);

// The same, but a failing read or put is skipped and the next column is copied.
void copyColumnsIgnoringErrors(const automation::db::Recordset& rs, const automation::ObjectRef& target,
                               std::span<const ColumnCopy> columns);

}  // namespace qvd::docbuild
