// The system module on Windows.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <shellapi.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/System.hpp"

namespace automation::system {
namespace fs = std::filesystem;
namespace {

std::wstring widen(std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string narrow(std::wstring_view text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::error_code lastError() { return std::error_code(static_cast<int>(GetLastError()), std::system_category()); }

}  // namespace

std::FILE* openFile(const fs::path& file, const char* mode) { return _wfopen(file.c_str(), widen(mode).c_str()); }

bool appendWhole(const fs::path& file, std::string_view bytes) {
  // Append-only access makes every write land at the end, as O_APPEND does; the lock on the whole
  // file keeps another appender's write out of the middle of this one (Wine's append is not one
  // step). Read access is what a lock asks of the handle.
  HANDLE handle = CreateFileW(file.c_str(), FILE_APPEND_DATA | GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  OVERLAPPED whole{};
  bool locked = LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
  while (locked && !bytes.empty()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) break;
    bytes.remove_prefix(written);
  }
  if (locked) UnlockFileEx(handle, 0, MAXDWORD, MAXDWORD, &whole);
  return CloseHandle(handle) && locked && bytes.empty();
}

std::FILE* createExclusive(const fs::path& file) {
  int fd = -1;
  if (_wsopen_s(&fd, file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                _S_IREAD | _S_IWRITE) != 0)
    return nullptr;
  std::FILE* stream = _fdopen(fd, "wb");
  if (!stream) {
    int error = errno;
    _close(fd);
    _wunlink(file.c_str());
    errno = error;
  }
  return stream;
}

bool mayWrite(const fs::path& file) { return _waccess(file.c_str(), 2) == 0; }

bool flushToDisk(std::FILE* stream) { return std::fflush(stream) == 0 && _commit(_fileno(stream)) == 0; }

bool placeWithoutReplacing(const fs::path& from, const fs::path& to) {
  // Without the replace flag the move fails when `to` exists, in the same step.
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
  SetLastError(error);
  throw fs::filesystem_error("cannot create", from, to, lastError());
}

std::tm localTime(std::time_t t) {
  std::tm local{};
  localtime_s(&local, &t);
  return local;
}

unsigned ansiCodePage() { return GetACP(); }

std::string toAnsiCodePage(std::string_view utf8) {
  UINT page = GetACP();
  if (page == CP_UTF8 || utf8.empty()) return std::string(utf8);
  std::wstring wide = widen(utf8);
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?",
                              &lossy);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n, "?",
                      &lossy);
  return out;
}

std::string fromAnsiCodePage(std::string_view text) {
  UINT page = GetACP();
  if (page == CP_UTF8 || text.empty()) return std::string(text);
  int n = MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return narrow(wide);
}

char32_t lowerCase(char32_t c) {
  // The system's tables keep the capital I with dot above, whose lower case is a plain i.
  if (c == U'\u0130') return U'i';
  wchar_t in[2];
  int length = 1;
  if (c >= 0x10000) {
    in[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    in[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    length = 2;
  } else {
    in[0] = static_cast<wchar_t>(c);
  }
  wchar_t out[4];
  int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, in, length, out, 4, nullptr, nullptr, 0);
  if (n == 1) return out[0];
  if (n == 2 && out[0] >= 0xD800 && out[0] < 0xDC00) return 0x10000 + ((out[0] - 0xD800) << 10) + (out[1] - 0xDC00);
  return c;
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) out.push_back(narrow(wide[i]));
  LocalFree(wide);
  return out;
}

void useUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

bool isTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

long processId() { return static_cast<long>(GetCurrentProcessId()); }

}  // namespace automation::system
#endif
