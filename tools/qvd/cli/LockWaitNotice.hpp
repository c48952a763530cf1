#pragma once

#include <string>

#include "cli/Progress.hpp"

namespace qvdtool {

// On a terminal, a run that stands still behind another writer says so (through the progress
// bar once there is one), for as long as this object lives.
class LockWaitNotice {
 public:
  // `bar` is read at each notice: it may be set once the run has a bar.
  LockWaitNotice(std::string line, Progress*& bar);
  ~LockWaitNotice();
  LockWaitNotice(const LockWaitNotice&) = delete;
  LockWaitNotice& operator=(const LockWaitNotice&) = delete;
};

}  // namespace qvdtool
