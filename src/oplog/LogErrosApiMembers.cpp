// The operation log's members by name, for late-bound callers.
#include "oplog/LogErrosApi.hpp"
#include "platform/Members.hpp"

namespace qvd {

const automation::MemberTable *LogErrosApi::memberTable() const {
  using automation::method;
  using automation::property;
  using automation::putOnly;
  using L = LogErrosApi;
  using Text = const std::string &(L::*)() const noexcept;
  using SetText = void (L::*)(const std::string &);
  static const automation::MemberTable table(
      "LogErrosApi",
      {
          method<&L::LinAdd>("LinAdd(iLin, sArt, sNom, dPr, dQnt, sArm)"),
          method<&L::HdrAdd>("HdrAdd(sValor, sNome)"),
          putOnly<&L::Lotes>("Lotes"),
          method<&L::Save>("Save(sPerc)"),
          property<static_cast<Text>(&L::ErroOperacao), static_cast<SetText>(&L::ErroOperacao)>("ErroOperacao"),
          property<static_cast<Text>(&L::ErroRotina), static_cast<SetText>(&L::ErroRotina)>("ErroRotina"),
          property<static_cast<Text>(&L::ErroModulo), static_cast<SetText>(&L::ErroModulo)>("ErroModulo"),
          property<static_cast<Text>(&L::ErroTxt), static_cast<SetText>(&L::ErroTxt)>("ErroTxt"),
          property<static_cast<int32_t (L::*)() const noexcept>(&L::ErroNum),
                   static_cast<void (L::*)(int32_t) noexcept>(&L::ErroNum)>("ErroNum"),
      });
  return &table;
}

}  // namespace qvd
