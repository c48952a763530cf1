#pragma once

// Waiting for another writer of a SQLite database: a connection waits up to its limit per
// attempt, and tells a host that asked when a wait passes one second, so that a program on a
// terminal can say why it stands still.
#include <sqlite3.h>

#include <functional>

namespace automation::db {

// Called once per wait, on the waiting thread, when it has lasted a second. Empty: nobody is told.
void onLongLockWait(std::function<void()> notice);

// Installs the waiting on a connection, giving up after `giveUpMs`, which the handler reads on
// every call and so must live as long as the connection.
void waitForLocks(sqlite3* handle, int& giveUpMs);

}  // namespace automation::db
