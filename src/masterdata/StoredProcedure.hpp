#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/DataAccessContract.hpp"
#include "platform/Variant.hpp"
#include "platform/db/DataTypes.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

// One input parameter of a stored procedure, in the order it is created.
struct ParametroEntrada {
  std::string nome;
  automation::db::DataType tipo;
  int32_t tamanho;
  automation::Variant valor;
};

// Runs a stored procedure of the ERP database through a command on the connection of the
// caller's data-access object, which the library never opens or closes itself. `rsResultado` is
// replaced by a new, unopened record set before the procedure runs, then by the rows it returned.
void executarProcedimento(IDataAccess& oDataAccess, const std::string& sProcedimento,
                          std::initializer_list<ParametroEntrada> parametros,
                          automation::db::RecordsetRef& rsResultado);

}  // namespace qvd
