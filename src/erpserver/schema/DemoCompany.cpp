#include "erpserver/schema/DemoCompany.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

#include "erpserver/schema/DemoData.hpp"
#include "erpserver/store/Password.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Database.hpp"
#include "platform/ClaimedFile.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/ServerAddress.hpp"

namespace erpserver {
namespace {

namespace fs = std::filesystem;

void addUser(sql::Database& db, const std::string& code, const std::string& name, const std::string& secret) {
  std::string salt = password::newSalt();
  auto q = db.query("INSERT INTO UTILIZADORES (CODIGO, NOME, SAL, SENHA) VALUES (?, ?, ?, ?)");
  q->bind(1, code).bind(2, name).bind(3, salt).bind(4, password::digest(salt, secret)).run();
}

void removeWithJournals(const std::string& file) {
  std::error_code ec;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(file + suffix, ec);
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
  std::string name = "\"" + company + "\"";
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
  throw CompanyExists("A empresa '" + file.stem().string() + "' já existe em '" + file.string() +
                      "': não é substituída sem pedido expresso");
}

}  // namespace

void createDemoCompany(const std::string& folder, const std::string& company, ExistingCompany existing) {
  if (automation::db::address::isServerUri(folder)) return createOnServer(folder, company, existing);
  fs::create_directories(folder);
  fs::path file = fs::path(folder) / (company + ".db");
  // What an interrupted creation of this company left goes first, even when the company is
  // there; the claim keeps a creation that is under way from being taken for one.
  std::string prefix = "." + company + ".db.new-";
  automation::files::removeAbandoned(folder, prefix);
  std::error_code ec;
  if (existing == ExistingCompany::Refuse && fs::exists(file, ec)) refuseExisting(file);
  std::optional<automation::files::ClaimedFile> claimed;
  try {
    claimed.emplace((fs::path(folder) / (prefix + "XXXXXX")).string());
  } catch (const std::system_error& e) {
    throw std::runtime_error("Não foi possível criar o ficheiro temporário da empresa: " + std::string(e.what()));
  }
  const std::string& partial = claimed->path();
  // The temporary file's private mode would stay with the company.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(claimed->descriptor(), 0666 & ~mask);
  try {
    build(partial);
    if (existing == ExistingCompany::Replace) {
      for (const char* suffix : {"-wal", "-shm", "-journal"}) fs::remove(file.string() + suffix);
      fs::rename(partial, file);
    } else if (link(partial.c_str(), file.c_str()) != 0) {
      // Linking fails rather than replace a company that appeared in the meantime; a file
      // system without links gets a rename after one more look.
      if (errno == EEXIST || fs::exists(file, ec)) refuseExisting(file);
      if (errno != EPERM && errno != EOPNOTSUPP)
        throw std::runtime_error("Não foi possível criar '" + file.string() + "': " + std::strerror(errno));
      fs::rename(partial, file);
    }
  } catch (...) {
    removeWithJournals(partial);
    throw;
  }
  removeWithJournals(partial);
}

}  // namespace erpserver
