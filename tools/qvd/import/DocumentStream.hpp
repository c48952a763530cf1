#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/CsvTable.hpp"

namespace qvdtool {

// The rows of one document reference, taken from the header, line and lot files.
struct InputDocument {
  std::string ref;
  std::optional<InputRow> header;  // none: lines or lots whose reference has no header row
  std::vector<InputRow> lines, lots;
};

// Reads the three files side by side, all sorted by reference (RefOrder.hpp), and hands out one
// document at a time, so that memory holds one document whatever the size of the files. A row
// out of order, a reference that is empty or a header reference that repeats raises a usage
// error naming the file and line: the pairing of the files cannot be trusted past it.
class DocumentStream {
 public:
  DocumentStream(CsvTable& headers, CsvTable& lines, CsvTable* lots);
  ~DocumentStream();
  DocumentStream(const DocumentStream&) = delete;
  DocumentStream& operator=(const DocumentStream&) = delete;

  // The next document; false after the last one.
  bool next(InputDocument& document);

 private:
  class SortedRows;
  std::vector<SortedRows> files_;  // headers, lines, lots (when given)
};

// The name of the reference column in every file.
inline constexpr const char* kRefColumn = "REF";

}  // namespace qvdtool
