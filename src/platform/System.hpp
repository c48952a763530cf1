#pragma once
// What the library and its tools need from the operating system, in one place: files, paths,
// local time, the process and its console. One implementation for POSIX, one for Windows.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace automation::system {

// Paths from and to UTF-8 text. A path made from a std::string directly would be read in the
// ANSI code page on Windows, garbling every name with letters outside ASCII.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// Opens a file as std::fopen does, with the name taken as a path rather than narrow text.
std::FILE* openFile(const std::filesystem::path& file, const char* mode);

// Appends `bytes` to `file` (created when missing) with one open, one write and one close, so
// that writers appending at the same time never split each other's data. False when the file
// could not be opened or written.
bool appendWhole(const std::filesystem::path& file, std::string_view bytes);

// Creates `file` for writing in binary, only when no file of that name exists; null with errno
// set (EEXIST when one does) otherwise.
std::FILE* createExclusive(const std::filesystem::path& file);

// A file no one else has, named `prefix` followed by random letters, opened for writing in
// binary. It gets the permissions of any new file of the user, not a private mode. Null stream
// (with errno set) when none could be made.
struct UniqueFile {
  std::filesystem::path path;
  std::FILE* stream = nullptr;
};
UniqueFile createUniqueFile(const std::filesystem::path& prefix);

// A new folder named `prefix` followed by random letters; throws filesystem_error when it
// cannot be made.
std::filesystem::path createUniqueFolder(const std::filesystem::path& prefix);

// Whether this process may write `file`, by the system's own check (which lets root write any).
bool mayWrite(const std::filesystem::path& file);

// Makes what was written to `stream` reach the disk; false with errno set when it did not.
bool flushToDisk(std::FILE* stream);

// Gives the file `from` also, or instead, the name `to` in one step, unless `to` exists: then
// false and nothing changes. Any other failure throws filesystem_error. `from` may keep its name.
bool placeWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// The local calendar time of `t`.
std::tm localTime(std::time_t t);

// The code page of the host's single-byte (ANSI) text: 65001 where that text is UTF-8, as on POSIX
// systems.
unsigned ansiCodePage();
// UTF-8 text in that code page; a character it has not becomes '?'.
std::string toAnsiCodePage(std::string_view utf8);
std::string fromAnsiCodePage(std::string_view text);

// The lower case of one Unicode character, by the system's own tables where it has them.
char32_t lowerCase(char32_t c);

// The program's arguments as UTF-8, whatever the console's code page.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes the console show the UTF-8 the program writes.
void useUtf8Console();

// Whether `stream` goes to a terminal rather than a file or a pipe.
bool isTerminal(std::FILE* stream);

long processId();

}  // namespace automation::system
