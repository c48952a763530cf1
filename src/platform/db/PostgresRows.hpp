#pragma once
// The rows of one answer of a PostgreSQL server, read one by one.
// Ownership: shares the answer it reads with whoever else holds it.
// Threads: one at a time.

#include <libpq-fe.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/db/PreparedStatement.hpp"

namespace automation::db {

class PostgresRows : public Rows {
 public:
  PostgresRows() = default;
  explicit PostgresRows(std::shared_ptr<PGresult> answer) : answer_(std::move(answer)) {}

  bool step() override { return answer_ && ++row_ < PQntuples(answer_.get()); }
  bool isNull(int column) const override;
  // A truth value reads as 1 or 0, a fraction without its decimals. Numbers are read in the
  // server's own format, whatever the process locale says.
  int64_t integer(int column) const override;
  double real(int column) const override;
  std::string text(int column) const override;

  const std::shared_ptr<PGresult>& answer() const noexcept { return answer_; }

 private:
  std::string_view value(int column) const;

  std::shared_ptr<PGresult> answer_;
  int row_ = -1;
};

}  // namespace automation::db
