// Builds without a server engine (Windows): a server address is refused with the reason.
#include "platform/db/DatabaseError.hpp"
#include "platform/db/RoundTrips.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/db/ServerEngine.hpp"

namespace automation::db {

std::unique_ptr<Engine> openServerEngine(const std::string& uri) {
  throw DatabaseError(DatabaseError::Kind::Other,
                      "Cannot open the database \"" + address::withoutPassword(uri) +
                          "\": this build has no PostgreSQL engine (it works on company files only); "
                          "give a company folder, or use the Linux build for a server.");
}

// No server, no round trips to one.
int64_t serverRoundTrips() noexcept { return 0; }

}  // namespace automation::db
