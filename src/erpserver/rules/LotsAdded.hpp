#pragma once

#include <memory>
#include <vector>

#include "erpserver/objects/Document.hpp"

namespace erpserver {

// The lots the server chose, added to a document's lots for the write and taken off again unless
// the write is kept: a refused write leaves the document as its caller filled it.
class LotsAdded {
 public:
  LotsAdded(std::vector<std::shared_ptr<LoteLinha>>& lots, const std::vector<std::shared_ptr<LoteLinha>>& added)
      : lots_(lots), count_(added.size()) {
    lots_.insert(lots_.end(), added.begin(), added.end());
  }
  ~LotsAdded() {
    if (count_) lots_.resize(lots_.size() - count_);
  }
  LotsAdded(const LotsAdded&) = delete;
  LotsAdded& operator=(const LotsAdded&) = delete;
  void keep() { count_ = 0; }

 private:
  std::vector<std::shared_ptr<LoteLinha>>& lots_;
  std::size_t count_;
};

}  // namespace erpserver
