#include "erpserver/store/RemovedDocuments.hpp"

#include <cctype>
#include <set>
#include <vector>

#include "platform/Date.hpp"

namespace erpserver {
namespace {

// Upper-cased, as a server that folds names to lower case gives them back otherwise.
std::vector<std::string> columnsOf(sql::Database& db, const char* table) {
  std::vector<std::string> out;
  auto q = db.query(db.dialect().sql.tableColumns);
  q->bind(1, table);
  while (q->step()) out.push_back(q->text(0));
  return out;
}

// Copies the rows of `source` that belong to the document into `archive` under removal `id`: the
// columns both tables have, so that a column added to one of them never stops a removal.
void copyRows(sql::Database& db, const char* archive, const char* source, const char* typeColumn, int64_t id,
              const DocKey& key) {
  std::vector<std::string> archived = columnsOf(db, archive);
  std::set<std::string> kept(archived.begin(), archived.end());
  std::string list;
  for (const std::string& column : columnsOf(db, source))
    if (column != "ID" && kept.contains(column)) list += ", " + column;
  auto q = db.query(std::string("INSERT INTO ") + archive + " (ID" + list + ") SELECT ?" + list + " FROM " + source +
                    " WHERE " + typeColumn + " = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ?");
  q->bind(1, id).bind(2, key.tipo).bind(3, key.serie).bind(4, key.ano).bind(5, key.numero).run();
}

}  // namespace

void archiveDocument(sql::Database& db, const DocKey& key, const std::string& user) {
  auto q = db.query(std::string("INSERT INTO DOCREMOVIDOS (TPDOC, SERIE, ANO, NNUMDOC, REMOVIDO, UTILIZADOR) ") +
                    "VALUES (?, ?, ?, ?, " + db.dialect().sql.localTime + ", ?)");
  q->bind(1, key.tipo).bind(2, key.serie).bind(3, key.ano).bind(4, key.numero).bind(5, user).run();
  int64_t id = db.lastInsertId();
  copyRows(db, "DOCREMCAB", "DOCGCCAB", "TPDOC", id, key);
  copyRows(db, "DOCREMLIN", "DOCGCLIN", "TPDOCUM", id, key);
  copyRows(db, "DOCREMLOT", "LOTEMOVS", "TPDOCUM", id, key);
}

}  // namespace erpserver
