#include "platform/db/Catalog.hpp"

#include "platform/AutomationError.hpp"
#include "platform/db/ItemNotFound.hpp"

namespace automation::db {

std::optional<std::string> Catalog::lookUp(std::string_view name) const {
  if (!connection_) raise(dberr::NoConnection, "The catalog has no open connection.", "Catalog");
  return connection_->engine().tableName(name);
}

bool Catalog::HasTable(std::string_view name) const { return lookUp(name).has_value(); }

CatalogTable Catalog::Tables(std::string_view name) const {
  std::optional<std::string> found = lookUp(name);
  if (!found) raiseItemNotFound("table", std::string(name), "Tables");
  return CatalogTable(*found, connection_->engine().tableColumns(*found));
}

}  // namespace automation::db
