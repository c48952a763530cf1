#include "import/ImportLayout.hpp"

#include <initializer_list>

#include "cli/CommandError.hpp"
#include "import/DocumentStream.hpp"
#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"

namespace qvdtool {

using automation::db::Recordset;

namespace {

using Names = std::initializer_list<const char*>;

TableLayout layoutOf(const Recordset& templ, const CsvTable& file, Names requiredColumns, Names requiredValues) {
  TableLayout layout;
  layout.file = file.name();
  layout.width = file.columns().size();
  const auto& columns = file.columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j)
      if (automation::text::equalsIgnoringCase(columns[i], columns[j]))
        usageError(file.name() + ": column " + automation::text::excerpt(columns[i]) + " appears twice");
    if (automation::text::equalsIgnoringCase(columns[i], kRefColumn)) continue;
    const automation::db::ColumnInfo* found = nullptr;
    for (const auto& column : templ.columns())
      if (automation::text::equalsIgnoringCase(column.name, columns[i])) found = &column;
    if (!found)
      usageError(file.name() + ": column " + automation::text::quoted(columns[i]) +
                 " is not a column of the table it fills");
    layout.fills.push_back({i, found->name, found->type});
  }
  for (const char* name : requiredColumns)
    if (!file.find(name)) usageError(file.name() + ": the required column " + std::string(name) + " is missing");
  for (const char* name : requiredValues) {
    for (const ColumnFill& fill : layout.fills)
      if (automation::text::equalsIgnoringCase(fill.field, name)) layout.required.push_back(fill);
  }
  return layout;
}

}  // namespace

ImportLayout::ImportLayout(const Recordset& headerTemplate, const CsvTable& headerFile, const Recordset& lineTemplate,
                           const CsvTable& lineFile, const Recordset& lotTemplate, const CsvTable* lotFile)
    : headers(layoutOf(headerTemplate, headerFile, {kRefColumn, "TPDOC", "SERIE"}, {"TPDOC", "SERIE"})),
      lines(layoutOf(lineTemplate, lineFile, {kRefColumn, "ARTIGO", "QUANT"}, {})) {
  if (lotFile)
    lots = layoutOf(lotTemplate, *lotFile, {kRefColumn, "NUMLINHA", "CODLOT", "QUANT"}, {"NUMLINHA", "CODLOT", "QUANT"});
}

}  // namespace qvdtool
