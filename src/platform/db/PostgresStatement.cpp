// Statements prepared once on a PostgreSQL server and run many times.
#include "platform/db/PostgresStatement.hpp"

#include <charconv>
#include <cstdlib>

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
  for (const auto& [types, name] : prepared_) engine_.run(("DEALLOCATE " + name).c_str(), true);
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

bool PostgresStatement::step() {
  if (!result_) {
    std::vector<unsigned> types;
    for (const auto& p : parameters_) types.push_back(p.text ? p.type : 0);
    auto known = prepared_.find(types);
    if (known == prepared_.end())
      known = prepared_.emplace(types, engine_.prepareOnServer(sql_, types)).first;
    result_ = engine_.runPrepared(known->second, parameters_);
    row_ = -1;
  }
  return ++row_ < PQntuples(result_.get());
}

void PostgresStatement::reset() {
  result_.reset();
  row_ = -1;
  for (auto& p : parameters_) p = {};
}

const char* PostgresStatement::value(int column) const { return PQgetvalue(result_.get(), row_, column); }

bool PostgresStatement::isNull(int column) const { return PQgetisnull(result_.get(), row_, column) != 0; }

// A truth value reads as 1 or 0, a fraction without its decimals.
int64_t PostgresStatement::integer(int column) const {
  const char* text = value(column);
  if (text[0] == 't' || text[0] == 'f') return text[0] == 't';
  char* end = nullptr;
  long long whole = std::strtoll(text, &end, 10);
  if (*end == '.' || *end == 'e' || *end == 'E') return static_cast<int64_t>(std::strtod(text, nullptr));
  return whole;
}

double PostgresStatement::real(int column) const { return std::strtod(value(column), nullptr); }

std::string PostgresStatement::text(int column) const {
  return std::string(value(column), static_cast<std::size_t>(PQgetlength(result_.get(), row_, column)));
}

}  // namespace automation::db
