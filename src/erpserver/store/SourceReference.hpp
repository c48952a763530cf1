#pragma once

#include <optional>
#include <string>

#include "erpserver/objects/Document.hpp"
#include "erpserver/store/Database.hpp"

// The source reference of a document: a Processo that begins with '#' names the document in the
// system it came from ("#D17", "#shop:D17"). The company holds each source reference once, so a
// feed that is run again cannot post the same document twice.
namespace erpserver {

inline constexpr char kSourceMark = '#';

bool isSourceReference(const std::string& processo);

// The stored document that carries `reference`, if any.
[[nodiscard]] std::optional<DocKey> documentWithSource(sql::Database& db, const std::string& reference);

// Refuses with refusal::SourceTaken a source reference that a document other than `own` carries.
void checkSourceReference(sql::Database& db, const std::string& processo, const std::optional<DocKey>& own);

// Sends the look checkSourceReference makes ahead, so that it goes with other reads.
void prefetchSourceReference(sql::Database& db, const std::string& processo);

// Schema step: the index that keeps source references unique. Idempotent.
void ensureSourceIndex(sql::Database& db);

}  // namespace erpserver
