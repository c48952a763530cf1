#pragma once

#include <string_view>

// The company database on a PostgreSQL server, one database per company named after it: the same
// tables, rules and stock bookkeeping as the file database, with its triggers and the three stored
// procedures in PL/pgSQL. Table and column names are unquoted, so the server keeps them in lower
// case; REAL becomes DOUBLE PRECISION, the identity columns count by themselves, and the letter
// case of user codes is ignored through a collation.
namespace erpserver::postgres {

// The server's own form of the steps of the company schema (schema/Migrations.hpp): version 1
// (the tables, the stock-total trigger, the procedures), version 2 (negative stock, lot releases,
// the archive of removed documents, the unique source reference) and version 5 (an explicit
// insertion order for lot movements and lot releases). Versions 3 and 4 need no SQL of the
// server's own.
std::string_view firstVersionText();
std::string_view secondVersionText();
std::string_view insertOrderText();
// Version 7: one recomputation of an article's stock total per stock row, and the lots total of
// each article and warehouse (ARTARMLOT) kept by a trigger on ARTLOT.
std::string_view lotTotalsText();

}  // namespace erpserver::postgres
