#include "documents/MaintenanceFixture.hpp"

#include <fstream>
#include <sstream>

#include "erpserver/Journal.hpp"
#include "facade/BAL_Next.hpp"

namespace testing_support {

namespace {

std::string onDocument(const qvd::KeyDocumNext& chave, const char* tipoColuna) {
  return std::string(" WHERE ") + tipoColuna + " = '" + chave.sTpDoc + "' AND SERIE = " + std::to_string(chave.iSerie) +
         " AND ANO = " + std::to_string(chave.iAno) + " AND NNUMDOC = " + std::to_string(chave.lNumDoc);
}

}  // namespace

qvd::KeyDocumNext MaintenanceTest::inserir(const Linhas& linhas, const std::string& tipo, int16_t serie) {
  auto n = static_cast<int32_t>(linhas.size());
  automation::SafeArray<std::string> sArtigo(1, n), sNome(1, n), sNotas(1, n);
  automation::SafeArray<double> dQuant(1, n), dPrUnit(1, n);
  for (int32_t i = 1; i <= n; ++i) {
    sArtigo(i) = linhas[static_cast<std::size_t>(i - 1)].first;
    dQuant(i) = linhas[static_cast<std::size_t>(i - 1)].second;
  }
  qvd::KeyDocumNext chave;
  bool ok = bal->CF_DocGenInserir(qvd::NaoAplicavel, qvd::tpDefault, tipo, "S1", serie, "C001", "PR-1", "VN-1",
                                  "15-03-2024", "", "A1", false, "", sArtigo, sNome, dQuant, dPrUnit, sNotas, chave);
  EXPECT_TRUE(ok) << bal->ErroDescricao();
  return chave;
}

bool MaintenanceTest::existe(const qvd::KeyDocumNext& chave) const {
  return scalar("SELECT COUNT(*) FROM DOCGCCAB" + onDocument(chave, "TPDOC")) == "1";
}

double MaintenanceTest::stock(const std::string& artigo, const std::string& armazem) const {
  return std::stod(scalar("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = '" + artigo + "' AND ARMAZEM = '" + armazem + "'"));
}

std::string MaintenanceTest::contador(const std::string& tipo, int16_t serie, int16_t ano) const {
  return scalar("SELECT NUM FROM NUMDOC WHERE DOC = '" + tipo + "' AND SERIE = " + std::to_string(serie) +
                " AND ANO = " + std::to_string(ano));
}

std::string MaintenanceTest::cabecalho(const std::string& coluna, const qvd::KeyDocumNext& chave) const {
  return scalar("SELECT " + coluna + " FROM DOCGCCAB" + onDocument(chave, "TPDOC"));
}

std::string MaintenanceTest::linhas(const qvd::KeyDocumNext& chave) const {
  return scalar("SELECT GROUP_CONCAT(ARTIGO || ' ' || QUANT || ' ' || PRUNIT, '; ') FROM (SELECT * FROM DOCGCLIN" +
                onDocument(chave, "TPDOCUM") + " ORDER BY NUMLINHA)");
}

std::string MaintenanceTest::logEscrito() const {
  std::ifstream in(logFolder() / "OST_LOGNXTAPI.LOG", std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> documentCalls() {
  std::vector<std::string> calls;
  for (const erpserver::JournalEntry& e : erpserver::Journal::entries())
    if (e.className == "DocumentoComercial") calls.push_back(e.member);
  return calls;
}

}  // namespace testing_support
