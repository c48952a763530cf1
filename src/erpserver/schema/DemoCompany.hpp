#pragma once
// The demo company a host or a test makes to work on. Functions only; any thread, each on a
// company of its own (one writer per company file at a time).

#include "platform/Export.hpp"

#include <stdexcept>
#include <string>

namespace erpserver {

// What becomes of a company file that exists already.
enum class ExistingCompany { Refuse, Replace };

// Raised by createDemoCompany for a company that exists and is not to be replaced.
class QVD_API CompanyExists : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The demo company's user and password.
inline constexpr const char* kDemoUser = "admin";
inline constexpr const char* kDemoPassword = "admin";

// Creates "<folder>/<company>.db" with the schema and a small but complete company:
// - parameters: accounting link on, national VAT regime "NAC", national currency "EUR";
// - warehouses "A1", "A2" (and "A3", empty); units UN, KG, LT, MT; VAT codes 0 (0 %), 1 (6 %),
//   2 (13 %), 3 (23 %); families F01, F02; article groups MP, PA, MERC; sectors S1, PROD;
//   salespeople V1, V2; client groups G1, G2;
// - articles A001 (screw, no lots), A002 (paint, lots L-A002-1 in A1 and A2, L-A002-2 in A1),
//   A003 (flour, lots L-A003-1 and L-A003-2 in A1), P001 (table, finished product, no lots),
//   S001 (service, no stock control); the stock articles have stock in A1 and A2;
// - clients C001 (group G1, salesperson V1), C002 (group G2, VAT regime "CEE"); suppliers F001, F002;
// - document types with series 1 (FA also series 2): ORC sales quote, FA invoice, NC credit note,
//   GR delivery note, GT transport guide (client; stock exit), GEF supplier entry, EP production
//   entry, SC consumption exit, DC consumption return (no counterpart), TR transfer into A2;
// - manufacturing orders in every state (new, scheduled, two in manufacture, ready, cancelled,
//   deleted), dated from 2024-01-10 to 2024-03-01;
// - discount rules by article, family, group, client and client group;
// - the user kDemoUser with the password kDemoPassword.
// `company` must keep the company-name rule (schema/CompanyName.hpp); another name raises 5.
// The company is built in a file beside and renamed into place, so that an interrupted creation
// never leaves a half-made company. An existing file raises CompanyExists unless `existing` is
// Replace: then the file and its journal files give way to the new company.
// When `folder` is a server's URI ("postgresql://user@host:port/") the company is the database
// named `company` on that server, created (its user must be allowed to) and filled in the same
// way, and dropped again should filling it fail.
QVD_API void createDemoCompany(const std::string& folder, const std::string& company = "DEMO",
                       ExistingCompany existing = ExistingCompany::Refuse);

}  // namespace erpserver
