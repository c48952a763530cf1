#include "platform/db/Catalog.hpp"

#include "platform/AutomationError.hpp"
#include "platform/db/ItemNotFound.hpp"
#include "platform/db/SqlTypes.hpp"

namespace automation::db {

RecordsetRef Catalog::lookUp(std::string_view name) const {
  if (!connection_) raise(dberr::NoConnection, "The catalog has no open connection.", "Catalog");
  NamedValue table{"table", Variant(name)};
  return connection_->Execute(
      "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name = @table COLLATE NOCASE",
      std::span<const NamedValue>(&table, 1));
}

bool Catalog::HasTable(std::string_view name) const { return !lookUp(name)->Eof(); }

CatalogTable Catalog::Tables(std::string_view name) const {
  RecordsetRef found = lookUp(name);
  if (found->Eof()) {
    raiseItemNotFound("table", std::string(name), "Tables");
  }
  NamedValue table{"table", found->value("name")};
  RecordsetRef info =
      connection_->Execute("SELECT name, type, \"notnull\", pk FROM pragma_table_info(@table) ORDER BY cid",
                           std::span<const NamedValue>(&table, 1));
  std::vector<ColumnInfo> columns;
  for (; !info->Eof(); info->MoveNext()) {
    DeclaredType type = parseDeclaredType(info->value("type").toString());
    bool notNull = info->value("notnull").toLong() != 0;
    bool primaryKey = info->value("pk").toLong() != 0;
    columns.push_back(ColumnInfo{info->value("name").toString(), type.type, type.definedSize,
                                 columnAttributes(type.type, notNull, primaryKey), table.value.toString(),
                                 info->value("name").toString()});
  }
  return CatalogTable(table.value.toString(), std::move(columns));
}

}  // namespace automation::db
