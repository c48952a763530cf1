#pragma once

// How often this process has waited for a database server's answer: on a network, that wait, not
// the server's work, is most of what a statement costs.
#include <cstdint>

namespace automation::db {

// Round trips to database servers made by every connection of this process so far: each
// statement, or each batch of statements sent together, that waits for the server's answer counts
// one. A file database makes none.
int64_t serverRoundTrips() noexcept;

}  // namespace automation::db
