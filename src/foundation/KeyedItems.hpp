#pragma once
// The shared base of the library's typed collections. Ownership: counted; it holds its items.
// Threads: one at a time, as the collection's owner.

#include <cstdint>
#include <iterator>
#include <memory>
#include <string_view>

#include "platform/Export.hpp"
#include "platform/Collection.hpp"

namespace qvd {

// The members that the library's typed collections share: a private keyed collection of `T`
// whose Item, Count, Remove and enumeration pass straight through. A number is a position,
// a text is a key (letter case ignored); errors of the collection reach the caller.
template <class T>
class QVD_API KeyedItems : public automation::Object {
 public:
  // Walks the items by position, so that an item removed while walking ends the walk early
  // instead of leaving the iterator dangling.
  class Iterator {
   public:
    using value_type = std::shared_ptr<T>;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(const automation::Collection* items, std::size_t slot) : items_(items), slot_(slot) {}

    std::shared_ptr<T> operator*() const { return items_->begin()[slot_].item.template toObjectOf<T>(); }
    Iterator& operator++() {
      ++slot_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++slot_;
      return before;
    }
    bool operator==(std::default_sentinel_t) const { return slot_ >= static_cast<std::size_t>(items_->count()); }

   private:
    const automation::Collection* items_ = nullptr;
    std::size_t slot_ = 0;
  };

  std::shared_ptr<T> Item(const automation::Variant& vntIndexKey) const {
    return items_.item(vntIndexKey).template toObjectOf<T>();
  }
  int32_t Count() const noexcept { return items_.count(); }
  void Remove(const automation::Variant& vntIndexKey) { items_.remove(vntIndexKey); }

  Iterator begin() const { return Iterator(&items_, 0); }
  std::default_sentinel_t end() const { return {}; }

 protected:
  // 457 when `key` is taken; an empty key stores the item without one.
  void store(const std::shared_ptr<T>& item, std::string_view key) { items_.add(automation::Variant(item), key); }

  automation::Collection items_;
};

}  // namespace qvd
