#include "erpserver/DemoCompany.hpp"

#include <filesystem>

#include "erpserver/DemoData.hpp"
#include "erpserver/Password.hpp"
#include "erpserver/Schema.hpp"
#include "erpserver/Sqlite.hpp"

namespace erpserver {
namespace {

void addUser(sql::Database& db, const std::string& code, const std::string& name, const std::string& secret) {
  std::string salt = password::newSalt();
  auto q = db.query("INSERT INTO UTILIZADORES (CODIGO, NOME, SAL, SENHA) VALUES (?, ?, ?, ?)");
  q->bind(1, code).bind(2, name).bind(3, salt).bind(4, password::digest(salt, secret)).run();
}

}  // namespace

void createDemoCompany(const std::string& folder, const std::string& company) {
  std::filesystem::create_directories(folder);
  std::filesystem::path file = std::filesystem::path(folder) / (company + ".db");
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix);
  auto db = sql::Database::open(file.string(), true);
  ensureSchema(db->handle());
  sql::Transaction tx(*db);
  db->exec(kDemoData);
  addUser(*db, kDemoUser, "Administrador", kDemoPassword);
  tx.commit();
}

}  // namespace erpserver
