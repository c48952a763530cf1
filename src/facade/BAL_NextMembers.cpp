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
      "BAL_Next", {
                      property<static_cast<Variant (B::*)() const>(&B::DataAccess),
                               static_cast<void (B::*)(const Variant &)>(&B::DataAccess)>("DataAccess"),
                      putOnly<&B::LigacaoCtb>("LigacaoCtb"),
                      method<&B::ApiInicia>("ApiInicia"),
                      method<&B::ApiTermina>("ApiTermina"),
                      method<&B::LerArtigo>("LerArtigo"),
                      method<&B::GravarArtigo>("GravarArtigo"),
                      method<&B::ArtigoDuplicar>("ArtigoDuplicar"),
                      method<&B::ArtigoCriar>("ArtigoCriar"),
                      method<&B::CriarArtigo>("CriarArtigo"),
                      method<&B::LerCliente>("LerCliente"),
                      method<&B::CriarCliente>("CriarCliente"),
                      method<&B::ClienteCriar>("ClienteCriar"),
                      method<&B::SetNumVias>("SetNumVias"),
                      method<&B::LerFornecedor>("LerFornecedor"),
                      method<&B::CriarFornecedor>("CriarFornecedor"),
                      method<&B::HaStockDoArtigo>("HaStockDoArtigo"),
                      method<&B::RemoverDocumento>("RemoverDocumento"),
                      method<&B::LoadDocumento>("LoadDocumento"),
                      method<&B::LoadArtigo>("LoadArtigo"),
                      method<&B::LoadCliente>("LoadCliente"),
                      method<&B::UltimoErro>("UltimoErro"),
                      method<&B::MF_MovEntradaProducaoCriar>("MF_MovEntradaProducaoCriar"),
                      method<&B::MF_MovEntradaFornecedorCriar>("MF_MovEntradaFornecedorCriar"),
                      method<&B::MF_MovGuiaRemessaCriar>("MF_MovGuiaRemessaCriar"),
                      method<&B::MF_MovSaidaDeConsumoCriar>("MF_MovSaidaDeConsumoCriar"),
                      method<&B::MF_MovSaidaConsMultiArmCriar>("MF_MovSaidaConsMultiArmCriar"),
                      method<&B::MF_MovDevolucaoSaidaDeConsumoCriar>("MF_MovDevolucaoSaidaDeConsumoCriar"),
                      method<&B::MF_ActualizarPrcCustoMedio>("MF_ActualizarPrcCustoMedio"),
                      method<&B::VT_LerPreSelecionadas>("VT_LerPreSelecionadas"),
                      method<&B::VT_Ordens_TrocaSequencia>("VT_Ordens_TrocaSequencia"),
                      method<&B::INEMER_DocValidar>("INEMER_DocValidar"),
                      method<&B::INEMER_DocInserir>("INEMER_DocInserir"),
                      method<&B::INEMER_DocAlterar>("INEMER_DocAlterar"),
                      method<&B::INEMER_DocLer>("INEMER_DocLer"),
                      method<&B::EP_OrcamentoVendaInserir>("EP_OrcamentoVendaInserir"),
                      method<&B::EP_MovSaidaDeConsumoCriar>("EP_MovSaidaDeConsumoCriar"),
                      method<&B::EP_MovDevolucaoSaidaDeConsumoCriar>("EP_MovDevolucaoSaidaDeConsumoCriar"),
                      method<&B::EP_MovEntradaProducaoCriar>("EP_MovEntradaProducaoCriar"),
                      method<&B::EP_MovEntradaProdMultiArmCriar>("EP_MovEntradaProdMultiArmCriar"),
                      method<&B::CF_DocGenInserir>("CF_DocGenInserir"),
                      method<&B::CF_DocNotaCreditoInserir>("CF_DocNotaCreditoInserir"),
                      method<&B::CF_DocGenInserirTipoLinha>("CF_DocGenInserirTipoLinha"),
                      method<&B::CF_DocGenAlterar>("CF_DocGenAlterar"),
                      method<&B::CF_DocGenRemover>("CF_DocGenRemover"),
                      method<&B::NxtDocComercialCriar>("NxtDocComercialCriar"),
                      method<&B::DocGenInserirMultiArm>("DocGenInserirMultiArm"),
                      method<&B::DocGTInserirMultiArm>("DocGTInserirMultiArm"),
                      method<&B::DocNotaCreditoInserirMultiArm>("DocNotaCreditoInserirMultiArm"),
                      method<&B::DocGenClonarComo>("DocGenClonarComo"),
                      method<&B::DocGenCalculaDesconto>("DocGenCalculaDesconto"),
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
                      method<&B::Inserir>("Inserir"),
                      method<&B::MarcarTotalmenteConvertido>("MarcarTotalmenteConvertido"),
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
                      method<&B::CF_DocGenInserirAuto>("CF_DocGenInserirAuto"),
                      method<&B::DocGenInserirMultiArmAuto>("DocGenInserirMultiArmAuto"),
                      method<&B::NxtAlloc_NumSerieLinha>("NxtAlloc_NumSerieLinha"),
                      method<&B::DocNotaCreditoInserirMultiArmAuto>("DocNotaCreditoInserirMultiArmAuto"),
                  });
  return &table;
}

}  // namespace qvd
