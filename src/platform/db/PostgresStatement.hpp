#pragma once

#include <libpq-fe.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/PostgresEngine.hpp"
#include "platform/db/PostgresRows.hpp"
#include "platform/db/PostgresValues.hpp"
#include "platform/db/PreparedStatement.hpp"

namespace automation::db {

// A statement prepared on the server once for each combination of parameter types it is run with
// (numbers go typed, text and nulls untyped), so that a repeated statement is parsed and planned
// once. Its rows are fetched whole when it runs and then read one by one. A deferred run goes to
// the server with the next statement that waits for an answer.
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
  void defer(const std::string& place) override;
  void prefetch() override;
  void reuseRows() override { reuse_ = true; }
  void runChecked(std::function<void(Rows& rows)> check, bool later) override;

  bool isNull(int column) const override { return rows_.isNull(column); }
  int64_t integer(int column) const override { return rows_.integer(column); }
  double real(int column) const override { return rows_.real(column); }
  std::string text(int column) const override { return rows_.text(column); }

 private:
  void put(int index, postgres::ParameterText value);
  // Queues a run with the bound parameters, preparing the statement first in the same pipeline
  // when these types are new to it.
  void queue(PostgresEngine::Result* out, std::string place, PostgresEngine::Check check = {});
  // The rows kept by reuseRows(), or those sent ahead, hold for the parameters bound now.
  bool keptRowsHold() const;
  bool aheadRowsHold() const;

  PostgresEngine& engine_;
  std::string sql_;
  std::vector<postgres::ParameterText> parameters_;
  std::map<std::vector<unsigned>, std::string> prepared_;  // by parameter types
  PostgresEngine::Result incoming_{nullptr, PQclear};
  PostgresRows rows_;  // the rows being read
  // A run sent ahead, its rows to come with the next flush, and the parameters it ran with.
  PostgresEngine::Result ahead_{nullptr, PQclear};
  std::optional<std::vector<postgres::ParameterText>> aheadParameters_;
  int64_t aheadTrip_ = 0;  // the engine's round trip that brings it
  int64_t aheadChanges_ = 0;
  // With reuseRows(): the last rows read under the writer lock, their parameters, and the
  // engine's changes() then.
  bool reuse_ = false;
  std::shared_ptr<PGresult> kept_;
  std::vector<postgres::ParameterText> keptParameters_;
  int64_t keptChanges_ = -1;
};

}  // namespace automation::db
