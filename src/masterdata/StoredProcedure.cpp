#include "masterdata/StoredProcedure.hpp"

#include <memory>
#include <tuple>

#include "platform/db/Command.hpp"

namespace qvd {

using namespace automation::db;

void executarProcedimento(IDataAccess& oDataAccess, const std::string& sProcedimento,
                          std::initializer_list<ParametroEntrada> parametros, RecordsetRef& rsResultado) {
  // A missing connection fails with 3709 when the command runs, which says more than false.
  ConnectionRef ligacao;
  std::ignore = oDataAccess.ObterLigacao(ligacao);

  auto comando = std::make_shared<Command>();
  comando->SetCommandText(sProcedimento);
  comando->SetCommandType(CommandType::StoredProc);
  comando->SetActiveConnection(ligacao);
  // All the parameters exist before any of them gets its value.
  for (const ParametroEntrada& p : parametros)
    comando->GetParameters().Append(comando->CreateParameter(p.nome, p.tipo, ParameterDirection::Input, p.tamanho));
  for (const ParametroEntrada& p : parametros) comando->GetParameters()[p.nome].SetValue(p.valor);

  // A run that fails leaves the caller a new, unopened record set, not the one it passed.
  rsResultado = std::make_shared<Recordset>();
  rsResultado = comando->Execute();
}

}  // namespace qvd
