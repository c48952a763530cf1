#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "foundation/Records.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Object.hpp"
#include "platform/SafeArray.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

class DAL_Next;

// The class that callers create: forwards to its own worker, keeps the last ERP error of the
// members that report through it, and adds the business logic of a few members. Members are
// declared in the order of the public interface.
class BAL_Next {
 public:
  BAL_Next();
  ~BAL_Next();
  BAL_Next(const BAL_Next&) = delete;
  BAL_Next& operator=(const BAL_Next&) = delete;

  automation::Variant DataAccess() const;
  void DataAccess(const automation::Variant& vData);
  void LigacaoCtb(bool bLiga);
  bool ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                 const std::string& sLogin, const std::string& sPassword);
  bool ApiTermina();

  // ---- master data: LerArtigo, GravarArtigo, ArtigoDuplicar, ArtigoCriar, CriarArtigo,
  // LerCliente, CriarCliente, ClienteCriar, SetNumVias, LerFornecedor, CriarFornecedor,
  // HaStockDoArtigo, RemoverDocumento, LoadDocumento, LoadArtigo, LoadCliente ----

  void UltimoErro(int32_t& lNumErro, std::string& sTextoErro) const;

  // ---- movements and documents: MF_MovEntradaProducaoCriar, MF_MovEntradaFornecedorCriar,
  // MF_MovGuiaRemessaCriar, MF_MovSaidaDeConsumoCriar, MF_MovSaidaConsMultiArmCriar,
  // MF_MovDevolucaoSaidaDeConsumoCriar, MF_ActualizarPrcCustoMedio, VT_LerPreSelecionadas,
  // VT_Ordens_TrocaSequencia, INEMER_DocValidar, INEMER_DocInserir, INEMER_DocAlterar,
  // INEMER_DocLer, EP_OrcamentoVendaInserir, EP_MovSaidaDeConsumoCriar,
  // EP_MovDevolucaoSaidaDeConsumoCriar, EP_MovEntradaProducaoCriar,
  // EP_MovEntradaProdMultiArmCriar, CF_DocGenInserir, CF_DocNotaCreditoInserir,
  // CF_DocGenInserirTipoLinha, CF_DocGenAlterar, CF_DocGenRemover ----

  // ---- document objects: NxtDocComercialCriar ----

  // ---- multi-warehouse, clone and discount: DocGenInserirMultiArm, DocGTInserirMultiArm,
  // DocNotaCreditoInserirMultiArm, DocGenClonarComo, DocGenCalculaDesconto ----

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

  // ---- TransaccaoCancelar; Inserir, MarcarTotalmenteConvertido ----

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

  // ---- CF_DocGenInserirAuto, DocGenInserirMultiArmAuto ----

  automation::ObjectRef NxtAlloc_NumSerieLinha();

  // ---- DocNotaCreditoInserirMultiArmAuto ----

 private:
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
};

}  // namespace qvd
