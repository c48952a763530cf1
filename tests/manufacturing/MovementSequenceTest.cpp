#include <gtest/gtest.h>

#include <functional>

#include "support/DocumentMembers.hpp"

// What each movement does to its document, in order: where its early validation stands among
// the header puts, and which of the lot's own fields it puts.
namespace testing_support {
namespace {

using Sequence = std::vector<std::string>;

class MovementSequence : public MovementTest {
 protected:
  // Runs `movement` with the journal on; it must be accepted.
  void record(const std::function<bool()>& movement) {
    startJournal();
    ASSERT_TRUE(movement()) << bal->ErroDescricao();
  }

  std::string sCliente = "C001", sFornecedor = "F001", sVossoNDoc = "FT 9", sComposto = "P001";
  double dQuantidade = 1;
  Texts sArt = texts({"A002"});
  Texts sSerie = texts({""});
  Texts sArm = texts({"A2"});
  Numbers dQuant = numbers({1});
  Numbers dPrUni = numbers({0});
  Numbers dPercent = numbers({100});
  std::shared_ptr<qvd::cDocLotes> oLotes = oneLot(1, "A002", "L-A002-1", 1, "FORN-77");
};

const Sequence kDates = {"DataVencimento", "DataCarga", "HoraCarga"};

Sequence join(std::initializer_list<Sequence> parts) {
  Sequence all;
  for (const Sequence& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST_F(MovementSequence, EachMovementFillsItsHeaderInItsOwnOrder) {
  const Sequence roleHeader = {"TipoDocumento", "Sector", "Serie", "Terceiro", "Moeda", "TipoPreco"};

  Texts withoutLots = texts({"A001"});  // an entry of a lot article has to name its lots
  record([&] {
    return bal->EP_MovEntradaProducaoCriar(qvd::tpDefault, tipif, sProcesso, withoutLots, dQuant, dPrUni, key);
  });
  EXPECT_EQ(headerSequence(), join({roleHeader, {"D.Validar", "Data"}, kDates, {"Processo"}}));

  record([&] { return bal->MF_MovSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArt, dQuant, key); });
  EXPECT_EQ(headerSequence(), join({roleHeader, {"Data", "D.Validar"}, kDates, {"Processo"}}));

  record([&] {
    return bal->MF_MovEntradaFornecedorCriar(qvd::tpDefault, tipif, sFornecedor, sProcesso, sVossoNDoc, sComposto,
                                             dQuantidade, sArt, dPercent, key);
  });
  EXPECT_EQ(headerSequence(), join({roleHeader, {"Data", "D.Validar"}, kDates, {"VossoNoDocumento", "Processo"}}));
  EXPECT_EQ(rows("SELECT SECTOR, TERCEIRO, VNUMDOC FROM DOCGCCAB WHERE TPDOC = 'GEF'"), Sequence{"PROD|F001|FT 9"});

  record([&] {
    return bal->MF_MovGuiaRemessaCriar(qvd::tpDefault, tipif, sCliente, sProcesso, sArt, sSerie, dQuant, key);
  });
  EXPECT_EQ(headerSequence(),
            join({{"TipoDocumento", "Sector", "Serie", "Processo", "Terceiro", "Moeda", "TipoPreco", "Data"}, kDates}));

  std::string sTipoDoc = "ORC", sSector = "S1", sArmazem = "A1";
  int16_t iSerie = 1;
  int32_t lNumDoc = 0;
  record([&] {
    return bal->EP_OrcamentoVendaInserir(qvd::Finalizado, qvd::tpDefault, sTipoDoc, sSector, iSerie, sCliente,
                                         sProcesso, "", "", "", sArmazem, sArt, dQuant, dPrUni, sSerie, sSerie, dPrUni,
                                         lNumDoc);
  });
  EXPECT_EQ(headerSequence(),
            join({{"TipoDocumento", "Sector", "Serie", "Processo", "Terceiro", "TipoPreco", "Data", "D.Validar"},
                  kDates,
                  {"Observacoes", "VossoNoDocumento"}}));
  EXPECT_EQ(scalar("SELECT ORIGEM FROM DOCGCCAB WHERE TPDOC = 'ORC'"), "2") << "the quote keeps the caller's origin";
  EXPECT_EQ(scalar("SELECT ORIGEM FROM DOCGCCAB WHERE TPDOC = 'GR'"), "1");
}

TEST_F(MovementSequence, LotsCarryTheSupplierLotWhereTheMovementPutsIt) {
  record([&] {
    return bal->EP_MovEntradaProdMultiArmCriar(qvd::tpDefault, tipif, sProcesso, sArt, dQuant, dPrUni, sArm, oLotes,
                                               key);
  });
  EXPECT_EQ(putsOn("CamposLote"), (Sequence{"CodigoLote", "Artigo", "VossoLote", "Armazem"}));

  record([&] {
    return bal->EP_MovSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArt, dQuant, dPrUni, oLotes, key);
  });
  EXPECT_EQ(putsOn("CamposLote"), (Sequence{"CodigoLote", "Artigo", "Armazem", "VossoLote"}));

  record([&] {
    return bal->EP_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArt, dQuant, oLotes, key);
  });
  EXPECT_EQ(putsOn("CamposLote"), (Sequence{"CodigoLote", "Artigo", "Armazem"}));
  EXPECT_EQ(rows("SELECT TPDOCUM, VOSSLOTE FROM LOTEMOVS ORDER BY TPDOCUM"),
            (Sequence{"DC|", "EP|FORN-77", "SC|FORN-77"}));
}

}  // namespace
}  // namespace testing_support
