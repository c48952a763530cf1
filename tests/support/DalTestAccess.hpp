#pragma once

#include <memory>
#include <string>

#include "core/DAL_Next.hpp"
#include "foundation/coDoclPendentes.hpp"

namespace qvd {

// Reaches the worker's private state and routines from tests.
class DAL_NextTestAccess {
 public:
  static int32_t DocComercialFinalizar(DAL_Next& dal, NextOrigemDocumento Origem, Operacao lOperacao,
                                       automation::ObjectRef& oDoc, int32_t lLastResult, KeyDocumNext& utNxtDocKey,
                                       NextError& utNextError) {
    return dal.DocComercialFinalizar(Origem, lOperacao, oDoc, lLastResult, utNxtDocKey, utNextError);
  }
  static void TemplateTabela(DAL_Next& dal, const std::string& sTabela, automation::db::RecordsetRef& rsOut) {
    dal.TemplateTabela(sTabela, rsOut);
  }
  static const std::shared_ptr<coDoclPendentes>& oDocPendentes(const DAL_Next& dal) { return dal.oDocPendentes; }
  static bool UsaLogOstrel(const DAL_Next& dal) { return dal.opcoes.UsaLogOstrel; }
  static const std::string& sPastaLog(const DAL_Next& dal) { return dal.sPastaLog; }
  static const automation::ObjectRef& oBaseNext(const DAL_Next& dal) { return dal.oBaseNext; }
};

}  // namespace qvd
