#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "foundation/DataAccessContract.hpp"
#include "foundation/Records.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Object.hpp"
#include "platform/SafeArray.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

class coDoclPendentes;
class DAL_NextTestAccess;

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
  bool ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                 const std::string& sLogin, const std::string& sPassword);
  bool ApiTermina();
  void DataAccess(const automation::Variant& vData);
  automation::Variant DataAccess() const;

  // ---- articles, clients, suppliers and queries (masterdata/) ----
  // ArtigoCriar, ArtigoGravar, ArtigoLer, ClienteLer, ClienteCriar, FornecedorCriar,
  // FornecedorLer; GetArtigoArmazem; DocComercialCarregar, ArtigoCarregar, ClienteCarregar;
  // GetPreSelecionadas, Ordens_TrocaSequencia.

  // ---- manufacturing movements (manufacturing/) ----
  // MovEntradaProducaoCriar, MovEntradaProdMultiArmCriar, MovEntradaFornecedorCriar,
  // MovSaidaDeConsumoCriar, MovSaidaConsMultiArmCriar, MovGuiaRemessaCriar,
  // MovOrcamentoVendaInserir, MovDevolucaoSaidaDeConsumoCriar.

  // ---- maintenance and document pass-throughs (documents/) ----
  // DocNextRemover, DocComercialLer, DocComercialValidar, DocComercialInserir,
  // DocComercialAlterar, SetNumVias, DocGenClonarComo, DocGenRemover, TransaccaoCancelar,
  // SetTotalmenteConvertido.

  // ---- price update (documents/) ----
  // DocNextAlteraPrcUnit.

  // ---- array-driven document inserts (documents/) ----
  // DocGenInserir, DocGenInserirAuto, DocNotaCreditoInserir, DocGenInserirTipoLinha.

  // ---- alteration (documents/) ----
  // DocGenAlterar.

  // ---- multi-warehouse document inserts (documents/) ----
  // DocGenInserirMultiArm, DocGenInserirMultiArmAuto, DocGTInserirMultiArm,
  // DocNotaCreditoInserirMultiArm, DocNotaCreditoInserirMultiArmAuto.

  // ---- transactions (core/) ----
  void TransaccaoIniciar();
  void TransaccaoTerminar();

  // ---- recordset insert (documents/) ----
  // Inserir.

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

  // Validates and then inserts (0), alters (1), removes (2), does nothing (3) or only
  // validates (4) a filled ERP document; returns the ERP result code.
  int32_t DocComercialFinalizar(NextOrigemDocumento Origem, int32_t& lOperacao, automation::ObjectRef& oDoc,
                                int32_t lLastResult, KeyDocumNext& utNxtDocKey, NextError& utNextError);
  // Generates the accounting document of an inserted commercial document; 0 or the refusal.
  int32_t gerarDocumentoContabilistico(automation::ObjectRef& oDoc, NextError& utNextError);
  void RegistarDocPendente(KeyDocumNext& utNxtDocKey);
  void TemplateTabela(const std::string& sTabela, automation::db::RecordsetRef& rsOut);

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
