#pragma once

#include <string>
#include <vector>

namespace erpserver {

struct StoredProcedure {
  std::string name;
  std::string body;
};

// The procedures stored in SYS_PROCEDURES of every company database.
const std::vector<StoredProcedure>& storedProcedures();

}  // namespace erpserver
