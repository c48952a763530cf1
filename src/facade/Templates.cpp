#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

// The empty record sets that callers fill for Inserir; no handler of their own.
namespace qvd {

automation::db::RecordsetRef BAL_Next::TemplateCabecalho() { return oDAL->TemplateCabecalho(); }
automation::db::RecordsetRef BAL_Next::TemplateLinhas() { return oDAL->TemplateLinhas(); }
automation::db::RecordsetRef BAL_Next::TemplateLotes() { return oDAL->TemplateLotes(); }

}  // namespace qvd
