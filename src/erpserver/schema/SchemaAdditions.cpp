#include "erpserver/schema/SchemaAdditions.hpp"

#include <set>
#include <string>
#include <vector>

#include "erpserver/schema/SchemaTables.hpp"

namespace erpserver {
namespace {

struct Column {
  std::string name, type;
};

std::vector<Column> columnsOf(sql::Database& db, const std::string& table) {
  std::vector<Column> out;
  auto q = db.query(db.dialect().sql.tableColumns);
  q->bind(1, table);
  while (q->step()) out.push_back({q->text(0), q->text(1)});
  return out;
}

bool hasTable(sql::Database& db, const char* name) {
  auto q = db.query(db.dialect().sql.tableExists);
  q->bind(1, name);
  return q->step();
}

void addColumn(sql::Database& db, const std::string& table, const std::string& column, const std::string& definition) {
  for (const Column& c : columnsOf(db, table))
    if (c.name == column) return;
  db.exec("ALTER TABLE " + table + " ADD COLUMN " + column + " " + definition);
}

// An archive table holds the columns of its source (without its constraints) after ID, the
// removal it belongs to; columns added to the source later are added to it as well.
void followColumns(sql::Database& db, const std::string& archive, const std::string& source) {
  if (!hasTable(db, archive.c_str()))
    db.exec("CREATE TABLE " + archive + " (ID INTEGER NOT NULL REFERENCES DOCREMOVIDOS ON DELETE CASCADE)");
  std::set<std::string> present;
  for (const Column& c : columnsOf(db, archive)) present.insert(c.name);
  for (const Column& c : columnsOf(db, source))
    if (!present.contains(c.name)) db.exec("ALTER TABLE " + archive + " ADD COLUMN " + c.name + " " + c.type);
}

// A consumption return releases its lots inside the server's own transaction and leaves one
// ARTLOTLIB row per lot. The library then sends its own statement lowering QTDSID by the same
// quantity; the trigger takes that statement as the acknowledgement of the release already made:
// it drops the row and leaves the lot alone. The server's own lot writes are marked by a row in
// SYS_LOTESERVIDOR, which exists only inside its transactions, so they are never taken for one.
const char* const kLotReleases = R"SQL(
CREATE TABLE IF NOT EXISTS SYS_LOTESERVIDOR (ID INTEGER PRIMARY KEY CHECK (ID = 1));
CREATE TABLE IF NOT EXISTS ARTLOTLIB (
  ARTIGO VARCHAR(20) NOT NULL, CODLOTE VARCHAR(30) NOT NULL, ARMAZEM VARCHAR(10) NOT NULL, QUANT REAL NOT NULL,
  TPDOC VARCHAR(5) NOT NULL, SERIE SMALLINT NOT NULL, ANO SMALLINT NOT NULL, NNUMDOC INTEGER NOT NULL,
  FOREIGN KEY (TPDOC, SERIE, ANO, NNUMDOC) REFERENCES DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC) ON DELETE CASCADE);
CREATE INDEX IF NOT EXISTS ARTLOTLIB_LOTE ON ARTLOTLIB (ARTIGO, CODLOTE, ARMAZEM);
CREATE INDEX IF NOT EXISTS ARTLOTLIB_DOC ON ARTLOTLIB (TPDOC, SERIE, ANO, NNUMDOC);
CREATE TRIGGER IF NOT EXISTS ARTLOT_LIBERTACAO BEFORE UPDATE OF QTDSID ON ARTLOT
WHEN NEW.QTDENT = OLD.QTDENT AND NEW.QTDSID < OLD.QTDSID AND NOT EXISTS (SELECT 1 FROM SYS_LOTESERVIDOR)
  AND EXISTS (SELECT 1 FROM ARTLOTLIB WHERE ARTIGO = OLD.ARTIGO AND CODLOTE = OLD.CODLOTE AND ARMAZEM = OLD.ARMAZEM
              AND abs(QUANT - (OLD.QTDSID - NEW.QTDSID)) < 0.000001)
BEGIN
  DELETE FROM ARTLOTLIB WHERE rowid = (SELECT rowid FROM ARTLOTLIB WHERE ARTIGO = OLD.ARTIGO
    AND CODLOTE = OLD.CODLOTE AND ARMAZEM = OLD.ARMAZEM AND abs(QUANT - (OLD.QTDSID - NEW.QTDSID)) < 0.000001
    ORDER BY rowid LIMIT 1);
  SELECT RAISE(IGNORE);
END;
-- The lots that still hold stock, in the order an exit without lots takes them (dates unknown
-- last), so that an exit reads only the lots it takes. It replaces an index that left them unsorted.
DROP INDEX IF EXISTS ARTLOT_DISPONIVEL;
CREATE INDEX IF NOT EXISTS ARTLOT_A_CONSUMIR
  ON ARTLOT (ARTIGO, ARMAZEM, VALIDADE IS NULL, VALIDADE, DTAENTRA IS NULL, DTAENTRA, CODLOTE)
  WHERE QTDENT - QTDSID > 0;
CREATE TABLE IF NOT EXISTS DOCREMOVIDOS (
  ID INTEGER PRIMARY KEY, TPDOC VARCHAR(5) NOT NULL, SERIE SMALLINT NOT NULL, ANO SMALLINT NOT NULL,
  NNUMDOC INTEGER NOT NULL, REMOVIDO VARCHAR(19) NOT NULL, UTILIZADOR VARCHAR(20));
CREATE INDEX IF NOT EXISTS DOCREMOVIDOS_DOC ON DOCREMOVIDOS (TPDOC, SERIE, ANO, NNUMDOC);
)SQL";

// A stock row's update recomputes its article's total once; only a row moved to another article
// (never done by the server) also recomputes the article it left. They replace one trigger that
// recomputed the same article twice on every stock move.
const char* const kStockTotals = R"SQL(
DROP TRIGGER IF EXISTS ARTARM_STDISP_UPDATE;
CREATE TRIGGER IF NOT EXISTS ARTARM_STDISP_CHANGE AFTER UPDATE OF EXISTENC, ARTIGO ON ARTARM BEGIN
  UPDATE ARTIGOS SET STDISP = (SELECT TOTAL(EXISTENC) FROM ARTARM WHERE ARTIGO = NEW.ARTIGO) WHERE CODIGO = NEW.ARTIGO;
END;
CREATE TRIGGER IF NOT EXISTS ARTARM_STDISP_LEAVE AFTER UPDATE OF ARTIGO ON ARTARM WHEN OLD.ARTIGO <> NEW.ARTIGO BEGIN
  UPDATE ARTIGOS SET STDISP = (SELECT TOTAL(EXISTENC) FROM ARTARM WHERE ARTIGO = OLD.ARTIGO) WHERE CODIGO = OLD.ARTIGO;
END;
)SQL";

// Each warehouse's lots total follows every lot write, so that the lots agreement reads one row per
// place however many lots the place has had. A lot's own change is added in one statement; a lot
// moved to another place (never done by the server) leaves the one and enters the other.
const char* const kLotTotals = R"SQL(
CREATE TABLE IF NOT EXISTS ARTARMLOT (ARTIGO VARCHAR(20) NOT NULL, ARMAZEM VARCHAR(10) NOT NULL,
  QUANT REAL NOT NULL DEFAULT 0, PRIMARY KEY (ARTIGO, ARMAZEM));
DELETE FROM ARTARMLOT;
INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT)
  SELECT ARTIGO, ARMAZEM, TOTAL(QTDENT - QTDSID) FROM ARTLOT GROUP BY ARTIGO, ARMAZEM;
CREATE TRIGGER IF NOT EXISTS ARTLOT_SOMA_INSERT AFTER INSERT ON ARTLOT BEGIN
  INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT) VALUES (NEW.ARTIGO, NEW.ARMAZEM, NEW.QTDENT - NEW.QTDSID)
  ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET QUANT = QUANT + excluded.QUANT;
END;
CREATE TRIGGER IF NOT EXISTS ARTLOT_SOMA_UPDATE AFTER UPDATE OF QTDENT, QTDSID ON ARTLOT
WHEN OLD.ARTIGO = NEW.ARTIGO AND OLD.ARMAZEM = NEW.ARMAZEM BEGIN
  INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT)
  VALUES (NEW.ARTIGO, NEW.ARMAZEM, (NEW.QTDENT - NEW.QTDSID) - (OLD.QTDENT - OLD.QTDSID))
  ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET QUANT = QUANT + excluded.QUANT;
END;
CREATE TRIGGER IF NOT EXISTS ARTLOT_SOMA_MOVE AFTER UPDATE OF ARTIGO, ARMAZEM ON ARTLOT
WHEN OLD.ARTIGO <> NEW.ARTIGO OR OLD.ARMAZEM <> NEW.ARMAZEM BEGIN
  INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT) VALUES (OLD.ARTIGO, OLD.ARMAZEM, OLD.QTDSID - OLD.QTDENT)
  ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET QUANT = QUANT + excluded.QUANT;
  INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT) VALUES (NEW.ARTIGO, NEW.ARMAZEM, NEW.QTDENT - NEW.QTDSID)
  ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET QUANT = QUANT + excluded.QUANT;
END;
CREATE TRIGGER IF NOT EXISTS ARTLOT_SOMA_DELETE AFTER DELETE ON ARTLOT BEGIN
  INSERT INTO ARTARMLOT (ARTIGO, ARMAZEM, QUANT) VALUES (OLD.ARTIGO, OLD.ARMAZEM, OLD.QTDSID - OLD.QTDENT)
  ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET QUANT = QUANT + excluded.QUANT;
END;
)SQL";

}  // namespace

void addSchemaAdditions(sql::Database& db) {
  addColumn(db, "PARAMS", "STKNEG", kNegativeStockDefinition);
  db.exec(kLotReleases);
  followColumns(db, "DOCREMCAB", "DOCGCCAB");
  followColumns(db, "DOCREMLIN", "DOCGCLIN");
  followColumns(db, "DOCREMLOT", "LOTEMOVS");
}

void addStockTotalTriggers(sql::Database& db) { db.exec(kStockTotals); }

void addLotTotals(sql::Database& db) { db.exec(kLotTotals); }

void addExpiredLotsParameter(sql::Database& db) { addColumn(db, "PARAMS", "LOTEXPIR", kExpiredLotsDefinition); }

}  // namespace erpserver
