#include "erpserver/rules/DocumentRules.hpp"

#include <limits>
#include <set>
#include <tuple>

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/DocumentLimits.hpp"
#include "erpserver/store/DocumentStore.hpp"
#include "erpserver/store/FieldIO.hpp"
#include "erpserver/rules/LineLots.hpp"
#include "erpserver/objects/MasterData.hpp"
#include "erpserver/rules/Pricing.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/store/SourceReference.hpp"
#include "erpserver/rules/RuleRefusals.hpp"
#include "erpserver/store/Stock.hpp"

namespace erpserver {
namespace {

std::string lineRef(std::size_t index) { return " (linha " + std::to_string(index + 1) + ")"; }

void checkDates(const ServerObject& object) {
  auto fields = object.info().fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].storage != Storage::DateText) continue;
    std::string text = object.text(static_cast<int>(i));
    if (!isoFromText(text))
      refuseWith(refusal::InvalidValue, "Data inválida em '" + std::string(fields[i].name) + "': '" + text + "'");
  }
}

void checkKnown(Catalog& catalog, const char* table, const std::string& code, const std::string& what,
                const std::string& where = {}) {
  if (!code.empty() && !catalog.exists(table, code))
    refuseWith(refusal::InvalidValue, what + " '" + code + "' não existe" + where);
}

void checkHeader(CabecDoc& cab, Catalog& catalog, CheckedDocument& out) {
  out.type = catalog.docType(cab.text(hdr::TipoDocumento));
  if (!catalog.seriesExists(out.type.code, cab.number(hdr::Serie)))
    refuseWith(refusal::InvalidValue, "Série " + cab.text(hdr::Serie) + " do tipo de documento '" + out.type.code +
                                          "' não existe");

  defaultText(cab, hdr::Data, dateText(automation::Date::today()));
  auto date = parseDateText(cab.text(hdr::Data));
  if (!date) refuseWith(refusal::InvalidValue, "Data do documento inválida: '" + cab.text(hdr::Data) + "'");
  out.dateIso = isoFromText(cab.text(hdr::Data)).value_or("");
  if (cab.number(hdr::Ano) == 0) cab.setValue(hdr::Ano, Variant(static_cast<int16_t>(date->parts().year)));

  const Party* party = nullptr;
  if (out.type.entity != 'N') {
    const char* what = out.type.entity == 'C' ? "Cliente" : "Fornecedor";
    std::string code = cab.text(hdr::Terceiro);
    if (code.empty())
      refuseWith(refusal::Required, "O tipo de documento '" + out.type.code + "' exige " +
                                        (out.type.entity == 'C' ? "um cliente" : "um fornecedor"));
    party = catalog.party(out.type.entity, code);
    if (!party) refuseWith(refusal::InvalidValue, std::string(what) + " '" + code + "' não existe");
  }
  defaultText(cab, hdr::Moeda, party ? party->currency : catalog.parameter("MOEDANAC"));
  defaultText(cab, hdr::RegimeIva, party ? party->vatRegime : catalog.parameter("REGIVANAC"));
  if (party) {
    defaultText(cab, hdr::Vendedor, party->salesperson);
    defaultText(cab, hdr::NumeroContribuinte, party->taxNumber);
  }
  checkKnown(catalog, "MOEDAS", cab.text(hdr::Moeda), "Moeda");
  checkKnown(catalog, "REGIVA", cab.text(hdr::RegimeIva), "Regime de IVA");
  checkKnown(catalog, "VENDEDORES", cab.text(hdr::Vendedor), "Vendedor");
  checkKnown(catalog, "SECTORES", cab.text(hdr::Sector), "Sector");
  checkTextSizes(cab);
  checkDates(cab);
  out.vatExempt = catalog.vatExempt(cab.text(hdr::RegimeIva));
}

// Sets the key and refuses a manual number in use. Returns the document the source reference may
// belong to, whose look goes with the stock reads (checkStock).
std::optional<DocKey> checkNumber(const DocumentoComercial& doc, sql::Database& db, CheckedDocument& out) {
  const CabecDoc& cab = doc.cab();
  int32_t numero = cab.number(hdr::Numero);
  if (numero < 0) refuseWith(refusal::InvalidValue, "Número de documento inválido: " + std::to_string(numero));
  out.key = DocKey{out.type.code, cab.number(hdr::Serie), cab.number(hdr::Ano), numero};
  // The series numbers on from its highest number: the greatest one would leave it nowhere to go.
  if (numero == std::numeric_limits<int32_t>::max())
    refuseWith(refusal::NumberingFull, "O número " + std::to_string(numero) + " não deixa à série " + out.key.series() +
                                           " espaço para numerar mais: o maior número manual é " +
                                           std::to_string(numero - 1));
  // The document's own stored key is taken by itself: Alterar checks it, Inserir refuses it.
  bool ownKey = doc.stored() && *doc.stored() == out.key;
  if (numero > 0 && !ownKey && documentExists(db, out.key))
    refuseWith(refusal::Duplicate, "O documento " + out.key.text() + " já existe");
  return ownKey ? doc.stored() : std::nullopt;
}

void checkLine(LinhaDoc& line, std::size_t index, Catalog& catalog, CheckedDocument& out) {
  checkTextSizes(line);
  std::string code = line.text(lin::Artigo);
  const Article* article = nullptr;
  if (!code.empty()) {
    article = catalog.article(code);
    if (!article) refuseWith(refusal::InvalidValue, "Artigo '" + code + "' não existe" + lineRef(index));
    defaultText(line, lin::Descricao, article->name);
    defaultText(line, lin::Unidade, out.type.sale ? article->saleUnit : article->baseUnit);
    if (line.number(lin::IvaLinhas) == 0 && line.real(lin::TaxaIVA) == 0)
      line.setValue(lin::IvaLinhas, Variant(int32_t{article->vat}));
  }
  std::string warehouse = line.text(lin::Armazem);
  if (article && article->stock && out.type.stock != 'N' && warehouse.empty())
    refuseWith(refusal::Required, "Armazém não indicado para o artigo '" + code + "'" + lineRef(index));
  checkKnown(catalog, "ARMAZENS", warehouse, "Armazém", lineRef(index));
  checkKnown(catalog, "UNIDADES", line.text(lin::Unidade), "Unidade", lineRef(index));
  if (article || line.number(lin::IvaLinhas) != 0) {
    auto rate = catalog.vatRate(line.number(lin::IvaLinhas));
    if (!rate)
      refuseWith(refusal::InvalidValue, "Código de IVA " + line.text(lin::IvaLinhas) + " não existe" + lineRef(index));
    if (line.real(lin::TaxaIVA) == 0) line.setValue(lin::TaxaIVA, Variant(*rate));
  }
  auto discount = composedRate(line.text(lin::Desconto));
  if (!discount)
    refuseWith(refusal::DiscountRate, lineField(index + 1, "Desconto", "'" + line.text(lin::Desconto) + "'") +
                                          "cada parcela de um desconto composto vai de 0 a 100");
  if (!line.text(lin::Desconto).empty()) line.setValue(lin::TaxaDesconto, Variant(*discount));
  if (line.real(lin::Factor) == 0) line.setValue(lin::Factor, Variant(1.0));
  out.articles.push_back(article ? std::optional<Article>(*article) : std::nullopt);
}

void checkLot(LoteLinha& lotLine, DocumentoComercial& doc, sql::Database& db, Catalog& catalog,
              const CheckedDocument& out,
              std::set<std::tuple<int, std::string, std::string>>& seen) {
  CamposLote& lot = lotLine.campos();
  std::string code = lot.text(lot::Codigo);
  if (code.empty()) refuseWith(refusal::InvalidLot, "Lote sem código");
  int number = lotLine.number(lot::Linha);
  if (number < 1 || static_cast<std::size_t>(number) > doc.lines().size())
    refuseWith(refusal::InvalidLot, "O lote '" + code + "' refere a linha " + std::to_string(number) + ", que não existe");
  const LinhaDoc& line = *doc.lines()[static_cast<std::size_t>(number - 1)];
  const auto& article = out.articles[static_cast<std::size_t>(number - 1)];
  defaultText(lot, lot::Artigo, line.text(lin::Artigo));
  defaultText(lot, lot::Armazem, line.text(lin::Armazem));
  if (out.type.stock == 'E' || out.type.stock == 'T') defaultText(lot, lot::Entrada, doc.cab().text(hdr::Data));
  std::string articleCode = lot.text(lot::Artigo), warehouse = lot.text(lot::Armazem);
  if (!article || articleCode != article->code)
    refuseWith(refusal::InvalidLot, "O lote '" + code + "' é do artigo '" + articleCode + "' e a linha " +
                                        std::to_string(number) + " é do artigo '" + line.text(lin::Artigo) + "'");
  if (!article->lots) refuseWith(refusal::InvalidLot, "O artigo '" + articleCode + "' não tem controlo de lotes");
  checkKnown(catalog, "ARMAZENS", warehouse, "Armazém");
  if (warehouse.empty()) refuseWith(refusal::InvalidLot, "O lote '" + code + "' não tem armazém");
  // The stock a line moves is its warehouse's, so its lots must be there too.
  if (warehouse != line.text(lin::Armazem))
    refuseWith(refusal::LotWarehouse, lineField(static_cast<std::size_t>(number), "Armazem", "'" + warehouse + "'") +
                                          "o lote '" + code + "' é do armazém '" + warehouse + "' e a linha " +
                                          std::to_string(number) + " move o armazém '" + line.text(lin::Armazem) + "'");
  if (!seen.emplace(number, code, warehouse).second)
    refuseWith(refusal::InvalidLot, "O lote '" + code + "' está repetido na linha " + std::to_string(number));
  checkTextSizes(lot);
  checkDates(lot);
  // A lot must be in the warehouse already unless this document brings it in.
  bool entersLot = out.type.movesLots && out.type.stock == 'E';
  if (entersLot) return;
  auto expiry = lotExpiry(db, articleCode, code, warehouse);
  if (!expiry)
    refuseWith(refusal::InvalidLot, "O lote '" + code + "' do artigo '" + articleCode + "' não existe no armazém '" +
                                        warehouse + "'");
  bool takesOut = out.type.stock == 'S' || out.type.stock == 'T';
  if (takesOut && !expiry->empty() && *expiry < out.dateIso && catalog.parameter("LOTEXPIR") != "-1")
    refuseWith(refusal::LotExpired, lineField(static_cast<std::size_t>(number), "CodigoLote", "'" + code + "'") +
                                        "o lote do artigo '" + articleCode + "' no armazém '" + warehouse +
                                        "' expirou a " + textFromIso(*expiry) + ", antes da data do documento (" +
                                        doc.cab().text(hdr::Data) + "), e a empresa não permite saídas de lotes expirados");
}

// The reads of the stock, the lots to take, the source reference, the next number and the costs
// of an entry go to the server together. A validation reads what an insert of the same document
// needs, so that in a group of writes the insert that follows it waits for nothing before its
// writes (Statement::reuseRows, prefetch).
void checkStock(const DocumentoComercial& doc, sql::Database& db, Catalog& catalog, CheckedDocument& out,
                bool inserting, const std::optional<DocKey>& own) {
  StockLevels levels(db, out.type);
  if (doc.stored() && *doc.stored() == out.key) levels.add(storedMoves(db, out.key), -1);
  StockMoves moves = movesOf(doc, out);
  levels.add(moves, 1);
  levels.prefetchLowered();
  prefetchLots(doc, out, db);
  if (out.key.numero == 0) prefetchNextNumber(db, out.key);
  if (!doc.stored()) prefetchStock(db, out.type, moves);
  if (!inserting) checkSourceReference(db, doc.cab().text(hdr::Processo), own);
  out.allocatedLots = lotsForLines(doc, out, levels, db);
  levels.check(catalog.parameter("STKNEG") == "-1");
}

}  // namespace

CheckedDocument checkDocument(DocumentoComercial& doc, sql::Database& db, Catalog& catalog, bool inserting) {
  CheckedDocument out;
  checkHeader(doc.cab(), catalog, out);
  checkHeaderLimits(doc.cab());
  std::optional<DocKey> own = checkNumber(doc, db, out);
  if (!inserting) prefetchSourceReference(db, doc.cab().text(hdr::Processo));
  for (std::size_t i = 0; i < doc.lines().size(); ++i) {
    checkLine(*doc.lines()[i], i, catalog, out);
    checkLineLimits(*doc.lines()[i], i + 1);
  }
  std::set<std::tuple<int, std::string, std::string>> seen;
  for (auto& lotLine : doc.lots()) {
    checkLot(*lotLine, doc, db, catalog, out, seen);
    checkLotLimits(*lotLine);
  }
  checkStock(doc, db, catalog, out, inserting, own);
  computeTotals(doc, out.vatExempt);
  checkTotalLimits(doc.cab());
  return out;
}

}  // namespace erpserver
