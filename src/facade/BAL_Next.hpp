#pragma once
// The facade callers create: every public operation of the library on one ERP session.
//
//   qvd::BAL_Next bal;
//   bal.DataAccess(automation::Variant(dataaccess::SqliteDataAccess::open("shop/DEMO.db")));
//   if (bal.ApiInicia("shop", "shop", "DEMO", "admin", "admin")) { /* CF_DocGenInserir ... */ bal.ApiTermina(); }
//
// Ownership: the facade owns its worker and, after ApiInicia, the ERP session; it holds a counted
// reference to the caller's data-access object, so that object lives at least as long as the facade
// uses it. Objects it hands out (NxtAlloc_..., NxtDocComercialCriar, templates) are counted
// references the caller owns; they may outlive the facade but act in its session only while it is
// open. The ERP server's classes must be registered before ApiInicia.
// Threads: a facade and everything it hands out are used on one thread at a time, the thread that
// called ApiInicia (the ERP acts in the latest login made on a thread). Facades share no state, so
// each thread may run a facade of its own, on the same company or on others, at the same time.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/Export.hpp"
#include "foundation/Records.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Object.hpp"
#include "platform/SafeArray.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

class DAL_Next;
class NxDocComercial;
class cDocLotes;

// The class that callers create: forwards to its own worker, keeps the last ERP error of the
// members that report through it, and adds the business logic of a few members. Members are
// declared in the order of the public interface.
class QVD_API BAL_Next : public automation::Object {
 public:
  BAL_Next();
  ~BAL_Next();
  BAL_Next(const BAL_Next&) = delete;
  BAL_Next& operator=(const BAL_Next&) = delete;

  automation::Variant DataAccess() const;
  void DataAccess(const automation::Variant& vData);
  void LigacaoCtb(bool bLiga);
  [[nodiscard]] bool ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                               const std::string& sLogin, const std::string& sPassword);
  bool ApiTermina();

  [[nodiscard]] bool LerArtigo(const std::string& Scod, automation::ObjectRef& oArtigo);
  [[nodiscard]] bool GravarArtigo(automation::ObjectRef& oArtigo);
  [[nodiscard]] bool ArtigoDuplicar(const std::string& sOldArt, const std::string& sNewArt, const std::string& sNewUni);
  [[nodiscard]] bool ArtigoCriar(automation::ObjectRef& oArtigo);
  [[nodiscard]] bool CriarArtigo(const std::string& sCodBase, const std::string& Scod, std::string& sDescr);
  [[nodiscard]] bool LerCliente(const std::string& Scod, automation::ObjectRef& oCliente);
  [[nodiscard]] bool CriarCliente(const std::string& sCodBase, const std::string& Scod, std::string& sNome,
                                  std::string& sMorada, std::string& sNumCont, std::string& sLocalidade,
                                  std::string& sCodPostal);
  [[nodiscard]] bool ClienteCriar(automation::ObjectRef& oCliente);
  [[nodiscard]] bool SetNumVias(bool bCriar, int32_t lKey, const std::string& sUt, const std::string& sTpDoc,
                                int16_t iAno, int16_t iSerie, int32_t lNumDoc, int16_t iNumVia);
  [[nodiscard]] bool LerFornecedor(const std::string& Scod, automation::ObjectRef& oFornec);
  [[nodiscard]] bool CriarFornecedor(automation::ObjectRef& oFornec);
  [[nodiscard]] bool HaStockDoArtigo(const std::string& sCodArt, const std::string& sArmazem, double dQntNecessaria,
                                     double& dQntExistente);
  [[nodiscard]] bool RemoverDocumento(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey);
  bool LoadDocumento(KeyDocumNext& utNxtDocKey, std::string& sQueryCab, std::string& sQueryLin,
                     automation::db::RecordsetRef& rsCab, automation::db::RecordsetRef& rsLin);
  bool LoadArtigo(std::string& sQueryArt, automation::db::RecordsetRef& rsArt);
  bool LoadCliente(std::string& sQueryCli, automation::db::RecordsetRef& rsCli);

  void UltimoErro(int32_t& lNumErro, std::string& sTextoErro) const;

  // Shorthands for the caller's arrays in the long parameter lists of the document members.
  using Texts = automation::SafeArray<std::string>;
  using Numbers = automation::SafeArray<double>;

  [[nodiscard]] bool MF_MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                std::string& sProcesso, std::string& sComposto, double& dQuantidade,
                                                Texts& sElementos, Numbers& dPercent, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_MovEntradaFornecedorCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                  std::string& sFornecedor, std::string& sProcesso,
                                                  std::string& sVossoNDoc, std::string& sComposto, double& dQuantidade,
                                                  Texts& sElementos, Numbers& dPercent, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_MovGuiaRemessaCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif, std::string& sCliente,
                                            std::string& sProcesso, Texts& sArt, Texts& sSerie, Numbers& dQuant,
                                            KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                               std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                               KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_MovSaidaConsMultiArmCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                  std::string& sProcesso, Texts& sArtigos, Numbers& dQuant, Texts& sArm,
                                                  KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                        std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                                        KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool MF_ActualizarPrcCustoMedio(NextOrigemDocumento Origem, automation::db::RecordsetRef& rsMovOrdem,
                                                automation::Currency& dPrcCstMed);
  bool VT_LerPreSelecionadas(FiltrosOrdensFabricoPreSel utTipo, automation::db::RecordsetRef& rsOrdFab,
                             const std::optional<automation::Date>& DataIn = std::nullopt);
  bool VT_Ordens_TrocaSequencia(int32_t lOrdem_Id_1, int32_t lOrdem_Id_2);
  [[nodiscard]] bool INEMER_DocValidar(NextOrigemDocumento Origem, automation::ObjectRef& oDoc);
  [[nodiscard]] bool INEMER_DocInserir(NextOrigemDocumento Origem, automation::ObjectRef& oDoc);
  [[nodiscard]] bool INEMER_DocAlterar(NextOrigemDocumento Origem, automation::ObjectRef& oDoc);
  [[nodiscard]] bool INEMER_DocLer(KeyDocumNext& utNxtDocKey, automation::ObjectRef& oDoc);
  [[nodiscard]] bool EP_OrcamentoVendaInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                              std::string& sTipoDoc, std::string& sSector, int16_t& iSerie,
                                              std::string& sTerceiro, std::string& sProcesso,
                                              const std::string& sComplem, const std::string& sVossoNumDoc,
                                              const std::string& sObs, std::string& sArm, Texts& sArt, Numbers& dQnt,
                                              Numbers& dPrc, Texts& sDes, Texts& sNome, Numbers& dDesconto,
                                              int32_t& lNumDoc);
  [[nodiscard]] bool EP_MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                               std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                               Numbers& dPrUni, std::shared_ptr<cDocLotes>& oLotes,
                                               KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool EP_MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                        std::string& sProcesso, Texts& sArtigos, Numbers& dQuant,
                                                        std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool EP_MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                std::string& sProcesso, Texts& sArt, Numbers& dQuant, Numbers& dPrUni,
                                                KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool EP_MovEntradaProdMultiArmCriar(TipoPrecoNext TipoPreco, TipificacaoTransf& utTipif,
                                                    std::string& sProcesso, Texts& sArt, Numbers& dQuant,
                                                    Numbers& dPrUni, Texts& sArm, std::shared_ptr<cDocLotes>& oLotes,
                                                    KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool CF_DocGenInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                      const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                      const std::string& sProcesso, const std::string& sVossoNumDoc,
                                      const std::string& sData, const std::string& sObs, const std::string& sArm,
                                      bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                      Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool CF_DocNotaCreditoInserir(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
      const std::string& sProcesso, const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
      const std::string& sArm, bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
      Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool CF_DocGenInserirTipoLinha(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                               const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                               const std::string& sTerceiro, const std::string& sProcesso,
                                               const std::string& sVossoNumDoc, const std::string& sData,
                                               const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                               const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                               Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                               automation::SafeArray<int16_t>& iTipoLinha, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool CF_DocGenAlterar(NextOrigemDocumento Origem, const std::string& sTipoDoc,
                                      const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                      const std::string& sProcesso, const std::string& sVossoNumDoc,
                                      const std::string& sData, const std::string& sObs, const std::string& sArm,
                                      Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                      KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool CF_DocGenRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError);

  // ---- document objects: NxtDocComercialCriar ----
  std::shared_ptr<NxDocComercial> NxtDocComercialCriar();

  // ---- multi-warehouse inserts ----
  [[nodiscard]] bool DocGenInserirMultiArm(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                           const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                           const std::string& sTerceiro, const std::string& sProcesso,
                                           const std::string& sVossoNumDoc, double dDescCabecalho,
                                           const std::string& sData, const std::string& sObs, bool bIvaIncluido,
                                           const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo,
                                           Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm,
                                           Numbers& dDesc, Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes,
                                           KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool DocGTInserirMultiArm(
      NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
      double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
      const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
      Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
      std::shared_ptr<cDocLotes>& oLotes, const std::string& sDataCarga, const std::string& sHorasCarga,
      const std::string& sMoradaDsg, const std::string& sLocalDsg, const std::string& sCepDsg,
      const std::string& sPaisDsg, const std::string& sDataDsg, const std::string& sHorasDsg,
      const std::string& sLocalCarga, const std::string& sATDocCodeID, const std::string& sMatricula,
      KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool DocNotaCreditoInserirMultiArm(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
      const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
      const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
      Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
      Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool DocGenClonarComo(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocOrigKey,
                                      KeyDocumNext& utNxtDocDestKey, const std::string& sData);
  automation::Currency DocGenCalculaDesconto(const std::string& sGrupo, const std::string& sFamilia,
                                             const std::string& sSubFamilia, const std::string& sArtigo,
                                             const std::string& sGrupoClientes, const std::string& sCliente,
                                             const automation::Date& dtData, double dPrcUnit, double dQuantidade,
                                             double dDescCabecalho, std::string& sDescComposto);

  automation::ObjectRef NxtAlloc_ParametrosAplicacao();
  automation::ObjectRef NxtAlloc_Artigos();
  automation::ObjectRef NxtAlloc_Clientes();
  automation::ObjectRef NxtAlloc_Fornecedores();
  automation::ObjectRef NxtAlloc_DocumentoComercial();
  automation::ObjectRef NxtAlloc_DocumentosGcLin();
  automation::ObjectRef NxtAlloc_LotesLinha();
  automation::ObjectRef NxtAlloc_DocumentoContabilistico();
  automation::ObjectRef NxtAlloc_DocumentoFinanceiro();
  automation::ObjectRef NxtAlloc_DocumentosCcLin();
  void TransaccaoIniciar();
  void TransaccaoTerminar();

  void TransaccaoCancelar();
  [[nodiscard]] bool Inserir(NextOrigemDocumento Origem, automation::db::RecordsetRef& rsDocs,
                             automation::db::RecordsetRef& rsLinhas, automation::db::RecordsetRef& rsLotes,
                             KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool MarcarTotalmenteConvertido(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey,
                                                NextError& utNextError);

  automation::db::RecordsetRef TemplateCabecalho();
  automation::db::RecordsetRef TemplateLinhas();
  automation::db::RecordsetRef TemplateLotes();
  bool LigaContabilidade() const;
  void LigaContabilidade(bool vData);
  int32_t ErroNumero() const;
  std::string ErroDescricao() const;
  void UsaDescricao(bool vData);
  void UsaPrecoUnitario(bool vData);
  void UsaDescontoLinha(bool vData);
  void UsaDescontoLinhaComposto(bool vData);
  bool TemLigacaoContabilidade() const;
  std::string RegimeIVANacional() const;
  std::string MoedaNacional() const;
  void UsaLogOstrel(bool vData);

  [[nodiscard]] bool CF_DocGenInserirAuto(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                          const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                          const std::string& sTerceiro, const std::string& sProcesso,
                                          const std::string& sVossoNumDoc, const std::string& sData,
                                          const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                          const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                          Numbers& dPrUnit, Texts& sNotas, const std::string& sManualExternalSerie,
                                          const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey);
  [[nodiscard]] bool DocGenInserirMultiArmAuto(
      NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
      double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
      const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
      Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
      std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
      const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey);

  automation::ObjectRef NxtAlloc_NumSerieLinha();

  [[nodiscard]] bool DocNotaCreditoInserirMultiArmAuto(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      std::string& sTipoDoc, std::string& sSector, int16_t& iSerie, std::string& sTerceiro, std::string& sProcesso,
      const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData, const std::string& sObs,
      bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
      Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
      std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
      const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError);

 private:
  friend class BAL_NextTestAccess;

  // Runs `body`; a run-time error leaves it with its number and description and the source
  // "BAL_Next: " followed by `member`.
  template <class Body>
  static decltype(auto) trap(const char* member, Body&& body) {
    return automation::withSource(std::string("BAL_Next: ") + member, std::forward<Body>(body));
  }

  void LimparErro();
  void LimparChave(KeyDocumNext& utNxtDocKey);

  std::unique_ptr<DAL_Next> oDAL;
  NextError utErro;

  // Late-bound callers reach the members above by name through this table.
 public:
  std::string className() const override { return "BAL_Next"; }

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
