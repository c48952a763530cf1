#pragma once
// One statement prepared once and run many times, for callers that repeat the same statements:
// parameters are positional ("?", from 1) and columns are read one by one (from 0). Refusals are
// raised as DatabaseError.
// Ownership: made by an engine and owned by its caller; it must not outlive that engine.
// Threads: the engine's thread only.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/db/DatabaseError.hpp"

namespace automation::db {

class PreparedStatement {
 public:
  virtual ~PreparedStatement() = default;

  virtual void bindNull(int index) = 0;
  virtual void bind(int index, int64_t value) = 0;
  virtual void bind(int index, double value) = 0;
  virtual void bind(int index, std::string_view value) = 0;

  // True when a row is ready; false when the statement is done.
  [[nodiscard]] virtual bool step() = 0;
  // Ready to run again, with every parameter unbound.
  virtual void reset() = 0;
  // Runs the statement, which returns no rows, with the parameters bound, and resets it. An engine
  // that talks to a server may send it later, with the next statement that waits for an answer
  // (Engine::flush); its refusal then names `place`.
  virtual void defer(const std::string& place);
  // Sends the statement with the parameters bound, and resets it, without waiting for its rows: a
  // server engine sends it with the next statement that waits. A later run with the same
  // parameters, before anything is written, reads those rows instead of asking again. Nothing on
  // an engine that never waits.
  virtual void prefetch() { reset(); }
  // Marks a read whose rows a server engine keeps and gives again, without asking, to a run with
  // the same parameters while the connection holds the writer lock and has sent nothing since that
  // may change data. Only for a statement that reads and writes nothing (no function with side
  // effects). Nothing on an engine that never waits.
  virtual void reuseRows() {}

  virtual bool isNull(int column) const = 0;
  virtual int64_t integer(int column) const = 0;
  virtual double real(int column) const = 0;
  virtual std::string text(int column) const = 0;
};

}  // namespace automation::db
