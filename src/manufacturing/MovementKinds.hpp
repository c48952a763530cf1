#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "docbuild/LotLines.hpp"
#include "foundation/Records.hpp"
#include "manufacturing/MovementHeader.hpp"

// What tells the stock movements apart: the order of their header, which document of the
// warehouse role they make, how their lots are attached and what their failure log records.
// Every movement runs the one sequence of DAL_Next::inserirDocumento with these values.
namespace qvd::movement {

using Step = HeaderStep;

// Production entry: the early validation before the date.
inline constexpr HeaderStep kValidarAntesDaData[] = {
    Step::TipoDocumento, Step::Sector,  Step::Serie, Step::Terceiro, Step::Moeda,
    Step::TipoPreco,     Step::Validar, Step::Data,  Step::Datas,    Step::Processo};
// Multi-warehouse production entry and the consumption movements: the validation after the date.
inline constexpr HeaderStep kValidarAposData[] = {Step::TipoDocumento, Step::Sector,    Step::Serie, Step::Terceiro,
                                                  Step::Moeda,         Step::TipoPreco, Step::Data,  Step::Validar,
                                                  Step::Datas,         Step::Processo};
inline constexpr HeaderStep kCabecalhoFornecedor[] = {
    Step::TipoDocumento, Step::Sector,  Step::Serie, Step::Terceiro,         Step::Moeda,   Step::TipoPreco,
    Step::Data,          Step::Validar, Step::Datas, Step::VossoNoDocumento, Step::Processo};
// No early validation.
inline constexpr HeaderStep kCabecalhoGuiaRemessa[] = {Step::TipoDocumento, Step::Sector,   Step::Serie,
                                                       Step::Processo,      Step::Terceiro, Step::Moeda,
                                                       Step::TipoPreco,     Step::Data,     Step::Datas};
// No currency.
inline constexpr HeaderStep kCabecalhoOrcamento[] = {
    Step::TipoDocumento, Step::Sector,  Step::Serie, Step::Processo,    Step::Terceiro,        Step::TipoPreco,
    Step::Data,          Step::Validar, Step::Datas, Step::Observacoes, Step::VossoNoDocumento};

enum class FailureLog { None, Lines, LinesAndLots };

// One of the documents of a warehouse role: its type and series, and the names under which the
// failure log records them.
struct RoleDocument {
  std::string TipificacaoArmazem::*sTipoDoc;
  int16_t TipificacaoArmazem::*iSerie;
  const char* tipoDocName;
  const char* serieName;
};

using Role = TipificacaoArmazem;
inline constexpr RoleDocument kEntProd{&Role::DocEntProd, &Role::SerieEntProd, "uArm.DocEntProd", "uArm.SerieEntProd"};
inline constexpr RoleDocument kSaidaCons{&Role::DocSaidaCons, &Role::SerieSaidaCons, "uArm.DocSaidaCons",
                                         "uArm.SerieSaidaCons"};
inline constexpr RoleDocument kDevolConsumo{&Role::DocDevolConsumo, &Role::SerieDevolConsumo, "", ""};
inline constexpr RoleDocument kGuiaEntFornecedor{&Role::DocGuiaEntFornecedor, &Role::SerieGuiaEntFornecedor, "", ""};
inline constexpr RoleDocument kGuiaRemessa{&Role::DocGuiaRemessa, &Role::SerieGuiaRemessa, "", ""};

// A movement of a warehouse role.
struct RoleMovement {
  const char* operation;  // also the failure log's routine
  RoleDocument document;
  std::span<const HeaderStep> order;
  docbuild::VossoLote vossoLote;
  FailureLog log;
  // After the insert, the issued quantity of every returned lot goes down in the lot table.
  bool releasesLots;
};

using docbuild::VossoLote;
inline constexpr RoleMovement kMovEntradaProducao{"MovEntradaProducaoCriar", kEntProd,          kValidarAntesDaData,
                                                  VossoLote::NotPut,         FailureLog::Lines, false};
inline constexpr RoleMovement kMovEntradaProdMultiArm{
    "MovEntradaProdMultiArmCriar", kEntProd, kValidarAposData, VossoLote::BeforeWarehouse, FailureLog::Lines, false};
inline constexpr RoleMovement kMovSaidaDeConsumo{
    "MovSaidaDeConsumoCriar", kSaidaCons, kValidarAposData, VossoLote::AfterWarehouse, FailureLog::LinesAndLots, false};
inline constexpr RoleMovement kMovSaidaConsMultiArm{
    "MovSaidaConsMultiArmCriar", kSaidaCons, kValidarAposData, VossoLote::NotPut, FailureLog::LinesAndLots, false};
inline constexpr RoleMovement kMovDevolucaoSaidaDeConsumo{
    "MovDevolucaoSaidaDeConsumoCriar", kDevolConsumo, kValidarAposData, VossoLote::NotPut, FailureLog::None, true};
inline constexpr RoleMovement kMovEntradaFornecedor{
    "MovEntradaFornecedorCriar", kGuiaEntFornecedor, kCabecalhoFornecedor, VossoLote::NotPut, FailureLog::None, false};
inline constexpr RoleMovement kMovGuiaRemessa{"MovGuiaRemessaCriar", kGuiaRemessa,     kCabecalhoGuiaRemessa,
                                              VossoLote::NotPut,     FailureLog::None, false};

}  // namespace qvd::movement
