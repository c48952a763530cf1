#pragma once

#include "platform/Export.hpp"

// The server's sessions: one connection per open company, shared by every login on it, and one
// login per BaseNext, each with its own user. A login that groups its writes gets a connection of
// its own for them, so that no other login's action can fall inside its group.
// Ownership: the sessions own the open companies; a login holds its company while it lasts.
// Threads: any; every use of a company goes through its lock.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {

// An open company: its connection (WAL, lock wait, prepared-statement cache) and catalog. Every
// login on the company shares it; it closes when the last one has left.
struct Company {
  std::recursive_mutex mutex;
  std::unique_ptr<sql::Database> db;
  std::unique_ptr<Catalog> catalog;
  std::string path;
};

// The login of one BaseNext: its user on a company, made on one thread. `own` is the company
// opened again on a connection of this login's alone, from its first write group on; its
// actions then run there. It goes (rolling back a group left open) when the login ends.
struct Login {
  std::shared_ptr<Company> company;
  std::string user;
  std::thread::id thread;
  std::shared_ptr<Company> own;
};

// What a server object acts in. It is bound on creation to the latest login of the creating
// thread (or, when that thread has none, of the process), and keeps it while that login lasts;
// unbound or left behind, it takes the same choice again when it acts. So a host that runs each
// facade on a thread of its own has each facade's documents stamped with its own user.
class QVD_API SessionLink {
 public:
  SessionLink();
  std::shared_ptr<Login> login();

 private:
  std::weak_ptr<Login> login_;
};

class QVD_API Session {
 public:
  static Session& instance();

  // Opens "<folder>/<company>.db", or the database `company` on the server when `folder` is a
  // server's URI (or joins its open connection) after checking the user and password. Returns 0 and the new login in `login`, or a refusal code with `message` set.
  [[nodiscard]] int32_t join(const std::string& folder, const std::string& company, const std::string& user,
                             const std::string& password, std::string& message, std::weak_ptr<Login>& login);
  // Ends the login (nothing when it has already ended).
  void leave(const std::weak_ptr<Login>& login);
  // Ends every login and closes every company (tests).
  static void close();
  bool isOpen();

  // For a host that writes many documents in a row: the writes of the calling thread's login go
  // into one database transaction until commitGroup(), each action that writes whole or absent on
  // its own, or the whole group undone by one that fails (sql::Database::beginGroup). The group
  // lives on the login's own connection: another login's actions wait for the writer lock as for
  // any other writer, and never become part of it. Both raise sql::Error: no session, or the
  // database failed.
  void beginGroup(bool eachAlone);
  void commitGroup();
  bool groupLost();
  void settleGroup();

  // The company of a link with the company locked; refuses with "Sessão não iniciada". One Use
  // serves one action: its catalog is refreshed on the action's first look at it, so an action
  // that opens a transaction first sees the catalog of its own snapshot.
  class Use {
   public:
    explicit Use(SessionLink& link);
    sql::Database& db() const { return *company_->db; }
    Catalog& catalog();
    const std::string& user() const { return user_; }

   private:
    std::shared_ptr<Company> company_;
    std::unique_lock<std::recursive_mutex> lock_;
    bool refreshed_ = false;
    std::string user_;
  };

 private:
  friend class SessionLink;
  // The latest login of this thread, else of the process; null when nobody is logged in.
  std::shared_ptr<Login> current();
  // The company the login's actions run on: its own connection when it has one.
  std::shared_ptr<Company> companyOf(const Login& login);
  // What `act` gives for the calling thread's login's database, with its company locked; a value
  // of its type made from nothing without a login.
  template <class Act>
  auto onLoginDatabase(Act act);

  std::mutex mutex_;
  std::vector<std::shared_ptr<Login>> logins_;  // in the order they were made
};

}  // namespace erpserver
