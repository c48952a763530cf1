// Claimed files on Windows: the claim is a lock on one byte far past any data, which bars no
// reading or writing of the file; the handle shares everything, renaming too.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cassert>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "platform/ClaimedFile.hpp"
#include "platform/System.hpp"

namespace automation::files {
namespace fs = std::filesystem;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr int kTries = 100;

HANDLE handleOf(std::intptr_t claim) { return reinterpret_cast<HANDLE>(claim); }

bool lock(HANDLE file, DWORD flags) {
  OVERLAPPED at{};
  at.OffsetHigh = 0x7FFFFFFF;
  return LockFileEx(file, flags | LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at) != 0;
}

bool sameFile(HANDLE opened, const fs::path& path) {
  HANDLE named = CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (named == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{}, b{};
  bool same = GetFileInformationByHandle(opened, &a) && GetFileInformationByHandle(named, &b) &&
              a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
              a.nFileIndexLow == b.nFileIndexLow;
  CloseHandle(named);
  return same;
}

fs::path withUniquePart(const fs::path& pattern) {
  static thread_local std::mt19937 generator{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::wstring name = pattern.native();
  for (std::size_t i = name.size() - 6; i < name.size(); ++i) name[i] = static_cast<wchar_t>(kLetters[pick(generator)]);
  return fs::path(name);
}

[[noreturn]] void fail(DWORD error, const fs::path& path) {
  throw std::system_error(static_cast<int>(error), std::system_category(), system::utf8FromPath(path));
}

}  // namespace

ClaimedFile::ClaimedFile(const fs::path& pattern) {
  assert(pattern.native().ends_with(L"XXXXXX"));
  // A remover may take the new file between its making and its lock: then make another.
  for (int tries = 0;; ++tries) {
    path_ = withUniquePart(pattern);
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS || tries == kTries) fail(error, path_);
      continue;
    }
    if (!lock(file, 0)) {
      DWORD error = GetLastError();
      CloseHandle(file);
      DeleteFileW(path_.c_str());
      fail(error, path_);
    }
    if (sameFile(file, path_)) {
      claim_ = reinterpret_cast<std::intptr_t>(file);
      return;
    }
    CloseHandle(file);
  }
}

ClaimedFile::~ClaimedFile() { CloseHandle(handleOf(claim_)); }

std::FILE* ClaimedFile::openStream() const {
  HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = EACCES;
    return nullptr;
  }
  int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
  if (descriptor < 0) {
    CloseHandle(file);
    return nullptr;
  }
  std::FILE* stream = _fdopen(descriptor, "wb");
  if (!stream) {
    int error = errno;
    _close(descriptor);
    errno = error;
  }
  return stream;
}

void detail::removeUnclaimed(const fs::path& file) {
  HANDLE opened = CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
  // A file that is gone leaves its journals behind; one that is claimed is someone's work.
  if (opened == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) return;
  if (opened != INVALID_HANDLE_VALUE && !lock(opened, LOCKFILE_FAIL_IMMEDIATELY)) {
    CloseHandle(opened);
    return;
  }
  for (const wchar_t* journal : {L"-wal", L"-shm", L"-journal"}) DeleteFileW((file.native() + journal).c_str());
  DeleteFileW(file.c_str());
  if (opened != INVALID_HANDLE_VALUE) CloseHandle(opened);
}

}  // namespace automation::files
#endif
