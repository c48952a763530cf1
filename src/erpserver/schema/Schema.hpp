#pragma once
// Making and upgrading a company database. Functions only: any thread, on a database it holds
// alone (a Database is used by one thread at a time).

#include "platform/Export.hpp"

#include "erpserver/store/Database.hpp"

// The company database: one SQLite file per company, "<folder>/<company>.db", or one database
// per company on a PostgreSQL server, both made and upgraded by the same steps (Migrations.hpp).
//
// Conventions of the schema:
// - text columns are VARCHAR(n) with n in characters, 16-bit values SMALLINT, 32-bit INTEGER,
//   amounts REAL, dates DATE holding ISO text "yyyy-mm-dd";
// - "no value" is NULL, never the empty string, so that foreign keys hold;
// - document lines and lot movements belong to their header (ON DELETE CASCADE), and the keys of
//   DOCGCCAB, DOCGCLIN and LOTEMOVS make a duplicate document or an orphan line impossible.
//
// The stored procedures live in SYS_PROCEDURES (NAME, BODY): each BODY is one or more statements
// separated by ";" with named parameters "@Name", run in order in one transaction; dates are
// bound as ISO text. "sp_ost_Get_ARTIGOARMAZEM" (@Artigo, @Armazem) returns the stock row of an
// article in a warehouse (column EXISTENC); "sp_ost_Get_ORDENSFABRICO" (@Tipo, @Data) returns the
// manufacturing orders of a preselection filter dated up to @Data (all dates when @Data is NULL);
// "SP_OST_ORDEMFABRICO_TROCASEQ" (@Ordem1, @Ordem2) swaps the sequence of two orders.
namespace erpserver {

// The version of the schema this server writes, kept in the database (PRAGMA user_version in a
// file, the table SYS_SCHEMA on a server).
inline constexpr int kSchemaVersion = 8;

// Brings the database to kSchemaVersion: an empty one gets the whole schema, an older one the
// steps it lacks, in order and in one transaction; one at the version is left as it is. A newer
// version is refused, naming both. Raises sql::Error on failure, leaving the database unchanged.
QVD_API void ensureSchema(sql::Database& db);

// The version recorded in the database, 0 when it has none.
QVD_API int schemaVersion(sql::Database& db);

}  // namespace erpserver
