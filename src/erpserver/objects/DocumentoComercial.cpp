#include "erpserver/rules/Discounts.hpp"
#include "erpserver/rules/DocumentRules.hpp"
#include "erpserver/store/DocumentStore.hpp"
#include "erpserver/rules/LotsAdded.hpp"
#include "erpserver/rules/LotsAgreement.hpp"
#include "erpserver/rules/Pricing.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/store/RemovedDocuments.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "erpserver/store/Session.hpp"
#include "erpserver/store/SourceReference.hpp"
#include "erpserver/store/Stock.hpp"
#include "erpserver/rules/StockLevels.hpp"
#include "erpserver/store/DateText.hpp"
#include "platform/AutomationError.hpp"

namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {{"Origem", VarType::Long}};
constexpr int kOrigem = slotOf(kFields, "Origem");

const ClassInfo& documentInfo() {
  static constexpr MethodSpec methods[] = {
      computed<&DocumentoComercial::cabObject>("Cab"),
      computed<&DocumentoComercial::linhasObject>("Linhas", 0, 1),
      method<&DocumentoComercial::ler>("Ler", 4),
      method<&DocumentoComercial::validar>("Validar"),
      method<&DocumentoComercial::inserir>("Inserir"),
      method<&DocumentoComercial::alterar>("Alterar"),
      method<&DocumentoComercial::remover>("Remover"),
      method<&DocumentoComercial::sugereValoresLin>("SugereValoresLin", 8),
      method<&DocumentoComercial::adicionaLinha>("AdicionaLinha", 1),
      method<&DocumentoComercial::adicionaLote>("AdicionaLote", 1),
  };
  static const ClassInfo info("DocumentoComercial", kFields, methods);
  return info;
}

template <class T>
std::shared_ptr<T> objectArgument(const Variant& v) {
  auto object = v.toObjectOf<T>();
  if (!object) automation::raise(automation::errnum::ObjectNotSet);
  return object;
}

[[noreturn]] void refuseMissing(const DocKey& key) {
  refuseWith(refusal::NotFound, "O documento " + key.text() + " não existe");
}

void requireStored(const std::optional<DocKey>& stored, const char* action) {
  if (!stored) refuseWith(refusal::NotLoaded, std::string("O documento não foi lido nem inserido: não pode ser ") + action);
}

}  // namespace

DocumentoComercial::DocumentoComercial()
    : ServerObject(documentInfo()), cab_(std::make_shared<CabecDoc>()), linhas_(std::make_shared<LinhasDoc>()) {}

int32_t DocumentoComercial::origem() const { return number(kOrigem); }
void DocumentoComercial::setOrigem(int32_t origem) { setValue(kOrigem, Variant(origem)); }

Variant DocumentoComercial::cabObject(std::span<Variant>) { return Variant(cab_); }

Variant DocumentoComercial::linhasObject(std::span<Variant> args) {
  if (args.empty()) return Variant(linhas_);
  return linhas_->item(args);
}

Variant DocumentoComercial::ler(std::span<Variant> args) {
  DocKey key{args[0].toString(), args[2].toInteger(), args[3].toInteger(), args[1].toLong()};
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction read(session.db(), sql::Transaction::Read);
    if (!loadDocument(session.db(), *this, key)) refuseMissing(key);
    stored_ = key;
  });
}

Variant DocumentoComercial::validar(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction read(session.db(), sql::Transaction::Read);
    checkDocument(*this, session.db(), session.catalog());
  });
}

Variant DocumentoComercial::inserir(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Database& db = session.db();
    sql::Transaction tx(db);
    CheckedDocument checked = checkDocument(*this, db, session.catalog(), true);
    DocKey key = checked.key;
    bool automatic = key.numero == 0;
    LotsAdded allocated(lots_, checked.allocatedLots);
    StockMoves moves = movesOf(*this, checked);
    // The stock's reads go with the number's, before the writes that follow them.
    prefetchStock(db, checked.type, moves);
    if (automatic)
      key.numero = nextNumber(db, key);
    else if (documentExists(db, key))
      refuseWith(refusal::Duplicate, "O documento " + key.text() + " já existe");
    cab_->setValue(hdr::Numero, Variant(key.numero));
    try {
      applyStock(db, session.catalog(), checked.type, moves, 1);
      writeHeaderAndLines(db, *this, key, session.user(), false);
      writeLots(db, *this, key);
      recordReleases(db, checked.type, moves, key);
      advanceCounter(db, key);
      checkLotsAgree(db, session.catalog(), checked.type, {&moves});
      tx.commit();
    } catch (const sql::Error& e) {
      if (automatic) cab_->setValue(hdr::Numero, Variant(int32_t{0}));
      // The unique index refused the source reference: name the document that holds it.
      if (e.kind() == sql::Error::Kind::Constraint && isSourceReference(cab_->text(hdr::Processo))) {
        tx.rollback();
        checkSourceReference(db, cab_->text(hdr::Processo), std::nullopt);
      }
      throw;
    } catch (...) {
      if (automatic) cab_->setValue(hdr::Numero, Variant(int32_t{0}));
      throw;
    }
    allocated.keep();
    stored_ = key;
  });
}

Variant DocumentoComercial::alterar(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Database& db = session.db();
    requireStored(stored_, "alterado");
    sql::Transaction tx(db);
    CheckedDocument checked = checkDocument(*this, db, session.catalog());
    if (checked.key != *stored_)
      refuseWith(refusal::KeyChanged, "O documento " + stored_->text() + " não pode mudar para " + checked.key.text());
    if (!documentExists(db, *stored_)) refuseMissing(*stored_);
    LotsAdded allocated(lots_, checked.allocatedLots);
    StockMoves before = storedMoves(db, *stored_);
    applyStock(db, session.catalog(), checked.type, before, -1);
    removeLines(db, *stored_);
    writeHeaderAndLines(db, *this, *stored_, session.user(), true);
    StockMoves after = movesOf(*this, checked);
    applyStock(db, session.catalog(), checked.type, after, 1);
    writeLots(db, *this, *stored_);
    checkLotsAgree(db, session.catalog(), checked.type, {&before, &after});
    tx.commit();
    allocated.keep();
  });
}

Variant DocumentoComercial::remover(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Database& db = session.db();
    requireStored(stored_, "removido");
    sql::Transaction tx(db);
    DocType type = session.catalog().docType(stored_->tipo);
    if (!documentExists(db, *stored_)) refuseMissing(*stored_);
    StockMoves moves = storedMoves(db, *stored_);
    StockLevels levels(db, type);
    levels.add(moves, -1);
    levels.check(session.catalog().parameter("STKNEG") == "-1");
    applyStock(db, session.catalog(), type, moves, -1);
    checkLotsAgree(db, session.catalog(), type, {&moves});
    archiveDocument(db, *stored_, session.user());
    removeDocument(db, *stored_);
    tx.commit();
    stored_.reset();
  });
}

Variant DocumentoComercial::sugereValoresLin(std::span<Variant> args) {
  auto line = objectArgument<LinhaDoc>(args[0]);
  bool wants[7];
  for (int i = 0; i < 7; ++i) wants[i] = args[static_cast<std::size_t>(i) + 1].toBool();
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Database& db = session.db();
    Catalog& catalog = session.catalog();
    std::string code = line->text(lin::Artigo);
    if (code.empty()) return;
    const Article* article = catalog.article(code);
    if (!article) refuseWith(refusal::InvalidValue, "Artigo '" + code + "' não existe");
    const DocType& type = catalog.docType(cab_->text(hdr::TipoDocumento));
    if (wants[0]) line->setValue(lin::Descricao, Variant(article->name));
    if (wants[1]) line->setValue(lin::Unidade, Variant(type.sale ? article->saleUnit : article->baseUnit));
    if (wants[2]) {
      line->setValue(lin::IvaLinhas, Variant(int32_t{article->vat}));
      line->setValue(lin::TaxaIVA, Variant(catalog.vatRate(article->vat).value_or(0)));
    }
    if (wants[3]) {
      std::string client = type.entity == 'C' ? cab_->text(hdr::Terceiro) : std::string();
      const Party* party = catalog.party('C', client);
      DiscountCriteria criteria{article->group, article->family, article->subfamily, article->code,
                                party ? party->group : std::string(), client,
                                isoFromText(cab_->text(hdr::Data)).value_or(""), line->real(lin::Quantidade), false};
      std::string rule = matchDiscountRule(db, criteria).value_or("");
      line->setValue(lin::Desconto, Variant(rule));
      line->setValue(lin::TaxaDesconto, Variant(composedRate(rule).value_or(0)));
    }
    if (wants[4]) {
      if (auto price = suggestedPrice(*article, type, cab_->number(hdr::TipoPreco), cab_->number(hdr::IvaIncluido) != 0)) {
        line->setValue(lin::PrecoUnitario, Variant(*price));
        line->setValue(lin::PrecoIntroduzido, Variant(*price));
      }
    }
    if (wants[5] && line->real(lin::Quantidade) == 0) line->setValue(lin::Quantidade, Variant(1.0));
    if (wants[6]) line->setValue(lin::Factor, Variant(1.0));
  });
}

Variant DocumentoComercial::adicionaLinha(std::span<Variant> args) {
  auto copy = objectArgument<LinhaDoc>(args[0])->clone();
  auto number = static_cast<int32_t>(lines().size() + 1);
  copy->setValue(lin::Numero, Variant(number));
  lines().push_back(std::move(copy));
  return Variant(number);
}

Variant DocumentoComercial::adicionaLote(std::span<Variant> args) {
  lots_.push_back(objectArgument<LoteLinha>(args[0])->clone());
  return Variant(static_cast<int32_t>(lots_.size()));
}

automation::ObjectRef newDocumentoComercial() { return std::make_shared<DocumentoComercial>(); }

}  // namespace erpserver
