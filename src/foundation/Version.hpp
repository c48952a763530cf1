#pragma once
// The library's version. Any thread; the text is static and never freed.

#include "platform/Export.hpp"

namespace qvd {

// The library's version, as the build's project declares it (generated at configure time).
QVD_API const char* libraryVersion();

}  // namespace qvd
