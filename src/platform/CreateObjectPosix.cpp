// Create-by-name on POSIX systems: the registered classes are the whole component system.
#ifndef _WIN32
#include <iostream>

#include "platform/ComponentRegistry.hpp"
#include "platform/MessageBox.hpp"

namespace automation {

ObjectRef tryCreateObject(std::string_view className) { return ComponentRegistry::instance().tryCreate(className); }

void systemMessageBox(const std::string& text) { std::cerr << text << std::endl; }

}  // namespace automation
#endif
