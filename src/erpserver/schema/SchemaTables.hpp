#pragma once

// The DDL of the company database: two blocks of tables that both engines create (written in the
// file database's SQL, which a server's schema translates), and what only the file database has.
namespace erpserver {

extern const char* const kMasterTables;
extern const char* const kDocumentTables;

// The definitions of PARAMS.STKNEG (negative stock allowed) and PARAMS.LOTEXPIR (exits may take
// lots past their expiry), columns added after the first version; both off by default.
extern const char* const kNegativeStockDefinition;
extern const char* const kExpiredLotsDefinition;

// The bodies of the stored procedures, kept as rows, and the stock-total triggers of the first version.
extern const char* const kFileOnlyTables;

}  // namespace erpserver
