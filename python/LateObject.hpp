#pragma once

// The late-bound object Python scripts hold: attributes and methods are calls by name.
#include <string>
#include <vector>

#include "platform/Object.hpp"

namespace qvdpy {

struct LateObject {
  automation::ObjectRef object;
};

// A member that takes arguments, read from an object: calling it makes the late-bound call.
struct BoundMember {
  automation::ObjectRef object;
  std::string name;
  bool property;            // read with arguments (an indexed property) rather than called
  std::vector<bool> byRef;  // per parameter; its new value comes back after the result
};

}  // namespace qvdpy
