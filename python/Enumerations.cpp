// The public enumerations' values as module constants (qvd.NaoIndicado, qvd.tpDefault, ...).
#include "Bindings.hpp"
#include "foundation/Records.hpp"

namespace qvdpy {
namespace {

struct Constant {
  const char* name;
  int32_t value;
};

constexpr Constant kConstants[] = {
    {"NaoIndicado", qvd::NaoIndicado},
    {"NaoAplicavel", qvd::NaoAplicavel},
    {"Finalizado", qvd::Finalizado},
    {"Preparacao", qvd::Preparacao},
    {"tpDefault", qvd::tpDefault},
    {"tpUltimaEntrada", qvd::tpUltimaEntrada},
    {"tpCustoMedioFixo", qvd::tpCustoMedioFixo},
    {"tpCustoMedioFlutuante", qvd::tpCustoMedioFlutuante},
    {"tpStandard", qvd::tpStandard},
    {"tpManual", qvd::tpManual},
    {"tpFichaComposicao", qvd::tpFichaComposicao},
    {"CriaNaCriacao", qvd::CriaNaCriacao},
    {"CriaNoInicio", qvd::CriaNoInicio},
    {"PRESEL_ORDFAB_TODAS", qvd::PRESEL_ORDFAB_TODAS},
    {"PRESEL_ORDFAB_ACTIVAS", qvd::PRESEL_ORDFAB_ACTIVAS},
    {"PRESEL_ORDFAB_PRONTAS", qvd::PRESEL_ORDFAB_PRONTAS},
    {"PRESEL_ORDFAB_CANCELADAS", qvd::PRESEL_ORDFAB_CANCELADAS},
    {"PRESEL_ORDFAB_EMFABRICO", qvd::PRESEL_ORDFAB_EMFABRICO},
    {"PRESEL_ORDFAB_NOVAS", qvd::PRESEL_ORDFAB_NOVAS},
    {"PRESEL_ORDFAB_CALENDARIZADAS", qvd::PRESEL_ORDFAB_CALENDARIZADAS},
    {"PRESEL_ORDFAB_APAGADAS", qvd::PRESEL_ORDFAB_APAGADAS},
};

}  // namespace

void bindEnumerations(pybind11::module_& module) {
  for (const Constant& c : kConstants) module.attr(c.name) = c.value;
}

}  // namespace qvdpy
