#include "erpserver/schema/DemoCompany.hpp"

#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

#include "erpserver/schema/CompanyName.hpp"
#include "erpserver/schema/DemoData.hpp"
#include "erpserver/store/Password.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Database.hpp"
#include "platform/AutomationError.hpp"
#include "platform/ClaimedFile.hpp"
#include "platform/System.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/PostgresText.hpp"
#include "platform/db/ServerAddress.hpp"

namespace erpserver {
namespace {

namespace fs = std::filesystem;

void addUser(sql::Database& db, const std::string& code, const std::string& name, const std::string& secret) {
  std::string salt = password::newSalt();
  auto q = db.query("INSERT INTO UTILIZADORES (CODIGO, NOME, SAL, SENHA) VALUES (?, ?, ?, ?)");
  q->bind(1, code).bind(2, name).bind(3, salt).bind(4, password::digest(salt, secret)).run();
}

void removeWithJournals(const fs::path& file) {
  std::error_code ec;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(fs::path(file) += suffix, ec);
}

void fill(sql::Database& db) {
  ensureSchema(db);
  sql::Transaction tx(db);
  db.exec(kDemoData);
  addUser(db, kDemoUser, "Administrador", kDemoPassword);
  tx.commit();
}

// The whole company in `file`, left as one file without journal.
void build(const std::string& file) {
  auto db = sql::Database::open(file, true);
  fill(*db);
  db->exec("PRAGMA journal_mode=DELETE");
}

bool databaseExists(automation::db::Connection& server, const std::string& name) {
  automation::db::NamedValue key{"name", automation::Variant(name)};
  return !server.Execute("SELECT 1 FROM pg_database WHERE datname = @name", std::span(&key, 1))->Eof();
}

// A database of its own on the server, named after the company; dropped again when it cannot be
// filled, so that a failed creation leaves no half-made company.
void createOnServer(const std::string& uri, const std::string& company, ExistingCompany existing) {
  // A URI that names no database reaches the server through the maintenance database every
  // cluster has, rather than libpq's default of the user's own name.
  namespace address = automation::db::address;
  auto server = automation::db::Connection::open(address::databaseOf(uri).empty() ? address::withDatabase(uri, "postgres")
                                                                                   : uri);
  std::string name = automation::db::postgres::quotedIdentifier(company);
  std::string shown = automation::db::address::withoutPassword(uri);
  auto exists = [&] {
    return CompanyExists("A empresa '" + company + "' já existe em '" + shown + "': não é substituída sem pedido expresso");
  };
  if (existing == ExistingCompany::Replace) server->Execute("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  if (databaseExists(*server, company)) throw exists();
  try {
    server->Execute("CREATE DATABASE " + name + " ENCODING 'UTF8' TEMPLATE template0");
  } catch (const automation::AutomationError&) {
    if (databaseExists(*server, company)) throw exists();  // another creation got there first
    throw;
  }
  try {
    fill(*sql::Database::open(automation::db::address::withDatabase(uri, company), false));
  } catch (...) {
    server->Execute("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    throw;
  }
}

[[noreturn]] void refuseExisting(const fs::path& file) {
  throw CompanyExists("A empresa '" + automation::system::utf8FromPath(file.stem()) + "' já existe em '" +
                      automation::system::utf8FromPath(file) +
                      "': não é substituída sem pedido expresso");
}

}  // namespace

void createDemoCompany(const std::string& folder, const std::string& company, ExistingCompany existing) {
  if (!isCompanyName(company)) automation::raise(automation::errnum::InvalidArgument, companyNameRefusal(company));
  if (automation::db::address::isServerUri(folder)) return createOnServer(folder, company, existing);
  using automation::system::pathFromUtf8;
  fs::path place = pathFromUtf8(folder);
  fs::create_directories(place);
  fs::path file = place / pathFromUtf8(company + ".db");
  // What an interrupted creation of this company left goes first, even when the company is
  // there; the claim keeps a creation that is under way from being taken for one.
  std::string prefix = "." + company + ".db.new-";
  automation::files::removeAbandoned(place, prefix);
  std::error_code ec;
  if (existing == ExistingCompany::Refuse && fs::exists(file, ec)) refuseExisting(file);
  std::optional<automation::files::ClaimedFile> claimed;
  try {
    claimed.emplace(place / pathFromUtf8(prefix + "XXXXXX"));
  } catch (const std::system_error& e) {
    throw std::runtime_error("Não foi possível criar o ficheiro temporário da empresa: " + std::string(e.what()));
  }
  const fs::path& partial = claimed->path();
  try {
    build(automation::system::utf8FromPath(partial));
    if (existing == ExistingCompany::Replace) {
      for (const char* suffix : {"-wal", "-shm", "-journal"}) fs::remove(fs::path(file) += suffix);
      fs::rename(partial, file);
    } else {
      bool placed = false;
      try {
        placed = automation::system::placeWithoutReplacing(partial, file);
      } catch (const fs::filesystem_error& e) {
        throw std::runtime_error("Não foi possível criar '" + automation::system::utf8FromPath(file) +
                                 "': " + e.code().message());
      }
      if (!placed) refuseExisting(file);
    }
  } catch (...) {
    removeWithJournals(partial);
    throw;
  }
  removeWithJournals(partial);
}

}  // namespace erpserver
