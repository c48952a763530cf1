#pragma once

#include <string>
#include <vector>

#include "documents/DocumentTestSupport.hpp"

namespace testing_support {

// A movement setting of the demo company: finished goods in A1 under sector PROD with the
// production, supplier and delivery documents; raw materials in A2 under sector S1 with the
// consumption documents. Each role has only its own documents.
qvd::TipificacaoTransf movementSetting();

class MovementTest : public ErpTest {
 protected:
  // The lines of the document `key` names: line number, article, description, unit price,
  // quantity and discount rate, in line order.
  std::vector<std::string> linesOf(const qvd::KeyDocumNext& key);
  // Every row `sql` returns, its columns joined with "|" (a null as the empty text).
  std::vector<std::string> rows(const std::string& sql);

  qvd::TipificacaoTransf tipif = movementSetting();
  std::string sProcesso = "PRC-9";
  qvd::KeyDocumNext key;
};

}  // namespace testing_support
