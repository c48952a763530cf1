#include "cli/LockWaitNotice.hpp"

#include <unistd.h>

#include <iostream>

#include "platform/db/LockWait.hpp"

namespace qvdtool {

LockWaitNotice::LockWaitNotice(std::string line, Progress*& bar) {
  if (!isatty(STDERR_FILENO)) return;
  automation::db::onLongLockWait([line = std::move(line), &bar] {
    if (bar)
      bar->message(std::cerr, line);
    else
      std::cerr << line << "\n";
  });
}

LockWaitNotice::~LockWaitNotice() { automation::db::onLongLockWait(nullptr); }

}  // namespace qvdtool
