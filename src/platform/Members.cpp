// The member table's lookups and argument checks.
#include "platform/Members.hpp"

#include "platform/LateBindingErrors.hpp"
#include "platform/Text.hpp"

namespace automation {

MemberTable::MemberTable(std::string className, std::initializer_list<MemberEntry> entries)
    : className_(std::move(className)) {
  rows_.reserve(entries.size());
  for (const MemberEntry &e : entries) {
    int minArgs = 0;
    for (std::size_t i = 0; i < e.params.size(); ++i)
      if (e.params[i] != ParamKind::Optional) minArgs = static_cast<int>(i) + 1;
    MemberInfo info{std::string(e.name), e.kind, {e.params.begin(), e.params.end()}, e.put != nullptr};
    byName_.emplace(text::foldCase(e.name), rows_.size());
    rows_.push_back(Row{std::move(info), e.invoke, e.put, minArgs});
  }
}

const MemberTable::Row &MemberTable::find(std::string_view member) const {
  auto it = byName_.find(text::foldCase(member));
  if (it == byName_.end()) raiseUnknownMember(className_, member);
  return rows_[it->second];
}

// Only what the dispatch raises is placed here; the member's own errors pass as raised.
Variant MemberTable::run(const Row &row, Object &object, std::span<Variant> args) const {
  if (!row.invoke) raiseNotReadable(className_, row.info.name);
  auto n = static_cast<int>(args.size());
  if (n < row.minArgs || n > static_cast<int>(row.info.params.size()))
    raiseArgumentCount(className_, row.info.name, args.size(), static_cast<std::size_t>(row.minArgs),
                       row.info.params.size());
  try {
    return row.invoke(object, args);
  } catch (const members::ArgumentNotTaken &e) {
    throw argumentError(e, className_, row.info.name, e.argument());
  }
}

Variant MemberTable::get(Object &object, std::string_view member, std::span<Variant> args) const {
  return run(find(member), object, args);
}

Variant MemberTable::call(Object &object, std::string_view member, std::span<Variant> args) const {
  return run(find(member), object, args);
}

void MemberTable::put(Object &object, std::string_view member, const Variant &value) const {
  const Row &row = find(member);
  if (!row.put) raiseNotAssignable(className_, row.info.name);
  try {
    row.put(object, value);
  } catch (const members::ArgumentNotTaken &e) {
    throw assignedValueError(e, className_, row.info.name);
  }
}

const MemberInfo *MemberTable::describe(std::string_view member) const {
  auto it = byName_.find(text::foldCase(member));
  return it == byName_.end() ? nullptr : &rows_[it->second].info;
}

std::vector<std::string> MemberTable::names() const {
  std::vector<std::string> out;
  out.reserve(rows_.size());
  for (const Row &r : rows_) out.push_back(r.info.name);
  return out;
}

}  // namespace automation
