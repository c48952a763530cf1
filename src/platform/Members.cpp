// The member table's lookups and argument checks.
#include "platform/Members.hpp"

#include "platform/LateBindingErrors.hpp"
#include "platform/Text.hpp"

namespace automation {
namespace {

std::vector<std::string> namesIn(std::string_view list) {
  std::vector<std::string> out;
  while (!members::trimmed(list).empty()) {
    std::size_t comma = list.find(',');
    out.emplace_back(members::trimmed(list.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return out;
}

std::string parameterName(const MemberInfo *info, std::size_t position) {
  if (info && position < info->paramNames.size()) return info->paramNames[position];
  return "argument " + std::to_string(position + 1);
}

}  // namespace

MemberTable::MemberTable(std::string className, std::initializer_list<MemberEntry> entries)
    : className_(std::move(className)) {
  rows_.reserve(entries.size());
  for (const MemberEntry &e : entries) {
    int minArgs = 0;
    for (std::size_t i = 0; i < e.params.size(); ++i)
      if (e.params[i] != ParamKind::Optional) minArgs = static_cast<int>(i) + 1;
    MemberInfo info{std::string(e.name), e.kind, {e.params.begin(), e.params.end()}, e.put != nullptr,
                    namesIn(e.paramNames)};
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

std::size_t parameterPosition(const MemberInfo *info, std::string_view className, std::string_view member,
                              std::string_view name) {
  if (info)
    for (std::size_t i = 0; i < info->paramNames.size(); ++i)
      if (text::equalsIgnoringCase(info->paramNames[i], name)) return i;
  raiseNamedArgumentNotFound(className, member, name);
}

std::vector<Variant> placeArguments(std::vector<Variant> positional,
                                    std::span<const std::pair<std::size_t, Variant>> named,
                                    std::string_view className, std::string_view member, const MemberInfo *info) {
  std::vector<bool> given(positional.size(), true);
  for (const auto &[position, value] : named) {
    if (position >= positional.size()) {
      positional.resize(position + 1);
      given.resize(position + 1, false);
    }
    if (given[position]) raiseArgumentGivenTwice(className, member, parameterName(info, position));
    positional[position] = value;
    given[position] = true;
  }
  for (std::size_t i = 0; i < given.size(); ++i)
    if (!given[i]) raiseArgumentNotOptional(className, member, parameterName(info, i));
  return positional;
}

}  // namespace automation
