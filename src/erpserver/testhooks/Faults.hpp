#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace erpserver {

// Process-wide fault injection for tests. A fault names a server class and a member (letter case
// ignored) and the n-th access to that member: n counts every get, put and call of the member on
// any object of the class since the last clear(), starting at 1.
class Faults {
 public:
  // That access returns `code` without doing anything, and the object's UltimoErro and
  // UltimaMensagem become `code` and `message` (a put is skipped; a get returns `code`).
  static void returnCode(std::string className, std::string member, int nthCall, int32_t code, std::string message);
  // That access raises automation::AutomationError(number, description).
  static void raiseError(std::string className, std::string member, int nthCall, int32_t number,
                         std::string description);
  // `callback` runs just before that access, which then proceeds as usual.
  static void hook(std::string className, std::string member, int nthCall, std::function<void()> callback);
  // Removes every fault and restarts the counting.
  static void clear();

  // What the dispatcher does with an access.
  struct [[nodiscard]] Action {
    enum Kind { Proceed, Return, Raise } kind = Proceed;
    int32_t number = 0;
    std::string text;
  };
  static bool armed() noexcept;
  // Runs the hooks due at this access and tells what else to do. `member` is folded.
  static Action before(std::string_view className, std::string_view member, uint32_t nthCall);
};

}  // namespace erpserver
