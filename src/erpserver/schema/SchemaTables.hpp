#pragma once

// The DDL of the company database, in two blocks of statements.
namespace erpserver {

extern const char* const kMasterTables;
extern const char* const kDocumentTables;

}  // namespace erpserver
