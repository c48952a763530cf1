#pragma once

// The public enumerations' members by name, in declaration order, for hosts that list them: the
// Python module's constants and the type library.
#include <cstdint>

#include "foundation/Records.hpp"

namespace qvd {

struct EnumerationMember {
  const char* enumeration;
  const char* name;
  int32_t value;
};

inline constexpr EnumerationMember kEnumerationMembers[] = {
    {"NextOrigemDocumento", "NaoIndicado", NaoIndicado},
    {"NextOrigemDocumento", "NaoAplicavel", NaoAplicavel},
    {"NextOrigemDocumento", "Finalizado", Finalizado},
    {"NextOrigemDocumento", "Preparacao", Preparacao},
    {"TipoPrecoNext", "tpDefault", tpDefault},
    {"TipoPrecoNext", "tpUltimaEntrada", tpUltimaEntrada},
    {"TipoPrecoNext", "tpCustoMedioFixo", tpCustoMedioFixo},
    {"TipoPrecoNext", "tpCustoMedioFlutuante", tpCustoMedioFlutuante},
    {"TipoPrecoNext", "tpStandard", tpStandard},
    {"TipoPrecoNext", "tpManual", tpManual},
    {"TipoPrecoNext", "tpFichaComposicao", tpFichaComposicao},
    {"QuandoCriaTransferencia", "CriaNaCriacao", CriaNaCriacao},
    {"QuandoCriaTransferencia", "CriaNoInicio", CriaNoInicio},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_TODAS", PRESEL_ORDFAB_TODAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_ACTIVAS", PRESEL_ORDFAB_ACTIVAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_PRONTAS", PRESEL_ORDFAB_PRONTAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_CANCELADAS", PRESEL_ORDFAB_CANCELADAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_EMFABRICO", PRESEL_ORDFAB_EMFABRICO},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_NOVAS", PRESEL_ORDFAB_NOVAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_CALENDARIZADAS", PRESEL_ORDFAB_CALENDARIZADAS},
    {"FiltrosOrdensFabricoPreSel", "PRESEL_ORDFAB_APAGADAS", PRESEL_ORDFAB_APAGADAS},
};

}  // namespace qvd
