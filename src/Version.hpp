#pragma once

namespace qvd {

// The library's version, as its type library declares it.
const char* libraryVersion();

}  // namespace qvd
