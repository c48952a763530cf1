#pragma once

#include <string>
#include <string_view>

// Users' passwords are kept as a salted SHA-256 digest, never as the text itself.
namespace erpserver::password {

// The lower-case hex SHA-256 digest of `data`.
std::string sha256Hex(std::string_view data);

// A new random salt (hex text).
std::string newSalt();

std::string digest(std::string_view salt, std::string_view password);

}  // namespace erpserver::password
