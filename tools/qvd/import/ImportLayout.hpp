#pragma once

#include <string>
#include <vector>

#include "import/CsvTable.hpp"
#include "platform/db/Recordset.hpp"

namespace qvdtool {

// A CSV column that fills a column of a record-set template.
struct ColumnFill {
  std::size_t position;  // in the CSV row
  std::string field;     // the template's own name for it
  automation::db::DataType type;
};

// How the rows of one file become record-set rows.
struct TableLayout {
  std::string file;
  std::size_t width = 0;  // columns of the file's first row
  std::vector<ColumnFill> fills;
  std::vector<ColumnFill> required;  // columns whose values must not be empty
};

// The three files against the templates of the document, line and lot tables. Raises a usage
// error for a column that the template does not have, a column named twice, or a required
// column that is missing:
// - headers: REF, TPDOC and SERIE;
// - lines: REF, ARTIGO and QUANT (QUANT may only be empty on a line without an article);
// - lots: REF, NUMLINHA, CODLOT and QUANT.
struct ImportLayout {
  TableLayout headers, lines, lots;

  ImportLayout(const automation::db::Recordset& headerTemplate, const CsvTable& headerFile,
               const automation::db::Recordset& lineTemplate, const CsvTable& lineFile,
               const automation::db::Recordset& lotTemplate, const CsvTable* lotFile);
};

}  // namespace qvdtool
