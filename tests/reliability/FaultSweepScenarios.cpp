#include <memory>
#include <string>

#include "support/DocumentMembers.hpp"
#include "platform/Object.hpp"
#include "reliability/FaultSweep.hpp"

namespace reliability {

using testing_support::DocumentArgs;
using testing_support::Member;
using testing_support::numbers;
using testing_support::Numbers;
using testing_support::setFields;
using testing_support::texts;
using testing_support::Texts;
using Call = std::function<Outcome()>;

namespace {

Outcome reported(const qvd::BAL_Next& bal, bool result) { return {result, bal.ErroNumero(), bal.ErroDescricao()}; }

std::string handled(const std::string& member) { return "BAL_Next: " + member; }

// The array-driven document members: two lines, the second of a lot article with its lot where
// the member takes a warehouse and lots per line.
Scenario documentMember(Member member, const std::string& tipoDoc) {
  return {testing_support::nameOf(member),
          handled(testing_support::nameOf(member)),
          handled(testing_support::nameOf(member)),
          true,
          [member, tipoDoc](qvd::BAL_Next& bal) -> Call {
            auto a = std::make_shared<DocumentArgs>();
            a->sTipoDoc = tipoDoc;
            // The lots name ERP line numbers, which a note line would shift.
            if (!testing_support::multiWarehouse(member)) a->sNotas = texts({"", "Entrega parcial"});
            if (testing_support::multiWarehouse(member)) {
              a->sArtigo = texts({"A001", "A002"});
              a->oLotes = testing_support::oneLot(2, "A002", "L-A002-1", 3);
            }
            return [&bal, member, a] { return reported(bal, testing_support::call(bal, member, *a)); };
          },
          tipoDoc != "GT"};
}

// The movements of one warehouse role, with the demo company's movement setting.
struct Movement {
  qvd::TipificacaoTransf tipif = testing_support::movementSetting();
  std::string sProcesso = "PRC-9";
  Texts sArt = texts({"A001", "P001"});
  Numbers dQuant = numbers({1, 2});
  Numbers dPrUni = numbers({3, 4});
  Texts sArm = texts({"A1", "A2"});
  qvd::KeyDocumNext key;
  std::shared_ptr<qvd::cDocLotes> oLotes;
};

template <class Body>
Scenario movement(const std::string& member, Body body, bool withLot = false) {
  return {member,
          handled(member),
          handled(member),
          true,
          [body, withLot](qvd::BAL_Next& bal) -> Call {
            auto m = std::make_shared<Movement>();
            if (withLot) {
              m->sArt = texts({"A001", "A002"});
              m->oLotes = testing_support::oneLot(2, "A002", "L-A002-1", 2);
            }
            return [&bal, body, m] { return reported(bal, body(bal, *m)); };
          },
          false};
}

Scenario singleLineEntry(const std::string& member, bool fromSupplier) {
  Scenario s = movement(member, [fromSupplier](qvd::BAL_Next& bal, Movement& m) {
    std::string sComposto = "P001", sFornecedor = "F001", sVossoNDoc = "FT 9";
    double dQuantidade = 2;
    Texts sElementos = texts({"A002", "A003"});
    Numbers dPercent = numbers({50, 25});
    return fromSupplier
               ? bal.MF_MovEntradaFornecedorCriar(qvd::tpDefault, m.tipif, sFornecedor, m.sProcesso, sVossoNDoc,
                                                  sComposto, dQuantidade, sElementos, dPercent, m.key)
               : bal.MF_MovEntradaProducaoCriar(qvd::tpDefault, m.tipif, m.sProcesso, sComposto, dQuantidade,
                                                sElementos, dPercent, m.key);
  });
  s.booked = fromSupplier;  // only the supplier's entry has an accounting journal
  return s;
}

// A sale built from record sets shaped like the document tables.
Scenario recordsetInsert() {
  return {"Inserir", "", "DAL_Next: DocComercialFinalizar", false, [](qvd::BAL_Next& bal) -> Call {
            auto docs = bal.TemplateCabecalho(), linhas = bal.TemplateLinhas(), lotes = bal.TemplateLotes();
            docs->AddNew();
            setFields(*docs, {{"TPDOC", "FA"}, {"TPPRECO", int16_t{0}}, {"SERIE", int16_t{1}}, {"TERCEIRO", "C001"},
                              {"DATA", "15-03-2024"}, {"SECTOR", "S1"}, {"MOEDA", "EUR"}, {"RGIVA", "NAC"},
                              {"IVAINC", int16_t{0}}, {"ANO", int16_t{2024}}});
            for (const char* artigo : {"A001", "A002"}) {
              linhas->AddNew();
              setFields(*linhas, {{"TPLINHA", int16_t{1}}, {"ARTIGO", artigo}, {"ARMAZEM", "A1"},
                                  {"DESCR", std::string("Linha ") + artigo}, {"PRUNIT", 2.5}, {"QUANT", 2.0},
                                  {"IVA", int16_t{3}}, {"TXDESC", 0.0},
                                  {"UNIDADE", artigo == std::string("A001") ? "UN" : "LT"}});
            }
            lotes->AddNew();
            setFields(*lotes, {{"CODLOT", "L-A002-1"}, {"ARTIGO", "A002"}, {"VOSSLOTE", "VL"}, {"ARMAZEM", "A1"},
                               {"QUANT", 2.0}, {"NUMLINHA", int16_t{2}}});
            return [&bal, docs, linhas, lotes]() mutable {
              qvd::KeyDocumNext key;
              qvd::NextError erro;
              bool ok = bal.Inserir(qvd::Preparacao, docs, linhas, lotes, key, erro);
              return Outcome{ok, erro.lUltimoErro, erro.sTextoErro};
            };
          }};
}

// A document the caller filled itself with the ERP's objects.
Scenario callerFilledDocument() {
  return {"INEMER_DocInserir", "DAL_Next: DocComercialFinalizar", "DAL_Next: DocComercialFinalizar", false,
          [](qvd::BAL_Next& bal) -> Call {
            using automation::propPut;
            automation::ObjectRef doc = bal.NxtAlloc_DocumentoComercial();
            automation::ObjectRef cab = automation::propGet(doc, "Cab").toObject();
            propPut(cab, "TipoDocumento", "FA");
            propPut(cab, "Serie", int16_t{1});
            propPut(cab, "Data", "15-03-2024");
            propPut(cab, "Terceiro", "C001");
            for (const char* artigo : {"A001", "A002"}) {
              automation::ObjectRef linha = bal.NxtAlloc_DocumentosGcLin();
              propPut(linha, "Artigo", artigo);
              propPut(linha, "Armazem", "A1");
              propPut(linha, "Quantidade", 2.0);
              propPut(linha, "PrecoUnitario", 10.0);
              automation::invoke(doc, "AdicionaLinha", linha);
            }
            automation::invoke(doc, "AdicionaLote", testing_support::lotLine(2, "L-A002-1", "A002", "A1", 2.0));
            return [&bal, doc]() mutable { return reported(bal, bal.INEMER_DocInserir(qvd::Preparacao, doc)); };
          }};
}

Scenario salesQuote() {
  Scenario s = movement("EP_OrcamentoVendaInserir", [](qvd::BAL_Next& bal, Movement& m) {
    std::string sTipoDoc = "ORC", sSector = "S1", sTerceiro = "C001", sArm = "A1";
    int16_t iSerie = 1;
    Texts sDes = texts({"", "Prazo: 30 dias"}), sNome = texts({"", ""});
    Numbers dDesconto = numbers({10, 0});
    int32_t lNumDoc = 0;
    return bal.EP_OrcamentoVendaInserir(qvd::NaoAplicavel, qvd::tpDefault, sTipoDoc, sSector, iSerie, sTerceiro,
                                        m.sProcesso, "Proposta 12", "PED-3", "", sArm, m.sArt, m.dQuant, m.dPrUni, sDes,
                                        sNome, dDesconto, lNumDoc);
  });
  s.source = s.finalizationSource = "DAL_Next: MovOrcamentoVendaInserir";
  return s;
}

Scenario lotReturn() {
  return movement(
      "EP_MovDevolucaoSaidaDeConsumoCriar",
      [](qvd::BAL_Next& bal, Movement& m) {
        return bal.EP_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.oLotes,
                                                      m.key);
      },
      true);
}

}  // namespace

std::vector<Scenario> scenarios() {
  return {
      documentMember(Member::CF_DocGenInserir, "FA"),
      documentMember(Member::CF_DocGenInserirAuto, "FA"),
      documentMember(Member::CF_DocNotaCreditoInserir, "NC"),
      documentMember(Member::CF_DocGenInserirTipoLinha, "FA"),
      documentMember(Member::DocGenInserirMultiArm, "FA"),
      documentMember(Member::DocGenInserirMultiArmAuto, "FA"),
      documentMember(Member::DocGTInserirMultiArm, "GT"),
      documentMember(Member::DocNotaCreditoInserirMultiArm, "NC"),
      documentMember(Member::DocNotaCreditoInserirMultiArmAuto, "NC"),
      recordsetInsert(),
      callerFilledDocument(),
      salesQuote(),
      singleLineEntry("MF_MovEntradaProducaoCriar", false),
      singleLineEntry("MF_MovEntradaFornecedorCriar", true),
      movement("MF_MovGuiaRemessaCriar",
               [](qvd::BAL_Next& bal, Movement& m) {
                 std::string sCliente = "C001";
                 Texts sSerie = texts({"", "NS 4411"});
                 return bal.MF_MovGuiaRemessaCriar(qvd::tpDefault, m.tipif, sCliente, m.sProcesso, m.sArt, sSerie,
                                                   m.dQuant, m.key);
               }),
      movement("MF_MovSaidaDeConsumoCriar",
               [](qvd::BAL_Next& bal, Movement& m) {
                 return bal.MF_MovSaidaDeConsumoCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.key);
               }),
      movement("MF_MovSaidaConsMultiArmCriar",
               [](qvd::BAL_Next& bal, Movement& m) {
                 return bal.MF_MovSaidaConsMultiArmCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.sArm,
                                                         m.key);
               }),
      movement("MF_MovDevolucaoSaidaDeConsumoCriar",
               [](qvd::BAL_Next& bal, Movement& m) {
                 return bal.MF_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant,
                                                               m.key);
               }),
      movement(
          "EP_MovSaidaDeConsumoCriar",
          [](qvd::BAL_Next& bal, Movement& m) {
            return bal.EP_MovSaidaDeConsumoCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.dPrUni,
                                                 m.oLotes, m.key);
          },
          true),
      lotReturn(),
      movement("EP_MovEntradaProducaoCriar",
               [](qvd::BAL_Next& bal, Movement& m) {
                 return bal.EP_MovEntradaProducaoCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.dPrUni,
                                                       m.key);
               }),
      movement(
          "EP_MovEntradaProdMultiArmCriar",
          [](qvd::BAL_Next& bal, Movement& m) {
            return bal.EP_MovEntradaProdMultiArmCriar(qvd::tpDefault, m.tipif, m.sProcesso, m.sArt, m.dQuant, m.dPrUni,
                                                      m.sArm, m.oLotes, m.key);
          },
          true),
  };
}

}  // namespace reliability
