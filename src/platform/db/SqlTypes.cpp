#include "platform/db/SqlTypes.hpp"

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "platform/AutomationError.hpp"
#include "platform/db/FieldValues.hpp"
#include "platform/Text.hpp"

namespace automation::db {
namespace {

inline constexpr int32_t kLongTextSize = 1073741823;

int32_t fixedSize(DataType type) {
  switch (type) {
    case DataType::SmallInt:
    case DataType::Boolean: return 2;
    case DataType::Integer: return 4;
    default: return 8;
  }
}

int32_t sizeInParentheses(std::string_view declared) {
  std::size_t open = declared.find('(');
  if (open == std::string_view::npos) return 0;
  int32_t size = 0;
  for (std::size_t i = open + 1; i < declared.size() && std::isdigit(static_cast<unsigned char>(declared[i])); ++i) {
    size = size * 10 + (declared[i] - '0');
  }
  return size;
}

template <class T>
bool fits(int64_t v) {
  return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

}  // namespace

Variant integerAs(int64_t v, DataType type) {
  switch (type) {
    case DataType::Boolean: return Variant(v != 0);
    case DataType::Double:
    case DataType::BigInt: return Variant(static_cast<double>(v));
    case DataType::Currency: return Variant(Currency::fromDouble(static_cast<double>(v)));
    case DataType::Date: return Variant(Date{static_cast<double>(v)});
    case DataType::SmallInt:
      if (fits<int16_t>(v)) return Variant(static_cast<int16_t>(v));
      [[fallthrough]];
    default: return fits<int32_t>(v) ? Variant(static_cast<int32_t>(v)) : Variant(static_cast<double>(v));
  }
}

Variant realAs(double v, DataType type) {
  switch (type) {
    case DataType::Boolean: return Variant(v != 0);
    case DataType::Currency: return Variant(Currency::fromDouble(v));
    case DataType::Date: return Variant(Date{v});
    case DataType::SmallInt:
    case DataType::Integer:
      if (v == std::trunc(v) && std::abs(v) < 9.2e18) return integerAs(static_cast<int64_t>(v), type);
      return Variant(v);
    default: return Variant(v);
  }
}

DeclaredType parseDeclaredType(std::string_view declared) {
  std::string upper(declared);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto has = [&upper](std::string_view part) { return upper.find(part) != std::string::npos; };
  if (has("CHAR") || has("TEXT") || has("CLOB")) {
    int32_t size = sizeInParentheses(upper);
    return size > 0 ? DeclaredType{DataType::VarWChar, size} : DeclaredType{DataType::LongVarWChar, kLongTextSize};
  }
  // The first part found decides: BIGINT and SMALLINT before INT.
  static constexpr std::pair<std::string_view, DataType> kParts[] = {
      {"BIGINT", DataType::BigInt},     {"SMALLINT", DataType::SmallInt}, {"TINYINT", DataType::SmallInt},
      {"INT", DataType::Integer},       {"BOOL", DataType::Boolean},      {"BIT", DataType::Boolean},
      {"DATE", DataType::Date},         {"TIME", DataType::Date},         {"MONEY", DataType::Currency},
      {"CURRENCY", DataType::Currency}, {"REAL", DataType::Double},       {"DOUB", DataType::Double},
      {"FLOA", DataType::Double},       {"NUMERIC", DataType::Double},    {"DECIMAL", DataType::Double}};
  for (const auto& [part, type] : kParts) {
    if (has(part)) return DeclaredType{type, fixedSize(type)};
  }
  return DeclaredType{};
}

DeclaredType typeOfStorage(int storageClass) {
  switch (storageClass) {
    case SQLITE_INTEGER: return DeclaredType{DataType::Integer, fixedSize(DataType::Integer)};
    case SQLITE_FLOAT: return DeclaredType{DataType::Double, fixedSize(DataType::Double)};
    case SQLITE_TEXT: return DeclaredType{DataType::LongVarWChar, kLongTextSize};
    default: return DeclaredType{};
  }
}

int32_t columnAttributes(DataType type, bool notNull, bool primaryKey) {
  int32_t attributes = fieldattr::Updatable;
  if (isFixedLength(type)) attributes |= fieldattr::Fixed;
  if (!notNull) attributes |= fieldattr::IsNullable | fieldattr::MayBeNull;
  if (primaryKey) attributes |= fieldattr::KeyColumn;
  return attributes;
}

Variant readColumn(sqlite3_stmt* statement, int column, DataType type) {
  int storage = sqlite3_column_type(statement, column);
  if (storage == SQLITE_NULL) return Variant::null();
  if (isText(type) || storage == SQLITE_TEXT || storage == SQLITE_BLOB) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    std::string text(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    // Another program may have written bytes that are no UTF-8; they must not reach callers as text.
    if (storage == SQLITE_TEXT && !text::isUtf8(text))
      raise(errnum::InvalidArgument, std::string("The text in column '") + sqlite3_column_name(statement, column) +
                                         "' of a row read from the database is not UTF-8; correct that row so "
                                         "that it holds UTF-8 text, or store binary data as a BLOB.");
    if (type == DataType::Date && storage == SQLITE_TEXT) {
      if (auto date = Date::parse(text)) return Variant(*date);
    }
    return Variant(std::move(text));
  }
  if (storage == SQLITE_INTEGER) return integerAs(sqlite3_column_int64(statement, column), type);
  return realAs(sqlite3_column_double(statement, column), type);
}

int bindValue(sqlite3_stmt* statement, int index, const Variant& value) {
  switch (value.type()) {
    case VarType::Empty:
    case VarType::Null: return sqlite3_bind_null(statement, index);
    case VarType::Boolean: return sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
    case VarType::Integer:
    case VarType::Long: return sqlite3_bind_int64(statement, index, value.toLong());
    case VarType::Double:
    case VarType::Currency: return sqlite3_bind_double(statement, index, value.toDouble());
    case VarType::Date: {
      Date date = value.toDate();
      std::string text = date.format(date.serial == std::floor(date.serial) ? "yyyy-mm-dd" : "yyyy-mm-dd hh:nn:ss");
      return sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    case VarType::String: {
      std::string text = value.toString();
      return sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    default: raise(errnum::TypeMismatch);
  }
}

}  // namespace automation::db
