#pragma once

#include <optional>
#include <string>

#include "import/CsvTable.hpp"

namespace qvdtool {

// Where the import files are; the lot file is optional.
struct ImportPaths {
  std::string headers, lines;
  std::optional<std::string> lots;
};

// The import files opened for one pass over them.
struct ImportFiles {
  CsvTable headers, lines;
  std::optional<CsvTable> lots;

  explicit ImportFiles(const ImportPaths& paths) : headers(paths.headers), lines(paths.lines) {
    if (paths.lots) lots.emplace(*paths.lots);
  }
  CsvTable* lotTable() { return lots ? &*lots : nullptr; }
  const CsvTable* lotTable() const { return lots ? &*lots : nullptr; }
};

}  // namespace qvdtool
