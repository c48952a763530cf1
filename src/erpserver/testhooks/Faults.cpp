#include "erpserver/testhooks/Faults.hpp"

#include <atomic>
#include <mutex>
#include <vector>

#include "erpserver/objects/Dispatch.hpp"
#include "platform/Text.hpp"

namespace erpserver {
namespace {

struct Fault {
  std::string className;  // folded
  std::string member;     // folded
  uint32_t nth;
  Faults::Action action;
  std::function<void()> callback;
};

std::atomic<bool> anyFault{false};

struct Store {
  std::mutex mutex;
  std::vector<Fault> faults;
};

Store& store() {
  static Store s;
  return s;
}

void add(std::string className, std::string member, int nth, Faults::Action action, std::function<void()> callback) {
  std::lock_guard lock(store().mutex);
  store().faults.push_back(Fault{automation::text::foldCase(className), automation::text::foldCase(member),
                                 static_cast<uint32_t>(nth), std::move(action), std::move(callback)});
  anyFault.store(true, std::memory_order_release);
}

}  // namespace

void Faults::returnCode(std::string className, std::string member, int nth, int32_t code, std::string message) {
  add(std::move(className), std::move(member), nth, Action{Action::Return, code, std::move(message)}, nullptr);
}

void Faults::raiseError(std::string className, std::string member, int nth, int32_t number, std::string description) {
  add(std::move(className), std::move(member), nth, Action{Action::Raise, number, std::move(description)}, nullptr);
}

void Faults::hook(std::string className, std::string member, int nth, std::function<void()> callback) {
  add(std::move(className), std::move(member), nth, Action{}, std::move(callback));
}

void Faults::clear() {
  {
    std::lock_guard lock(store().mutex);
    store().faults.clear();
    anyFault.store(false, std::memory_order_release);
  }
  ClassInfo::resetCounters();
}

bool Faults::armed() noexcept { return anyFault.load(std::memory_order_acquire); }

Faults::Action Faults::before(std::string_view className, std::string_view member, uint32_t nth) {
  std::vector<std::function<void()>> hooks;
  Action action;
  {
    std::string folded = automation::text::foldCase(className);
    std::lock_guard lock(store().mutex);
    for (const auto& f : store().faults) {
      if (f.nth != nth || f.member != member || f.className != folded) continue;
      if (f.callback)
        hooks.push_back(f.callback);
      else if (action.kind == Action::Proceed)
        action = f.action;
    }
  }
  // Hooks run unlocked: they may call server objects themselves.
  for (auto& h : hooks) h();
  return action;
}

}  // namespace erpserver
