#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/System.hpp"
#include "platform/Text.hpp"
#include "support/TempFolder.hpp"
#include "support/TextFiles.hpp"

// Runs the built qvd program as a user would, in a folder of its own, and reads the company
// database it leaves behind.
namespace qvdtest {

struct Outcome {
  int exitCode = -1;
  std::string out, err;
};

using testing_support::readFile;
using testing_support::writeFile;

#ifdef _WIN32
// The program beside the test program, with `words` quoted as its command line.
inline std::wstring commandLine(const std::vector<std::string>& words) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = L"\"" + (std::filesystem::path(self).parent_path() / "qvd.exe").wstring() + L"\"";
  for (const std::string& word : words) {
    std::wstring wide = automation::system::pathFromUtf8(word).wstring();
    line += L" \"";
    for (wchar_t c : wide) line += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
    line += L"\"";
  }
  return line;
}

using Child = HANDLE;

// Starts qvd with `words` in `folder`, its output and errors going to `out` and `err`.
inline Child launch(const std::filesystem::path& folder, const std::vector<std::string>& words, HANDLE out,
                    HANDLE err) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::wstring line = commandLine(words);
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup, &child))
    return nullptr;
  CloseHandle(child.hThread);
  return child.hProcess;
}

inline HANDLE inheritedFile(const std::filesystem::path& file) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

inline int exitCodeOf(Child child) {
  if (!child) return -1;
  WaitForSingleObject(child, INFINITE);
  DWORD code = 0;
  int result = GetExitCodeProcess(child, &code) ? static_cast<int>(code) : -1;
  CloseHandle(child);
  return result;
}

// Runs qvd with `words` in `folder`, its output and errors going to files there.
inline Outcome qvd(const std::filesystem::path& folder, std::vector<std::string> words) {
  auto outFile = folder / ".qvd-out", errFile = folder / ".qvd-err";
  HANDLE out = inheritedFile(outFile), err = inheritedFile(errFile);
  Outcome run;
  run.exitCode = exitCodeOf(launch(folder, words, out, err));
  CloseHandle(out);
  CloseHandle(err);
  // The console's line ends, as a POSIX program's, for the expectations.
  run.out = automation::text::replaceAll(readFile(outFile), "\r\n", "\n");
  run.err = automation::text::replaceAll(readFile(errFile), "\r\n", "\n");
  return run;
}

// Starts qvd with `words` in `folder` without waiting for it, its output thrown away.
inline Child start(const std::filesystem::path& folder, std::vector<std::string> words) {
  HANDLE null = inheritedFile("NUL");
  Child child = launch(folder, words, null, null);
  CloseHandle(null);
  return child;
}
#else
inline std::vector<char*> argv(std::vector<std::string>& words) {
  static std::string program = QVD_PROGRAM;
  std::vector<char*> result{program.data()};
  for (std::string& word : words) result.push_back(word.data());
  result.push_back(nullptr);
  return result;
}

using Child = pid_t;

inline int exitCodeOf(Child child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs qvd with `words` in `folder`, its output and errors going to files there.
inline Outcome qvd(const std::filesystem::path& folder, std::vector<std::string> words) {
  auto outFile = folder / ".qvd-out", errFile = folder / ".qvd-err";
  auto args = argv(words);
  pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(127);
    execv(args[0], args.data());
    _exit(127);
  }
  Outcome run;
  run.exitCode = exitCodeOf(child);
  run.out = readFile(outFile);
  run.err = readFile(errFile);
  return run;
}

// Starts qvd with `words` in `folder` without waiting for it, its output thrown away.
inline Child start(const std::filesystem::path& folder, std::vector<std::string> words) {
  auto args = argv(words);
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_WRONLY);
    if (chdir(folder.c_str()) != 0 || null < 0 || dup2(null, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0)
      _exit(127);
    execv(args[0], args.data());
    _exit(127);
  }
  return child;
}

// Runs qvd with `words` in `folder` on a terminal of its own; what it wrote there, both streams.
inline Outcome qvdOnTerminal(const std::filesystem::path& folder, std::vector<std::string> words) {
  auto args = argv(words);
  int terminal = -1;
  pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    execv(args[0], args.data());
    _exit(127);
  }
  Outcome run;
  char buffer[4096];
  for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) run.out.append(buffer, static_cast<std::size_t>(n));
  close(terminal);
  run.exitCode = exitCodeOf(child);
  return run;
}

#endif

// The first column of the first row of a query on a company database, as text.
inline std::string firstValue(const std::filesystem::path& database, const std::string& sql) {
  auto data = dataaccess::SqliteDataAccess::open(automation::system::utf8FromPath(database));
  automation::db::RecordsetRef rs;
  if (!data->AbrirRecordset("", sql, rs, -1, 0)) throw std::runtime_error(data->UltimoErroBD());
  return rs->Eof() ? std::string() : rs->GetFields().Item(automation::Variant(int32_t{0})).Value().toString();
}

// A company made by `qvd init` in a fresh temporary folder.
class Company {
 public:
  Company() {
    Outcome init = qvd(temp_.path(), {"init", "co"});
    if (init.exitCode != 0) throw std::runtime_error("qvd init failed: " + init.err);
  }

  const std::filesystem::path& folder() const { return temp_.path(); }
  std::filesystem::path file(const std::string& name) const { return temp_.path() / name; }
  void write(const std::string& name, const std::string& text) const { writeFile(file(name), text); }
  Outcome run(std::vector<std::string> words) const { return qvd(temp_.path(), std::move(words)); }

  std::string value(const std::string& sql) const { return firstValue(file("co/DEMO.db"), sql); }
  double number(const std::string& sql) const { return std::stod(value(sql)); }
  void exec(const std::string& sql) const {
    auto data = dataaccess::SqliteDataAccess::open(automation::system::utf8FromPath(file("co/DEMO.db")));
    if (!data->ExecutarSQL("", sql)) throw std::runtime_error(data->UltimoErroBD());
  }

 private:
  testing_support::TempFolder temp_;
};

}  // namespace qvdtest
