#include <gtest/gtest.h>

#include "erpserver/store/Database.hpp"
#include "support/TempFolder.hpp"

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

void insert(Database& db, int value) { db.query("INSERT INTO T (V) VALUES (?)")->bind(1, value).run(); }

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

}  // namespace
