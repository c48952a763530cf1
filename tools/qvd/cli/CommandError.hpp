#pragma once

#include <stdexcept>
#include <string>

namespace qvdtool {

// Exit codes of the program, the same for every verb.
namespace exitcode {
inline constexpr int Ok = 0;
inline constexpr int NotAllDone = 1;   // ran to the end, but something was refused or not found
inline constexpr int BadUsage = 2;     // wrong arguments or input files that cannot be used
inline constexpr int NoCompany = 3;    // the folder, company, user or password was refused
inline constexpr int Unexpected = 4;   // a run-time error nobody expected stopped the command
inline constexpr int Interrupted = 130;  // stopped by Ctrl-C between two documents
}  // namespace exitcode

// A failure that ends the command with a message for the user and an exit code.
class CommandError : public std::runtime_error {
 public:
  CommandError(int exitCode, const std::string& message) : std::runtime_error(message), exitCode_(exitCode) {}
  int exitCode() const noexcept { return exitCode_; }

 private:
  int exitCode_;
};

[[noreturn]] inline void usageError(const std::string& message) { throw CommandError(exitcode::BadUsage, message); }

}  // namespace qvdtool
