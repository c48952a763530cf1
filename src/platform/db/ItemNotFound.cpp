#include "platform/db/ItemNotFound.hpp"

#include "platform/AutomationError.hpp"
#include "platform/db/DataTypes.hpp"

namespace automation::db {

void raiseItemNotFound(std::string_view kind, const std::string& name, std::string_view collection) {
  raise(dberr::ItemNotFound,
        "Item cannot be found in the collection corresponding to the requested name or ordinal (" + std::string(kind) +
            " \"" + name + "\").",
        std::string(collection));
}

}  // namespace automation::db
