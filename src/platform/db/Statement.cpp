#include "platform/db/Statement.hpp"

#include "platform/Text.hpp"
#include "platform/db/SqlTypes.hpp"
#include "platform/db/SqliteEngine.hpp"

namespace automation::db {
namespace {

std::string_view withoutSigil(std::string_view placeholder) {
  if (!placeholder.empty() && (placeholder[0] == '@' || placeholder[0] == ':' || placeholder[0] == '$')) {
    placeholder.remove_prefix(1);
  }
  return placeholder;
}

}  // namespace

void Statement::bindByName(std::span<const NamedValue> values) {
  int count = sqlite3_bind_parameter_count(handle_);
  for (int i = 1; i <= count; ++i) {
    const char* placeholder = sqlite3_bind_parameter_name(handle_, i);
    std::string_view name = withoutSigil(placeholder ? placeholder : "");
    const NamedValue* match = nullptr;
    for (const NamedValue& v : values) {
      if (text::equalsIgnoringCase(withoutSigil(v.name), name)) match = &v;
    }
    if (!match || name.empty()) {
      engine_->fail("No value given for the parameter " + std::string(placeholder ? placeholder : "?") + ".");
    }
    if (bindValue(handle_, i, match->value) != SQLITE_OK) engine_->fail(sqlite3_errmsg(sqlite3_db_handle(handle_)));
  }
}

bool Statement::step() {
  int rc = sqlite3_step(handle_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  engine_->fail(sqlite3_errmsg(sqlite3_db_handle(handle_)), sqliteFailureKind(rc));
}

RecordsetRef Statement::readAll() {
  auto rs = std::make_shared<Recordset>();
  bool onRow = step();
  rs->setColumns(describeColumns(onRow));
  rs->SetCursorLocation(UseClientCursor);
  rs->Open();
  const std::vector<ColumnInfo>& columns = rs->columns();
  for (; onRow; onRow = step()) {
    std::vector<Variant> values;
    values.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
      values.push_back(readColumn(handle_, static_cast<int>(i), columns[i].type));
    rs->appendLoadedRow(std::move(values));
  }
  return rs;
}

// A column of a table takes its type and constraints from the table; a computed one (without a
// declared type) is typed by the value in the first row.
std::vector<ColumnInfo> Statement::describeColumns(bool onRow) const {
  std::vector<ColumnInfo> columns;
  int count = sqlite3_column_count(handle_);
  for (int i = 0; i < count; ++i) {
    ColumnInfo c;
    c.name = sqlite3_column_name(handle_, i);
    const char* declared = sqlite3_column_decltype(handle_, i);
    DeclaredType type =
        declared ? parseDeclaredType(declared) : typeOfStorage(onRow ? sqlite3_column_type(handle_, i) : SQLITE_NULL);
    c.type = type.type;
    c.definedSize = type.definedSize;
    const char* table = sqlite3_column_table_name(handle_, i);
    const char* origin = sqlite3_column_origin_name(handle_, i);
    int notNull = 0, primaryKey = 0;
    if (table && origin) {
      c.baseTable = table;
      c.baseColumn = origin;
      sqlite3_table_column_metadata(sqlite3_db_handle(handle_), sqlite3_column_database_name(handle_, i), table, origin,
                                    nullptr, nullptr, &notNull, &primaryKey, nullptr);
    }
    c.attributes = columnAttributes(c.type, notNull != 0, primaryKey != 0);
    if (!table) c.attributes &= ~fieldattr::Updatable;
    columns.push_back(std::move(c));
  }
  return columns;
}

}  // namespace automation::db
