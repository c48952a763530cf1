#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "erpserver/store/Database.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/TempFolder.hpp"
#include "support/TestDatabases.hpp"

// Writes grouped into one database transaction: each action stays whole or absent on its own, or
// one that fails undoes the whole group, and nothing is seen by another connection before the
// group commits.
namespace {

using erpserver::sql::Database;
using erpserver::sql::Transaction;

long countRows(Database& db) {
  auto q = db.query("SELECT COUNT(*) FROM T");
  EXPECT_TRUE(q->step());
  return static_cast<long>(q->integer(0));
}

// As the server's writes go: on a server, with the next statement that waits.
void insert(Database& db, int value) { db.query("INSERT INTO T (V) VALUES (?)")->bind(1, value).defer(); }

// One action that writes `values`.
void action(Database& db, std::initializer_list<int> values) {
  Transaction tx(db);
  for (int v : values) insert(db, v);
  tx.commit();
}

TEST(GroupedWrites, AFailedActionLeavesTheRestOfTheGroupAndOthersSeeItOnlyOnCommit) {
  testing_support::TempFolder folder;
  auto db = Database::open(folder.file("grouped.db"), true);
  db->exec("CREATE TABLE T (V INTEGER NOT NULL UNIQUE)");
  auto other = Database::open(folder.file("grouped.db"), false);

  db->beginGroup(true);
  action(*db, {1});
  EXPECT_THROW(action(*db, {2, 1}), erpserver::sql::Error);  // the whole action goes, its first row too
  {
    Transaction read(*db, Transaction::Read);
    EXPECT_EQ(countRows(*db), 1);
  }
  EXPECT_EQ(countRows(*other), 0);
  db->commitGroup();
  EXPECT_FALSE(db->grouped());
  EXPECT_EQ(countRows(*other), 1);

  // Out of a group a transaction is a transaction of its own again.
  action(*db, {3});
  EXPECT_EQ(countRows(*other), 2);

  // Without a savepoint per action, a failed one takes the group with it, and a write after it
  // is refused rather than committed alone.
  db->beginGroup(false);
  action(*db, {4});
  EXPECT_THROW(action(*db, {1}), erpserver::sql::Error);
  EXPECT_TRUE(db->groupLost());
  EXPECT_THROW(action(*db, {6}), erpserver::sql::Error);
  EXPECT_THROW(db->commitGroup(), erpserver::sql::Error);
  db->beginGroup(true);
  action(*db, {5});
  db->commitGroup();
  EXPECT_EQ(countRows(*other), 3);
  EXPECT_EQ(countRows(*db), 3);
}

// On a server, an action of a group undone whole returns before its writes are done: a write that
// fails there loses the group when it is settled, and one that a read heard of and went on still
// keeps the group from being committed, so that nothing of it is kept.
TEST(GroupedWrites, OnAServerAWriteThatFailsAfterItsActionReturnedLosesTheGroup) {
  const std::string server = testing_support::testServer();
  if (server.empty()) GTEST_SKIP() << "QVD_TEST_POSTGRES names no server";
  const std::string name = "qvd_ahead_" + std::to_string(getpid());
  testing_support::dropTestDatabase(name);
  testing_support::onTestServer("CREATE DATABASE " + name);
  const std::string uri = automation::db::address::withDatabase(server, name);
  {
    auto db = Database::open(uri, false);
    auto other = Database::open(uri, false);
    db->exec("CREATE TABLE T (V INTEGER NOT NULL UNIQUE)");

    db->beginGroup(false);
    action(*db, {1});
    action(*db, {1});
    db->settleGroup();
    EXPECT_TRUE(db->groupLost());
    EXPECT_THROW(db->commitGroup(), erpserver::sql::Error);

    db->beginGroup(false);
    action(*db, {2});
    action(*db, {2});
    {
      Transaction read(*db, Transaction::Read);
      EXPECT_THROW(countRows(*db), erpserver::sql::Error);
    }
    EXPECT_THROW(db->commitGroup(), erpserver::sql::Error);
    EXPECT_EQ(countRows(*other), 0);
  }
  testing_support::dropTestDatabase(name);
}

}  // namespace
