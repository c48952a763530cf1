// The SQLite data-access object that a script host opens by name.
#include "dataaccess/ScriptDataAccess.hpp"

#include <filesystem>

#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/Members.hpp"

namespace dataaccess {

bool ScriptDataAccess::Abrir(const std::string& ficheiro) {
  setConnection(nullptr);
  return attempt([&] {
    // A misspelt name must not quietly become a new, empty database.
    std::u8string name(ficheiro.begin(), ficheiro.end());
    if (!std::filesystem::is_regular_file(std::filesystem::path(name)))
      automation::raise(automation::errnum::InvalidArgument,
                        "There is no company file \"" + ficheiro + "\": give the path of an existing database");
    setConnection(SqliteDataAccess::connect(ficheiro));
  });
}

const automation::MemberTable* ScriptDataAccess::memberTable() const {
  using S = ScriptDataAccess;
  static const automation::MemberTable table(
      "SqliteDataAccess",
      {automation::method<&S::Abrir>("Abrir(ficheiro)"), automation::property<&S::UltimoErroBD>("UltimoErroBD")});
  return &table;
}

}  // namespace dataaccess
