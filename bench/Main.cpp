#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Table.hpp"

// Runs every benchmark and prints one table of figures with their baselines and targets.
// `--figure=NAME=N` adds a figure measured elsewhere: N items per second.
int main(int argc, char** argv) {
  bench::TableReporter table;
  std::vector<char*> rest;
  constexpr std::string_view kFigure = "--figure=";
  for (int i = 0; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::size_t equals = arg.rfind('=');
    if (arg.starts_with(kFigure) && equals > kFigure.size()) {
      double perSecond = std::strtod(argv[i] + equals + 1, nullptr);
      if (perSecond > 0)
        table.add(std::string(arg.substr(kFigure.size(), equals - kFigure.size())), 1e9 / perSecond, perSecond);
    } else {
      rest.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
  return table.targetsMet() ? 0 : 3;
}
