#pragma once

#include <cstdint>
#include <string>

#include "import/DocumentStream.hpp"
#include "import/ImportFiles.hpp"

namespace qvdtool {

// Appends a document that did not go in to the operation log in `folder`, as the library's own
// operations do: the error, the header values as given, the lines and their lots. False when the
// log could not be written.
bool logFailure(const std::string& folder, const ImportFiles& files, const InputDocument& document, int32_t number,
                const std::string& message);

}  // namespace qvdtool
