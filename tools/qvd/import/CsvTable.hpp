#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvdtool {

// One record of a CSV file and the file line it starts on (1 is the first row, the column names).
struct InputRow {
  long line = 0;
  std::vector<std::string> fields;
};

// A CSV file read record by record: UTF-8 (a leading byte-order mark is skipped), the first row
// names the columns, fields are separated by ',' or ';' (whichever the first row uses more of),
// a field in double quotes may hold separators, line breaks and doubled quotes; a quote inside an
// unquoted field is a character. Lines of the files may end in CR LF or LF; empty lines are
// skipped. Raises a usage error for a file that cannot be read or has no first row, for a quote
// left open at the end, and for text that is not UTF-8.
class CsvTable {
 public:
  explicit CsvTable(const std::string& name);  // UTF-8

  // The file name as the user gave it, for messages.
  const std::string& name() const noexcept { return name_; }
  const std::vector<std::string>& columns() const noexcept { return columns_; }
  // The position of a column, ignoring letter case.
  std::optional<std::size_t> find(std::string_view column) const;
  // The next record; false at the end of the file.
  bool next(InputRow& row);

 private:
  int peek();
  int get();
  bool readRecord(std::vector<std::string>& fields, long& start);

  std::string name_;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::vector<char> buffer_;
  std::size_t position_ = 0, filled_ = 0;
  long line_ = 1;
  char separator_ = ',';
  std::vector<std::string> columns_;
};

// `text` as a field of a CSV file that this class reads back: in double quotes, its quotes
// doubled, when it holds a separator, a quote or a line break.
std::string csvField(std::string_view text);

}  // namespace qvdtool
