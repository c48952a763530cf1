#include "platform/MessageBox.hpp"

#include <mutex>

namespace automation {
namespace {

std::mutex hookMutex;

MessageBoxHook& currentHook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

MessageBoxHook setMessageBoxHook(MessageBoxHook hook) {
  std::lock_guard lock(hookMutex);
  MessageBoxHook previous = std::move(currentHook());
  currentHook() = std::move(hook);
  return previous;
}

void messageBox(const std::string& text) {
  MessageBoxHook hook;
  {
    std::lock_guard lock(hookMutex);
    hook = currentHook();
  }
  if (hook)
    hook(text);
  else
    systemMessageBox(text);
}

}  // namespace automation
