#pragma once

#include <string>

#include "erpserver/objects/Document.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {

struct CheckedDocument;

bool documentExists(sql::Database& db, const DocKey& key);

// The next free number of the type, series and year from NUMDOC (to be called inside the
// insert's transaction), and the counter advanced past a number that was used.
int32_t nextNumber(sql::Database& db, const DocKey& key);
// Sends nextNumber's look ahead, to go with the document's other reads.
void prefetchNextNumber(sql::Database& db, const DocKey& key);
void advanceCounter(sql::Database& db, const DocKey& key);

// Writes the header (new, or over the stored one when `replace`), its lines and its lots.
// Lots are written by writeLots, after the stock they refer to exists. The writes may go to the
// database only with the next statement that waits (at the latest the commit): a refused one
// raises the database error naming its place (" (linha 3)").
void writeHeaderAndLines(sql::Database& db, const DocumentoComercial& doc, const DocKey& key, const std::string& user,
                         bool replace);
void writeLots(sql::Database& db, const DocumentoComercial& doc, const DocKey& key);

// Drops the stored lines (and their lots); removeDocument drops the whole document.
void removeLines(sql::Database& db, const DocKey& key);
void removeDocument(sql::Database& db, const DocKey& key);

// Reads a stored document into `doc` (header fields, Origem, lines and lots); false when there is none.
[[nodiscard]] bool loadDocument(sql::Database& db, DocumentoComercial& doc, const DocKey& key);

}  // namespace erpserver
