// The busy handler of SQLite connections, with the long-wait notice.
#include "platform/db/LockWait.hpp"

#include <chrono>
#include <mutex>
#include <thread>

namespace automation::db {
namespace {

constexpr int kTellAfterMs = 1000;
constexpr int kStepMs = 10;

std::mutex noticeMutex;
std::function<void()>& notice() {
  static std::function<void()> f;
  return f;
}

// SQLite calls this with the number of earlier calls in the same wait; 0 ends the wait.
extern "C" int busyWait(void* limit, int calls) {
  int waited = calls * kStepMs;
  if (waited >= *static_cast<int*>(limit)) return 0;
  if (waited == kTellAfterMs) {
    std::lock_guard lock(noticeMutex);
    if (notice()) notice()();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
  return 1;
}

}  // namespace

void onLongLockWait(std::function<void()> f) {
  std::lock_guard lock(noticeMutex);
  notice() = std::move(f);
}

void waitForLocks(sqlite3* handle, int& giveUpMs) { sqlite3_busy_handler(handle, busyWait, &giveUpMs); }

}  // namespace automation::db
