#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Object.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/Recordset.hpp"

namespace automation::db {

// A table as the database itself describes it.
class CatalogTable {
 public:
  CatalogTable(std::string name, std::vector<ColumnInfo> columns)
      : name_(std::move(name)), columns_(std::move(columns)) {}

  const std::string& Name() const { return name_; }
  // In column order, typed from the declared types, with their key and null constraints as attributes.
  const std::vector<ColumnInfo>& Columns() const& { return columns_; }
  // A table taken straight from Tables() hands its columns over, so that a loop over them outlives it.
  std::vector<ColumnInfo> Columns() && { return std::move(columns_); }

 private:
  std::string name_;
  std::vector<ColumnInfo> columns_;
};

// The tables and views of the database of a connection.
class Catalog : public Object {
 public:
  std::string className() const override { return "Catalog"; }

  const ConnectionRef& ActiveConnection() const { return connection_; }
  void SetActiveConnection(ConnectionRef connection) { connection_ = std::move(connection); }

  // Names ignore letter case. 3709 without a connection.
  bool HasTable(std::string_view name) const;
  // 3265 naming the table when there is none of that name.
  CatalogTable Tables(std::string_view name) const;

 private:
  [[nodiscard]] std::optional<std::string> lookUp(std::string_view name) const;

  ConnectionRef connection_;
};

}  // namespace automation::db
