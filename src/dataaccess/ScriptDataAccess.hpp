#pragma once
// The SQLite data-access object a script host creates by name.
// Ownership and threads: as the SQLite data-access object's (counted, one thread at a time).

#include <string>

#include "dataaccess/DatabaseDataAccess.hpp"

namespace dataaccess {

// Made empty, then opened on a company file with Abrir, and handed to the facade's DataAccess.
// Until Abrir succeeds every operation raises 91 and says to call it.
class ScriptDataAccess : public DatabaseDataAccess {
 public:
  ScriptDataAccess() : DatabaseDataAccess(nullptr) {}
  std::string className() const override { return "SqliteDataAccess"; }

  // True when the existing file `ficheiro` opened as a database; false keeps the reason in
  // UltimoErroBD.
  [[nodiscard]] bool Abrir(const std::string& ficheiro);

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace dataaccess
