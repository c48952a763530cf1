#include <gtest/gtest.h>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "erpserver/store/Database.hpp"
#include "platform/System.hpp"

// Writes grouped into one database transaction: each action stays whole or absent on its own, or
// one that fails undoes the whole group, and nothing is seen by another connection before the
// group commits.
namespace {

namespace fs = std::filesystem;
using erpserver::sql::Database;
using erpserver::sql::Transaction;

long countRows(Database& db) {
  auto q = db.query("SELECT COUNT(*) FROM T");
  EXPECT_TRUE(q->step());
  return static_cast<long>(q->integer(0));
}

void insert(Database& db, int value) { db.query("INSERT INTO T (V) VALUES (?)")->bind(1, value).run(); }

TEST(GroupedWrites, AFailedActionLeavesTheRestOfTheGroupAndOthersSeeItOnlyOnCommit) {
  fs::path file = fs::temp_directory_path() / ("qvd-grouped-" + std::to_string(automation::system::processId()) + ".db");
  fs::remove(file);
  {
    auto db = Database::open(file.string(), true);
    db->exec("CREATE TABLE T (V INTEGER NOT NULL UNIQUE)");
    auto other = Database::open(file.string(), false);

    db->beginGroup(true);
    {
      Transaction tx(*db);
      insert(*db, 1);
      tx.commit();
    }
    try {
      Transaction tx(*db);
      insert(*db, 2);
      insert(*db, 1);  // refused: the whole action goes, its first row too
      tx.commit();
    } catch (const erpserver::sql::Error&) {
    }
    {
      Transaction read(*db, Transaction::Read);
      EXPECT_EQ(countRows(*db), 1);
    }
    EXPECT_EQ(countRows(*other), 0);
    db->commitGroup();
    EXPECT_FALSE(db->grouped());
    EXPECT_EQ(countRows(*other), 1);

    // Out of a group a transaction is a transaction of its own again.
    {
      Transaction tx(*db);
      insert(*db, 3);
      tx.commit();
    }
    EXPECT_EQ(countRows(*other), 2);

    // Without a savepoint per action, a failed one takes the group with it, and a write after it
    // is refused rather than committed alone.
    db->beginGroup(false);
    {
      Transaction tx(*db);
      insert(*db, 4);
      tx.commit();
    }
    EXPECT_THROW(
        {
          Transaction tx(*db);
          insert(*db, 1);
        },
        erpserver::sql::Error);
    EXPECT_TRUE(db->groupLost());
    EXPECT_THROW(Transaction{*db}, erpserver::sql::Error);
    EXPECT_THROW(db->commitGroup(), erpserver::sql::Error);
    db->beginGroup(true);
    {
      Transaction tx(*db);
      insert(*db, 5);
      tx.commit();
    }
    db->commitGroup();
    EXPECT_EQ(countRows(*other), 3);
    EXPECT_EQ(countRows(*db), 3);
  }
  fs::remove(file);
  fs::remove(file.string() + "-wal");
  fs::remove(file.string() + "-shm");
}

}  // namespace
