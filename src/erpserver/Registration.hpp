#pragma once

namespace erpserver {

// Registers every creatable class of the server with the platform's component registry as
// "ErpApiNextPlus.<Class>" and, when asked, also as "ERPNGCOAPI.<Class>".
void registerServer(bool alsoPrimaryPrefix = false);

// Removes the classes under both prefixes.
void unregisterServer();

}  // namespace erpserver
