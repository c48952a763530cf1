// The server's texts for a company in a SQLite file and for one on a PostgreSQL server.
#include "erpserver/store/Dialect.hpp"

#include <string>
#include <string_view>

#include "erpserver/schema/Migrations.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver::sql {
namespace {

const Dialect kSqliteCompany{
    automation::db::kSqliteDialect,
    "PRAGMA user_version",
    "PRAGMA user_version = ",
    "PRAGMA data_version",
    nullptr,
    "rowid",
    &Migration::onFile,
};

// On a server the version sits in SYS_SCHEMA, and master data has a version of its own that
// triggers raise; a file's row ids keep the order rows were inserted in, a server's do not.
const Dialect kPostgresCompany{
    automation::db::kPostgresDialect,
    nullptr,
    "INSERT INTO SYS_SCHEMA (VERSION) SELECT ",
    "SELECT VERSAO FROM SYS_VERSAOREF WHERE ID = 1",
    "SYS_VERSAOREF",
    "ORDEM",
    &Migration::onServer,
};

}  // namespace

const Dialect& dialectOf(const automation::db::SqlDialect& sql) {
  for (const Dialect* dialect : {&kSqliteCompany, &kPostgresCompany})
    if (std::string_view(dialect->sql.name) == sql.name) return *dialect;
  throw Error(Error::Kind::Other, std::string("this server keeps no company on a database of ") + sql.name);
}

}  // namespace erpserver::sql
