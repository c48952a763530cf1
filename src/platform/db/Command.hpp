#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Object.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/DataTypes.hpp"
#include "platform/db/Recordset.hpp"

namespace automation::db {

// A named, typed value handed to a command.
class Parameter : public Object {
 public:
  Parameter(std::string name, DataType type, ParameterDirection direction, int32_t size, Variant value);

  std::string className() const override { return "Parameter"; }

  const std::string& Name() const { return name_; }
  DataType Type() const { return type_; }
  ParameterDirection Direction() const { return direction_; }
  int32_t Size() const { return size_; }
  const Variant& Value() const { return value_; }
  // Converted to the parameter's type (13, 6 or 94 when it cannot be).
  void SetValue(const Variant& value);

 private:
  std::string name_;
  DataType type_;
  ParameterDirection direction_;
  int32_t size_;
  Variant value_;
};
using ParameterRef = std::shared_ptr<Parameter>;

class Parameters {
 public:
  // 3367 when a parameter of that name (with or without its @) is already there.
  void Append(ParameterRef parameter);
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // By name (with or without its @, ignoring letter case) or by 0-based ordinal; 3265 naming it when missing.
  Parameter& Item(const Variant& nameOrOrdinal) const;
  Parameter& operator[](std::string_view name) const { return Item(Variant(name)); }

 private:
  friend class Command;
  Parameter* find(std::string_view name) const;
  std::vector<ParameterRef> items_;
};

// A statement or stored procedure run on a connection with its parameters. A stored procedure
// takes the parameters by their names and runs all or nothing, however its engine keeps it.
class Command : public Object {
 public:
  std::string className() const override { return "Command"; }

  const std::string& CommandText() const { return text_; }
  void SetCommandText(std::string text) { text_ = std::move(text); }
  ::automation::db::CommandType CommandType() const { return type_; }
  void SetCommandType(::automation::db::CommandType type) { type_ = type; }
  const ConnectionRef& ActiveConnection() const { return connection_; }
  void SetActiveConnection(ConnectionRef connection) { connection_ = std::move(connection); }

  ParameterRef CreateParameter(std::string name, DataType type, ParameterDirection direction, int32_t size = 0,
                               const Variant& value = Variant()) const;
  Parameters& GetParameters() { return parameters_; }

  // The rows of the last statement that returns columns; a closed record set when none does.
  // 3709 without a connection; the provider error for an unknown procedure, a parameter value
  // longer than its size, or any statement the database refuses.
  RecordsetRef Execute();

 private:
  std::string text_;
  ::automation::db::CommandType type_ = ::automation::db::CommandType::Text;
  ConnectionRef connection_;
  Parameters parameters_;
};

}  // namespace automation::db
