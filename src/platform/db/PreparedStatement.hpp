#pragma once
// One statement prepared once and run many times, for callers that repeat the same statements:
// parameters are positional ("?", from 1) and columns are read one by one (from 0). Refusals are
// raised as DatabaseError.
// Ownership: made by an engine and owned by its caller; it must not outlive that engine.
// Threads: the engine's thread only.

#include <cstdint>
#include <string>
#include <string_view>

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

  virtual bool isNull(int column) const = 0;
  virtual int64_t integer(int column) const = 0;
  virtual double real(int column) const = 0;
  virtual std::string text(int column) const = 0;
};

}  // namespace automation::db
