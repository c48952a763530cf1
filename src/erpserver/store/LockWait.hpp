#pragma once

#include <functional>
#include <sqlite3.h>

// Waiting for another writer of a company database: the server's connections wait up to ten
// seconds per attempt, and tell a host that asked when a wait passes one second, so that a
// program on a terminal can say why it stands still.
namespace erpserver {

// Called once per wait, on the waiting thread, when it has lasted a second. Empty: nobody is told.
void onLongLockWait(std::function<void()> notice);

// Installs the waiting on a connection.
void waitForLocks(sqlite3* handle);

}  // namespace erpserver
