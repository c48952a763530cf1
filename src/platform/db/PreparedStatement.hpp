#pragma once
// One statement prepared once and run many times, for callers that repeat the same statements:
// parameters are positional ("?", from 1) and columns are read one by one (from 0). Refusals are
// raised as DatabaseError.
// Ownership: made by an engine and owned by its caller; it must not outlive that engine.
// Threads: the engine's thread only.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/db/DatabaseError.hpp"

namespace automation::db {

// Rows an engine answered with, read one by one: columns from 0, a column of no current row or
// past the last one reads as null.
class Rows {
 public:
  virtual ~Rows() = default;
  // True when a row is ready; false when there are no more.
  [[nodiscard]] virtual bool step() = 0;
  virtual bool isNull(int column) const = 0;
  virtual int64_t integer(int column) const = 0;
  virtual double real(int column) const = 0;
  virtual std::string text(int column) const = 0;
};

class PreparedStatement : public Rows {
 public:
  virtual void bindNull(int index) = 0;
  virtual void bind(int index, int64_t value) = 0;
  virtual void bind(int index, double value) = 0;
  virtual void bind(int index, std::string_view value) = 0;

  // Runs the statement with the parameters bound the first time; true when a row is ready.
  [[nodiscard]] bool step() override = 0;
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
  // Runs the statement with the parameters bound, hands its rows to `check`, which reads them and
  // may raise, and resets it. With `later`, an engine that talks to a server sends it with the
  // statements deferred and checks the rows when they come, in a later flush (Engine::flush, and
  // one sent ahead by Engine::sendAhead), which then raises what `check` raised; `check` must own
  // what it reads.
  virtual void runChecked(std::function<void(Rows& rows)> check, bool later);
};

}  // namespace automation::db
