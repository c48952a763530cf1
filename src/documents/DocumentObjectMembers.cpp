// The members by name of the document object, its header, its lines and their
// collection.
#include <optional>

#include "documents/NxDocComercial.hpp"
#include "platform/Members.hpp"

namespace qvd {
namespace {

using automation::field;
using automation::method;
using automation::property;

// Linha may be left out: -1 numbers the line after the last.
std::shared_ptr<NxDocComercialLin> addLine(NxDocComercialLinhas &lines, const std::string &Armazem,
                                           const std::string &Artigo, automation::Currency PrecoUnitario,
                                           automation::Currency Quantidade, std::optional<int16_t> Linha) {
  return lines.Add(Armazem, Artigo, PrecoUnitario, Quantidade, Linha.value_or(int16_t{-1}));
}

}  // namespace

const automation::MemberTable *NxDocComercial::memberTable() const {
  using D = NxDocComercial;
  static const automation::MemberTable table("NxDocComercial",
                                             {
                                                 property<&D::Linhas>("Linhas"),
                                                 property<&D::Cab>("Cab"),
                                                 method<&D::Ler>("Ler(Tipodoc, Numdoc, Serie, Ano)"),
                                                 method<&D::Inserir>("Inserir"),
                                                 method<&D::Remover>("Remover"),
                                                 method<&D::UltimoErro>("UltimoErro(lNumErro, sTextoErro)"),
                                             });
  return &table;
}

const automation::MemberTable *NxDocComercialCab::memberTable() const {
  static const automation::MemberTable table(
      "NxDocComercialCab", {
                               field<&NxDocComercialCab::Origem>("Origem"),
                               field<&NxDocComercialCab::IvaIncluido>("IvaIncluido"),
                               field<&NxDocComercialCab::DescontoCabecalho>("DescontoCabecalho"),
                               field<&NxDocComercialCab::DescontoCabValor>("DescontoCabValor"),
                               field<&NxDocComercialCab::TipoPreco>("TipoPreco"),
                               field<&NxDocComercialCab::ComissaoVendedor>("ComissaoVendedor"),
                               field<&NxDocComercialCab::VossoNoDocumento>("VossoNoDocumento"),
                               field<&NxDocComercialCab::Vendedor>("Vendedor"),
                               field<&NxDocComercialCab::TipoDocumento>("TipoDocumento"),
                               field<&NxDocComercialCab::Terceiro>("Terceiro"),
                               field<&NxDocComercialCab::Serie>("Serie"),
                               field<&NxDocComercialCab::Sector>("Sector"),
                               field<&NxDocComercialCab::Processo>("Processo"),
                               field<&NxDocComercialCab::Observacoes>("Observacoes"),
                               field<&NxDocComercialCab::NumeroContribuinte>("NumeroContribuinte"),
                               field<&NxDocComercialCab::NossoNumeroDocumento>("NossoNumeroDocumento"),
                               field<&NxDocComercialCab::Moeda>("Moeda"),
                               field<&NxDocComercialCab::LocalDescarga>("LocalDescarga"),
                               field<&NxDocComercialCab::LocalCarga>("LocalCarga"),
                               field<&NxDocComercialCab::HoraDescarga>("HoraDescarga"),
                               field<&NxDocComercialCab::HoraCarga>("HoraCarga"),
                               field<&NxDocComercialCab::DataVencimento>("DataVencimento"),
                               field<&NxDocComercialCab::DataDescarga>("DataDescarga"),
                               field<&NxDocComercialCab::DataCarga>("DataCarga"),
                               field<&NxDocComercialCab::DataAprovacao>("DataAprovacao"),
                               field<&NxDocComercialCab::Data>("Data"),
                               field<&NxDocComercialCab::Ano>("Ano"),
                           });
  return &table;
}

const automation::MemberTable *NxDocComercialLin::memberTable() const {
  static const automation::MemberTable table("NxDocComercialLin",
                                             {
                                                 field<&NxDocComercialLin::DescontoValor>("DescontoValor"),
                                                 field<&NxDocComercialLin::TaxaDesconto>("TaxaDesconto"),
                                                 field<&NxDocComercialLin::VossoLote>("VossoLote"),
                                                 field<&NxDocComercialLin::Unidade>("Unidade"),
                                                 field<&NxDocComercialLin::TipoDeLinha>("TipoDeLinha"),
                                                 field<&NxDocComercialLin::TaxaIVA>("TaxaIVA"),
                                                 field<&NxDocComercialLin::Quantidade>("Quantidade"),
                                                 field<&NxDocComercialLin::PrecoUnitario>("PrecoUnitario"),
                                                 field<&NxDocComercialLin::NumeroSerie>("NumeroSerie"),
                                                 field<&NxDocComercialLin::NumeroDaLinha>("NumeroDaLinha"),
                                                 field<&NxDocComercialLin::LinhaAnulada>("LinhaAnulada"),
                                                 field<&NxDocComercialLin::IvaLinhas>("IvaLinhas"),
                                                 field<&NxDocComercialLin::Factor>("Factor"),
                                                 field<&NxDocComercialLin::Descritor>("Descritor"),
                                                 field<&NxDocComercialLin::DescricaoRTF>("DescricaoRTF"),
                                                 field<&NxDocComercialLin::Descricao>("Descricao"),
                                                 field<&NxDocComercialLin::Artigo>("Artigo"),
                                                 field<&NxDocComercialLin::Armazem>("Armazem"),
                                             });
  return &table;
}

const automation::MemberTable *NxDocComercialLinhas::memberTable() const {
  using L = NxDocComercialLinhas;
  static const automation::MemberTable table(
      "NxDocComercialLinhas", {
                                  method<&addLine>("Add(Armazem, Artigo, PrecoUnitario, Quantidade, Linha)"),
                                  method<&L::Item>("Item(vntIndexKey)"),
                                  property<&L::Count>("Count"),
                                  method<&L::Remove>("Remove(vntIndexKey)"),
                              });
  return &table;
}

}  // namespace qvd
