#pragma once

#include <string>

#include "erpserver/store/Database.hpp"

namespace erpserver {

// The server's own words for a statement the database refused: a constraint failure names the
// field ("O campo 'Quantidade' (QUANT) ...") instead of echoing the database's text; any other
// failure keeps the database's reason.
std::string databaseRefusalText(const sql::Error& error);

}  // namespace erpserver
