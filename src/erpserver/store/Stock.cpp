#include "erpserver/store/Stock.hpp"

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/DocumentRules.hpp"

namespace erpserver {
namespace {

// The stock changes of one document summed per article and warehouse, in the order first met, and
// written as few statements: each change of an ARTARM row costs the triggers that recompute the
// article's total, so a document makes one change per article and warehouse. `entered` and
// `issued` are added to the row's QTDENT and QTDSID, and their difference to its stock.
class StockRows {
 public:
  // Quantity into (positive) or out of (negative) a warehouse.
  void add(const std::string& article, const std::string& warehouse, double quantity) {
    Row* row = nullptr;
    for (Row& r : rows_)
      if (r.article == article && r.warehouse == warehouse) row = &r;
    if (!row) row = &rows_.emplace_back(Row{article, warehouse, 0, 0});
    (quantity > 0 ? row->entered : row->issued) += quantity > 0 ? quantity : -quantity;
  }
  void apply(sql::Database& db) {
    sql::inBatches(rows_.size(), [&](std::size_t first, std::size_t count) {
      auto q = db.query("INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC, QTDENT, QTDSID) VALUES " +
                        sql::valueRows(count, 5) +
                        " ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET EXISTENC = ARTARM.EXISTENC + excluded.EXISTENC, "
                        "QTDENT = ARTARM.QTDENT + excluded.QTDENT, QTDSID = ARTARM.QTDSID + excluded.QTDSID");
      int index = 1;
      for (std::size_t i = first; i < first + count; ++i, index += 5) {
        const Row& r = rows_[i];
        q->bind(index, r.article).bind(index + 1, r.warehouse).bind(index + 2, r.entered - r.issued);
        q->bind(index + 3, r.entered).bind(index + 4, r.issued);
      }
      q->defer();
    });
    rows_.clear();
  }

 private:
  struct Row {
    std::string article, warehouse;
    double entered, issued;
  };
  std::vector<Row> rows_;
};

// The lot changes of one document summed per lot and warehouse (one statement may change a row
// once), in the order first met. `entered` and `issued` are added to the lot's QTDENT and QTDSID; a
// new lot row takes the dates of the first move that names it.
class LotRows {
 public:
  void add(const StockMoves::Lot& lot, const std::string& warehouse, double entered, double issued) {
    Row* row = nullptr;
    for (Row& r : rows_)
      if (r.lot->article == lot.article && r.lot->lot == lot.lot && r.warehouse == warehouse) row = &r;
    if (!row) row = &rows_.emplace_back(Row{&lot, warehouse, 0, 0});
    row->entered += entered;
    row->issued += issued;
  }
  // Only a lowered QTDSID can fire the release trigger (SchemaAdditions.cpp): adding a quantity
  // that is not negative never lowers a number.
  bool lowersIssued() const {
    for (const Row& r : rows_)
      if (r.issued < 0) return true;
    return false;
  }
  void apply(sql::Database& db) {
    sql::inBatches(rows_.size(), [&](std::size_t first, std::size_t count) {
      auto q = db.query("INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID, DTAENTRA, VALIDADE, VOSSLOTE) "
                        "VALUES " +
                        sql::valueRows(count, 8) +
                        " ON CONFLICT (ARTIGO, CODLOTE, ARMAZEM) DO UPDATE SET "
                        "QTDENT = ARTLOT.QTDENT + excluded.QTDENT, QTDSID = ARTLOT.QTDSID + excluded.QTDSID");
      int index = 1;
      for (std::size_t i = first; i < first + count; ++i, index += 8) {
        const Row& r = rows_[i];
        q->bind(index, r.lot->article).bind(index + 1, r.lot->lot).bind(index + 2, r.warehouse);
        q->bind(index + 3, r.entered).bind(index + 4, r.issued).bind(index + 5, r.lot->entryIso);
        q->bind(index + 6, r.lot->expiryIso).bind(index + 7, r.lot->theirLot);
      }
      q->defer();
    });
  }

 private:
  struct Row {
    const StockMoves::Lot* lot;
    std::string warehouse;
    double entered, issued;
  };
  std::vector<Row> rows_;
};

// A supplier entry's costs per article: each line is priced on the stock that the lines before it
// left, in memory, and each article read in one statement and written once per document.
class EntryCosts {
 public:
  // One row whose columns are each article's stock and average cost, null for an unknown article;
  // `ahead` only sends the read ahead (Statement::prefetch).
  void read(sql::Database& db, const std::vector<StockMoves::Line>& lines, bool ahead = false) {
    std::string sql;
    for (const auto& line : lines) {
      if (find(line.article)) continue;
      costs_.push_back(Cost{line.article, 0, 0, 0, false});
      sql += std::string(sql.empty() ? "SELECT " : ", ") +
             "(SELECT STDISP FROM ARTIGOS WHERE CODIGO = ?), (SELECT ULTPMP FROM ARTIGOS WHERE CODIGO = ?)";
    }
    if (costs_.empty()) return;
    auto q = db.query(sql);
    int index = 1;
    for (const Cost& c : costs_) q->bind(index, c.article).bind(index + 1, c.article), index += 2;
    if (ahead) return q->prefetch();
    if (!q->step()) return;
    for (std::size_t i = 0; i < costs_.size(); ++i) {
      int column = static_cast<int>(2 * i);
      costs_[i].known = !q->isNull(column);
      if (costs_[i].known) costs_[i].stock = q->real(column), costs_[i].average = q->real(column + 1);
    }
  }
  void add(const StockMoves::Line& line) {
    Cost* cost = find(line.article);
    if (!cost || !cost->known) return;
    double after = cost->stock + line.quantity;
    cost->average = cost->stock > 0 && after > 0
                        ? (cost->stock * cost->average + line.quantity * line.price) / after
                        : line.price;
    cost->stock = after;
    cost->last = line.price;
    cost->moved = true;
  }
  // One statement for the articles moved: each write to ARTIGOS also raises the master-data version.
  void apply(sql::Database& db, Catalog& catalog) {
    std::vector<const Cost*> moved;
    for (const Cost& c : costs_)
      if (c.moved) moved.push_back(&c);
    sql::inBatches(moved.size(), [&](std::size_t first, std::size_t count) {
      // A join finds each row by its key; a list of cases would look at every row of the table.
      auto u = db.query("UPDATE ARTIGOS SET ULTPRC = V.column2, ULTPMP = V.column3 FROM (VALUES " +
                        sql::valueRows(count, 3) + ") AS V WHERE ARTIGOS.CODIGO = V.column1");
      int index = 1;
      for (std::size_t i = first; i < first + count; ++i, index += 3)
        u->bind(index, moved[i]->article).bind(index + 1, moved[i]->last).bind(index + 2, moved[i]->average);
      u->defer();
      catalog.costStatementsSent(1);
    });
    for (const Cost* c : moved) catalog.costsWritten(c->article, c->last, c->average);
  }

 private:
  struct Cost {
    std::string article;
    double stock, average, last;
    bool known;
    bool moved = false;
  };
  Cost* find(const std::string& article) {
    for (Cost& c : costs_)
      if (c.article == article) return &c;
    return nullptr;
  }
  std::vector<Cost> costs_;
};

}  // namespace

StockMoves movesOf(const DocumentoComercial& doc, const CheckedDocument& checked) {
  StockMoves moves;
  for (std::size_t i = 0; i < doc.lines().size(); ++i) {
    const auto& article = checked.articles[i];
    if (!article || !article->stock) continue;
    const LinhaDoc& line = *doc.lines()[i];
    double factor = line.real(lin::Factor);
    moves.lines.push_back({article->code, line.text(lin::Armazem), line.real(lin::Quantidade) * factor,
                           line.real(lin::PrecoUnitario) / factor, static_cast<int>(i + 1)});
  }
  for (const auto& lotLine : doc.lots()) {
    const CamposLote& lot = lotLine->campos();
    moves.lots.push_back({lot.text(lot::Artigo), lot.text(lot::Codigo), lot.text(lot::Armazem),
                          lotLine->real(lot::Quantidade), isoFromText(lot.text(lot::Entrada)).value_or(""),
                          isoFromText(lot.text(lot::Validade)).value_or(""), lot.text(lot::VossoLote),
                          lotLine->number(lot::Linha)});
  }
  return moves;
}

StockMoves storedMoves(sql::Database& db, const DocKey& key) {
  StockMoves moves;
  auto lines = db.query(
      "SELECT L.ARTIGO, L.ARMAZEM, L.QUANT * L.FACTOR, L.NUMLINHA FROM DOCGCLIN L JOIN ARTIGOS A ON A.CODIGO = L.ARTIGO "
      "WHERE L.TPDOCUM = ? AND L.SERIE = ? AND L.ANO = ? AND L.NNUMDOC = ? AND A.CTRSTO <> 0 ORDER BY L.NUMLINHA");
  lines->bind(1, key.tipo).bind(2, key.serie).bind(3, key.ano).bind(4, key.numero);
  while (lines->step())
    moves.lines.push_back({lines->text(0), lines->text(1), lines->real(2), 0, static_cast<int>(lines->integer(3))});
  auto lots = db.query(std::string("SELECT ARTIGO, CODLOT, ARMAZEM, QUANT, VALIDADE, VOSSLOTE, NUMLINHA FROM LOTEMOVS ") +
                       "WHERE TPDOCUM = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ? ORDER BY NUMLINHA, " +
                       db.dialect().insertOrder);
  lots->bind(1, key.tipo).bind(2, key.serie).bind(3, key.ano).bind(4, key.numero);
  while (lots->step())
    moves.lots.push_back({lots->text(0), lots->text(1), lots->text(2), lots->real(3), "", lots->text(4), lots->text(5),
                          static_cast<int>(lots->integer(6))});
  return moves;
}

namespace {
bool movesCosts(const DocType& type, int sign) { return type.stock == 'E' && type.entity == 'F' && sign > 0; }
}  // namespace

void prefetchStock(sql::Database& db, const DocType& type, const StockMoves& moves) {
  if (movesCosts(type, 1)) EntryCosts().read(db, moves.lines, true);
}

void applyStock(sql::Database& db, Catalog& catalog, const DocType& type, const StockMoves& moves, int sign) {
  if (type.stock == 'N') return;
  const bool costs = movesCosts(type, sign);
  EntryCosts entryCosts;
  if (costs) entryCosts.read(db, moves.lines);
  StockRows rows;
  for (const auto& line : moves.lines) {
    double q = sign * line.quantity;
    if (costs) entryCosts.add(line);
    if (type.stock == 'E') rows.add(line.article, line.warehouse, q);
    if (type.stock == 'S' || type.stock == 'T') rows.add(line.article, line.warehouse, -q);
    if (type.stock == 'T') rows.add(line.article, type.destination, q);
  }
  entryCosts.apply(db, catalog);
  rows.apply(db);
  LotRows lots;
  for (const auto& lot : moves.lots) {
    double q = sign * lot.quantity;
    if (type.releasesLots()) lots.add(lot, lot.warehouse, 0, -q);
    else if (type.stock == 'E') lots.add(lot, lot.warehouse, q, 0);
    if (type.stock == 'S' || type.stock == 'T') lots.add(lot, lot.warehouse, 0, q);
    if (type.stock == 'T') lots.add(lot, type.destination, q, 0);
  }
  // The mark lives only inside this transaction (a failure rolls it back with the rest), so that the
  // release trigger never takes one of the server's own lot writes for the library's statement.
  const bool mark = lots.lowersIssued();
  if (mark) db.query("INSERT INTO SYS_LOTESERVIDOR (ID) VALUES (1)")->defer();
  lots.apply(db);
  if (mark) db.query("DELETE FROM SYS_LOTESERVIDOR")->defer();
}

void recordReleases(sql::Database& db, const DocType& type, const StockMoves& moves, const DocKey& key) {
  if (!type.releasesLots()) return;
  for (const auto& lot : moves.lots) {
    auto q = db.query(
        "INSERT INTO ARTLOTLIB (ARTIGO, CODLOTE, ARMAZEM, QUANT, TPDOC, SERIE, ANO, NNUMDOC) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    q->bind(1, lot.article).bind(2, lot.lot).bind(3, lot.warehouse).bind(4, lot.quantity);
    q->bind(5, key.tipo).bind(6, key.serie).bind(7, key.ano).bind(8, key.numero).defer();
  }
}

std::optional<std::string> lotExpiry(sql::Database& db, const std::string& article, const std::string& lot,
                                     const std::string& warehouse) {
  auto q = db.query("SELECT VALIDADE FROM ARTLOT WHERE ARTIGO = ? AND CODLOTE = ? AND ARMAZEM = ?");
  q->bind(1, article).bind(2, lot).bind(3, warehouse);
  if (!q->step()) return std::nullopt;
  return q->isNull(0) ? std::string() : q->text(0);
}

}  // namespace erpserver
