#pragma once

// A statement the database refused: the provider error, with the kind of refusal so that a caller
// can react to a broken constraint, a lock held elsewhere or a lost connection to a server without
// reading the engine's text. A value: copy it freely, on any thread.
#include <string>

#include "platform/AutomationError.hpp"

namespace automation::db {

class DatabaseError : public AutomationError {
 public:
  enum class Kind { Other, Constraint, Busy, ConnectionLost };
  DatabaseError(Kind kind, std::string description);
  Kind kind() const noexcept { return kind_; }
  // Where the refused statement stood in the caller's work (" (linha 3)"), given when it was
  // deferred: a deferred statement is refused later, where that is no longer plain.
  const std::string& place() const noexcept { return place_; }
  void setPlace(std::string place) { place_ = std::move(place); }

 private:
  Kind kind_;
  std::string place_;
};

}  // namespace automation::db
