#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Records.hpp"
#include "foundation/cDocLotes.hpp"
#include "platform/SafeArray.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {

using Texts = automation::SafeArray<std::string>;
using Numbers = automation::SafeArray<double>;

// Arrays as callers pass them, from index 1.
inline Texts texts(std::initializer_list<std::string> items) { return Texts(1, items); }
inline Numbers numbers(std::initializer_list<double> items) { return Numbers(1, items); }

// The arguments of a two-line sale to client C001 of the demo company, shared by every document
// member; each test changes what it is about.
struct DocumentArgs {
  qvd::TipoPrecoNext TipoPreco = qvd::tpDefault;
  std::string sTipoDoc = "FA", sSector = "S1", sTerceiro = "C001", sProcesso = "PR-7", sVossoNumDoc = "VN-12",
              sData = "15-03-2024", sObs = "Entrega urgente", sArmazem = "A1", sVendedor = "V1", sRegimeIva;
  int16_t iSerie = 1;
  bool bIvaIncluido = false;
  double dDescCabecalho = 0;
  Texts sArtigo = texts({"A001", "P001"});
  Texts sNome = texts({"Parafuso longo", "Mesa lacada"});
  Numbers dQuant = numbers({2, 3});
  Numbers dPrUnit = numbers({1.5, 10});
  Texts sNotas = texts({"", ""});
  Texts sArm = texts({"A1", "A2"});
  Numbers dDesc = numbers({5, 0});
  Texts sDescComp = texts({"", "10+5"});
  std::shared_ptr<qvd::cDocLotes> oLotes;
  std::string sReference = "FA 1/2024", sReason = "Devolução de material", sManualExternalSerie = "EXT",
              sManualExternalInvoiceNo = "F-17";
  automation::SafeArray<int16_t> iTipoLinha = automation::SafeArray<int16_t>(1, {1, 1});
  std::string sDataCarga, sHorasCarga, sMoradaDsg = "Rua do Cais 4", sLocalDsg = "Porto", sCepDsg = "4000-001",
      sPaisDsg = "PT", sDataDsg = "16-03-2024", sHorasDsg = "10:30", sLocalCarga = "Armazém central", sATDocCodeID,
      sMatricula;
  qvd::KeyDocumNext key;
  qvd::NextError erro;  // the last argument of the one member that has its own
};

// The nine document members of the facade that build a document from arrays.
enum class Member {
  CF_DocGenInserir,
  CF_DocGenInserirAuto,
  CF_DocNotaCreditoInserir,
  CF_DocGenInserirTipoLinha,
  DocGenInserirMultiArm,
  DocGenInserirMultiArmAuto,
  DocGTInserirMultiArm,
  DocNotaCreditoInserirMultiArm,
  DocNotaCreditoInserirMultiArmAuto,
};
inline constexpr Member kAllMembers[] = {
    Member::CF_DocGenInserir,          Member::CF_DocGenInserirAuto,          Member::CF_DocNotaCreditoInserir,
    Member::CF_DocGenInserirTipoLinha, Member::DocGenInserirMultiArm,         Member::DocGenInserirMultiArmAuto,
    Member::DocGTInserirMultiArm,      Member::DocNotaCreditoInserirMultiArm, Member::DocNotaCreditoInserirMultiArmAuto,
};
std::string nameOf(Member member);
// Whether the member takes a warehouse, discounts and lots per line.
bool multiWarehouse(Member member);

// Calls `member` of `bal` with `a`; the key and error record are those of `a`.
bool call(qvd::BAL_Next& bal, Member member, DocumentArgs& a);

// One lot of `quantidade` of lot `lote` of `artigo` on document line `linha`.
std::shared_ptr<qvd::cDocLotes> oneLot(int32_t linha, const std::string& artigo, const std::string& lote,
                                       double quantidade, const std::string& vossoLote = "VL-1");

// A movement setting of the demo company: finished goods in A1 under sector PROD with the
// production, supplier and delivery documents; raw materials in A2 under sector S1 with the
// consumption documents. Each role has only its own documents.
qvd::TipificacaoTransf movementSetting();

// A test of the movements, with the demo company's movement setting.
class MovementTest : public ErpTest {
 protected:
  qvd::TipificacaoTransf tipif = movementSetting();
  std::string sProcesso = "PRC-9";
  qvd::KeyDocumNext key;
};

}  // namespace testing_support
