#pragma once

#include "erpserver/objects/Dispatch.hpp"

// The fields of a commercial document's header, lines and lots, with their DOCGCCAB, DOCGCLIN
// and LOTEMOVS columns. Dates are text "dd-mm-yyyy" in the objects.
namespace erpserver {

inline constexpr FieldSpec kHeaderFields[] = {
    {"TipoDocumento", VarType::String, "TPDOC", 5},
    {"TipoPreco", VarType::Integer, "TPPRECO"},
    {"Serie", VarType::Integer, "SERIE"},
    {"NossoNoDocumento", VarType::Long, "NNUMDOC"},
    {"Terceiro", VarType::String, "TERCEIRO", 20},
    {"Data", VarType::String, "DATA", 0, Storage::DateText},
    {"Sector", VarType::String, "SECTOR", 10},
    {"VossoNoDocumento", VarType::String, "VNUMDOC", 20},
    {"DescontoCabecalho", VarType::Double, "DESCCAB"},
    {"Vendedor", VarType::String, "VENDEDOR", 10},
    {"RegimeIva", VarType::String, "RGIVA", 5},
    {"Moeda", VarType::String, "MOEDA", 3},
    {"IvaIncluido", VarType::Integer, "IVAINC"},
    {"DescontoPagamento", VarType::Double, "DESCPP"},
    {"PrazoDePagamento", VarType::String, "PRAZOPGT", 10},
    {"ModoDePagamento", VarType::String, "MODOPGT", 10},
    {"ModoExpedicao", VarType::String, "EXPEDIR", 10},
    {"OndeEnviarDoc", VarType::String, "ONDEENV", 10},
    {"OndeEntregarDoc", VarType::String, "ONDEENTR", 10},
    {"NumeroContribuinte", VarType::String, "NCONTRIB", 20},
    {"ArredondamentoIva", VarType::Double, "ARREDIVA"},
    {"Observacoes", VarType::String, "OBSERV", 255},
    {"GestorDeConta", VarType::String, "GESCNT", 10},
    {"PesoTotal", VarType::Double, "PESOTOT"},
    {"VolumeTotal", VarType::Double, "VOLTOT"},
    {"LocalCarga", VarType::String, "LOCALCG", 50},
    {"MeioDeTransporte", VarType::String, "MEIOTRP", 10},
    {"EncAprovada", VarType::Integer, "APROVADO"},
    {"DataAprovacao", VarType::String, "DATAAPRO", 0, Storage::DateText},
    {"ResponsavelApro", VarType::String, "RESPAPRO", 20},
    {"Processo", VarType::String, "PROCESSO", 60},
    {"Ean", VarType::String, "EAN", 20},
    {"Ano", VarType::Integer, "ANO"},
    {"Matricula", VarType::String, "MATRICUL", 15},
    {"DataCarga", VarType::String, "DTCARGA", 0, Storage::DateText},
    {"HoraCarga", VarType::String, "HORA", 8},
    {"DataDescarga", VarType::String, "DATADES", 0, Storage::DateText},
    {"HoraDescarga", VarType::String, "HORADES", 8},
    {"MoradaDescarga", VarType::String, "MORADADSG", 60},
    {"LocalDescarga", VarType::String, "LOCALDSG", 50},
    {"CodigoPostalDescarga", VarType::String, "CDPOSTDSG", 10},
    {"PaisDescarga", VarType::String, "PAISDSG", 50},
    {"DataVencimento", VarType::String, "DATAVENC", 0, Storage::DateText},
    {"DataLancamento", VarType::String, "DATALANC", 0, Storage::DateText},
    {"Convertido", VarType::Integer, "CONVERTIDO"},
    {"Liquidado", VarType::Integer, "LIQUIDADO"},
    {"Reference", VarType::String, "REFERENCIA", 60},
    {"Reason", VarType::String, "MOTIVO", 60},
    {"ManualExternalSerie", VarType::String, "MANEXTSERIE", 20},
    {"ManualExternalInvoiceNo", VarType::String, "MANEXTNUM", 20},
    {"ATDocCodeID", VarType::String, "ATDOCCODEID", 60},
    {"ComissaoVendedor", VarType::Double, "COMISSAO"},
    {"DescontoCabValor", VarType::Double, "DESCCABVAL"},  // recomputed with the totals
    {"TotalMercadoria", VarType::Double, "TOTMERC", 0, Storage::Plain, true},
    {"TotalDescontos", VarType::Double, "TOTDESC", 0, Storage::Plain, true},
    {"TotalIva", VarType::Double, "TOTIVA", 0, Storage::Plain, true},
    {"TotalDocumento", VarType::Double, "TOTDOC", 0, Storage::Plain, true},
};

inline constexpr FieldSpec kLineFields[] = {
    {"NumeroDaLinha", VarType::Integer, "NUMLINHA"},
    {"TipoDeLinha", VarType::Integer, "TPLINHA"},
    {"Artigo", VarType::String, "ARTIGO", 20},
    {"Armazem", VarType::String, "ARMAZEM", 10},
    {"Descricao", VarType::String, "DESCR", 100},
    {"PrecoUnitario", VarType::Double, "PRUNIT"},
    {"Quantidade", VarType::Double, "QUANT"},
    {"Desconto", VarType::String, "DESCONTO", 20},
    {"IvaLinhas", VarType::Long, "IVA"},
    {"TaxaDesconto", VarType::Double, "TXDESC"},
    {"Unidade", VarType::String, "UNIDADE", 5},
    {"Factor", VarType::Double, "FACTOR", 0, Storage::Plain, false, 1},
    {"Orano", VarType::Integer, "ORANO"},
    {"Ordoc", VarType::String, "ORDOC", 5},
    {"Orserie", VarType::Integer, "ORSERIE"},
    {"Ornum", VarType::Long, "ORNUM"},
    {"LinhaOriginal", VarType::Integer, "ORLIN"},
    {"PrecoUnitarioIntroduzido", VarType::Double, "PRUNITINT"},
    {"QuantidadeOrigem", VarType::Double, "QUANTORIG"},
    {"DescontoValor", VarType::Double, "DESCVAL"},
    {"TaxaIVA", VarType::Double, "TAXAIVA"},
    {"DescricaoRTF", VarType::String, "DESCRRTF"},
    {"Descritor", VarType::String, "DESCRITOR", 60},
    {"NumeroSerie", VarType::String, "NUMSERIE", 30},
    {"LinhaAnulada", VarType::Integer, "ANULADA"},
    {"VossoLote", VarType::String, "VOSSLOTE", 30},
    {"TotalLinha", VarType::Double, "TOTLIN", 0, Storage::Plain, true},
};

// The lot line itself; its lot data live in its `Campos` object.
inline constexpr FieldSpec kLotFields[] = {
    {"NumeroLinhaDocComercial", VarType::Integer, "NUMLINHA"},
    {"QuantidadeMovimentada", VarType::Double, "QUANT"},
};

inline constexpr FieldSpec kLotDataFields[] = {
    {"CodigoLote", VarType::String, "CODLOT", 30},
    {"Artigo", VarType::String, "ARTIGO", 20},
    {"VossoLote", VarType::String, "VOSSLOTE", 30},
    {"Armazem", VarType::String, "ARMAZEM", 10},
    {"DataValidade", VarType::String, "VALIDADE", 0, Storage::DateText},
    {"DataEntrada", VarType::String, {}, 0, Storage::DateText},  // kept in ARTLOT when the lot enters
};

namespace hdr {
inline constexpr int TipoDocumento = slotOf(kHeaderFields, "TipoDocumento");
inline constexpr int TipoPreco = slotOf(kHeaderFields, "TipoPreco");
inline constexpr int Serie = slotOf(kHeaderFields, "Serie");
inline constexpr int Numero = slotOf(kHeaderFields, "NossoNoDocumento");
inline constexpr int Terceiro = slotOf(kHeaderFields, "Terceiro");
inline constexpr int Data = slotOf(kHeaderFields, "Data");
inline constexpr int Sector = slotOf(kHeaderFields, "Sector");
inline constexpr int DescontoCabecalho = slotOf(kHeaderFields, "DescontoCabecalho");
inline constexpr int DescontoPagamento = slotOf(kHeaderFields, "DescontoPagamento");
inline constexpr int Vendedor = slotOf(kHeaderFields, "Vendedor");
inline constexpr int RegimeIva = slotOf(kHeaderFields, "RegimeIva");
inline constexpr int Moeda = slotOf(kHeaderFields, "Moeda");
inline constexpr int IvaIncluido = slotOf(kHeaderFields, "IvaIncluido");
inline constexpr int NumeroContribuinte = slotOf(kHeaderFields, "NumeroContribuinte");
inline constexpr int Processo = slotOf(kHeaderFields, "Processo");
inline constexpr int Ano = slotOf(kHeaderFields, "Ano");
inline constexpr int DescontoCabValor = slotOf(kHeaderFields, "DescontoCabValor");
inline constexpr int TotalMercadoria = slotOf(kHeaderFields, "TotalMercadoria");
inline constexpr int TotalDescontos = slotOf(kHeaderFields, "TotalDescontos");
inline constexpr int TotalIva = slotOf(kHeaderFields, "TotalIva");
inline constexpr int TotalDocumento = slotOf(kHeaderFields, "TotalDocumento");
}  // namespace hdr

namespace lin {
inline constexpr int Numero = slotOf(kLineFields, "NumeroDaLinha");
inline constexpr int Artigo = slotOf(kLineFields, "Artigo");
inline constexpr int Armazem = slotOf(kLineFields, "Armazem");
inline constexpr int Descricao = slotOf(kLineFields, "Descricao");
inline constexpr int PrecoUnitario = slotOf(kLineFields, "PrecoUnitario");
inline constexpr int PrecoIntroduzido = slotOf(kLineFields, "PrecoUnitarioIntroduzido");
inline constexpr int Quantidade = slotOf(kLineFields, "Quantidade");
inline constexpr int Desconto = slotOf(kLineFields, "Desconto");
inline constexpr int IvaLinhas = slotOf(kLineFields, "IvaLinhas");
inline constexpr int TaxaDesconto = slotOf(kLineFields, "TaxaDesconto");
inline constexpr int Unidade = slotOf(kLineFields, "Unidade");
inline constexpr int Factor = slotOf(kLineFields, "Factor");
inline constexpr int DescontoValor = slotOf(kLineFields, "DescontoValor");
inline constexpr int TaxaIVA = slotOf(kLineFields, "TaxaIVA");
inline constexpr int TotalLinha = slotOf(kLineFields, "TotalLinha");
}  // namespace lin

namespace lot {
inline constexpr int Linha = slotOf(kLotFields, "NumeroLinhaDocComercial");
inline constexpr int Quantidade = slotOf(kLotFields, "QuantidadeMovimentada");
inline constexpr int Codigo = slotOf(kLotDataFields, "CodigoLote");
inline constexpr int Artigo = slotOf(kLotDataFields, "Artigo");
inline constexpr int VossoLote = slotOf(kLotDataFields, "VossoLote");
inline constexpr int Armazem = slotOf(kLotDataFields, "Armazem");
inline constexpr int Validade = slotOf(kLotDataFields, "DataValidade");
inline constexpr int Entrada = slotOf(kLotDataFields, "DataEntrada");
}  // namespace lot

}  // namespace erpserver
