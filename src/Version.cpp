#include "Version.hpp"

namespace qvd {

const char* libraryVersion() { return "3.3"; }

}  // namespace qvd
