#pragma once

#include <string>

namespace erpserver {

// `message` with each value it quotes ('...') cut to a readable length, so that a huge field
// does not flood a terminal or a log: "'AAAA…' (10485760 caracteres)".
std::string shortenQuotedValues(const std::string& message);

}  // namespace erpserver
