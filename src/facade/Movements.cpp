#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"
#include "facade/MovementPrices.hpp"
#include "foundation/cDocLotes.hpp"

// The manufacturing movements and the sales quote. Production entries, supplier entries and
// delivery notes go out of the finished-goods role, consumption out of the raw-material role.
// The MF_ members price the movement themselves (a manufactured article at its elements' cost,
// other articles at their sale price or average cost) and take no lots; the EP_ members take the
// caller's lots and clear the caller's key first.
namespace qvd {

using facadeprices::articlePrices;
using facadeprices::composedLine;
using facadeprices::ComposedLine;

bool BAL_Next::MF_MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sProcesso,
                                          std::string& sComposto, double& dQuantidade, Texts& sElementos,
                                          Numbers& dPercent, KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovEntradaProducaoCriar", [&] {
    LimparErro();
    ComposedLine line = composedLine(*oDAL, sComposto, dQuantidade, sElementos, dPercent);
    return oDAL->MovEntradaProducaoCriar(TipoPreco, utTipif, utTipif.ArmAcabados, sProcesso, line.sArt, line.dQuant,
                                         line.dPrUni, utNxtDocKey, utErro);
  });
}

bool BAL_Next::MF_MovEntradaFornecedorCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                            std::string& sFornecedor, std::string& sProcesso, std::string& sVossoNDoc,
                                            std::string& sComposto, double& dQuantidade, Texts& sElementos,
                                            Numbers& dPercent, KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovEntradaFornecedorCriar", [&] {
    LimparErro();
    ComposedLine line = composedLine(*oDAL, sComposto, dQuantidade, sElementos, dPercent);
    return oDAL->MovEntradaFornecedorCriar(TipoPreco, utTipif, utTipif.ArmAcabados, sFornecedor, sProcesso, sVossoNDoc,
                                           line.sArt, line.dQuant, line.dPrUni, utNxtDocKey, utErro);
  });
}

bool BAL_Next::MF_MovGuiaRemessaCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sCliente,
                                      std::string& sProcesso, Texts& sArt, Texts& sSerie, Numbers& dQuant,
                                      KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovGuiaRemessaCriar", [&] {
    LimparErro();
    Numbers dPrUni;
    articlePrices(*oDAL, sArt, "PvpSIV", dPrUni);
    return oDAL->MovGuiaRemessaCriar(TipoPreco, utTipif, utTipif.ArmAcabados, sCliente, sProcesso, sArt, sSerie, dQuant,
                                     dPrUni, utNxtDocKey, utErro);
  });
}

bool BAL_Next::MF_MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sProcesso,
                                         Texts& sArtigos, Numbers& dQuant, KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovSaidaDeConsumoCriar", [&] {
    LimparErro();
    auto oLotes = std::make_shared<cDocLotes>();
    Numbers dPrUni;
    articlePrices(*oDAL, sArtigos, "UltPmp", dPrUni);
    return oDAL->MovSaidaDeConsumoCriar(TipoPreco, utTipif, utTipif.ArmMatPrima, sProcesso, sArtigos, dQuant, dPrUni,
                                        oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::MF_MovSaidaConsMultiArmCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sProcesso,
                                            Texts& sArtigos, Numbers& dQuant, Texts& sArm, KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovSaidaConsMultiArmCriar", [&] {
    LimparErro();
    auto oLotes = std::make_shared<cDocLotes>();
    Numbers dPrUni;
    articlePrices(*oDAL, sArtigos, "UltPmp", dPrUni);
    return oDAL->MovSaidaConsMultiArmCriar(TipoPreco, utTipif, utTipif.ArmMatPrima, sProcesso, sArtigos, dQuant, dPrUni,
                                           sArm, oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::MF_MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                  std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                                  KeyDocumNext& utNxtDocKey) {
  return trap("MF_MovDevolucaoSaidaDeConsumoCriar", [&] {
    LimparErro();
    auto oLotes = std::make_shared<cDocLotes>();
    Numbers dPrUni;
    articlePrices(*oDAL, sArtigos, "UltPmp", dPrUni);
    return oDAL->MovDevolucaoSaidaDeConsumoCriar(TipoPreco, utTipif, utTipif.ArmMatPrima, sProcesso, sArtigos, dQuant,
                                                 dPrUni, oLotes, utNxtDocKey, utErro);
  });
}

// No handler: the worker's errors pass unchanged. Only the new quote's number goes back.
bool BAL_Next::EP_OrcamentoVendaInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, std::string& sTipoDoc,
                                        std::string& sSector, int16_t& iSerie, std::string& sTerceiro,
                                        std::string& sProcesso, const std::string& sComplem,
                                        const std::string& sVossoNumDoc, const std::string& sObs, std::string& sArm,
                                        Texts& sArt, Numbers& dQnt, Numbers& dPrc, Texts& sDes, Texts& sNome,
                                        Numbers& dDesconto, int32_t& lNumDoc) {
  LimparErro();
  KeyDocumNext chave;
  LimparChave(chave);
  bool ok =
      oDAL->MovOrcamentoVendaInserir(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sComplem,
                                     sVossoNumDoc, sObs, sArm, sArt, dQnt, dPrc, sDes, sNome, dDesconto, chave, utErro);
  lNumDoc = chave.lNumDoc;
  return ok;
}

// The caller's price array comes back sized to the articles and holding their average costs.
bool BAL_Next::EP_MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sProcesso,
                                         Texts& sArtigos, Numbers& dQuant, Numbers& dPrUni,
                                         std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey) {
  return trap("EP_MovSaidaDeConsumoCriar", [&] {
    LimparErro();
    LimparChave(utNxtDocKey);
    articlePrices(*oDAL, sArtigos, "UltPmp", dPrUni);
    return oDAL->MovSaidaDeConsumoCriar(TipoPreco, utTipif, utTipif.ArmMatPrima, sProcesso, sArtigos, dQuant, dPrUni,
                                        oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::EP_MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                  std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                                  std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey) {
  return trap("EP_MovDevolucaoSaidaDeConsumoCriar", [&] {
    LimparErro();
    LimparChave(utNxtDocKey);
    Numbers dPrUni;
    articlePrices(*oDAL, sArtigos, "UltPmp", dPrUni);
    return oDAL->MovDevolucaoSaidaDeConsumoCriar(TipoPreco, utTipif, utTipif.ArmMatPrima, sProcesso, sArtigos, dQuant,
                                                 dPrUni, oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::EP_MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sProcesso,
                                          Texts& sArt, Numbers& dQuant, Numbers& dPrUni, KeyDocumNext& utNxtDocKey) {
  return trap("EP_MovEntradaProducaoCriar", [&] {
    LimparErro();
    LimparChave(utNxtDocKey);
    return oDAL->MovEntradaProducaoCriar(TipoPreco, utTipif, utTipif.ArmAcabados, sProcesso, sArt, dQuant, dPrUni,
                                         utNxtDocKey, utErro);
  });
}

bool BAL_Next::EP_MovEntradaProdMultiArmCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                              std::string& sProcesso, Texts& sArt, Numbers& dQuant, Numbers& dPrUni,
                                              Texts& sArm, std::shared_ptr<cDocLotes>& oLotes,
                                              KeyDocumNext& utNxtDocKey) {
  return trap("EP_MovEntradaProdMultiArmCriar", [&] {
    LimparErro();
    LimparChave(utNxtDocKey);
    return oDAL->MovEntradaProdMultiArmCriar(TipoPreco, utTipif, utTipif.ArmAcabados, sProcesso, sArt, dQuant, dPrUni,
                                             sArm, oLotes, utNxtDocKey, utErro);
  });
}

}  // namespace qvd
