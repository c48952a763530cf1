#include "erpserver/store/Session.hpp"

#include <filesystem>

#include "erpserver/store/Password.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/schema/Schema.hpp"

namespace erpserver {
namespace {

bool credentialsMatch(sql::Database& db, const std::string& user, const std::string& password) {
  auto q = db.query("SELECT SAL, SENHA FROM UTILIZADORES WHERE CODIGO = ?");
  q->bind(1, user);
  return q->step() && password::digest(q->text(0), password) == q->text(1);
}

}  // namespace

Session& Session::instance() {
  static Session session;
  return session;
}

int32_t Session::join(const std::string& folder, const std::string& company, const std::string& user,
                      const std::string& password, std::string& message, uint64_t& generation) {
  std::lock_guard lock(mutex_);
  std::filesystem::path file = std::filesystem::path(folder) / (company + ".db");
  if (db_ && std::filesystem::path(path_) != file) {
    message = "Já existe uma sessão aberta na empresa '" + std::filesystem::path(path_).stem().string() + "'";
    return refusal::OtherCompany;
  }
  std::unique_ptr<sql::Database> opened;
  sql::Database* db = db_.get();
  try {
    if (!db) {
      if (company.empty() || !std::filesystem::is_regular_file(file)) {
        message = "Empresa '" + company + "' não existe em '" + folder + "'";
        return refusal::LoginFailed;
      }
      opened = sql::Database::open(file.string(), false);
      ensureSchema(*opened);
      db = opened.get();
    }
    if (!credentialsMatch(*db, user, password)) {
      message = "Utilizador '" + user + "' ou palavra-passe inválidos";
      return refusal::LoginFailed;
    }
  } catch (const sql::Error& e) {
    message = "Não foi possível abrir a empresa '" + company + "': " + e.what();
    return refusal::LoginFailed;
  }
  if (opened) {
    db_ = std::move(opened);
    catalog_ = std::make_unique<Catalog>(*db_);
    path_ = file.string();
    ++generation_;
  }
  user_ = user;
  ++members_;
  generation = generation_;
  return 0;
}

void Session::leave(uint64_t generation) {
  std::lock_guard lock(mutex_);
  if (generation != generation_ || members_ == 0) return;
  if (--members_ == 0) {
    catalog_.reset();
    db_.reset();
  }
}

void Session::close() {
  Session& s = instance();
  std::lock_guard lock(s.mutex_);
  s.catalog_.reset();
  s.db_.reset();
  s.members_ = 0;
  ++s.generation_;
}

bool Session::isOpen() {
  std::lock_guard lock(mutex_);
  return db_ != nullptr;
}

void Session::beginGroup() {
  std::lock_guard lock(mutex_);
  if (!db_) throw sql::Error(sql::Error::Kind::Other, "no company session is open");
  db_->beginGroup();
}

void Session::commitGroup() {
  std::lock_guard lock(mutex_);
  if (db_) db_->commitGroup();
}

Session::Use::Use(Session& session)
    : lock_(session.mutex_), db_(session.db_.get()), catalog_(session.catalog_.get()), user_(session.user_) {
  if (!db_) refuseWith(refusal::NoSession, "Sessão não iniciada");
}

Catalog& Session::Use::catalog() {
  if (!refreshed_) catalog_->refresh();
  refreshed_ = true;
  return *catalog_;
}

}  // namespace erpserver
