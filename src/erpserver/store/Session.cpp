#include "erpserver/store/Session.hpp"

#include <algorithm>
#include <filesystem>

#include "erpserver/store/Password.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/schema/Schema.hpp"
#include "platform/db/ServerAddress.hpp"

namespace erpserver {
namespace {

[[nodiscard]] bool credentialsMatch(sql::Database& db, const std::string& user, const std::string& password) {
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
                      const std::string& password, std::string& message, std::weak_ptr<Login>& login) {
  namespace address = automation::db::address;
  const bool onServer = address::isServerUri(folder);
  // A company on a server is the database named after it there.
  std::string file = onServer ? address::withDatabase(folder, company)
                              : (std::filesystem::path(folder) / (company + ".db")).string();
  std::shared_ptr<Company> open;
  {
    std::lock_guard lock(mutex_);
    for (const auto& l : logins_)
      if (l->company->path == file) open = l->company;
  }
  try {
    if (!open) {
      if (company.empty() || (!onServer && !std::filesystem::is_regular_file(file))) {
        message = "Empresa '" + company + "' não existe em '" + address::withoutPassword(folder) + "'";
        return refusal::LoginFailed;
      }
      open = std::make_shared<Company>();
      open->db = sql::Database::open(file, false);
      ensureSchema(*open->db);
      open->catalog = std::make_unique<Catalog>(*open->db);
      open->path = file;
    }
    std::lock_guard use(open->mutex);
    if (!credentialsMatch(*open->db, user, password)) {
      message = "Utilizador '" + user + "' ou palavra-passe inválidos";
      return refusal::LoginFailed;
    }
  } catch (const automation::AutomationError& e) {
    message = "Não foi possível abrir a empresa '" + company + "': " + e.description();
    return refusal::LoginFailed;
  }
  auto made = std::make_shared<Login>(Login{open, user, std::this_thread::get_id()});
  std::lock_guard lock(mutex_);
  // Two first logins that raced each opened the company; the later one joins the earlier's.
  for (const auto& l : logins_)
    if (l->company->path == file) made->company = l->company;
  logins_.push_back(made);
  login = made;
  return 0;
}

void Session::leave(const std::weak_ptr<Login>& login) {
  std::shared_ptr<Login> ending = login.lock();
  std::lock_guard lock(mutex_);
  std::erase(logins_, ending);
}

void Session::close() {
  Session& s = instance();
  std::vector<std::shared_ptr<Login>> ended;
  {
    std::lock_guard lock(s.mutex_);
    ended.swap(s.logins_);
  }
}

bool Session::isOpen() {
  std::lock_guard lock(mutex_);
  return !logins_.empty();
}

std::shared_ptr<Login> Session::current() {
  std::lock_guard lock(mutex_);
  auto me = std::this_thread::get_id();
  for (auto it = logins_.rbegin(); it != logins_.rend(); ++it)
    if ((*it)->thread == me) return *it;
  return logins_.empty() ? nullptr : logins_.back();
}

void Session::beginGroup() {
  std::shared_ptr<Login> login = current();
  if (!login) throw sql::Error(sql::Error::Kind::Other, "no company session is open");
  std::lock_guard lock(login->company->mutex);
  login->company->db->beginGroup();
}

void Session::commitGroup() {
  std::shared_ptr<Login> login = current();
  if (!login) return;
  std::lock_guard lock(login->company->mutex);
  login->company->db->commitGroup();
}

SessionLink::SessionLink() : login_(Session::instance().current()) {}

std::shared_ptr<Login> SessionLink::login() {
  if (auto bound = login_.lock()) return bound;
  std::shared_ptr<Login> now = Session::instance().current();
  login_ = now;
  return now;
}

Session::Use::Use(SessionLink& link) {
  std::shared_ptr<Login> login = link.login();
  if (!login) refuseWith(refusal::NoSession, "Sessão não iniciada");
  company_ = login->company;
  user_ = login->user;
  lock_ = std::unique_lock(company_->mutex);
}

Catalog& Session::Use::catalog() {
  if (!refreshed_) company_->catalog->refresh();
  refreshed_ = true;
  return *company_->catalog;
}

}  // namespace erpserver
