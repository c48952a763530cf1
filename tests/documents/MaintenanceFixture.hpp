#pragma once

#include <string>
#include <utility>
#include <vector>

#include "foundation/Records.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {

// Existing documents to work on, and what the company database says about them.
class MaintenanceTest : public ErpTest {
 protected:
  using Linhas = std::vector<std::pair<std::string, double>>;

  // A sale to C001 dated 15-03-2024 through CF_DocGenInserir: one line per (article, quantity),
  // all from warehouse A1, priced by the ERP. Fails the test when the ERP refuses it.
  qvd::KeyDocumNext inserir(const Linhas& linhas = {{"A001", 2}, {"P001", 3}}, const std::string& tipo = "FA",
                            int16_t serie = 1);

  bool existe(const qvd::KeyDocumNext& chave) const;
  double stock(const std::string& artigo, const std::string& armazem = "A1") const;
  // The series' numbering counter ("" when it has no row).
  std::string contador(const std::string& tipo, int16_t serie = 1, int16_t ano = 2024) const;
  // One column of the document's header row.
  std::string cabecalho(const std::string& coluna, const qvd::KeyDocumNext& chave) const;
  // "article quantity price" of each stored line, in line order, joined by "; ".
  std::string linhas(const qvd::KeyDocumNext& chave) const;
  // The operation log as written so far ("" when there is none).
  std::string logEscrito() const;
};

// The calls made on documents since startJournal, as "Member" (gets, puts and calls on the
// document object itself only), in order.
std::vector<std::string> documentCalls();

}  // namespace testing_support
