#include "platform/db/Recordset.hpp"

#include <cassert>
#include <functional>
#include <optional>
#include <unordered_map>

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/FieldValues.hpp"
#include "platform/db/ItemNotFound.hpp"

namespace automation::db {
namespace {

constexpr int32_t kUseServerCursor = 2;

}  // namespace

struct Recordset::State {
  std::vector<ColumnInfo> columns;
  // Looked up by a folded view, so that a look-up allocates nothing.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept { return std::hash<std::string_view>{}(name); }
  };
  std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> byName;  // folded name -> first column
  std::vector<Row> rows;
  std::size_t position = 0;  // rows.size() at the end
  bool open = false;
  bool countKnown = true;
  int32_t cursorLocation = kUseServerCursor;
  std::optional<UpdateTarget> target;

  void indexColumn(std::size_t column) {
    assert(column < columns.size());
    byName.try_emplace(text::foldCase(columns[column].name), column);
  }

  void requireOpen() const {
    if (!open) raise(dberr::ObjectClosed, "Operation is not allowed when the object is closed.", "Recordset");
  }

  std::size_t currentIndex() const {
    requireOpen();
    if (position >= rows.size()) {
      raise(dberr::NoCurrentRecord,
            "Either BOF or EOF is True, or the current record has been deleted. Requested operation "
            "requires a current record.",
            "Recordset");
    }
    return position;
  }
  // Every row has one value per column; fields index rows by column number.
  Row& currentRow() {
    Row& row = rows[currentIndex()];
    assert(row.values.size() == columns.size());
    return row;
  }
  const Row& currentRow() const {
    const Row& row = rows[currentIndex()];
    assert(row.values.size() == columns.size());
    return row;
  }

  std::size_t columnOf(const Variant& nameOrOrdinal) const {
    if (nameOrOrdinal.isNumeric()) {
      int32_t ordinal = nameOrOrdinal.toLong();
      if (ordinal >= 0 && static_cast<std::size_t>(ordinal) < columns.size()) return static_cast<std::size_t>(ordinal);
    } else {
      return columnNamed(nameOrOrdinal.toString());
    }
    raiseItemNotFound("field", nameOrOrdinal.toString(), "Fields");
  }

  std::size_t columnNamed(std::string_view name) const {
    if (auto found = byName.find(text::FoldedName(name).view()); found != byName.end()) return found->second;
    raiseItemNotFound("field", std::string(name), "Fields");
  }
};

// ---- Field ----

Field::Field(const Recordset& owner, std::size_t column) : state_(owner.state_), column_(column) {
  assert(column_ < state_->columns.size());
}

std::string Field::Name() const { return state_->columns[column_].name; }
DataType Field::Type() const { return state_->columns[column_].type; }
int32_t Field::DefinedSize() const { return state_->columns[column_].definedSize; }
int32_t Field::Attributes() const { return state_->columns[column_].attributes; }

Variant Field::Value() const { return state_->currentRow().values[column_]; }

void Field::SetValue(const Variant& value) {
  Recordset::State& s = *state_;
  Recordset::Row& row = s.currentRow();
  Variant converted = asFieldValue(s.columns[column_].type, value);
  if (converted.isString()) text::requireUtf8(converted.toString(), "The value for field " + s.columns[column_].name);
  if (row.state == Recordset::RowState::Unchanged) {
    row.original = row.values;
    row.state = Recordset::RowState::Modified;
  }
  row.values[column_] = std::move(converted);
}

// ---- Fields ----

int32_t Fields::Count() const { return static_cast<int32_t>(state_->columns.size()); }

Field Fields::Item(const Variant& nameOrOrdinal) const {
  return Field(state_, state_->columnOf(nameOrOrdinal));
}

Field Fields::operator[](std::string_view name) const { return Field(state_, state_->columnNamed(name)); }

bool Fields::Contains(std::string_view name) const { return state_->byName.contains(text::FoldedName(name).view()); }

void Fields::Append(std::string name, DataType type, int32_t definedSize, int32_t attributes) {
  Recordset::State& s = *state_;
  if (s.open) raise(dberr::NotAllowed, "Fields cannot be appended to an open record set.", "Fields");
  if (Contains(name)) {
    raise(dberr::AlreadyInCollection, "Cannot append: the record set already has a field \"" + name + "\".", "Fields");
  }
  s.columns.push_back(ColumnInfo{std::move(name), type, definedSize, attributes});
  s.indexColumn(s.columns.size() - 1);
}

// ---- Recordset ----

Recordset::Recordset() : state_(std::make_shared<State>()) {}

Fields Recordset::GetFields() const { return Fields(*this); }

Fields::Fields(const Recordset& owner) : state_(owner.state_) {}
Recordset::~Recordset() = default;

bool Recordset::Eof() const {
  state_->requireOpen();
  return state_->position >= state_->rows.size();
}

bool Recordset::Bof() const {
  state_->requireOpen();
  return state_->rows.empty();
}

void Recordset::MoveFirst() {
  state_->requireOpen();
  state_->position = 0;
  state_->currentRow();  // an empty record set has no first row to move to
}

void Recordset::MoveNext() {
  state_->currentRow();
  ++state_->position;
}

int32_t Recordset::RecordCount() const {
  state_->requireOpen();
  return state_->countKnown ? static_cast<int32_t>(state_->rows.size()) : -1;
}

void Recordset::AddNew() {
  state_->requireOpen();
  Row row;
  row.values.resize(state_->columns.size());
  row.state = RowState::Added;
  state_->rows.push_back(std::move(row));
  state_->position = state_->rows.size() - 1;
}

// Field writes already went to the row; they stay in memory until the data-access object saves them.
void Recordset::Update() { state_->currentRow(); }

void Recordset::Close() {
  state_->requireOpen();
  state_->open = false;
  state_->rows.clear();
  state_->position = 0;
  state_->target.reset();
}

void Recordset::Open() {
  if (state_->open) raise(dberr::ObjectOpen, "Operation is not allowed when the object is open.", "Recordset");
  state_->open = true;
  state_->position = 0;
}

bool Recordset::IsOpen() const { return state_->open; }
int32_t Recordset::CursorLocation() const { return state_->cursorLocation; }
void Recordset::SetCursorLocation(int32_t location) { state_->cursorLocation = location; }

Variant Recordset::value(std::string_view name) const {
  std::size_t column = state_->columnNamed(name);
  return state_->currentRow().values[column];
}

void Recordset::setValue(std::string_view name, const Variant& value) {
  Field(*this, state_->columnNamed(name)).SetValue(value);
}

const std::vector<ColumnInfo>& Recordset::columns() const { return state_->columns; }

void Recordset::setColumns(std::vector<ColumnInfo> columns) {
  state_->columns = std::move(columns);
  state_->byName.clear();
  for (std::size_t i = 0; i < state_->columns.size(); ++i) state_->indexColumn(i);
}

void Recordset::appendLoadedRow(std::vector<Variant> values) {
  values.resize(state_->columns.size());
  state_->rows.push_back(Row{std::move(values), {}, RowState::Unchanged});
}

void Recordset::setCountKnown(bool known) { state_->countKnown = known; }
void Recordset::setUpdateTarget(UpdateTarget target) { state_->target = std::move(target); }
const Recordset::UpdateTarget* Recordset::updateTarget() const { return state_->target ? &*state_->target : nullptr; }
const std::vector<Recordset::Row>& Recordset::rows() const { return state_->rows; }

void Recordset::markSaved() {
  for (Row& row : state_->rows) {
    row.state = RowState::Unchanged;
    row.original.clear();
  }
}

}  // namespace automation::db
