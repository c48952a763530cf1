#include <memory>

#include "facade/BAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::Variant;

// The ERP's discount and commission exceptions decide the discount of one line. They take the
// line's context as a 13-element text array: elements 1 to 11 carry it, 0 and 12 stay empty;
// numbers and the date are written the host's way.
automation::Currency BAL_Next::DocGenCalculaDesconto(const std::string& sGrupo, const std::string& sFamilia,
                                                     const std::string& sSubFamilia, const std::string& sArtigo,
                                                     const std::string& sGrupoClientes, const std::string& sCliente,
                                                     const automation::Date& dtData, double dPrcUnit,
                                                     double dQuantidade, double dDescCabecalho,
                                                     std::string& sDescComposto) {
  return trap("DocGenCalculaDesconto", [&] {
    automation::ObjectRef excepcoes = NxtObjectoCriar(erpclass::ExcepDescontosComissoes);
    auto dados = std::make_shared<automation::VariantArray>(0, 12);
    const std::string textos[] = {
        "",
        sGrupo,
        sFamilia,
        sSubFamilia,
        sArtigo,
        sGrupoClientes,
        sCliente,
        Variant(dtData).toString(),
        Variant(dPrcUnit * dQuantidade).toString(),
        Variant(dQuantidade).toString(),
        Variant(dDescCabecalho).toString(),
        "1",
        "",
    };
    for (int32_t i = 0; i <= 12; ++i) (*dados)(i) = Variant(textos[i]);

    Variant argumentos[] = {Variant(dados), Variant(int16_t{-1})};
    automation::Currency resultado =
        automation::invokeRef(excepcoes, "CalcularDescontoComissao", argumentos).toCurrency();
    sDescComposto = automation::propGet(excepcoes, "DescontoComposto").toString();
    return resultado;
  });
}

}  // namespace qvd
