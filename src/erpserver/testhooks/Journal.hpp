#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Variant.hpp"

namespace erpserver {

enum class AccessKind { Get, Put, Call };

// One access to a server object through its late-bound interface.
struct JournalEntry {
  std::string className;
  int32_t objectId = 0;  // unique per object for the life of the process
  AccessKind kind = AccessKind::Get;
  std::string member;                    // as the caller wrote it
  std::vector<automation::Variant> args;  // index arguments (get), the value (put), the arguments (call)
  automation::Variant result;             // the value returned (Empty for a put)
  int32_t error = 0;                      // the automation error the access raised, 0 when none
};

// The process-wide call journal: when enabled, every get, put and call on every server object
// is appended in order. When disabled it records nothing and costs one flag test per access.
//
// lines() renders one entry per line:
//   <Class>#<id> put <Member> = <value>
//   <Class>#<id> get <Member> -> <value>           (index arguments, if any: <Member>(<args>))
//   <Class>#<id> call <Member>(<args>) -> <value>
// where a value is "<text> (<Type>)" - text between double quotes for a String - or
// "<Class>#<id>" for a server object, "Nothing", "Empty" or "Null"; arguments are separated by
// ", ". An access that raised ends in "-> error <number>" in place of its value.
class Journal {
 public:
  static void enable(bool on);
  static bool enabled() noexcept;
  static void clear();
  static std::vector<JournalEntry> entries();
  static std::vector<std::string> lines();

  static void record(JournalEntry entry);
  static std::string render(const JournalEntry& entry);
  static std::string render(const automation::Variant& value);
};

}  // namespace erpserver
