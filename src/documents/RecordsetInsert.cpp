#include "core/DAL_Next.hpp"
#include "documents/ColumnCopy.hpp"
#include "core/NewDocument.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

// A document from three record sets shaped like the ERP's header, line and lot tables: column
// values go into the ERP objects unchanged. No error trap: errors reach the caller as raised.
namespace qvd {

using automation::ObjectRef;
using automation::db::Recordset;
using automation::db::RecordsetRef;
using docbuild::ColumnCopy;
using docbuild::ColumnRule;

namespace {

// Set before the early validation.
constexpr ColumnCopy kHeaderFirst[] = {
    {"TPDOC", "TipoDocumento"},       {"TPPRECO", "TipoPreco"}, {"SERIE", "Serie"},     {"NNUMDOC", "NossoNoDocumento"},
    {"TERCEIRO", "Terceiro"},         {"DATA", "Data"},         {"SECTOR", "Sector"},   {"VNUMDOC", "VossoNoDocumento"},
    {"DESCCAB", "DescontoCabecalho"}, {"VENDEDOR", "Vendedor"}, {"RGIVA", "RegimeIva"}, {"MOEDA", "Moeda"},
    {"IVAINC", "IvaIncluido"},
};

// Set after it, so they take precedence over what the validation filled in.
constexpr ColumnCopy kHeaderSecond[] = {
    {"DESCPP", "DescontoPagamento"},
    {"PRAZOPGT", "PrazoDePagamento"},
    {"MODOPGT", "ModoDePagamento"},
    {"EXPEDIR", "ModoExpedicao"},
    {"ONDEENV", "OndeEnviarDoc"},
    {"ONDEENTR", "OndeEntregarDoc"},
    {"NCONTRIB", "NumeroContribuinte"},
    {"ARREDIVA", "ArredondamentoIva"},
    {"OBSERV", "Observacoes"},
    {"GESCNT", "GestorDeConta"},
    {"PESOTOT", "PesoTotal"},
    {"VOLTOT", "VolumeTotal"},
    {"LOCALCG", "LocalCarga"},
    {"MEIOTRP", "MeioDeTransporte"},
    {"APROVADO", "EncAprovada"},
    {"DATAAPRO", "DataAprovacao", ColumnRule::NullAsEmptyText},
    {"RESPAPRO", "ResponsavelApro"},
    {"PROCESSO", "Processo"},
    {"EAN", "Ean"},
    {"ANO", "Ano"},
    {"MATRICUL", "Matricula"},
};

// Transport data: a header without these columns is accepted.
constexpr ColumnCopy kHeaderTransport[] = {
    {"DTCARGA", "DataCarga"},
    {"HORA", "HoraCarga"},
    {"ONDEENTR", "OndeEntregarDoc", ColumnRule::BlankAsEmptyText},
    {"DATADES", "DataDescarga"},
    {"HORADES", "HoraDescarga"},
    {"MORADADSG", "MoradaDescarga"},
    {"LOCALDSG", "LocalDescarga"},
    {"CDPOSTDSG", "CodigoPostalDescarga"},
    {"PAISDSG", "PaisDescarga"},
};

// Before the ERP suggests the line's values.
constexpr ColumnCopy kLineFirst[] = {{"TPLINHA", "TipoDeLinha"}, {"ARTIGO", "Artigo"}, {"ARMAZEM", "Armazem"}};

// After it, over the suggestion.
constexpr ColumnCopy kLineSecond[] = {
    {"DESCR", "Descricao"},
    {"PRUNIT", "PrecoUnitario"},
    {"PRUNIT", "PrecoUnitarioIntroduzido"},
    {"QUANT", "Quantidade"},
    {"QUANT", "QuantidadeOrigem"},
    {"DESCONTO", "Desconto"},
    {"IVA", "IvaLinhas"},
    {"TXDESC", "TaxaDesconto"},
    {"UNIDADE", "Unidade"},
    {"FACTOR", "Factor", ColumnRule::SkipNull},
    {"ORANO", "Orano"},
    {"ORDOC", "Ordoc"},
    {"ORSERIE", "Orserie"},
    {"ORNUM", "Ornum"},
    {"ORLIN", "LinhaOriginal"},
};

constexpr ColumnCopy kLotFields[] = {
    {"CODLOT", "CodigoLote"},
    {"ARTIGO", "Artigo"},
    {"VOSSLOTE", "VossoLote"},
    {"ARMAZEM", "Armazem"},
    {"DTAENTRA", "DataEntrada", ColumnRule::SkipBlank},
    {"VALIDADE", "DataValidade", ColumnRule::SkipBlank},
};

constexpr ColumnCopy kLotOwn[] = {{"QUANT", "QuantidadeMovimentada"}, {"NUMLINHA", "NumeroLinhaDocComercial"}};

Recordset& open(const RecordsetRef& rs) {
  if (!rs) automation::raise(automation::errnum::ObjectNotSet);
  return *rs;
}

// Runs `body` on every row; a record set whose count is not positive (0, or -1 when unknown) has none.
template <class Body>
void forEachRow(Recordset& rs, Body&& body) {
  if (rs.RecordCount() <= 0) return;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) body();
}

ObjectRef cabOf(NewDocument& doc) { return automation::propGet(doc.object(), "Cab").toObject(); }

}  // namespace

bool DAL_Next::Inserir(NextOrigemDocumento Origem, RecordsetRef& rsDocs, RecordsetRef& rsLinhas, RecordsetRef& rsLotes,
                       KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  NewDocument doc;
  doc.create();
  Recordset& docs = open(rsDocs);
  docbuild::copyColumns(docs, cabOf(doc), kHeaderFirst);
  doc.validar();
  docbuild::copyColumns(docs, cabOf(doc), kHeaderSecond);
  docbuild::copyColumnsIgnoringErrors(docs, cabOf(doc), kHeaderTransport);

  Recordset& linhas = open(rsLinhas);
  forEachRow(linhas, [&] {
    ObjectRef line = NxtObjectoCriar(erpclass::DocumentosGcLin);
    docbuild::copyColumns(linhas, line, kLineFirst);
    doc.sugereValoresLin(line, false);
    docbuild::copyColumns(linhas, line, kLineSecond);
    doc.adicionaLinha(line);
  });

  Recordset& lotes = open(rsLotes);
  forEachRow(lotes, [&] {
    ObjectRef lot = NxtObjectoCriar(erpclass::LotesLinha);
    docbuild::copyColumns(lotes, automation::propGet(lot, "Campos").toObject(), kLotFields);
    docbuild::copyColumns(lotes, lot, kLotOwn);
    doc.adicionaLote(lot);
  });

  int32_t r = DocComercialFinalizar(Origem, Operacao::Inserir, doc.object(), 0, utNxtDocKey, utNextError);
  // The caller's row gets the number the ERP gave; the record set itself is not updated.
  if (r == 0) docs.setValue("NNUMDOC", doc.cab("NossoNoDocumento"));
  return r == 0;
}

}  // namespace qvd
