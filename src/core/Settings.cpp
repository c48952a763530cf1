#include "core/DAL_Next.hpp"
#include "core/ErpValues.hpp"

namespace qvd {

void DAL_Next::UsaLogOstrel(bool vData) { opcoes.UsaLogOstrel = vData; }

void DAL_Next::UsaDescricao(bool vData) { opcoes.UsaDescricao = vData; }
bool DAL_Next::UsaDescricao() const { return opcoes.UsaDescricao; }

void DAL_Next::UsaPrecoUnitario(bool vData) { opcoes.UsaPrecoUnitario = vData; }
bool DAL_Next::UsaPrecoUnitario() const { return opcoes.UsaPrecoUnitario; }

void DAL_Next::UsaDescontoLinha(bool vData) { opcoes.UsaDescontoLinha = vData; }
bool DAL_Next::UsaDescontoLinha() const { return opcoes.UsaDescontoLinha; }

void DAL_Next::UsaDescontoLinhaComposto(bool vData) { opcoes.UsaDescontoLinhaComposto = vData; }
bool DAL_Next::UsaDescontoLinhaComposto() const { return opcoes.UsaDescontoLinhaComposto; }

void DAL_Next::LigacaoCtb(bool bLiga) { opcoes.LigaContabilidade = bLiga; }
bool DAL_Next::LigaContabilidade() const { return opcoes.LigaContabilidade; }
void DAL_Next::LigaContabilidade(bool vData) { opcoes.LigaContabilidade = vData; }

void DAL_Next::LogActivo(bool vData) { opcoes.LogActivo = vData; }
bool DAL_Next::LogActivo() const { return opcoes.LogActivo; }

void DAL_Next::limparOpcoesLinha() {
  opcoes.UsaDescricao = false;
  opcoes.UsaPrecoUnitario = false;
  opcoes.UsaDescontoLinha = false;
  opcoes.UsaDescontoLinhaComposto = false;
}

// The parameter getters read the ERP object on every call and have no error handling: without
// a session the unset reference fails with 91 and reaches the caller as it is.
bool DAL_Next::TemLigacaoContabilidade() const { return isTrue(automation::propGet(oParametros, "LigacaoACtb")); }

std::string DAL_Next::RegimeIVANacional() const {
  return automation::propGet(oParametros, "RegIvaNacional").toString();
}

std::string DAL_Next::MoedaNacional() const { return automation::propGet(oParametros, "MoedaNacional").toString(); }

}  // namespace qvd
