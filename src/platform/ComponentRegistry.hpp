#pragma once
// Create-by-name: the process-wide table of class names and their factories.
// Ownership: the registry owns the factories; each created object is a counted reference the
// caller owns. Threads: every member may be called from any thread (the table is locked).

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/Object.hpp"

namespace automation {

// A class that callers create by name, and the factory of its objects.
struct CreatableClass {
  const char* name;
  ObjectRef (*factory)();
};

// Creates objects by class name ("Prefix.Class"), as the platform's component system does.
// Class names ignore letter case.
class ComponentRegistry {
 public:
  using Factory = std::function<ObjectRef()>;

  static ComponentRegistry& instance();

  void add(std::string_view className, Factory factory);
  void remove(std::string_view className);
  bool contains(std::string_view className) const;

  // A new object of the class; 429 when no factory is registered under that name.
  ObjectRef create(std::string_view className) const;
  // The same, but null where create raises 429.
  ObjectRef tryCreate(std::string_view className) const;

 private:
  mutable std::mutex mutex_;
  std::map<std::string, Factory> factories_;
};

// The platform's create-by-name: the classes registered here, and on Windows then the
// component system's classes by ProgID. Raises 429 when no class has that name.
ObjectRef createObject(std::string_view className);
// The same, but null where createObject raises 429, for a caller that tries names in turn and
// would otherwise pay for an error each time.
ObjectRef tryCreateObject(std::string_view className);

}  // namespace automation
