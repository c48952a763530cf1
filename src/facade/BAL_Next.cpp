#include "facade/BAL_Next.hpp"

#include "core/DAL_Next.hpp"

namespace qvd {

BAL_Next::BAL_Next() : oDAL(std::make_unique<DAL_Next>()) { LimparErro(); }

BAL_Next::~BAL_Next() = default;

void BAL_Next::LimparErro() {
  utErro.lUltimoErro = -1;
  utErro.sTextoErro.clear();
}

void BAL_Next::LimparChave(KeyDocumNext& utNxtDocKey) {
  utNxtDocKey.iAno = 0;
  utNxtDocKey.sTpDoc.clear();
  utNxtDocKey.iSerie = 0;
  utNxtDocKey.lNumDoc = 0;
}

void BAL_Next::UltimoErro(int32_t& lNumErro, std::string& sTextoErro) const {
  lNumErro = utErro.lUltimoErro;
  sTextoErro = utErro.sTextoErro;
}

int32_t BAL_Next::ErroNumero() const { return utErro.lUltimoErro; }

std::string BAL_Next::ErroDescricao() const { return utErro.sTextoErro; }

}  // namespace qvd
