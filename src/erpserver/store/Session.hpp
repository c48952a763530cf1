#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {

// The process-wide session of the server, as an automation server has one: the open company's
// connection (WAL, busy timeout, prepared-statement cache) and the user. Every BaseNext.Iniciar
// on the same company joins it and every Terminar leaves it; it closes when the last one left.
class Session {
 public:
  static Session& instance();

  // Opens "<folder>/<company>.db" (or joins the open session of that company) after checking the
  // user and password. Returns 0 and the session's generation in `generation`, or a refusal code
  // with `message` set.
  int32_t join(const std::string& folder, const std::string& company, const std::string& user,
               const std::string& password, std::string& message, uint64_t& generation);
  // Leaves the session of that generation (nothing when it has already been closed).
  void leave(uint64_t generation);
  // Ends the session whatever the number of members (tests).
  static void close();
  bool isOpen();

  // For a host that writes many documents in a row: the session's writes go into one database
  // transaction until commitGroup(), each action that writes a savepoint of it, whole or absent on
  // its own (sql::Database::beginGroup). Both raise sql::Error: no session, or the database failed.
  void beginGroup();
  void commitGroup();

  // The open session's database with the session locked; refuses with "Sessão não iniciada".
  // One Use serves one action: its catalog is refreshed on the action's first look at it, so an
  // action that opens a transaction first sees the catalog of its own snapshot.
  class Use {
   public:
    explicit Use(Session& session);
    sql::Database& db() const { return *db_; }
    Catalog& catalog();
    const std::string& user() const { return user_; }

   private:
    std::unique_lock<std::recursive_mutex> lock_;
    sql::Database* db_;
    Catalog* catalog_;
    bool refreshed_ = false;
    std::string user_;
  };

 private:
  std::recursive_mutex mutex_;
  std::unique_ptr<sql::Database> db_;
  std::unique_ptr<Catalog> catalog_;
  std::string path_;
  std::string user_;
  int members_ = 0;
  uint64_t generation_ = 0;
};

}  // namespace erpserver
