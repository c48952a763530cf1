#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/Discounts.hpp"
#include "erpserver/rules/Pricing.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/objects/ServerClasses.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/Currency.hpp"
#include "platform/HostSettings.hpp"

namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {{"DescontoComposto", VarType::String}};
constexpr int kComposto = slotOf(kFields, "DescontoComposto");

// Positions in the criteria array of CalcularDescontoComissao.
enum Criterion { kGrupo = 1, kFamilia, kSubFamilia, kArtigo, kGrupoClientes, kCliente, kData, kValor, kQuantidade };

// Discounts and commissions from the rules of DESCONTOS. CalcularDescontoComissao(criteria, bDesconto)
// takes an array of texts - 1 article group, 2 family, 3 subfamily, 4 article, 5 client group,
// 6 client, 7 date, 8 value, 9 quantity (numbers and date as the host writes them) - and returns
// the amount of the best rule on the value (a discount when bDesconto is true, else a commission),
// leaving the rule's composed text ("10+5", empty when none applies) in DescontoComposto.
// Without a session the amount is 0 and UltimoErro tells why.
class ExcepDescontosComissoes : public ServerObject {
 public:
  ExcepDescontosComissoes() : ServerObject(info()) {}

  Variant calcular(std::span<Variant> args) {
    auto criteria = args[0].toArray();
    auto at = [&](int i) -> std::string {
      if (!criteria->isDimensioned() || i < criteria->lbound() || i > criteria->ubound()) return {};
      return (*criteria)(i).toString();
    };
    auto number = [&](int i) { return automation::parseNumber(at(i)).value_or(0); };
    auto date = automation::Date::parse(at(kData));
    DiscountCriteria c{at(kGrupo),  at(kFamilia), at(kSubFamilia), at(kArtigo), at(kGrupoClientes), at(kCliente),
                       date ? isoDate(*date) : std::string(), number(kQuantidade), !args[1].toBool()};
    std::string rule;
    act(*this, [&] {
      Session::Use session(link_);
      rule = matchDiscountRule(session.db(), c).value_or("");
    });
    setValue(kComposto, Variant(rule));
    return Variant(automation::Currency::fromDouble(roundCents(number(kValor) * composedRate(rule).value_or(0) / 100)));
  }

  static const ClassInfo& info() {
    static constexpr MethodSpec methods[] = {
        method<&ExcepDescontosComissoes::calcular>("CalcularDescontoComissao", 2),
    };
    static const ClassInfo info("ExcepDescontosComissoes", kFields, methods);
    return info;
  }

 private:
  SessionLink link_;
};

}  // namespace

automation::ObjectRef newExcepDescontosComissoes() { return std::make_shared<ExcepDescontosComissoes>(); }

}  // namespace erpserver
