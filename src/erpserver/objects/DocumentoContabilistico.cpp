#include "erpserver/objects/Document.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/AutomationError.hpp"

namespace erpserver {
namespace {

// The stored totals of a document and how its type is posted.
struct Posting {
  std::string journal, isoDate, counterpart;
  char entity;
  int sign;
  double net, vat, total;
};

// Accounts by the counterpart's kind: counterpart prefix, goods, VAT.
struct Accounts {
  const char* counterpart;
  const char* goods;
  const char* vat;
};

Accounts accountsFor(char entity) {
  switch (entity) {
    case 'C': return {"211", "711", "2433"};
    case 'F': return {"221", "312", "2432"};
    default: return {"32", "61", "243"};
  }
}

// The accounting entry of a stored commercial document: DocumentoComercial(document) names it,
// Validar checks that it exists, that its type has a journal and that it has no entry yet, and
// Inserir writes MOVCTB and its lines (counterpart, goods, VAT) from the document's totals.
class DocumentoContabilistico : public ServerObject {
 public:
  DocumentoContabilistico() : ServerObject(info()) {}

  Variant documentoComercial(std::span<Variant> args) {
    auto doc = args[0].toObjectOf<DocumentoComercial>();
    if (!doc) automation::raise(automation::errnum::ObjectNotSet);
    document_ = doc;
    return Variant();
  }

  Variant validar(std::span<Variant>) {
    return act(*this, [&] {
      Session::Use session(link_);
      check(session.db());
    });
  }

  Variant inserir(std::span<Variant>) {
    return act(*this, [&] {
      Session::Use session(link_);
      sql::Database& db = session.db();
      sql::Transaction tx(db);
      Posting p = check(db);
      DocKey key = *document_->stored();
      Accounts accounts = accountsFor(p.entity);
      auto head = db.query(
          "INSERT INTO MOVCTB (DIARIO, DATA, TPDOC, SERIE, ANO, NNUMDOC, DESCR, TOTDEB, TOTCRED) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
      head->bind(1, p.journal).bind(2, p.isoDate).bind(3, key.tipo).bind(4, key.serie).bind(5, key.ano);
      head->bind(6, key.numero).bind(7, key.text()).bind(8, p.total).bind(9, p.total).run();
      int64_t id = db.lastInsertId();
      int number = 0;
      // The counterpart on the side the type says, goods and VAT on the other.
      auto line = [&](const std::string& account, double amount, bool debit) {
        if (amount == 0) return;
        auto q = db.query(
            "INSERT INTO MOVCTBLIN (ID, NUMLINHA, CONTA, DEBITO, CREDITO, DESCR) VALUES (?, ?, ?, ?, ?, ?)");
        q->bind(1, id).bind(2, ++number).bind(3, account).bind(4, debit ? amount : 0.0).bind(5, debit ? 0.0 : amount);
        q->bind(6, key.text()).run();
      };
      bool debitCounterpart = p.sign > 0;
      line(accounts.counterpart + p.counterpart, p.total, debitCounterpart);
      line(accounts.goods, p.net, !debitCounterpart);
      line(accounts.vat, p.vat, !debitCounterpart);
      tx.commit();
    });
  }

  static const ClassInfo& info() {
    static constexpr MethodSpec methods[] = {
        method<&DocumentoContabilistico::documentoComercial>("DocumentoComercial", 1),
        method<&DocumentoContabilistico::validar>("Validar"),
        method<&DocumentoContabilistico::inserir>("Inserir"),
    };
    static const ClassInfo info("DocumentoContabilistico", {}, methods);
    return info;
  }

 private:
  Posting check(sql::Database& db) {
    if (!document_) refuseWith(refusal::NoAccounting, "Documento comercial não indicado");
    if (!document_->stored())
      refuseWith(refusal::NoAccounting, "O documento comercial ainda não foi inserido");
    const DocKey& key = *document_->stored();
    auto q = db.query(
        "SELECT T.DIARIO, C.DATA, C.TERCEIRO, T.ENTIDADE, T.SINALCTB, C.TOTMERC - C.TOTDESC, C.TOTIVA, C.TOTDOC, "
        "(SELECT COUNT(*) FROM MOVCTB M WHERE M.TPDOC = C.TPDOC AND M.SERIE = C.SERIE AND M.ANO = C.ANO "
        "AND M.NNUMDOC = C.NNUMDOC) FROM DOCGCCAB C JOIN TIPOSDOC T ON T.CODIGO = C.TPDOC "
        "WHERE C.TPDOC = ? AND C.SERIE = ? AND C.ANO = ? AND C.NNUMDOC = ?");
    q->bind(1, key.tipo).bind(2, key.serie).bind(3, key.ano).bind(4, key.numero);
    if (!q->step()) refuseWith(refusal::NotFound, "O documento " + key.text() + " não existe");
    if (q->isNull(0))
      refuseWith(refusal::NoAccounting, "O tipo de documento '" + key.tipo + "' não tem diário contabilístico");
    if (q->integer(8) != 0)
      refuseWith(refusal::Duplicate, "O documento " + key.text() + " já tem lançamento contabilístico");
    return Posting{q->text(0), q->text(1), q->text(2), q->text(3)[0], static_cast<int>(q->integer(4)),
                   q->real(5),  q->real(6), q->real(7)};
  }

  std::shared_ptr<DocumentoComercial> document_;
  SessionLink link_;
};

}  // namespace

automation::ObjectRef newDocumentoContabilistico() { return std::make_shared<DocumentoContabilistico>(); }

}  // namespace erpserver
