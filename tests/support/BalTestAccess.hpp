#pragma once

#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

namespace qvd {

// Reaches the facade's worker from tests, to read the switches the facade can only set.
class BAL_NextTestAccess {
 public:
  static const DAL_Next& worker(const BAL_Next& bal) { return *bal.oDAL; }
};

}  // namespace qvd
