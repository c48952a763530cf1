#pragma once

#include <string>
#include <vector>

namespace qvdtool {

using Words = std::vector<std::string>;

// One verb of the program: it reads the words after its name and returns the exit code.
struct Verb {
  const char* name;
  const char* summary;
  int (*run)(const Words& words);
};

int runInit(const Words& words);
int runDemo(const Words& words);
int runImport(const Words& words);
int runShow(const Words& words);
int runRestore(const Words& words);
int runStock(const Words& words);

// Options every verb that opens a company takes, for the help texts.
inline constexpr const char* kLoginOptions =
    "  --company NAME      the company (default DEMO): the database file DIR/NAME.db\n"
    "  --user USER         the ERP user (default admin)\n"
    "  --password SECRET   the user's password (default admin)\n";

}  // namespace qvdtool
