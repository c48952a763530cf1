#pragma once
// The reference ERP's classes as a host registers them by name. Constants and functions only;
// any thread.

#include <span>

#include "platform/ComponentRegistry.hpp"
#include "platform/Export.hpp"

namespace erpserver {

// The server's creatable classes under their own names ("BaseNext").
QVD_API std::span<const automation::CreatableClass> serverClasses();

// The prefixes of the server's class names: callers try the primary one first.
inline constexpr const char* kPrimaryPrefix = "ERPNGCOAPI.";
inline constexpr const char* kFallbackPrefix = "ErpApiNextPlus.";

// Registers every creatable class of the server with the platform's component registry as
// "ErpApiNextPlus.<Class>" and, when asked, also as "ERPNGCOAPI.<Class>".
QVD_API void registerServer(bool alsoPrimaryPrefix = false);

// Removes the classes under both prefixes.
// Any thread; registering again replaces the factories.
QVD_API void unregisterServer();

}  // namespace erpserver
