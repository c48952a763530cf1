#pragma once

#include <functional>
#include <string>

namespace automation {

// The modal message box of the platform. The default is the system's own (on POSIX systems,
// which have no desktop to rely on, the text on standard error); hosts and tests replace it.
using MessageBoxHook = std::function<void(const std::string& text)>;

// Installs `hook` (an empty hook restores the default) and returns the previous one.
MessageBoxHook setMessageBoxHook(MessageBoxHook hook);

void messageBox(const std::string& text);

// The system's message box, what messageBox shows without a hook.
void systemMessageBox(const std::string& text);

}  // namespace automation
