#pragma once

#include <string>

#include "erpserver/objects/Document.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {

// Keeps a copy of a stored document that is about to be removed (header, lines and lot
// movements) in the archive of removed documents, with the time and the user, so that it can be
// found and put back. Each removal is kept, the latest last.
void archiveDocument(sql::Database& db, const DocKey& key, const std::string& user);

}  // namespace erpserver
