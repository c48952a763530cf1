// Statements prepared once on a PostgreSQL server and run many times.
#include "platform/db/PostgresStatement.hpp"

#include <charconv>

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

void PostgresStatement::queue(PostgresEngine::Result* out, std::string place, PostgresEngine::Check check) {
  std::vector<unsigned> types;
  for (const auto& p : parameters_) types.push_back(p.text ? p.type : 0);
  auto known = prepared_.find(types);
  bool prepare = known == prepared_.end();
  if (prepare) known = prepared_.emplace(types, engine_.newStatementName()).first;
  else prepare = engine_.takeUnprepared(known->second);
  engine_.queue({sql_, known->second, prepare, types, parameters_, out, std::move(place), std::move(check)});
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
  if (!rows_.answer() && keptRowsHold()) rows_ = PostgresRows(kept_);
  if (!rows_.answer()) {
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
    rows_ = PostgresRows(std::shared_ptr<PGresult>(incoming_.release(), PQclear));
    if (reuse_ && engine_.holdsWriterLock()) {
      kept_ = rows_.answer();
      keptParameters_ = parameters_;
      keptChanges_ = engine_.changes();
    }
  }
  return rows_.step();
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

void PostgresStatement::runChecked(std::function<void(Rows& rows)> check, bool later) {
  if (!later) {
    PreparedStatement::runChecked(std::move(check), false);
    return;
  }
  queue(nullptr, {}, [check = std::move(check)](PostgresEngine::Result answer) {
    PostgresRows rows(std::shared_ptr<PGresult>(answer.release(), PQclear));
    check(rows);
  });
  reset();
}

void PostgresStatement::reset() {
  rows_ = PostgresRows();
  for (auto& p : parameters_) p = {};
}

}  // namespace automation::db
