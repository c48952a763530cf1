#pragma once

#include <string_view>

// The company database on a PostgreSQL server, one database per company named after it: the same
// tables, rules and stock bookkeeping as the file database, with its triggers and the three stored
// procedures in PL/pgSQL. Table and column names are unquoted, so the server keeps them in lower
// case; REAL becomes DOUBLE PRECISION, the identity columns count by themselves, and the letter
// case of user codes is ignored through a collation.
namespace erpserver::postgres {

// Every statement that makes an empty database a company database at the current version.
std::string_view schemaText();

}  // namespace erpserver::postgres
