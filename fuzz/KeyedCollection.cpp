#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Check.hpp"
#include "foundation/cDocLotes.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Collection.hpp"
#include "platform/Text.hpp"

// Random adds, removals and look-ups on the keyed collection, mirrored on a plain list of
// (folded key, item) pairs: both agree on every item, count, key and error after every step.
namespace {

using automation::Variant;

// Keys from a few letters in both cases, accented ones included, so that keys collide.
std::string keyFrom(FuzzedDataProvider& in) {
  static const char* const kPieces[] = {"a", "A", "á", "Á", "ç", "Ç", "1", " ", "ß", "lote"};
  std::string key;
  for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n) key += kPieces[in.ConsumeIntegralInRange(0, 9)];
  return key;
}

struct Model {
  std::vector<std::pair<std::string, int32_t>> entries;  // folded key ("" = none), item

  std::ptrdiff_t find(const std::string& key) const {
    std::string folded = automation::text::foldCase(key);
    for (std::size_t i = 0; i < entries.size(); ++i)
      if (!entries[i].first.empty() && entries[i].first == folded) return static_cast<std::ptrdiff_t>(i);
    return -1;
  }
};

int32_t errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const automation::AutomationError& e) {
    return e.number();
  }
  return 0;
}

// An index as callers give it: a 1-based position, or a key.
struct Index {
  Variant value;
  std::ptrdiff_t slot;  // where the model finds it, -1 when nowhere
};

Index indexFrom(FuzzedDataProvider& in, const Model& model) {
  if (in.ConsumeBool()) {
    int32_t position = in.ConsumeIntegralInRange<int32_t>(-1, static_cast<int32_t>(model.entries.size()) + 1);
    bool valid = position >= 1 && position <= static_cast<int32_t>(model.entries.size());
    return {Variant(position), valid ? position - 1 : -1};
  }
  std::string key = keyFrom(in);
  return {Variant(key), key.empty() ? -1 : model.find(key)};
}

void collectionSteps(FuzzedDataProvider& in) {
  automation::Collection c;
  Model model;
  int32_t next = 0;
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        std::string key = keyFrom(in);
        bool duplicate = !key.empty() && model.find(key) >= 0;
        int32_t error = errorOf([&] { c.add(Variant(next), key); });
        require(error == (duplicate ? automation::errnum::DuplicateKey : 0), "add: wrong duplicate verdict");
        if (!duplicate) model.entries.emplace_back(automation::text::foldCase(key), next);
        ++next;
        break;
      }
      case 1: {
        Index index = indexFrom(in, model);
        int32_t error = errorOf([&] { c.remove(index.value); });
        require(error == (index.slot < 0 ? automation::errnum::InvalidArgument : 0), "remove: wrong verdict");
        if (index.slot >= 0) model.entries.erase(model.entries.begin() + index.slot);
        break;
      }
      default: {
        Index index = indexFrom(in, model);
        int32_t item = -1;
        int32_t error = errorOf([&] { item = c.item(index.value).toLong(); });
        require(error == (index.slot < 0 ? automation::errnum::InvalidArgument : 0), "item: wrong verdict");
        if (index.slot >= 0) require(item == model.entries[index.slot].second, "item: wrong item");
      }
    }
    require(c.count() == static_cast<int32_t>(model.entries.size()), "count differs");
  }
  std::size_t i = 0;
  for (const auto& entry : c) require(entry.item.toLong() == model.entries[i++].second, "order differs");
}

// After any step: no lot sits on two lines, every lot names the line it is on, and the lots on
// the lines are no more than the lots ever made, so re-storing cannot make them grow.
void requireLotsWhole(const qvd::cDocLotes& lots, std::size_t lotsMade) {
  std::set<const qvd::cLote*> seen;
  for (int32_t position = 1; position <= lots.Count(); ++position) {
    auto line = lots.Item(Variant(position));
    for (const auto& lot : *line) {
      require(seen.insert(lot.get()).second, "a lot sits on two lines");
      require(lots.LotesDaLinha(lot->Linha()) == line, "a lot names a line it is not on");
    }
  }
  require(seen.size() <= lotsMade, "the lines hold more lots than were made");
}

// The lots of a document, one collection per line: storing a line replaces it and puts it last;
// moving a line's lots to another adds them to what that line held.
void lotSteps(FuzzedDataProvider& in) {
  qvd::cDocLotes lots;
  std::vector<std::shared_ptr<qvd::colLotes>> made;
  std::size_t lotsMade = 0;
  auto stored = [&lots](int32_t line) {
    auto found = lots.LotesDaLinha(line);
    for (const auto& c : lots)
      if (c == found) return found;
    return std::shared_ptr<qvd::colLotes>();
  };
  while (in.remaining_bytes() > 0) {
    int32_t line = in.ConsumeIntegralInRange<int32_t>(-2, 6);
    if (in.ConsumeBool()) {
      std::shared_ptr<qvd::colLotes> daLinha;
      if (!made.empty() && in.ConsumeBool()) {
        daLinha = made[in.ConsumeIntegralInRange<std::size_t>(0, made.size() - 1)];
      } else if (in.ConsumeBool()) {
        daLinha = std::make_shared<qvd::colLotes>();
        for (int k = in.ConsumeIntegralInRange(0, 3); k > 0; --k)
          if (errorOf([&] { daLinha->Add("A002", in.ConsumeFloatingPoint<double>(), "L", "V", keyFrom(in)); }) == 0)
            ++lotsMade;
        made.push_back(daLinha);
      }
      lots.SetLotesDaLinha(line, daLinha);
      require(stored(line) == daLinha, "a line does not hold what was stored under it");
      if (daLinha) {
        require(lots.Item(Variant(lots.Count())) == daLinha, "the line stored last is not last");
        for (const auto& lot : *daLinha) require(lot->Linha() == line, "a stored lot names another line");
      }
    } else {
      int32_t destination = in.ConsumeIntegralInRange<int32_t>(-2, 6);
      auto from = stored(line), to = stored(destination);
      bool separate = line != destination && from && to && from != to;
      int32_t expected = separate ? from->Count() + to->Count() : 0;
      lots.AlteraLinhaLote(line, destination);
      require(!(line != destination && stored(line)), "moved lots are still on their line");
      if (separate) require(stored(destination)->Count() == expected, "lots were lost or doubled in a move");
    }
    requireLotsWhole(lots, lotsMade);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool())
    collectionSteps(in);
  else
    lotSteps(in);
  return 0;
}
