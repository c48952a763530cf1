#include "dataaccess/RowWriter.hpp"

#include <string>
#include <vector>

#include "platform/Text.hpp"
#include "platform/db/Connection.hpp"

namespace dataaccess {
namespace {

using automation::Variant;
using automation::db::NamedValue;
using automation::db::Recordset;

std::string quotedName(std::string_view name) { return "\"" + automation::text::replaceAll(name, "\"", "\"\"") + "\""; }

// Collects the values of one statement under the placeholders @p0, @p1, ...
struct Values {
  std::vector<NamedValue> bound;
  std::string add(const Variant& value) {
    bound.push_back(NamedValue{"p" + std::to_string(bound.size()), value});
    return "@" + bound.back().name;
  }
};

class Writer {
 public:
  explicit Writer(const Recordset& rs) : rs_(rs), target_(*rs.updateTarget()), table_(quotedName(target_.table)) {
    const auto& columns = rs.columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (!columns[i].baseColumn.empty() && automation::text::equalsIgnoringCase(columns[i].baseTable, target_.table)) {
        stored_.push_back(i);
      }
    }
  }

  void insert(const Recordset::Row& row) {
    Values values;
    std::string names, placeholders;
    for (std::size_t i : stored_) {
      if (row.values[i].isEmpty()) continue;  // never written: the column's default applies
      names += (names.empty() ? "" : ", ") + quotedName(baseColumn(i));
      placeholders += (placeholders.empty() ? "" : ", ") + values.add(row.values[i]);
    }
    std::string sql = "INSERT INTO " + table_ +
                      (names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + placeholders + ")");
    target_.connection->Execute(sql, values.bound);
  }

  void update(const Recordset::Row& row) {
    Values values;
    std::string assignments;
    for (std::size_t i : stored_) {
      if (row.values[i] == row.original[i]) continue;
      assignments += (assignments.empty() ? "" : ", ") + quotedName(baseColumn(i)) + " = " + values.add(row.values[i]);
    }
    if (assignments.empty()) return;
    std::string sql = "UPDATE " + table_ + " SET " + assignments + " WHERE " + locate(row, values);
    target_.connection->Execute(sql, values.bound);
    if (target_.connection->RecordsAffected() != 1) {
      target_.connection->fail(
          "Row cannot be located for updating. Some values may have been changed since it was last read.");
    }
  }

 private:
  const automation::db::SqlDialect& dialect() const { return target_.connection->engine().dialect(); }
  const std::string& baseColumn(std::size_t i) const { return rs_.columns()[i].baseColumn; }

  std::string matching(const std::vector<std::size_t>& columns, const Recordset::Row& row, Values& values) const {
    std::string condition;
    for (std::size_t i : columns) {
      condition += (condition.empty() ? "" : " AND ") + quotedName(baseColumn(i)) + " " + dialect().sameValue + " " +
                   values.add(row.original[i]);
    }
    return condition;
  }

  std::string locate(const Recordset::Row& row, Values& values) const {
    std::vector<std::size_t> keys;
    for (const std::string& key : target_.keyColumns) {
      for (std::size_t i : stored_) {
        if (automation::text::equalsIgnoringCase(baseColumn(i), key)) keys.push_back(i);
      }
    }
    if (!keys.empty()) return matching(keys, row, values);
    std::string identity = dialect().rowIdentity;
    return identity + " IN (SELECT " + identity + " FROM " + table_ + " WHERE " + matching(stored_, row, values) +
           " LIMIT 1)";
  }

  const Recordset& rs_;
  const Recordset::UpdateTarget& target_;
  std::string table_;
  std::vector<std::size_t> stored_;  // fields that are columns of the table
};

}  // namespace

void writeChangedRows(const Recordset& rs) {
  Writer writer(rs);
  for (const Recordset::Row& row : rs.rows()) {
    if (row.state == Recordset::RowState::Added) writer.insert(row);
    if (row.state == Recordset::RowState::Modified) writer.update(row);
  }
}

}  // namespace dataaccess
