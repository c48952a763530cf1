#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/Operacao.hpp"
#include "platform/DataAccessContract.hpp"
#include "foundation/Records.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Object.hpp"
#include "platform/SafeArray.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

class cDocLotes;
class coDoclPendentes;
class DAL_NextTestAccess;
struct DocumentRecipe;

// The private worker behind one facade: holds the ERP session, the caller's data-access object,
// the switches that shape the next document operation and the open transaction's document list.
// Its operations are grouped by subject; each group's member functions are defined in the
// folder of that subject.
class DAL_Next {
 public:
  DAL_Next();
  ~DAL_Next();
  DAL_Next(const DAL_Next&) = delete;
  DAL_Next& operator=(const DAL_Next&) = delete;

  // ---- settings (core/) ----
  void UsaLogOstrel(bool vData);
  void UsaDescricao(bool vData);
  bool UsaDescricao() const;
  void UsaPrecoUnitario(bool vData);
  bool UsaPrecoUnitario() const;
  void UsaDescontoLinha(bool vData);
  bool UsaDescontoLinha() const;
  void UsaDescontoLinhaComposto(bool vData);
  bool UsaDescontoLinhaComposto() const;
  bool TemLigacaoContabilidade() const;
  std::string RegimeIVANacional() const;
  std::string MoedaNacional() const;
  void LigacaoCtb(bool bLiga);
  void LogActivo(bool vData);
  bool LogActivo() const;

  // ---- session and data access (core/) ----
  [[nodiscard]] bool ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                               const std::string& sLogin, const std::string& sPassword);
  bool ApiTermina();
  void DataAccess(const automation::Variant& vData);
  automation::Variant DataAccess() const;

  // ---- articles, clients, suppliers and queries (masterdata/) ----
  [[nodiscard]] bool ArtigoCriar(automation::ObjectRef& oArtigo);
  [[nodiscard]] bool ArtigoGravar(automation::ObjectRef& oArtigo);
  [[nodiscard]] bool ArtigoLer(const std::string& sCodArt, automation::ObjectRef& oArtigo);
  [[nodiscard]] bool ClienteLer(const std::string& Scod, automation::ObjectRef& oCliente, NextError& utNextError);
  [[nodiscard]] bool ClienteCriar(automation::ObjectRef& oCliente, NextError& utNextError);
  [[nodiscard]] bool FornecedorCriar(automation::ObjectRef& oFornec, NextError& utNextError);
  [[nodiscard]] bool FornecedorLer(const std::string& Scod, automation::ObjectRef& oFornec);
  bool GetArtigoArmazem(const std::string& sArtigo, const std::string& sArmazem,
                        automation::db::RecordsetRef& rsArtArm);
  bool DocComercialCarregar(KeyDocumNext& utNxtDocKey, const std::string& sQueryCab, const std::string& sQueryLin,
                            automation::db::RecordsetRef& rsCab, automation::db::RecordsetRef& rsLin,
                            NextError& utNextError);
  bool ArtigoCarregar(const std::string& sQueryArt, automation::db::RecordsetRef& rsArt, NextError& utNextError);
  bool ClienteCarregar(const std::string& sQueryCli, automation::db::RecordsetRef& rsCli, NextError& utNextError);
  bool GetPreSelecionadas(FiltrosOrdensFabricoPreSel utTipo, automation::db::RecordsetRef& rsOrdFab,
                          const std::optional<automation::Date>& DataIn = std::nullopt);
  bool Ordens_TrocaSequencia(int32_t lOrdem1, int32_t lOrdem2);

  // ---- manufacturing movements (manufacturing/) ----
  [[nodiscard]] bool MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                             const TipificacaoArmazem& uArm, const std::string& sProcesso,
                                             automation::SafeArray<std::string>& sArt,
                                             automation::SafeArray<double>& dQuant,
                                             automation::SafeArray<double>& dPrUni, KeyDocumNext& utNxtDocKey,
                                             NextError& utNextError);
  [[nodiscard]] bool MovEntradaProdMultiArmCriar(
      TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif, const TipificacaoArmazem& uArm,
      const std::string& sProcesso, automation::SafeArray<std::string>& sArt, automation::SafeArray<double>& dQuant,
      automation::SafeArray<double>& dPrUni, automation::SafeArray<std::string>& sArm,
      const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool MovEntradaFornecedorCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                               const TipificacaoArmazem& uArm, const std::string& sFornecedor,
                                               const std::string& sProcesso, const std::string& sVossoNDoc,
                                               automation::SafeArray<std::string>& sArt,
                                               automation::SafeArray<double>& dQuant,
                                               automation::SafeArray<double>& dPrUni, KeyDocumNext& utNxtDocKey,
                                               NextError& utNextError);
  [[nodiscard]] bool MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                            const TipificacaoArmazem& uArm, const std::string& sProcesso,
                                            automation::SafeArray<std::string>& sArtigos,
                                            automation::SafeArray<double>& dQuant,
                                            automation::SafeArray<double>& dPrUni,
                                            const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey,
                                            NextError& utNextError);
  [[nodiscard]] bool MovSaidaConsMultiArmCriar(
      TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif, const TipificacaoArmazem& uArm,
      const std::string& sProcesso, automation::SafeArray<std::string>& sArtigos, automation::SafeArray<double>& dQuant,
      automation::SafeArray<double>& dPrUni, automation::SafeArray<std::string>& sArm,
      const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool MovGuiaRemessaCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                         const TipificacaoArmazem& uArm, const std::string& sCliente,
                                         const std::string& sProcesso, automation::SafeArray<std::string>& sArt,
                                         automation::SafeArray<std::string>& sSerie,
                                         automation::SafeArray<double>& dQuant, automation::SafeArray<double>& dPrUni,
                                         KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool MovOrcamentoVendaInserir(
      NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sComplem,
      const std::string& sVossoNumDoc, const std::string& sObs, const std::string& sArm,
      automation::SafeArray<std::string>& sArt, automation::SafeArray<double>& dQnt,
      automation::SafeArray<double>& dPrc, automation::SafeArray<std::string>& sDes,
      automation::SafeArray<std::string>& sNome, automation::SafeArray<double>& dDesconto, KeyDocumNext& utNxtDocKey,
      NextError& utNextError);
  [[nodiscard]] bool MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                                     const TipificacaoArmazem& uArm, const std::string& sProcesso,
                                                     automation::SafeArray<std::string>& sArtigos,
                                                     automation::SafeArray<double>& dQuant,
                                                     automation::SafeArray<double>& dPrUni,
                                                     const std::shared_ptr<cDocLotes>& oLotes,
                                                     KeyDocumNext& utNxtDocKey, NextError& utNextError);

 public:
  // ---- maintenance and document pass-throughs (documents/) ----
  [[nodiscard]] bool DocNextRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocComercialLer(KeyDocumNext& utNxtDocKey, automation::ObjectRef& oDoc, int32_t lLastResult,
                                     NextError& utNextError);
  [[nodiscard]] int32_t DocComercialValidar(NextOrigemDocumento Origem, automation::ObjectRef& oDoc,
                                            int32_t lLastResult, NextError& utNextError);
  [[nodiscard]] int32_t DocComercialInserir(NextOrigemDocumento Origem, automation::ObjectRef& oDoc,
                                            int32_t lLastResult, NextError& utNextError);
  [[nodiscard]] int32_t DocComercialAlterar(NextOrigemDocumento Origem, automation::ObjectRef& oDoc,
                                            int32_t lLastResult, NextError& utNextError);
  [[nodiscard]] bool SetNumVias(bool bCriar, int32_t lKey, const std::string& sUt, const std::string& sTpDoc,
                                int16_t iAno, int16_t iSerie, int32_t lNumDoc, int16_t iNumVia);
  [[nodiscard]] bool DocGenClonarComo(NextOrigemDocumento Origem, KeyDocumNext& utNxtOrigDocKey,
                                      KeyDocumNext& utNxtDestDocKey, const std::string& sData, NextError& utNextError);
  [[nodiscard]] bool DocGenRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  void TransaccaoCancelar();
  [[nodiscard]] bool SetTotalmenteConvertido(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey,
                                             NextError& utNextError);

 private:
  // Saves a document whose VAT regime is empty with the national one before it is removed or
  // altered; `resultado` gets that save's result code and is left alone otherwise.
  void DocComercialAcertaRegimeIva(NextOrigemDocumento& Origem, automation::ObjectRef& oDoc, int32_t& resultado,
                                   NextError& utNextError);
  void registarFalhaRemocao(const KeyDocumNext& utNxtDocKey, const NextError& utNextError) const;

 public:
  // ---- price update (documents/) ----
  [[nodiscard]] bool DocNextAlteraPrcUnit(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey,
                                          const std::string& sArtigo, automation::Currency dPrcCstMed,
                                          NextError& utNextError);

  // ---- array-driven document inserts (documents/) ----
  // Shorthands for the caller's arrays in the long parameter lists of the document inserts.
  using Texts = automation::SafeArray<std::string>;
  using Numbers = automation::SafeArray<double>;
  [[nodiscard]] bool DocGenInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                   const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                   const std::string& sProcesso, const std::string& sVossoNumDoc,
                                   const std::string& sData, const std::string& sObs, const std::string& sArm,
                                   bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                   Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey,
                                   NextError& utNextError);
  [[nodiscard]] bool DocGenInserirAuto(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                       const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                       const std::string& sProcesso, const std::string& sVossoNumDoc,
                                       const std::string& sData, const std::string& sObs, const std::string& sArm,
                                       bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                       Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                       const std::string& sManualExternalSerie,
                                       const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey,
                                       NextError& utNextError);
  [[nodiscard]] bool DocNotaCreditoInserir(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
      const std::string& sProcesso, const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
      const std::string& sArm, bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
      Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocGenInserirTipoLinha(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                            const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                            const std::string& sTerceiro, const std::string& sProcesso,
                                            const std::string& sVossoNumDoc, const std::string& sData,
                                            const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                            const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                            Numbers& dPrUnit, Texts& sNotas, automation::SafeArray<int16_t>& iTipoLinha,
                                            KeyDocumNext& utNxtDocKey, NextError& utNextError);

 private:
  // Builds, finalizes and, on failure, logs one document as `recipe` describes; a run-time error
  // leaves with the source "DAL_Next: " followed by `operation` (docbuild/).
  [[nodiscard]] bool inserirDocumento(const char* operation, NextOrigemDocumento Origem, const DocumentRecipe& recipe,
                                      KeyDocumNext& utNxtDocKey, NextError& utNextError);

 public:
  // ---- alteration (documents/) ----
  [[nodiscard]] bool DocGenAlterar(NextOrigemDocumento Origem, const std::string& sTipoDoc, const std::string& sSector,
                                   int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                                   const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
                                   const std::string& sArm, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                   Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey, NextError& utNextError);

  // ---- multi-warehouse document inserts (documents/) ----
  [[nodiscard]] bool DocGenInserirMultiArm(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                           const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                           const std::string& sTerceiro, const std::string& sProcesso,
                                           const std::string& sVossoNumDoc, double dDescCabecalho,
                                           const std::string& sData, const std::string& sObs, bool bIvaIncluido,
                                           const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo,
                                           Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm,
                                           Numbers& dDesc, Texts& sDescComp, const std::shared_ptr<cDocLotes>& oLotes,
                                           KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocGenInserirMultiArmAuto(
      NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
      double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
      const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
      Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
      const std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
      const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocGTInserirMultiArm(
      NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
      double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
      const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
      Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
      const std::shared_ptr<cDocLotes>& oLotes, const std::string& sDataCarga, const std::string& sHorasCarga,
      const std::string& sMoradaDsg, const std::string& sLocalDsg, const std::string& sCepDsg,
      const std::string& sPaisDsg, const std::string& sDataDsg, const std::string& sHorasDsg,
      const std::string& sLocalCarga, const std::string& sATDocCodeID, const std::string& sMatricula,
      KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocNotaCreditoInserirMultiArm(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
      const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
      const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
      Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
      Texts& sDescComp, const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  [[nodiscard]] bool DocNotaCreditoInserirMultiArmAuto(
      NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
      const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
      const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
      const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
      Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
      Texts& sDescComp, const std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
      const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError);

  // ---- transactions (core/) ----
  void TransaccaoIniciar();
  void TransaccaoTerminar();

  // ---- recordset insert (documents/) ----
  [[nodiscard]] bool Inserir(NextOrigemDocumento Origem, automation::db::RecordsetRef& rsDocs,
                             automation::db::RecordsetRef& rsLinhas, automation::db::RecordsetRef& rsLotes,
                             KeyDocumNext& utNxtDocKey, NextError& utNextError);

  // ---- templates and the accounting request (core/) ----
  automation::db::RecordsetRef TemplateCabecalho();
  automation::db::RecordsetRef TemplateLinhas();
  automation::db::RecordsetRef TemplateLotes();
  bool LigaContabilidade() const;
  void LigaContabilidade(bool vData);

 private:
  friend class DAL_NextTestAccess;

  // Runs `body`; a run-time error leaves it with its number and description and the source
  // "DAL_Next: " followed by `operation`.
  template <class Body>
  static decltype(auto) trap(const char* operation, Body&& body) {
    return automation::withSource(std::string("DAL_Next: ") + operation, std::forward<Body>(body));
  }

  // The caller's data-access object; 91 when none was set.
  IDataAccess& dataAccess() const;

  // The array-driven inserts clear the four line switches after their line loop.
  void limparOpcoesLinha();

  // Writes the document's origin, then validates and inserts, alters or removes it, or only
  // validates it, one small step per operation code; returns the ERP result code, and on a
  // refusal the document's error is in utNextError.
  [[nodiscard]] int32_t DocComercialFinalizar(NextOrigemDocumento Origem, Operacao lOperacao,
                                              automation::ObjectRef& oDoc, int32_t lLastResult,
                                              KeyDocumNext& utNxtDocKey, NextError& utNextError);
  // Writes the document's origin and, when lLastResult is a refusal, copies the document's error
  // into utNextError; returns lLastResult. What finalization does with the "nothing" code.
  [[nodiscard]] int32_t DocComercialErroCopiar(NextOrigemDocumento Origem, automation::ObjectRef& oDoc,
                                               int32_t lLastResult, NextError& utNextError);
  static void escreverOrigem(NextOrigemDocumento Origem, automation::ObjectRef& oDoc);
  // r, after copying the ERP object's error into utNextError when r is a refusal.
  static int32_t erroDoDocumento(const automation::ObjectRef& oDoc, int32_t r, NextError& utNextError);
  [[nodiscard]] int32_t finalizarInsercao(automation::ObjectRef& oDoc, KeyDocumNext& utNxtDocKey,
                                          NextError& utNextError);
  // Generates the accounting document of an inserted commercial document; 0 or the refusal.
  [[nodiscard]] int32_t gerarDocumentoContabilistico(automation::ObjectRef& oDoc, NextError& utNextError);
  void RegistarDocPendente(KeyDocumNext& utNxtDocKey);
  void TemplateTabela(const std::string& sTabela, automation::db::RecordsetRef& rsOut);
  // Opens the query a template of `sTabela` is made from; raises the provider error when it does not open.
  void abrirModelo(const std::string& sTabela, const std::string& sSql, automation::db::RecordsetRef& rsOut);

  // The switches; each holds for the next document operation only, except the two log flags.
  struct Switches {
    bool LogActivo = false;
    bool LigaContabilidade = false;
    bool UsaDescricao = false;
    bool UsaPrecoUnitario = false;
    bool UsaDescontoLinha = false;
    bool UsaDescontoLinhaComposto = false;
    bool UsaLogOstrel = false;
  };

  automation::ObjectRef oBaseNext;
  automation::ObjectRef oParametros;
  std::shared_ptr<IDataAccess> oDataAccess;
  std::shared_ptr<coDoclPendentes> oDocPendentes;
  Switches opcoes;
  std::string sPastaLog;
};

}  // namespace qvd
