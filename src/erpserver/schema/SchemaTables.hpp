#pragma once

// The DDL of the company database: two blocks of tables that both engines create (written in the
// file database's SQL, which a server's schema translates), and what only the file database has.
namespace erpserver {

extern const char* const kMasterTables;
extern const char* const kDocumentTables;

// The definition of PARAMS.STKNEG, a column added after the first version.
extern const char* const kNegativeStockDefinition;

// The bodies of the stored procedures, kept as rows, and the stock-total triggers of the first version.
extern const char* const kFileOnlyTables;

}  // namespace erpserver
