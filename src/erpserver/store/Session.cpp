#include "erpserver/store/Session.hpp"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "erpserver/store/Password.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/schema/CompanyName.hpp"
#include "erpserver/schema/Schema.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/System.hpp"

namespace erpserver {
namespace {

[[nodiscard]] bool credentialsMatch(sql::Database& db, const std::string& user, const std::string& password) {
  auto q = db.query("SELECT SAL, SENHA FROM UTILIZADORES WHERE CODIGO = ?");
  q->bind(1, user);
  return q->step() && password::digest(q->text(0), password) == q->text(1);
}

// The company of `path` on a new connection.
std::shared_ptr<Company> openCompany(const std::string& path) {
  auto opened = std::make_shared<Company>();
  opened->db = sql::Database::open(path, false);
  ensureSchema(*opened->db);
  opened->catalog = std::make_unique<Catalog>(*opened->db);
  opened->path = path;
  return opened;
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
  if (!isCompanyName(company)) {
    message = companyNameRefusal(company);
    return refusal::LoginFailed;
  }
  // A company on a server is the database named after it there.
  std::string file = onServer ? address::withDatabase(folder, company)
                              : automation::system::utf8FromPath(automation::system::pathFromUtf8(folder) /
                                                                 automation::system::pathFromUtf8(company + ".db"));
  std::shared_ptr<Company> open;
  {
    std::lock_guard lock(mutex_);
    for (const auto& l : logins_)
      if (l->company->path == file) open = l->company;
  }
  try {
    if (!open) {
      if (!onServer && !std::filesystem::is_regular_file(automation::system::pathFromUtf8(file))) {
        message = "Empresa '" + company + "' não existe em '" + address::withoutPassword(folder) + "'";
        return refusal::LoginFailed;
      }
      open = openCompany(file);
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
  auto made = std::make_shared<Login>(Login{open, user, std::this_thread::get_id(), nullptr});
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

std::shared_ptr<Company> Session::companyOf(const Login& login) {
  std::lock_guard lock(mutex_);
  return login.own ? login.own : login.company;
}

void Session::beginGroup(bool eachAlone) {
  std::shared_ptr<Login> login = current();
  if (!login) throw sql::Error(sql::Error::Kind::Other, "no company session is open");
  std::shared_ptr<Company> own = companyOf(*login);
  if (own == login->company) {
    own = openCompany(login->company->path);
    std::lock_guard lock(mutex_);
    login->own = own;
  }
  std::lock_guard lock(own->mutex);
  own->db->beginGroup(eachAlone);
}

template <class Act>
auto Session::onLoginDatabase(Act act) {
  std::shared_ptr<Login> login = current();
  if (!login) return decltype(act(std::declval<sql::Database&>()))();
  std::shared_ptr<Company> own = companyOf(*login);
  std::lock_guard lock(own->mutex);
  return act(*own->db);
}

bool Session::groupLost() {
  return onLoginDatabase([](sql::Database& db) { return db.groupLost(); });
}

void Session::settleGroup() {
  onLoginDatabase([](sql::Database& db) { db.settleGroup(); });
}

void Session::commitGroup() {
  onLoginDatabase([](sql::Database& db) { db.commitGroup(); });
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
  company_ = Session::instance().companyOf(*login);
  user_ = login->user;
  lock_ = std::unique_lock(company_->mutex);
}

Catalog& Session::Use::catalog() {
  if (!refreshed_) company_->catalog->refresh();
  refreshed_ = true;
  return *company_->catalog;
}

}  // namespace erpserver
