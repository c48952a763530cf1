#pragma once
// Record sets, their fields and update targets.
// Ownership: a record set owns its rows; a Field shares the record set's state and stays valid
// while any reference to it lives. Threads: one thread at a time.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Object.hpp"
#include "platform/db/DataTypes.hpp"

namespace automation::db {

class Recordset;
class Connection;
class Fields;
using RecordsetRef = std::shared_ptr<Recordset>;
using ConnectionRef = std::shared_ptr<Connection>;

struct ColumnInfo {
  std::string name;
  DataType type = DataType::VarWChar;
  int32_t definedSize = 0;
  int32_t attributes = 0;
  // Where a column read from the database comes from; empty for computed columns. Initialised here
  // so that braces naming only the first four members stay free of warnings.
  std::string baseTable = {};
  std::string baseColumn = {};
};

// A record set: named columns over rows held in memory, a current row, and rows appended or
// changed since it was opened. A record set opened for update knows its table and key, so that
// the data-access object can write the new and changed rows back in one database transaction.
class Recordset : public Object {
 public:
  Recordset();
  ~Recordset() override;

  std::string className() const override { return "Recordset"; }

  Fields GetFields() const;

  bool Eof() const;
  bool Bof() const;
  void MoveFirst();
  void MoveNext();
  int32_t RecordCount() const;  // -1 when the count is not known
  void AddNew();                // appends an empty row and makes it current
  void Update();                // ends the edit of the current row (kept in memory until saved)
  void Close();
  void Open();  // opens a disconnected record set on the appended fields, with no rows
  bool IsOpen() const;
  int32_t CursorLocation() const;
  void SetCursorLocation(int32_t location);

  // Shortcut for GetFields().Item(name).Value(): a copy, as a later row may move the storage.
  Variant value(std::string_view name) const;
  void setValue(std::string_view name, const Variant& value);

  // ---- used by the data-access layer ----
  const std::vector<ColumnInfo>& columns() const;
  void setColumns(std::vector<ColumnInfo> columns);
  void appendLoadedRow(std::vector<Variant> values);  // a row as read from the database
  void setCountKnown(bool known);
  struct UpdateTarget {
    ConnectionRef connection;
    std::string table;
    std::vector<std::string> keyColumns;
  };
  void setUpdateTarget(UpdateTarget target);
  const UpdateTarget* updateTarget() const;  // null for a read-only or disconnected record set
  enum class RowState { Unchanged, Added, Modified };
  struct Row {
    std::vector<Variant> values;
    std::vector<Variant> original;  // values as loaded, kept once the row changes, to locate it
    RowState state = RowState::Unchanged;
  };
  const std::vector<Row>& rows() const;
  void markSaved();  // every row becomes unchanged with its current values as the original

 private:
  friend class Field;
  friend class Fields;
  struct State;
  std::shared_ptr<State> state_;
};

// One column of a record set, seen through its current row.
// Holds the record set's state, so that it stays usable after the record set itself is gone.
class Field {
 public:
  Field(const Recordset& owner, std::size_t column);

  std::string Name() const;
  DataType Type() const;
  int32_t DefinedSize() const;
  int32_t Attributes() const;
  // A copy of the value in the current row; 3021 when there is no current row.
  Variant Value() const;
  void SetValue(const Variant& value);

 private:
  friend class Fields;
  Field(std::shared_ptr<Recordset::State> state, std::size_t column) : state_(std::move(state)), column_(column) {}

  std::shared_ptr<Recordset::State> state_;
  std::size_t column_;
};

class Fields {
 public:
  explicit Fields(const Recordset& owner);

  int32_t Count() const;
  // By name (ignoring letter case) or by 0-based ordinal; 3265 naming the field when missing.
  Field Item(const Variant& nameOrOrdinal) const;
  Field operator[](std::string_view name) const;
  bool Contains(std::string_view name) const;
  // Adds a column to a closed, disconnected record set.
  void Append(std::string name, DataType type, int32_t definedSize = 0, int32_t attributes = 0);

 private:
  std::shared_ptr<Recordset::State> state_;
};

}  // namespace automation::db
