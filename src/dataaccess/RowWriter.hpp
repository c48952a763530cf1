#pragma once

#include "platform/db/Recordset.hpp"

namespace dataaccess {

// Writes the added rows of an updatable record set to its table as INSERTs, and its changed rows
// as UPDATEs of the changed columns, each row found by its key as it was read (by all the values
// it was read with when the table has no key). Raises at the first row the database refuses or
// cannot find; the caller makes the whole write one transaction.
void writeChangedRows(const automation::db::Recordset& rs);

}  // namespace dataaccess
