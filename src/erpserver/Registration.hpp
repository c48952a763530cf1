#pragma once

#include "platform/Export.hpp"

namespace erpserver {

// Registers every creatable class of the server with the platform's component registry as
// "ErpApiNextPlus.<Class>" and, when asked, also as "ERPNGCOAPI.<Class>".
QVD_API void registerServer(bool alsoPrimaryPrefix = false);

// Removes the classes under both prefixes.
QVD_API void unregisterServer();

}  // namespace erpserver
