// The facade's members by name, for late-bound callers.
#include "documents/NxDocComercial.hpp"
#include "facade/BAL_Next.hpp"
#include "foundation/RecordVariants.hpp"
#include "foundation/cDocLotes.hpp"
#include "platform/Members.hpp"

namespace qvd {
namespace {

using automation::method;
using automation::property;
using automation::putOnly;
using automation::Variant;
using B = BAL_Next;

}  // namespace

const automation::MemberTable *BAL_Next::memberTable() const {
  static const automation::MemberTable table(
      "BAL_Next",
      {
          property<static_cast<Variant (B::*)() const>(&B::DataAccess),
                   static_cast<void (B::*)(const Variant &)>(&B::DataAccess)>("DataAccess"),
          putOnly<&B::LigacaoCtb>("LigacaoCtb"),
          method<&B::ApiInicia>("ApiInicia(sPercWin, sFlLog, sEmp, sLogin, sPassword)"),
          method<&B::ApiTermina>("ApiTermina"),
          method<&B::LerArtigo>("LerArtigo(Scod, oArtigo)"),
          method<&B::GravarArtigo>("GravarArtigo(oArtigo)"),
          method<&B::ArtigoDuplicar>("ArtigoDuplicar(sOldArt, sNewArt, sNewUni)"),
          method<&B::ArtigoCriar>("ArtigoCriar(oArtigo)"),
          method<&B::CriarArtigo>("CriarArtigo(sCodBase, Scod, sDescr)"),
          method<&B::LerCliente>("LerCliente(Scod, oCliente)"),
          method<&B::CriarCliente>("CriarCliente(sCodBase, Scod, sNome, sMorada, sNumCont, sLocalidade, sCodPostal)"),
          method<&B::ClienteCriar>("ClienteCriar(oCliente)"),
          method<&B::SetNumVias>("SetNumVias(bCriar, lKey, sUt, sTpDoc, iAno, iSerie, lNumDoc, iNumVia)"),
          method<&B::LerFornecedor>("LerFornecedor(Scod, oFornec)"),
          method<&B::CriarFornecedor>("CriarFornecedor(oFornec)"),
          method<&B::HaStockDoArtigo>("HaStockDoArtigo(sCodArt, sArmazem, dQntNecessaria, dQntExistente)"),
          method<&B::RemoverDocumento>("RemoverDocumento(Origem, utNxtDocKey)"),
          method<&B::LoadDocumento>("LoadDocumento(utNxtDocKey, sQueryCab, sQueryLin, rsCab, rsLin)"),
          method<&B::LoadArtigo>("LoadArtigo(sQueryArt, rsArt)"),
          method<&B::LoadCliente>("LoadCliente(sQueryCli, rsCli)"),
          method<&B::UltimoErro>("UltimoErro(lNumErro, sTextoErro)"),
          method<&B::MF_MovEntradaProducaoCriar>("MF_MovEntradaProducaoCriar(TipoPreco, utTipif, sProcesso, "
                                                 "sComposto, dQuantidade, sElementos, dPercent, utNxtDocKey)"),
          method<&B::MF_MovEntradaFornecedorCriar>("MF_MovEntradaFornecedorCriar(TipoPreco, utTipif, sFornecedor, "
                                                   "sProcesso, sVossoNDoc, sComposto, dQuantidade, sElementos, "
                                                   "dPercent, utNxtDocKey)"),
          method<&B::MF_MovGuiaRemessaCriar>("MF_MovGuiaRemessaCriar(TipoPreco, utTipif, sCliente, sProcesso, sArt, "
                                             "sSerie, dQuant, utNxtDocKey)"),
          method<&B::MF_MovSaidaDeConsumoCriar>("MF_MovSaidaDeConsumoCriar(TipoPreco, utTipif, sProcesso, sArtigos, "
                                                "dQuant, utNxtDocKey)"),
          method<&B::MF_MovSaidaConsMultiArmCriar>("MF_MovSaidaConsMultiArmCriar(TipoPreco, utTipif, sProcesso, "
                                                   "sArtigos, dQuant, sArm, utNxtDocKey)"),
          method<&B::MF_MovDevolucaoSaidaDeConsumoCriar>("MF_MovDevolucaoSaidaDeConsumoCriar(TipoPreco, utTipif, "
                                                         "sProcesso, sArtigos, dQuant, utNxtDocKey)"),
          method<&B::MF_ActualizarPrcCustoMedio>("MF_ActualizarPrcCustoMedio(Origem, rsMovOrdem, dPrcCstMed)"),
          method<&B::VT_LerPreSelecionadas>("VT_LerPreSelecionadas(utTipo, rsOrdFab, DataIn)"),
          method<&B::VT_Ordens_TrocaSequencia>("VT_Ordens_TrocaSequencia(lOrdem_Id_1, lOrdem_Id_2)"),
          method<&B::INEMER_DocValidar>("INEMER_DocValidar(Origem, oDoc)"),
          method<&B::INEMER_DocInserir>("INEMER_DocInserir(Origem, oDoc)"),
          method<&B::INEMER_DocAlterar>("INEMER_DocAlterar(Origem, oDoc)"),
          method<&B::INEMER_DocLer>("INEMER_DocLer(utNxtDocKey, oDoc)"),
          method<&B::EP_OrcamentoVendaInserir>("EP_OrcamentoVendaInserir(Origem, TipoPreco, sTipoDoc, sSector, "
                                               "iSerie, sTerceiro, sProcesso, sComplem, sVossoNumDoc, sObs, sArm, "
                                               "sArt, dQnt, dPrc, sDes, sNome, dDesconto, lNumDoc)"),
          method<&B::EP_MovSaidaDeConsumoCriar>("EP_MovSaidaDeConsumoCriar(TipoPreco, utTipif, sProcesso, sArtigos, "
                                                "dQuant, dPrUni, oLotes, utNxtDocKey)"),
          method<&B::EP_MovDevolucaoSaidaDeConsumoCriar>("EP_MovDevolucaoSaidaDeConsumoCriar(TipoPreco, utTipif, "
                                                         "sProcesso, sArtigos, dQuant, oLotes, utNxtDocKey)"),
          method<&B::EP_MovEntradaProducaoCriar>("EP_MovEntradaProducaoCriar(TipoPreco, utTipif, sProcesso, sArt, "
                                                 "dQuant, dPrUni, utNxtDocKey)"),
          method<&B::EP_MovEntradaProdMultiArmCriar>("EP_MovEntradaProdMultiArmCriar(TipoPreco, utTipif, sProcesso, "
                                                     "sArt, dQuant, dPrUni, sArm, oLotes, utNxtDocKey)"),
          method<&B::CF_DocGenInserir>("CF_DocGenInserir(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, "
                                       "sProcesso, sVossoNumDoc, sData, sObs, sArm, bIvaIncluido, sVendedor, "
                                       "sArtigo, sNome, dQuant, dPrUnit, sNotas, utNxtDocKey)"),
          method<&B::CF_DocNotaCreditoInserir>("CF_DocNotaCreditoInserir(Origem, sReference, sReason, TipoPreco, "
                                               "sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, "
                                               "sData, sObs, sArm, bIvaIncluido, sVendedor, sArtigo, sNome, dQuant, "
                                               "dPrUnit, sNotas, utNxtDocKey)"),
          method<&B::CF_DocGenInserirTipoLinha>("CF_DocGenInserirTipoLinha(Origem, TipoPreco, sTipoDoc, sSector, "
                                                "iSerie, sTerceiro, sProcesso, sVossoNumDoc, sData, sObs, sArm, "
                                                "bIvaIncluido, sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas, "
                                                "iTipoLinha, utNxtDocKey)"),
          method<&B::CF_DocGenAlterar>("CF_DocGenAlterar(Origem, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, "
                                       "sVossoNumDoc, sData, sObs, sArm, sArtigo, sNome, dQuant, dPrUnit, sNotas, "
                                       "utNxtDocKey)"),
          method<&B::CF_DocGenRemover>("CF_DocGenRemover(Origem, utNxtDocKey, utNextError)"),
          method<&B::NxtDocComercialCriar>("NxtDocComercialCriar"),
          method<&B::DocGenInserirMultiArm>("DocGenInserirMultiArm(Origem, TipoPreco, sTipoDoc, sSector, iSerie, "
                                            "sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho, sData, sObs, "
                                            "bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, dQuant, dPrUnit, "
                                            "sNotas, sArm, dDesc, sDescComp, oLotes, utNxtDocKey)"),
          method<&B::DocGTInserirMultiArm>("DocGTInserirMultiArm(Origem, TipoPreco, sTipoDoc, sSector, iSerie, "
                                           "sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho, sData, sObs, "
                                           "bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, dQuant, dPrUnit, "
                                           "sNotas, sArm, dDesc, sDescComp, oLotes, sDataCarga, sHorasCarga, "
                                           "sMoradaDsg, sLocalDsg, sCepDsg, sPaisDsg, sDataDsg, sHorasDsg, "
                                           "sLocalCarga, sATDocCodeID, sMatricula, utNxtDocKey)"),
          method<&B::DocNotaCreditoInserirMultiArm>("DocNotaCreditoInserirMultiArm(Origem, sReference, sReason, "
                                                    "TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, "
                                                    "sVossoNumDoc, dDescCabecalho, sData, sObs, bIvaIncluido, "
                                                    "sRegimeIva, sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas, "
                                                    "sArm, dDesc, sDescComp, oLotes, utNxtDocKey)"),
          method<&B::DocGenClonarComo>("DocGenClonarComo(Origem, utNxtDocOrigKey, utNxtDocDestKey, sData)"),
          method<&B::DocGenCalculaDesconto>("DocGenCalculaDesconto(sGrupo, sFamilia, sSubFamilia, sArtigo, "
                                            "sGrupoClientes, sCliente, dtData, dPrcUnit, dQuantidade, "
                                            "dDescCabecalho, sDescComposto)"),
          method<&B::NxtAlloc_ParametrosAplicacao>("NxtAlloc_ParametrosAplicacao"),
          method<&B::NxtAlloc_Artigos>("NxtAlloc_Artigos"),
          method<&B::NxtAlloc_Clientes>("NxtAlloc_Clientes"),
          method<&B::NxtAlloc_Fornecedores>("NxtAlloc_Fornecedores"),
          method<&B::NxtAlloc_DocumentoComercial>("NxtAlloc_DocumentoComercial"),
          method<&B::NxtAlloc_DocumentosGcLin>("NxtAlloc_DocumentosGcLin"),
          method<&B::NxtAlloc_LotesLinha>("NxtAlloc_LotesLinha"),
          method<&B::NxtAlloc_DocumentoContabilistico>("NxtAlloc_DocumentoContabilistico"),
          method<&B::NxtAlloc_DocumentoFinanceiro>("NxtAlloc_DocumentoFinanceiro"),
          method<&B::NxtAlloc_DocumentosCcLin>("NxtAlloc_DocumentosCcLin"),
          method<&B::TransaccaoIniciar>("TransaccaoIniciar"),
          method<&B::TransaccaoTerminar>("TransaccaoTerminar"),
          method<&B::TransaccaoCancelar>("TransaccaoCancelar"),
          method<&B::Inserir>("Inserir(Origem, rsDocs, rsLinhas, rsLotes, utNxtDocKey, utNextError)"),
          method<&B::MarcarTotalmenteConvertido>("MarcarTotalmenteConvertido(Origem, utNxtDocKey, utNextError)"),
          property<&B::TemplateCabecalho>("TemplateCabecalho"),
          property<&B::TemplateLinhas>("TemplateLinhas"),
          property<&B::TemplateLotes>("TemplateLotes"),
          property<static_cast<bool (B::*)() const>(&B::LigaContabilidade),
                   static_cast<void (B::*)(bool)>(&B::LigaContabilidade)>("LigaContabilidade"),
          property<&B::ErroNumero>("ErroNumero"),
          property<&B::ErroDescricao>("ErroDescricao"),
          putOnly<&B::UsaDescricao>("UsaDescricao"),
          putOnly<&B::UsaPrecoUnitario>("UsaPrecoUnitario"),
          putOnly<&B::UsaDescontoLinha>("UsaDescontoLinha"),
          putOnly<&B::UsaDescontoLinhaComposto>("UsaDescontoLinhaComposto"),
          property<&B::TemLigacaoContabilidade>("TemLigacaoContabilidade"),
          property<&B::RegimeIVANacional>("RegimeIVANacional"),
          property<&B::MoedaNacional>("MoedaNacional"),
          putOnly<&B::UsaLogOstrel>("UsaLogOstrel"),
          method<&B::CF_DocGenInserirAuto>("CF_DocGenInserirAuto(Origem, TipoPreco, sTipoDoc, sSector, iSerie, "
                                           "sTerceiro, sProcesso, sVossoNumDoc, sData, sObs, sArm, bIvaIncluido, "
                                           "sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas, "
                                           "sManualExternalSerie, sManualExternalInvoiceNo, utNxtDocKey)"),
          method<&B::DocGenInserirMultiArmAuto>("DocGenInserirMultiArmAuto(Origem, TipoPreco, sTipoDoc, sSector, "
                                                "iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho, sData, "
                                                "sObs, bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, dQuant, "
                                                "dPrUnit, sNotas, sArm, dDesc, sDescComp, oLotes, "
                                                "sManualExternalSerie, sManualExternalInvoiceNo, utNxtDocKey)"),
          method<&B::NxtAlloc_NumSerieLinha>("NxtAlloc_NumSerieLinha"),
          method<&B::DocNotaCreditoInserirMultiArmAuto>("DocNotaCreditoInserirMultiArmAuto(Origem, sReference, "
                                                        "sReason, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, "
                                                        "sProcesso, sVossoNumDoc, dDescCabecalho, sData, sObs, "
                                                        "bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, "
                                                        "dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp, oLotes, "
                                                        "sManualExternalSerie, sManualExternalInvoiceNo, "
                                                        "utNxtDocKey, utNextError)"),
      });
  return &table;
}

}  // namespace qvd
