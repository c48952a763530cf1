#pragma once

// The component classes of a server from its creatable classes and their fixed identities.
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "Identities.hpp"
#include "platform/ComponentRegistry.hpp"
#include "platform/com/ComServer.hpp"

namespace qvdcom {

inline GUID toGuid(const Guid& g) {
  static_assert(sizeof(Guid) == sizeof(GUID));
  GUID out;
  std::memcpy(&out, &g, sizeof out);
  return out;
}

// Each of `classes` under `prefixes` followed by its name, with the identity of that name.
inline std::vector<automation::com::ComClass> comClasses(std::span<const automation::CreatableClass> classes,
                                                         std::span<const Identity> identities,
                                                         std::initializer_list<const char*> prefixes) {
  std::vector<automation::com::ComClass> out;
  for (const auto& c : classes)
    for (const Identity& id : identities)
      if (std::strcmp(id.name, c.name) == 0) {
        automation::com::ComClass made{{}, toGuid(id.guid), c.factory};
        for (const char* prefix : prefixes) made.progIds.push_back(std::string(prefix) + c.name);
        out.push_back(std::move(made));
      }
  return out;
}

}  // namespace qvdcom
