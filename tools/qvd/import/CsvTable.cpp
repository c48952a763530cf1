#include "import/CsvTable.hpp"

#include <algorithm>

#include "cli/CommandError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"
#include "platform/System.hpp"

namespace qvdtool {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// The separator the column names use: ';' when the first line has more of them than of ','.
char separatorOf(std::string_view firstLine) {
  auto count = [&](char c) { return std::count(firstLine.begin(), firstLine.end(), c); };
  return count(';') > count(',') ? ';' : ',';
}

}  // namespace

CsvTable::CsvTable(const std::string& name)
    : name_(name), file_(automation::system::openFile(automation::system::pathFromUtf8(name), "rb"), &std::fclose),
      buffer_(kBufferSize) {
  if (!file_) usageError("cannot read " + automation::text::quoted(name_));
  if (peek() == 0xEF) {  // byte-order mark
    for (int c : {0xEF, 0xBB, 0xBF})
      if (peek() == c) get();
  }
  std::string firstLine;
  for (std::size_t i = position_; i < filled_ && buffer_[i] != '\n'; ++i) firstLine += buffer_[i];
  separator_ = separatorOf(firstLine);
  long line = 0;
  if (!readRecord(columns_, line))
    usageError(automation::text::quoted(name_) + " is empty: its first row must name the columns");
  for (std::string& column : columns_) column = automation::text::trim(column);
}

std::optional<std::size_t> CsvTable::find(std::string_view column) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (automation::text::equalsIgnoringCase(columns_[i], column)) return i;
  return std::nullopt;
}

int CsvTable::peek() {
  if (position_ == filled_) {
    filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    position_ = 0;
    if (filled_ == 0) return EOF;
  }
  return static_cast<unsigned char>(buffer_[position_]);
}

int CsvTable::get() {
  int c = peek();
  if (c != EOF) ++position_;
  return c;
}

bool CsvTable::next(InputRow& row) { return readRecord(row.fields, row.line); }

// Reads one record, skipping empty lines; false at the end of the file.
bool CsvTable::readRecord(std::vector<std::string>& fields, long& start) {
  for (;;) {
    fields.assign(1, std::string());
    start = line_;
    int c = get();
    if (c == EOF) return false;
    bool quoted = false, any = false, fieldStart = true;
    for (; c != EOF; c = get()) {
      if (quoted) {
        if (c == '"') {
          if (peek() == '"') {
            get();
            fields.back() += '"';
          } else {
            quoted = false;
          }
        } else {
          if (c == '\n') ++line_;
          fields.back() += static_cast<char>(c);
        }
        continue;
      }
      if (c == '\n') {
        ++line_;
        break;
      }
      if (c == '\r' && peek() == '\n') continue;
      any = true;
      // Only a quote that opens a field quotes it; inside a field (12" screen) it is a character.
      if (c == '"' && fieldStart) {
        quoted = true;
      } else if (c == separator_) {
        fields.emplace_back();
      } else {
        fields.back() += static_cast<char>(c);
      }
      fieldStart = c == separator_;
    }
    if (quoted) usageError(name_ + " line " + std::to_string(start) + ": a quoted field is not closed");
    if (!any) continue;
    for (std::size_t i = 0; i < fields.size(); ++i)
      if (!automation::text::isUtf8(fields[i]))
        usageError(name_ + " line " + std::to_string(start) + ", field " + std::to_string(i + 1) +
                   ": the text is not UTF-8; save the file with the UTF-8 encoding");
    return true;
  }
}

std::string csvField(std::string_view text) {
  if (text.find_first_of(",;\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace qvdtool
