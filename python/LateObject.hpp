#pragma once

// The late-bound object Python scripts hold: attributes and methods are calls by name.
#include <string>

#include "platform/Members.hpp"
#include "platform/Object.hpp"

namespace qvdpy {

struct LateObject {
  automation::ObjectRef object;
};

// A member that takes arguments, read from an object: calling it makes the late-bound call.
struct BoundMember {
  automation::ObjectRef object;
  std::string name;
  bool property;  // read with arguments (an indexed property) rather than called
  // What the object tells of the member (its parameters, their names and which come back after
  // the result), held by the object; null when it describes none.
  const automation::MemberInfo* info;
};

}  // namespace qvdpy
