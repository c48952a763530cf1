// Statements prepared once on a PostgreSQL server and run many times.
#include "platform/db/PostgresStatement.hpp"

#include <charconv>
#include <cmath>

#include "platform/db/PostgresEngine.hpp"
#include "platform/db/PostgresText.hpp"

namespace automation::db {
namespace {

constexpr unsigned kInt8 = 20;
constexpr unsigned kFloat8 = 701;

std::string numberText(double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

}  // namespace

PostgresStatement::PostgresStatement(PostgresEngine& engine, std::string_view sql) : engine_(engine) {
  postgres::StatementText numbered = postgres::numberedText(sql);
  sql_ = std::move(numbered.sql);
  parameters_.resize(numbered.names.size());
}

PostgresStatement::~PostgresStatement() {
  engine_.forget(&incoming_);
  engine_.forget(&ahead_);
  // Nothing waits for these: they go with the next statement, or with the connection.
  for (const auto& [types, name] : prepared_)
    if (!engine_.takeUnprepared(name)) engine_.queueText("DEALLOCATE " + name);
}

void PostgresStatement::put(int index, postgres::ParameterText value) {
  if (index < 1 || static_cast<std::size_t>(index) > parameters_.size())
    engine_.fail("No parameter " + std::to_string(index) + " in the statement \"" + sql_ + "\".");
  parameters_[static_cast<std::size_t>(index - 1)] = std::move(value);
}

void PostgresStatement::bindNull(int index) { put(index, {}); }
void PostgresStatement::bind(int index, int64_t value) { put(index, {std::to_string(value), kInt8}); }
void PostgresStatement::bind(int index, double value) { put(index, {numberText(value), kFloat8}); }
void PostgresStatement::bind(int index, std::string_view value) { put(index, {std::string(value), 0}); }

void PostgresStatement::queue(PostgresEngine::Result* out, std::string place) {
  std::vector<unsigned> types;
  for (const auto& p : parameters_) types.push_back(p.text ? p.type : 0);
  auto known = prepared_.find(types);
  bool prepare = known == prepared_.end();
  if (prepare) known = prepared_.emplace(types, engine_.newStatementName()).first;
  else prepare = engine_.takeUnprepared(known->second);
  engine_.queue({sql_, known->second, prepare, types, parameters_, out, std::move(place)});
}

bool PostgresStatement::keptRowsHold() const {
  return kept_ && keptChanges_ == engine_.changes() && keptParameters_ == parameters_;
}

// Rows sent ahead hold while nothing went to the server after them, nor waits to go that may
// change them.
bool PostgresStatement::aheadRowsHold() const {
  return aheadParameters_ && *aheadParameters_ == parameters_ && engine_.changes() == aheadChanges_;
}

bool PostgresStatement::step() {
  if (!result_ && keptRowsHold()) {
    result_ = kept_;
    row_ = -1;
  }
  if (!result_) {
    if (aheadRowsHold()) {
      if (engine_.trips() == aheadTrip_ - 1) engine_.flush();
      if (engine_.trips() >= aheadTrip_) incoming_ = std::move(ahead_);
    }
    aheadParameters_.reset();
    ahead_.reset();
    if (!incoming_) {
      queue(&incoming_, {});
      engine_.flush();
    }
    result_ = std::shared_ptr<PGresult>(incoming_.release(), PQclear);
    row_ = -1;
    if (reuse_ && engine_.holdsWriterLock()) {
      kept_ = result_;
      keptParameters_ = parameters_;
      keptChanges_ = engine_.changes();
    }
  }
  return ++row_ < PQntuples(result_.get());
}

void PostgresStatement::prefetch() {
  // Rows kept, or sent ahead already with these parameters, still hold: nothing to send.
  if (keptRowsHold() || aheadRowsHold()) {
    reset();
    return;
  }
  engine_.forget(&ahead_);
  ahead_.reset();
  queue(&ahead_, {});
  aheadParameters_ = parameters_;
  aheadTrip_ = engine_.trips() + 1;
  aheadChanges_ = engine_.changes();
  reset();
}

void PostgresStatement::defer(const std::string& place) {
  queue(nullptr, place);
  reset();
}

void PostgresStatement::reset() {
  result_.reset();
  row_ = -1;
  for (auto& p : parameters_) p = {};
}

// Without a current row, or past the last column, a column reads as null, as on a file database.
std::string_view PostgresStatement::value(int column) const {
  if (isNull(column)) return {};
  return {PQgetvalue(result_.get(), row_, column), static_cast<std::size_t>(PQgetlength(result_.get(), row_, column))};
}

bool PostgresStatement::isNull(int column) const {
  if (!result_ || row_ < 0 || row_ >= PQntuples(result_.get()) || column < 0 || column >= PQnfields(result_.get()))
    return true;
  return PQgetisnull(result_.get(), row_, column) != 0;
}

// A truth value reads as 1 or 0, a fraction without its decimals. Numbers are read in the
// server's own format, whatever the process locale says.
int64_t PostgresStatement::integer(int column) const {
  std::string_view text = value(column);
  if (text == "t" || text == "f") return text == "t";
  int64_t whole = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
  if (ec == std::errc() && end == text.data() + text.size()) return whole;
  double number = real(column);
  return std::isfinite(number) && std::fabs(number) < 9.2e18 ? static_cast<int64_t>(number) : 0;
}

double PostgresStatement::real(int column) const {
  std::string_view text = value(column);
  if (text == "NaN") return std::nan("");
  if (text == "Infinity" || text == "-Infinity") return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  double number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::string PostgresStatement::text(int column) const { return std::string(value(column)); }

}  // namespace automation::db
