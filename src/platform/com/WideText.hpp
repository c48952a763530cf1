#pragma once

// UTF-8 inside, UTF-16 at the platform's boundary.
#include <oaidl.h>

#include <string>
#include <string_view>

namespace automation::com {

std::wstring widen(std::string_view utf8);
std::string narrow(const wchar_t* text, std::size_t length);
std::string narrow(std::wstring_view text);
// A BSTR may be null, which stands for the empty string.
std::string fromBstr(BSTR text);
// A new BSTR the receiver frees; raises 7 when none can be allocated.
BSTR toBstr(std::string_view utf8);

}  // namespace automation::com
