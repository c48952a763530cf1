#include "erpserver/store/DocumentStore.hpp"

#include <cassert>
#include <limits>

#include "erpserver/store/DateText.hpp"
#include "erpserver/store/FieldIO.hpp"
#include "erpserver/rules/Refusal.hpp"

namespace erpserver {
namespace {

constexpr const char* kHeaderKey = " WHERE TPDOC = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ?";
constexpr const char* kLineKey = " WHERE TPDOCUM = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ?";

// The columns of a field table and the statements built from them, once per process.
struct Columns {
  std::vector<int> slots;
  std::string list;
  explicit Columns(std::span<const FieldSpec> fields) { list = columnList(fields, true, slots); }
  std::string marks(std::size_t extra) const { return sql::placeholders(slots.size() + extra); }
};

const Columns& headerColumns() {
  static const Columns c(kHeaderFields);
  return c;
}
const Columns& lineColumns() {
  static const Columns c(kLineFields);
  return c;
}

int bindKey(sql::Statement& st, int index, const DocKey& key) {
  st.bind(index, key.tipo).bind(index + 1, key.serie).bind(index + 2, key.ano).bind(index + 3, key.numero);
  return index + 4;
}

// A refusal of a statement that wrote several lines names them all.
std::string linesPlace(int32_t first, int32_t last) {
  if (first == last) return " (linha " + std::to_string(first) + ")";
  return " (linhas " + std::to_string(first) + " a " + std::to_string(last) + ")";
}

int bindFields(sql::Statement& st, int index, const ServerObject& object, const std::vector<int>& slots) {
  for (int slot : slots) bindField(st, index++, object, slot);
  return index;
}

}  // namespace

std::string DocKey::series() const { return tipo + " " + std::to_string(serie) + "/" + std::to_string(ano); }

std::string DocKey::text() const { return series() + " n.º " + std::to_string(numero); }

bool documentExists(sql::Database& db, const DocKey& key) {
  auto q = db.query(std::string("SELECT 1 FROM DOCGCCAB") + kHeaderKey);
  bindKey(*q, 1, key);
  return q->step();
}

namespace {

// The counter and whether the number after it is free, in one look.
const std::string kNextNumber =
    "SELECT CAST(N.NUM AS BIGINT) + 1, EXISTS (SELECT 1 FROM DOCGCCAB D WHERE D.TPDOC = ? AND D.SERIE = ? AND "
    "D.ANO = ? AND D.NNUMDOC = CAST(N.NUM AS BIGINT) + 1) FROM (SELECT COALESCE(MAX(NUM), 0) AS NUM FROM NUMDOC "
    "WHERE ANO = ? AND DOC = ? AND SERIE = ?) N";

void bindNumberKey(sql::Statement& q, const DocKey& key) {
  q.bind(1, key.tipo).bind(2, key.serie).bind(3, key.ano).bind(4, key.ano).bind(5, key.tipo).bind(6, key.serie);
}

}  // namespace

void prefetchNextNumber(sql::Database& db, const DocKey& key) {
  auto q = db.query(kNextNumber);
  bindNumberKey(*q, key);
  q->prefetch();
}

int32_t nextNumber(sql::Database& db, const DocKey& key) {
  auto q = db.query(kNextNumber);
  bindNumberKey(*q, key);
  [[maybe_unused]] bool row = q->step();
  assert(row && "an aggregate gives one row");
  int64_t next = q->integer(0);
  if (q->integer(1) == 0 && next <= std::numeric_limits<int32_t>::max()) return static_cast<int32_t>(next);
  DocKey candidate = key;
  // A counter written back below a number in use must not give that number twice.
  for (;; ++next) {
    if (next > std::numeric_limits<int32_t>::max())
      refuseWith(refusal::NumberingFull, "A série " + key.series() + " já não tem números livres");
    candidate.numero = static_cast<int32_t>(next);
    if (!documentExists(db, candidate)) return candidate.numero;
  }
}

void advanceCounter(sql::Database& db, const DocKey& key) {
  auto q = db.query(
      "INSERT INTO NUMDOC (ANO, DOC, SERIE, NUM) VALUES (?, ?, ?, ?) "
      "ON CONFLICT (ANO, DOC, SERIE) DO UPDATE SET NUM = CASE WHEN excluded.NUM > NUMDOC.NUM THEN excluded.NUM "
      "ELSE NUMDOC.NUM END");
  q->bind(1, key.ano).bind(2, key.tipo).bind(3, key.serie).bind(4, key.numero).defer();
}

void writeHeaderAndLines(sql::Database& db, const DocumentoComercial& doc, const DocKey& key, const std::string& user,
                         bool replace) {
  const Columns& h = headerColumns();
  static const std::string insertHeader =
      "INSERT INTO DOCGCCAB (" + h.list + ", ORIGEM, UTILIZADOR) VALUES (" + h.marks(2) + ")";
  static const std::string updateHeader = [&] {
    std::string sql = "UPDATE DOCGCCAB SET ";
    for (std::size_t i = 0; i < h.slots.size(); ++i)
      sql += std::string(i ? ", " : "") + std::string(kHeaderFields[h.slots[i]].column) + " = ?";
    return sql + ", ORIGEM = ?, UTILIZADOR = ?" + kHeaderKey;
  }();
  {
    auto q = db.query(replace ? updateHeader : insertHeader);
    int next = bindFields(*q, 1, doc.cab(), h.slots);
    q->bind(next, doc.origem()).bind(next + 1, user);
    if (replace) bindKey(*q, next + 2, key);
    q->defer(" (cabeçalho)");
  }
  const Columns& l = lineColumns();
  const auto& lines = doc.lines();
  sql::inBatches(lines.size(), [&](std::size_t first, std::size_t count) {
    auto q = db.query("INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, " + l.list + ") VALUES " +
                      sql::valueRows(count, l.slots.size() + 4));
    int next = 1;
    for (std::size_t i = first; i < first + count; ++i)
      next = bindFields(*q, bindKey(*q, next, key), *lines[i], l.slots);
    q->defer(linesPlace(lines[first]->number(lin::Numero), lines[first + count - 1]->number(lin::Numero)));
  });
}

void writeLots(sql::Database& db, const DocumentoComercial& doc, const DocKey& key) {
  const auto& lots = doc.lots();
  sql::inBatches(lots.size(), [&](std::size_t first, std::size_t count) {
    auto q = db.query(
        "INSERT INTO LOTEMOVS (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, QUANT, CODLOT, ARTIGO, VOSSLOTE, ARMAZEM, VALIDADE) "
        "VALUES " +
        sql::valueRows(count, 11));
    int next = 1;
    for (std::size_t i = first; i < first + count; ++i) {
      const auto& lotLine = *lots[i];
      next = bindKey(*q, next, key);
      bindField(*q, next++, lotLine, lot::Linha);
      bindField(*q, next++, lotLine, lot::Quantidade);
      for (int slot : {lot::Codigo, lot::Artigo, lot::VossoLote, lot::Armazem, lot::Validade})
        bindField(*q, next++, lotLine.campos(), slot);
    }
    int32_t from = lots[first]->number(lot::Linha), to = lots[first + count - 1]->number(lot::Linha);
    q->defer(from == to ? " (lote da linha " + std::to_string(from) + ")"
                        : " (lotes das linhas " + std::to_string(from) + " a " + std::to_string(to) + ")");
  });
}

void removeLines(sql::Database& db, const DocKey& key) {
  auto q = db.query(std::string("DELETE FROM DOCGCLIN") + kLineKey);
  bindKey(*q, 1, key);
  q->run();
}

void removeDocument(sql::Database& db, const DocKey& key) {
  auto q = db.query(std::string("DELETE FROM DOCGCCAB") + kHeaderKey);
  bindKey(*q, 1, key);
  q->run();
}

bool loadDocument(sql::Database& db, DocumentoComercial& doc, const DocKey& key) {
  const Columns& h = headerColumns();
  {
    auto q = db.query("SELECT " + h.list + ", ORIGEM FROM DOCGCCAB" + kHeaderKey);
    bindKey(*q, 1, key);
    if (!q->step()) return false;
    doc.cab().resetFields();
    for (std::size_t i = 0; i < h.slots.size(); ++i) loadField(doc.cab(), h.slots[i], *q, static_cast<int>(i));
    doc.setOrigem(static_cast<int32_t>(q->integer(static_cast<int>(h.slots.size()))));
  }
  const Columns& l = lineColumns();
  doc.lines().clear();
  {
    auto q = db.query("SELECT " + l.list + " FROM DOCGCLIN" + kLineKey + " ORDER BY NUMLINHA");
    bindKey(*q, 1, key);
    while (q->step()) {
      auto line = std::make_shared<LinhaDoc>();
      for (std::size_t i = 0; i < l.slots.size(); ++i) loadField(*line, l.slots[i], *q, static_cast<int>(i));
      doc.lines().push_back(std::move(line));
    }
  }
  doc.lots().clear();
  auto q = db.query(
      std::string("SELECT M.NUMLINHA, M.QUANT, M.CODLOT, M.ARTIGO, M.VOSSLOTE, M.ARMAZEM, M.VALIDADE, L.DTAENTRA ") +
      "FROM LOTEMOVS M LEFT JOIN ARTLOT L ON L.ARTIGO = M.ARTIGO AND L.CODLOTE = M.CODLOT AND L.ARMAZEM = M.ARMAZEM "
      "WHERE M.TPDOCUM = ? AND M.SERIE = ? AND M.ANO = ? AND M.NNUMDOC = ? ORDER BY M.NUMLINHA, M." +
      db.dialect().insertOrder);
  bindKey(*q, 1, key);
  while (q->step()) {
    auto lotLine = std::make_shared<LoteLinha>();
    loadField(*lotLine, lot::Linha, *q, 0);
    loadField(*lotLine, lot::Quantidade, *q, 1);
    int column = 2;
    for (int slot : {lot::Codigo, lot::Artigo, lot::VossoLote, lot::Armazem, lot::Validade, lot::Entrada})
      loadField(lotLine->campos(), slot, *q, column++);
    doc.lots().push_back(std::move(lotLine));
  }
  return true;
}

}  // namespace erpserver
