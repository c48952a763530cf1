#pragma once
// The platform's keyed collection of variants.
// Ownership: it holds copies of its variants (objects in them are counted references).
// Threads: not synchronised; one thread at a time.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Object.hpp"

namespace automation {

// The platform's keyed collection: items in insertion order, reached by 1-based position or by
// a unique text key that ignores letter case. A numeric index is a position, a text index a key.
class Collection : public Object {
 public:
  std::string className() const override { return "Collection"; }

  // 457 when `key` is already present; an empty key stores the item without one.
  void add(Variant item, std::string_view key = {});
  // 5 for a position outside 1..count() or an unknown key. A copy: a later add may move the storage.
  Variant item(const Variant& indexOrKey) const;
  void remove(const Variant& indexOrKey);
  int32_t count() const noexcept { return static_cast<int32_t>(entries_.size()); }
  bool containsKey(std::string_view key) const;

  // Items in storage order.
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

  struct Entry {
    Variant item;
    std::string key;  // folded; empty when stored without a key
    const Variant& operator*() const { return item; }
  };

  Variant get(std::string_view member, std::span<Variant> args) override;
  Variant call(std::string_view member, std::span<Variant> args) override;

 private:
  std::size_t slotOf(const Variant& indexOrKey) const;

  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> slots_;  // folded key -> slot in entries_
};

}  // namespace automation
