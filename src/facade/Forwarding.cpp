#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

// Session, settings, data access and transactions: forwarded to the worker. Only the
// data-access accessors have a handler of their own; the others let the worker's error through.
namespace qvd {

automation::Variant BAL_Next::DataAccess() const {
  return trap("DataAccess Property Get", [&] { return oDAL->DataAccess(); });
}

void BAL_Next::DataAccess(const automation::Variant& vData) {
  trap("DataAccess Property Set", [&] { oDAL->DataAccess(vData); });
}

bool BAL_Next::ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                         const std::string& sLogin, const std::string& sPassword) {
  return oDAL->ApiInicia(sPercWin, sFlLog, sEmp, sLogin, sPassword);
}

bool BAL_Next::ApiTermina() { return oDAL->ApiTermina(); }

void BAL_Next::LigacaoCtb(bool bLiga) { oDAL->LigacaoCtb(bLiga); }
bool BAL_Next::LigaContabilidade() const { return oDAL->LigaContabilidade(); }
void BAL_Next::LigaContabilidade(bool vData) { oDAL->LigaContabilidade(vData); }
void BAL_Next::UsaDescricao(bool vData) { oDAL->UsaDescricao(vData); }
void BAL_Next::UsaPrecoUnitario(bool vData) { oDAL->UsaPrecoUnitario(vData); }
void BAL_Next::UsaDescontoLinha(bool vData) { oDAL->UsaDescontoLinha(vData); }
void BAL_Next::UsaDescontoLinhaComposto(bool vData) { oDAL->UsaDescontoLinhaComposto(vData); }
void BAL_Next::UsaLogOstrel(bool vData) { oDAL->UsaLogOstrel(vData); }
bool BAL_Next::TemLigacaoContabilidade() const { return oDAL->TemLigacaoContabilidade(); }
std::string BAL_Next::RegimeIVANacional() const { return oDAL->RegimeIVANacional(); }
std::string BAL_Next::MoedaNacional() const { return oDAL->MoedaNacional(); }

void BAL_Next::TransaccaoIniciar() { oDAL->TransaccaoIniciar(); }
void BAL_Next::TransaccaoTerminar() { oDAL->TransaccaoTerminar(); }

}  // namespace qvd
