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
    "  --company NAME      the company (default DEMO): the database file DIR/NAME.db, or the\n"
    "                      database NAME on the server when DIR is a URI (postgresql://USER@HOST:PORT/;\n"
    "                      the server's password from the URI, PGPASSWORD or ~/.pgpass)\n"
    "  --user USER         the ERP user (default admin)\n"
    "  --password SECRET   the user's password (default admin)\n"
    "  --log DIR           the folder of the operation log (default DIR, or the current folder)\n";

}  // namespace qvdtool
