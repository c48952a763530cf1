#pragma once

#include <functional>
#include <string>

namespace automation {

// The modal message box of the platform. Without a desktop the default writes the text to
// standard error; hosts and tests replace it.
using MessageBoxHook = std::function<void(const std::string& text)>;

// Installs `hook` (an empty hook restores the default) and returns the previous one.
MessageBoxHook setMessageBoxHook(MessageBoxHook hook);

void messageBox(const std::string& text);

}  // namespace automation
