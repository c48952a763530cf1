#include "platform/ComponentRegistry.hpp"

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"

namespace automation {

ComponentRegistry& ComponentRegistry::instance() {
  static ComponentRegistry registry;
  return registry;
}

void ComponentRegistry::add(std::string_view className, Factory factory) {
  std::lock_guard lock(mutex_);
  factories_[text::foldCase(className)] = std::move(factory);
}

void ComponentRegistry::remove(std::string_view className) {
  std::lock_guard lock(mutex_);
  factories_.erase(text::foldCase(className));
}

bool ComponentRegistry::contains(std::string_view className) const {
  std::lock_guard lock(mutex_);
  return factories_.count(text::foldCase(className)) != 0;
}

ObjectRef ComponentRegistry::create(std::string_view className) const {
  ObjectRef object = tryCreate(className);
  if (!object) raise(errnum::CannotCreateObject);
  return object;
}

ObjectRef ComponentRegistry::tryCreate(std::string_view className) const {
  Factory factory;
  {
    std::lock_guard lock(mutex_);
    auto it = factories_.find(text::foldCase(className));
    if (it == factories_.end()) return nullptr;
    factory = it->second;
  }
  return factory();
}

ObjectRef createObject(std::string_view className) {
  ObjectRef object = tryCreateObject(className);
  if (!object) raise(errnum::CannotCreateObject);
  return object;
}

}  // namespace automation
