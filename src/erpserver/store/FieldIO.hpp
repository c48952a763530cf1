#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/store/Database.hpp"

// Moving field values between server objects and database columns.
namespace erpserver {

// Binds field `slot` of `object` as parameter `index`: empty text as NULL, date text as ISO
// (refused when it is no date), booleans as -1/0.
void bindField(sql::Statement& st, int index, const ServerObject& object, int slot);

// Sets field `slot` from `column` of the current row (NULL gives the field's empty value).
void loadField(ServerObject& object, int slot, const sql::Statement& st, int column);

// Refuses the first text field longer than its declared size.
void checkTextSizes(const ServerObject& object);

// The comma-separated columns of the stored fields (read-only ones only when `withReadOnly`),
// and their slots in the same order.
std::string columnList(std::span<const FieldSpec> fields, bool withReadOnly, std::vector<int>& slots);

// True when `table` has a row whose CODIGO is `code`.
bool codeExists(sql::Database& db, std::string_view table, std::string_view code);
bool codeExists(sql::Database& db, std::string_view table, int64_t code);

}  // namespace erpserver
