#include "platform/Collection.hpp"

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"

namespace automation {

void Collection::add(Variant item, std::string_view key) {
  std::string folded = text::foldCase(key);
  if (!folded.empty()) {
    if (slots_.count(folded)) raise(errnum::DuplicateKey);
    slots_.emplace(folded, entries_.size());
  }
  entries_.push_back(Entry{std::move(item), std::move(folded)});
}

std::size_t Collection::slotOf(const Variant& indexOrKey) const {
  if (indexOrKey.isString()) {
    auto it = slots_.find(text::foldCase(indexOrKey.toString()));
    if (it == slots_.end()) raise(errnum::InvalidArgument);
    return it->second;
  }
  int32_t position = indexOrKey.toLong();
  if (position < 1 || position > count()) raise(errnum::InvalidArgument);
  return static_cast<std::size_t>(position - 1);
}

Variant Collection::item(const Variant& indexOrKey) const { return entries_[slotOf(indexOrKey)].item; }

void Collection::remove(const Variant& indexOrKey) {
  std::size_t slot = slotOf(indexOrKey);
  if (!entries_[slot].key.empty()) slots_.erase(entries_[slot].key);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(slot));
  for (auto& [key, s] : slots_)
    if (s > slot) --s;
}

bool Collection::containsKey(std::string_view key) const { return slots_.count(text::foldCase(key)) != 0; }

Variant Collection::get(std::string_view member, std::span<Variant> args) {
  if (text::equalsIgnoringCase(member, "Count")) return Variant(count());
  if (text::equalsIgnoringCase(member, "Item") && args.size() == 1) return item(args[0]);
  return Object::get(member, args);
}

Variant Collection::call(std::string_view member, std::span<Variant> args) {
  if (text::equalsIgnoringCase(member, "Add") && !args.empty()) {
    add(args[0], args.size() > 1 ? args[1].toString() : std::string());
    return {};
  }
  if (text::equalsIgnoringCase(member, "Remove") && args.size() == 1) {
    remove(args[0]);
    return {};
  }
  return get(member, args);
}

}  // namespace automation
