#pragma once

#include <string>
#include <string_view>

#include "platform/Export.hpp"

// The one rule for a company's name, on a file and on a server alike: 1 to 63 ASCII letters,
// digits, '-' and '_'. It is a file name ("<name>.db") and a database name, which a server cuts
// after 63 bytes, so two longer names would become one company. Constants and functions only;
// any thread.
namespace erpserver {

inline constexpr std::size_t kLongestCompanyName = 63;

// The rule as users of the tools read it, for their messages.
inline constexpr const char* kCompanyNameRule = "1 to 63 letters (A-Z, a-z), digits, '-' or '_'";

QVD_API bool isCompanyName(std::string_view name);

// The server's own refusal of a name that breaks the rule, naming it and the rule.
QVD_API std::string companyNameRefusal(std::string_view name);

// The name as a message may show it: control characters as '?', cut after 80 bytes.
QVD_API std::string shownCompanyName(std::string_view name);

}  // namespace erpserver
