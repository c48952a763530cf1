#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string_view>

#include "platform/Variant.hpp"
#include "platform/db/DataTypes.hpp"

// How the database's declared column types and stored values meet fields and automation values.
namespace automation::db {

struct DeclaredType {
  DataType type = DataType::Variant;
  int32_t definedSize = 0;
};

// "VARCHAR(20)" -> VarWChar of 20 characters, "TEXT" -> LongVarWChar, "SMALLINT" -> SmallInt,
// "INTEGER" -> Integer, "REAL" -> Double, "DATE" -> Date, ...; no declared type -> Variant.
DeclaredType parseDeclaredType(std::string_view declared);

// The field type of a computed column, from the storage class of the value it holds.
DeclaredType typeOfStorage(int storageClass);

// Field attributes of a table column.
int32_t columnAttributes(DataType type, bool notNull, bool primaryKey);

// A whole number or a real read from the database, as a field of `type` holds it.
Variant integerAs(int64_t value, DataType type);
Variant realAs(double value, DataType type);

// Column `column` of the current row as a field of `type` holds it. Numbers in a date column are
// automation date serials; text in one is read as a date when it reads as one.
Variant readColumn(sqlite3_stmt* statement, int column, DataType type);

// Binds `value` to the 1-based parameter `index` and returns the database's result code. Dates go
// as "yyyy-mm-dd" text (with " hh:nn:ss" when they have a time), booleans as 1 and 0; an object or
// an array raises 13.
[[nodiscard]] int bindValue(sqlite3_stmt* statement, int index, const Variant& value);

}  // namespace automation::db
