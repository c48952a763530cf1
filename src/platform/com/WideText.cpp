// Conversions between the library's UTF-8 and the platform's UTF-16.
#ifdef _WIN32
#include "platform/com/WideText.hpp"

#include <windows.h>

#include "platform/AutomationError.hpp"

namespace automation::com {

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) raise(errnum::InvalidArgument, "Text handed to the platform is not UTF-8");
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string narrow(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  // A lone surrogate becomes U+FFFD: the caller's text is kept as far as UTF-8 can hold it.
  int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
  return out;
}

std::string narrow(std::wstring_view text) { return narrow(text.data(), text.size()); }

std::string fromBstr(BSTR text) { return text ? narrow(text, SysStringLen(text)) : std::string(); }

BSTR toBstr(std::string_view utf8) {
  std::wstring wide = widen(utf8);
  BSTR out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!out) raise(errnum::OutOfMemory);
  return out;
}

}  // namespace automation::com
#endif
