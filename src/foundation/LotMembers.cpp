// The members by name of the lot and pending-document classes and their
// collections.
#include <optional>

#include "foundation/cDocLotes.hpp"
#include "foundation/cDocPendente.hpp"
#include "foundation/cLote.hpp"
#include "foundation/coDoclPendentes.hpp"
#include "foundation/colLotes.hpp"
#include "platform/Members.hpp"

namespace qvd {
namespace {

using automation::method;
using automation::property;

std::shared_ptr<cLote> addLot(colLotes &lots, const std::string &Artigo, double Quantidade, const std::string &Lote,
                              const std::string &VossoLote, std::optional<std::string> sKey) {
  return lots.Add(Artigo, Quantidade, Lote, VossoLote, sKey.value_or(std::string()));
}

std::shared_ptr<cDocPendente> addPending(coDoclPendentes &pending, int16_t Ano, const std::string &TipoDocumento,
                                         int16_t Serie, int32_t NumeroDocumento, std::optional<std::string> sKey) {
  return pending.Add(Ano, TipoDocumento, Serie, NumeroDocumento, sKey.value_or(std::string()));
}

// A property of a plain value class: a const getter and a setter of the same
// name.
template <class C, class T>
using Getter = T (C::*)() const noexcept;

}  // namespace

const automation::MemberTable *cLote::memberTable() const {
  using C = cLote;
  using Text = Getter<C, const std::string &>;
  using SetText = void (C::*)(const std::string &);
  static const automation::MemberTable table(
      "cLote",
      {
          property<static_cast<Text>(&C::VossoLote), static_cast<SetText>(&C::VossoLote)>("VossoLote"),
          property<static_cast<Getter<C, int16_t>>(&C::Linha), static_cast<void (C::*)(int16_t) noexcept>(&C::Linha)>(
              "Linha"),
          property<static_cast<Text>(&C::Lote), static_cast<SetText>(&C::Lote)>("Lote"),
          property<static_cast<Getter<C, double>>(&C::Quantidade),
                   static_cast<void (C::*)(double) noexcept>(&C::Quantidade)>("Quantidade"),
          property<static_cast<Text>(&C::Artigo), static_cast<SetText>(&C::Artigo)>("Artigo"),
      });
  return &table;
}

const automation::MemberTable *cDocPendente::memberTable() const {
  using C = cDocPendente;
  static const automation::MemberTable table(
      "cDocPendente",
      {
          property<static_cast<Getter<C, int32_t>>(&C::NumeroDocumento),
                   static_cast<void (C::*)(int32_t) noexcept>(&C::NumeroDocumento)>("NumeroDocumento"),
          property<static_cast<Getter<C, int16_t>>(&C::Serie), static_cast<void (C::*)(int16_t) noexcept>(&C::Serie)>(
              "Serie"),
          property<static_cast<Getter<C, const std::string &>>(&C::TipoDocumento),
                   static_cast<void (C::*)(const std::string &)>(&C::TipoDocumento)>("TipoDocumento"),
          property<static_cast<Getter<C, int16_t>>(&C::Ano), static_cast<void (C::*)(int16_t) noexcept>(&C::Ano)>(
              "Ano"),
      });
  return &table;
}

const automation::MemberTable *colLotes::memberTable() const {
  using C = colLotes;
  static const automation::MemberTable table("colLotes",
                                             {
                                                 method<&addLot>("Add(Artigo, Quantidade, Lote, VossoLote, sKey)"),
                                                 method<&C::Item>("Item(vntIndexKey)"),
                                                 property<&C::Count>("Count"),
                                                 method<&C::Remove>("Remove(vntIndexKey)"),
                                             });
  return &table;
}

const automation::MemberTable *coDoclPendentes::memberTable() const {
  using C = coDoclPendentes;
  static const automation::MemberTable table(
      "coDoclPendentes", {
                             method<&addPending>("Add(Ano, TipoDocumento, Serie, NumeroDocumento, sKey)"),
                             method<&C::Item>("Item(vntIndexKey)"),
                             property<&C::Count>("Count"),
                             method<&C::Remove>("Remove(vntIndexKey)"),
                         });
  return &table;
}

const automation::MemberTable *cDocLotes::memberTable() const {
  using C = cDocLotes;
  static const automation::MemberTable table("cDocLotes",
                                             {
                                                 property<&C::LotesDaLinha>("LotesDaLinha(vData)"),
                                                 method<&C::AlteraLinhaLote>("AlteraLinhaLote(lLinhaOri, lLinhaDest)"),
                                                 method<&C::SetLotesDaLinha>("SetLotesDaLinha(lLinha, oLotes)"),
                                                 method<&C::Item>("Item(vntIndexKey)"),
                                                 property<&C::Count>("Count"),
                                                 method<&C::Remove>("Remove(vntIndexKey)"),
                                             });
  return &table;
}

}  // namespace qvd
