#include "erpserver/store/SourceReference.hpp"

#include "erpserver/rules/Refusal.hpp"

namespace erpserver {

namespace {
// The partial index only serves queries that repeat its condition word for word.
const std::string kIndexed = "substr(PROCESSO, 1, 1) = '#'";
const std::string kHolder = "SELECT TPDOC, SERIE, ANO, NNUMDOC FROM DOCGCCAB WHERE PROCESSO = ? AND " + kIndexed;

}  // namespace

bool isSourceReference(const std::string& processo) { return !processo.empty() && processo.front() == kSourceMark; }

std::optional<DocKey> documentWithSource(sql::Database& db, const std::string& reference) {
  auto q = db.query(kHolder);
  q->bind(1, reference);
  if (!q->step()) return std::nullopt;
  return DocKey{q->text(0), static_cast<int32_t>(q->integer(1)), static_cast<int32_t>(q->integer(2)),
                static_cast<int32_t>(q->integer(3))};
}

void checkSourceReference(sql::Database& db, const std::string& processo, const std::optional<DocKey>& own) {
  if (!isSourceReference(processo)) return;
  auto holder = documentWithSource(db, processo);
  if (holder && holder != own)
    refuseWith(refusal::SourceTaken,
               "A referência de origem '" + processo + "' já foi lançada no documento " + holder->text());
}

void prefetchSourceReference(sql::Database& db, const std::string& processo) {
  if (!isSourceReference(processo)) return;
  auto q = db.query(kHolder);
  q->bind(1, processo).prefetch();
}

void ensureSourceIndex(sql::Database& db) {
  db.exec("CREATE UNIQUE INDEX IF NOT EXISTS DOCGCCAB_ORIGEM ON DOCGCCAB (PROCESSO) WHERE " + kIndexed);
}

}  // namespace erpserver
