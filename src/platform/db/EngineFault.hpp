#pragma once
// A failure that tests make a database engine meet; not installed, and used by tests alone.
// Threads: set it while no engine is at work.

namespace automation::db {

// Tests only: when set, the server engine calls it once connected and as it raises a refusal of the server.
extern void (*engineFault)();

}  // namespace automation::db
