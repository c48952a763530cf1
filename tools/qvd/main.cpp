#include <iostream>

#include "Version.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "foundation/Records.hpp"

int main() {
  using namespace qvd;
  std::cout << "QuarvelVaroDav " << libraryVersion() << "\n";
  std::cout << "NextOrigemDocumento: NaoIndicado=" << NaoIndicado << " NaoAplicavel=" << NaoAplicavel
            << " Finalizado=" << Finalizado << " Preparacao=" << Preparacao << "\n";
  std::cout << "TipoPrecoNext: tpDefault=" << tpDefault << " tpUltimaEntrada=" << tpUltimaEntrada
            << " tpCustoMedioFixo=" << tpCustoMedioFixo << " tpCustoMedioFlutuante=" << tpCustoMedioFlutuante
            << " tpStandard=" << tpStandard << " tpManual=" << tpManual << " tpFichaComposicao=" << tpFichaComposicao
            << "\n";
  std::cout << "QuandoCriaTransferencia: CriaNaCriacao=" << CriaNaCriacao << " CriaNoInicio=" << CriaNoInicio << "\n";
  std::cout << "FiltrosOrdensFabricoPreSel: TODAS=" << PRESEL_ORDFAB_TODAS << " ACTIVAS=" << PRESEL_ORDFAB_ACTIVAS
            << " PRONTAS=" << PRESEL_ORDFAB_PRONTAS << " CANCELADAS=" << PRESEL_ORDFAB_CANCELADAS
            << " EMFABRICO=" << PRESEL_ORDFAB_EMFABRICO << " NOVAS=" << PRESEL_ORDFAB_NOVAS
            << " CALENDARIZADAS=" << PRESEL_ORDFAB_CALENDARIZADAS << " APAGADAS=" << PRESEL_ORDFAB_APAGADAS << "\n";
  auto object = NxtObjectoCriar(erpclass::ParametrosAplicacao);
  std::cout << "factory: " << erpclass::ParametrosAplicacao << " -> " << (object ? object->className() : "null") << "\n";
  return 0;
}
