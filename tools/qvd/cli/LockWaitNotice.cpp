#include "cli/LockWaitNotice.hpp"

#include <iostream>

#include "platform/System.hpp"
#include "platform/db/LockWait.hpp"

namespace qvdtool {

LockWaitNotice::LockWaitNotice(std::string line, Progress*& bar) {
  if (!automation::system::isTerminal(stderr)) return;
  automation::db::onLongLockWait([line = std::move(line), &bar] {
    if (bar)
      bar->message(std::cerr, line);
    else
      std::cerr << line << "\n";
  });
}

LockWaitNotice::~LockWaitNotice() { automation::db::onLongLockWait(nullptr); }

}  // namespace qvdtool
