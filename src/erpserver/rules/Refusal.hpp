#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "erpserver/rules/ConstraintText.hpp"
#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/rules/MessageValues.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {

// Result codes of the server's actions (0 is success). The message names the offending value.
namespace refusal {
inline constexpr int32_t NoSession = 1001;         // "Sessão não iniciada"
inline constexpr int32_t LoginFailed = 1002;       // unknown company, user or wrong password
inline constexpr int32_t NotFound = 1010;          // no record with that code
inline constexpr int32_t Duplicate = 1011;         // the code or number is taken
inline constexpr int32_t Required = 1012;          // a required field is empty
inline constexpr int32_t InvalidValue = 1013;      // an unknown reference or a value out of range
inline constexpr int32_t TooLong = 1014;           // a text longer than its column
inline constexpr int32_t NotLoaded = 1020;         // alter or remove a document that was not read
inline constexpr int32_t KeyChanged = 1021;        // alter a document under another key
inline constexpr int32_t InvalidLot = 1022;        // a lot that does not fit its line
inline constexpr int32_t SourceTaken = 1023;       // the source reference is in another document
inline constexpr int32_t NumberingFull = 1024;     // the number leaves the series no room to number on
inline constexpr int32_t NoAccounting = 1030;      // the document cannot be posted
inline constexpr int32_t ConnectionLost = 1098;    // the server's connection is gone: nothing more is written
inline constexpr int32_t Database = 1099;          // the database refused a statement
}  // namespace refusal

// An ERP refusal raised inside the server; caught where the action returns its code.
struct Refusal {
  int32_t code;
  std::string message;
};

[[noreturn]] inline void refuseWith(int32_t code, std::string message) { throw Refusal{code, std::move(message)}; }

// Runs an action of `self`: clears its error, returns 0 or the code of the refusal, which also
// becomes the object's UltimoErro and UltimaMensagem. Database failures are refusals too, a lost
// connection with a code of its own since every action after it fails the same way. Values
// quoted in the message are cut to a readable length.
template <class Body>
Variant act(ServerObject& self, Body&& body) {
  self.clearError();
  try {
    body();
    return Variant(int32_t{0});
  } catch (const Refusal& r) {
    return Variant(self.refuse(r.code, shortenQuotedValues(r.message)));
  } catch (const sql::Error& e) {
    // A write sent with others names its place: its refusal is the value's, as when sent alone.
    if (e.kind() == sql::Error::Kind::Constraint && !e.place().empty())
      return Variant(self.refuse(refusal::InvalidValue, shortenQuotedValues(databaseRefusalText(e) + e.place())));
    int32_t code = e.kind() == sql::Error::Kind::ConnectionLost ? refusal::ConnectionLost : refusal::Database;
    return Variant(self.refuse(code, shortenQuotedValues(databaseRefusalText(e))));
  }
}

}  // namespace erpserver
