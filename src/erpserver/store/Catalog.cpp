#include "erpserver/store/Catalog.hpp"

#include "erpserver/rules/Refusal.hpp"

namespace erpserver {
namespace {

template <class Map, class Key, class Load>
auto& cached(Map& map, const Key& key, Load&& load) {
  auto it = map.find(key);
  if (it == map.end()) it = map.emplace(key, load()).first;
  return it->second;
}

}  // namespace

Catalog::Catalog(sql::Database& db) : db_(db) {
  const char* table = db_.dialect().dataVersionTable;
  versioned_ = !table || db_.query(db_.dialect().sql.tableExists)->bind(1, table).step();
}

// Under the writer lock nobody else changes master data: one look per write transaction holds for
// all of it, and what it found serves the reads that follow until the next one. The server's own
// cost writes are expected to have raised the version, once committed; costs taken from writes
// undone since are not so any more, so that everything is read again.
void Catalog::refresh() {
  if (!versioned_) {
    invalidate();
    return;
  }
  bool undone = costsTaken_ && db_.undoSerial() != undoSeen_;
  if (checkedIn_ == db_.writeSerial() && !undone) return;
  auto q = db_.query(db_.dialect().dataVersion);
  int64_t version = q->step() ? q->integer(0) : -1;
  int64_t expected = dataVersion_ + (db_.dialect().dataVersionTable ? ownRaises_ : 0);
  if (version < 0 || version != expected || undone) invalidate();
  dataVersion_ = version;
  ownRaises_ = 0;
  costsTaken_ = false;
  undoSeen_ = db_.undoSerial();
  checkedIn_ = db_.writeSerial();
}

void Catalog::costStatementsSent(int statements) { ownRaises_ += statements; }

void Catalog::costsWritten(const std::string& code, double last, double average) {
  costsTaken_ = true;
  auto it = articles_.find(code);
  if (it == articles_.end() || !it->second) return;
  it->second->lastCost = last;
  it->second->averageCost = average;
}

void Catalog::invalidate() {
  types_.clear();
  articles_.clear();
  parties_.clear();
  vatRates_.clear();
  codes_.clear();
  parameters_.clear();
}

const DocType& Catalog::docType(const std::string& code) {
  if (code.empty()) refuseWith(refusal::Required, "Tipo de documento não indicado");
  if (auto it = types_.find(code); it != types_.end()) return it->second;
  auto q = db_.query("SELECT ENTIDADE, MOVSTK, MOVLOTE, VENDA, ARMDESTINO, DIARIO, SINALCTB FROM TIPOSDOC WHERE CODIGO = ?");
  q->bind(1, code);
  if (!q->step()) refuseWith(refusal::InvalidValue, "Tipo de documento '" + code + "' não existe");
  DocType type{code,       q->text(0)[0], q->text(1)[0], q->integer(2) != 0, q->integer(3) != 0,
               q->text(4), q->text(5),    static_cast<int>(q->integer(6))};
  return types_.emplace(code, std::move(type)).first->second;
}

const Article* Catalog::article(const std::string& code) {
  auto& entry = cached(articles_, code, [&]() -> std::optional<Article> {
    auto q = db_.query(
        "SELECT NOME, UNBASE, UNVND, FAMILI, SUBFAM, GRUPO, IVA, CTRSTO, CTRLOTE, PVPSIV, PVPCIV, ULTPMP, ULTPRC, "
        "PRSTND FROM ARTIGOS WHERE CODIGO = ?");
    q->bind(1, code);
    if (code.empty() || !q->step()) return std::nullopt;
    Article a;
    a.code = code;
    a.name = q->text(0);
    a.baseUnit = q->text(1);
    a.saleUnit = q->isNull(2) ? a.baseUnit : q->text(2);
    a.family = q->text(3);
    a.subfamily = q->text(4);
    a.group = q->text(5);
    a.vat = static_cast<int>(q->integer(6));
    a.stock = q->integer(7) != 0;
    a.lots = q->integer(8) != 0;
    a.pvpSiv = q->real(9);
    a.pvpCiv = q->real(10);
    a.averageCost = q->real(11);
    a.lastCost = q->real(12);
    a.standardCost = q->real(13);
    return a;
  });
  return entry ? &*entry : nullptr;
}

const Party* Catalog::party(char entity, const std::string& code) {
  auto& entry = cached(parties_, entity + code, [&]() -> std::optional<Party> {
    auto q = db_.query(entity == 'C' ? "SELECT MOEDA, REGIVA, VENDED, NCONTR, GRUPO FROM CLIENTES WHERE CODIGO = ?"
                                     : "SELECT MOEDA, REGIVA, NULL, NCONTR, NULL FROM FORNECEDORES WHERE CODIGO = ?");
    q->bind(1, code);
    if (code.empty() || !q->step()) return std::nullopt;
    return Party{q->text(0), q->text(1), q->text(2), q->text(3), q->text(4)};
  });
  return entry ? &*entry : nullptr;
}

std::optional<double> Catalog::vatRate(int64_t code) {
  return cached(vatRates_, code, [&]() -> std::optional<double> {
    auto q = db_.query("SELECT TAXA FROM IVAS WHERE CODIGO = ?");
    q->bind(1, code);
    if (!q->step()) return std::nullopt;
    return q->real(0);
  });
}

bool Catalog::vatExempt(const std::string& regime) {
  return cached(codes_, "REGIVA-ISENTO\n" + regime, [&] {
    auto q = db_.query("SELECT ISENTO FROM REGIVA WHERE CODIGO = ?");
    q->bind(1, regime);
    return q->step() && q->integer(0) != 0;
  });
}

bool Catalog::seriesExists(const std::string& type, int32_t series) {
  return cached(codes_, "SERIES\n" + type + "\n" + std::to_string(series), [&] {
    auto q = db_.query("SELECT 1 FROM SERIES WHERE TPDOC = ? AND SERIE = ?");
    q->bind(1, type).bind(2, series);
    return q->step();
  });
}

bool Catalog::exists(const char* table, const std::string& code) {
  if (code.empty()) return false;
  return cached(codes_, std::string(table) + "\n" + code, [&] {
    auto q = db_.query(std::string("SELECT 1 FROM ") + table + " WHERE CODIGO = ?");
    q->bind(1, code);
    return q->step();
  });
}

const std::string& Catalog::parameter(const char* column) {
  return cached(parameters_, std::string(column), [&] {
    auto q = db_.query(std::string("SELECT ") + column + " FROM PARAMS WHERE ID = 1");
    return q->step() ? q->text(0) : std::string();
  });
}

}  // namespace erpserver
