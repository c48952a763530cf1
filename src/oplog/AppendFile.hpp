#pragma once

#include <string>
#include <string_view>

namespace qvd {

// Appends `bytes` to the file at `path` (created when missing) with one open, one write and
// one close, so that writers appending at the same time never split each other's data.
// Does nothing when the file cannot be opened.
void appendWhole(const std::string& path, std::string_view bytes);

}  // namespace qvd
