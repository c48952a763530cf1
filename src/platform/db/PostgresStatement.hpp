#pragma once

#include <libpq-fe.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/PreparedStatement.hpp"
#include "platform/db/PostgresValues.hpp"

namespace automation::db {

class PostgresEngine;

// A statement prepared on the server once for each combination of parameter types it is run with
// (numbers go typed, text and nulls untyped), so that a repeated statement is parsed and planned
// once. Its rows are fetched whole when it runs and then read one by one.
class PostgresStatement : public PreparedStatement {
 public:
  PostgresStatement(PostgresEngine& engine, std::string_view sql);
  ~PostgresStatement() override;
  PostgresStatement(const PostgresStatement&) = delete;
  PostgresStatement& operator=(const PostgresStatement&) = delete;

  void bindNull(int index) override;
  void bind(int index, int64_t value) override;
  void bind(int index, double value) override;
  void bind(int index, std::string_view value) override;

  [[nodiscard]] bool step() override;
  void reset() override;

  bool isNull(int column) const override;
  int64_t integer(int column) const override;
  double real(int column) const override;
  std::string text(int column) const override;

 private:
  void put(int index, postgres::ParameterText value);
  const char* value(int column) const;

  PostgresEngine& engine_;
  std::string sql_;
  std::vector<postgres::ParameterText> parameters_;
  std::map<std::vector<unsigned>, std::string> prepared_;  // by parameter types
  std::unique_ptr<PGresult, void (*)(PGresult*)> result_{nullptr, PQclear};
  int row_ = -1;
};

}  // namespace automation::db
