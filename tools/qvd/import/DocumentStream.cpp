#include "import/DocumentStream.hpp"

#include "cli/CommandError.hpp"
#include "import/RefOrder.hpp"
#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"

namespace qvdtool {

// One file's rows with a look-ahead row, checked for order as they are read.
class DocumentStream::SortedRows {
 public:
  SortedRows(CsvTable& table, bool unique) : table_(&table), unique_(unique) {
    auto ref = table.find(kRefColumn);
    if (!ref) usageError(table.name() + " has no column " + kRefColumn);
    refColumn_ = *ref;
    advance();
  }

  bool has() const noexcept { return has_; }
  const std::string& ref() const noexcept { return ref_; }

  InputRow take() {
    InputRow row = std::move(row_);
    advance();
    return row;
  }

 private:
  void advance() {
    std::string previous = std::move(ref_);
    long previousLine = row_.line;
    has_ = table_->next(row_);
    if (!has_) return;
    // Blanks around a reference are dropped, as around every value.
    ref_ = refColumn_ < row_.fields.size() ? automation::text::trim(row_.fields[refColumn_]) : std::string();
    // Only a refusal needs the place, and most rows have none.
    auto where = [&] { return table_->name() + " line " + std::to_string(row_.line) + ": "; };
    if (ref_.empty()) usageError(where() + kRefColumn + " is empty");
    if (previousLine == 0) return;
    int order = compareRefs(previous, ref_);
    if (order > 0)
      usageError(where() + kRefColumn + " " + automation::text::quoted(ref_) + " comes after " +
                 automation::text::quoted(previous) + " (line " + std::to_string(previousLine) +
                 "): the files must be sorted by " + kRefColumn);
    if (order == 0 && unique_)
      usageError(where() + kRefColumn + " " + automation::text::quoted(ref_) + " repeats line " +
                 std::to_string(previousLine) + ": one header row per document");
  }

  CsvTable* table_;
  bool unique_;
  std::size_t refColumn_ = 0;
  bool has_ = false;
  InputRow row_;
  std::string ref_;
};

DocumentStream::DocumentStream(CsvTable& headers, CsvTable& lines, CsvTable* lots) {
  files_.reserve(3);
  files_.emplace_back(headers, true);
  files_.emplace_back(lines, false);
  if (lots) files_.emplace_back(*lots, false);
}

DocumentStream::~DocumentStream() = default;

bool DocumentStream::next(InputDocument& document) {
  const std::string* first = nullptr;
  for (const SortedRows& file : files_)
    if (file.has() && (!first || compareRefs(file.ref(), *first) < 0)) first = &file.ref();
  if (!first) return false;
  document.ref = *first;
  document.header.reset();
  document.lines.clear();
  document.lots.clear();
  std::vector<InputRow>* targets[] = {nullptr, &document.lines, &document.lots};
  for (std::size_t i = 0; i < files_.size(); ++i) {
    SortedRows& file = files_[i];
    while (file.has() && file.ref() == document.ref) {
      if (i == 0)
        document.header = file.take();
      else
        targets[i]->push_back(file.take());
    }
  }
  return true;
}

}  // namespace qvdtool
