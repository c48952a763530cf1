#pragma once

namespace erpserver {

// The rows of the demo company (see createDemoCompany).
extern const char* const kDemoData;

}  // namespace erpserver
