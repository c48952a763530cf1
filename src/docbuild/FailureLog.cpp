#include "docbuild/FailureLog.hpp"

#include "oplog/LogErrosApi.hpp"

namespace qvd::docbuild {

void writeFailureLog(const std::string& pasta, const std::string& rotina, int32_t numero, const std::string& texto,
                     const std::function<void(LogErrosApi&)>& fill, const std::string& operacao) {
  LogErrosApi log;
  log.ErroModulo("DAL_Next: ");
  log.ErroRotina(rotina);
  log.ErroOperacao(operacao);
  log.ErroNum(numero);
  log.ErroTxt(texto);
  fill(log);
  log.Save(pasta);
}

}  // namespace qvd::docbuild
