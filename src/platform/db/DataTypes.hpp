#pragma once
// Constants of the record-set library; any thread.

#include <cstdint>

namespace automation::db {

// Data type codes of fields and parameters (the record-set library's numbering).
enum class DataType : int32_t {
  Empty = 0,
  SmallInt = 2,
  Integer = 3,
  Double = 5,
  Currency = 6,
  Date = 7,
  Boolean = 11,
  Variant = 12,
  BigInt = 20,
  VarChar = 200,
  VarWChar = 202,
  LongVarWChar = 203,
};

// Field attribute bits.
namespace fieldattr {
inline constexpr int32_t Updatable = 0x4;
inline constexpr int32_t Fixed = 0x10;
inline constexpr int32_t IsNullable = 0x20;
inline constexpr int32_t MayBeNull = 0x40;
inline constexpr int32_t KeyColumn = 0x8000;
}  // namespace fieldattr

inline constexpr int32_t UseClientCursor = 3;  // CursorLocation of a client-side record set

enum class CommandType : int32_t { Text = 1, Table = 2, StoredProc = 4, Unknown = 8 };
enum class ParameterDirection : int32_t { Input = 1, Output = 2, InputOutput = 3, ReturnValue = 4 };

// Error numbers of the record-set library.
namespace dberr {
inline constexpr int32_t ItemNotFound = 3265;     // no field or parameter by that name or ordinal
inline constexpr int32_t NoCurrentRecord = 3021;  // at end of file or before the first row
inline constexpr int32_t NotAllowed = 3219;       // operation not allowed in this context
inline constexpr int32_t AlreadyInCollection = 3367;  // a field or parameter of that name exists
inline constexpr int32_t ObjectClosed = 3704;     // operation on a closed record set
inline constexpr int32_t ObjectOpen = 3705;       // operation on an open record set
inline constexpr int32_t NoConnection = 3709;     // a command without an open connection, or one lost
inline constexpr int32_t ProviderError = -2147467259;  // the database refused the statement
}  // namespace dberr

}  // namespace automation::db
