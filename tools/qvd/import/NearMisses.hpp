#pragma once

#include <map>
#include <string>

#include "import/DocumentStream.hpp"

namespace qvdtool {

// The references of documents that have no header row or no lines, gathered in a first pass, so
// that the refusal of one can name the REF it probably meant: one that differs only in letter
// case, blanks or leading zeros (D1, d1, "D 1", D01). Holds only such documents.
class NearMisses {
 public:
  void note(const InputDocument& document);
  // " (...)" naming the probable REF, or empty.
  std::string hintFor(const InputDocument& document) const;

 private:
  std::multimap<std::string, std::string> headerOnly_, withoutHeader_;  // normalised -> REF
};

}  // namespace qvdtool
