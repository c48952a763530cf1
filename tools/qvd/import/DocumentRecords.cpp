#include "import/DocumentRecords.hpp"

#include "import/InputValues.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"

namespace qvdtool {

using automation::db::Recordset;

namespace {

std::string place(const TableLayout& layout, const InputRow& row) {
  return layout.file + " line " + std::to_string(row.line) + ": ";
}

void fillRow(Recordset& rs, const TableLayout& layout, const InputRow& row, std::vector<std::string>& problems) {
  if (row.fields.size() != layout.width) {
    problems.push_back(place(layout, row) + std::to_string(row.fields.size()) + " fields where the first row names " +
                       std::to_string(layout.width) + " columns");
    return;
  }
  rs.AddNew();
  for (const ColumnFill& fill : layout.fills) {
    std::string text = automation::text::trim(row.fields[fill.position]);
    if (text.empty()) continue;
    automation::Variant value;
    std::string problem;
    if (!inputValue(fill.type, text, value, problem)) {
      problems.push_back(place(layout, row) + fill.field + " " + automation::text::quoted(text) + " " + problem);
      continue;
    }
    try {
      rs.setValue(fill.field, value);
    } catch (const automation::AutomationError& e) {
      problems.push_back(place(layout, row) + fill.field + " " + automation::text::quoted(text) + ": " +
                         e.description());
    }
  }
  for (const ColumnFill& fill : layout.required)
    if (automation::text::trim(row.fields[fill.position]).empty()) problems.push_back(place(layout, row) + fill.field + " is empty");
  rs.Update();
}

// A line with an article must say how much of it.
void checkQuantity(const Recordset& lines, const TableLayout& layout, const InputRow& row,
                   std::vector<std::string>& problems) {
  if (!lines.value("ARTIGO").isEmpty() && lines.value("QUANT").isEmpty())
    problems.push_back(place(layout, row) + "QUANT is empty on a line with an article");
}

}  // namespace

DocumentRecords::DocumentRecords(qvd::BAL_Next& facade)
    : header(facade.TemplateCabecalho()), lines(facade.TemplateLinhas()), lots(facade.TemplateLotes()) {}

std::vector<std::string> DocumentRecords::fill(const ImportLayout& layout, const InputDocument& document) {
  for (Recordset* rs : {header.get(), lines.get(), lots.get()}) {
    rs->Close();
    rs->Open();
  }
  std::vector<std::string> problems;
  fillRow(*header, layout.headers, *document.header, problems);
  for (const InputRow& row : document.lines) {
    std::size_t before = problems.size();
    fillRow(*lines, layout.lines, row, problems);
    if (problems.size() == before) checkQuantity(*lines, layout.lines, row, problems);
  }
  for (const InputRow& row : document.lots) fillRow(*lots, layout.lots, row, problems);
  return problems;
}

}  // namespace qvdtool
