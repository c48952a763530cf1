#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

// How a figure is judged: the figure measured in the same run that it is divided by, and the
// targets it has to meet (0: no such target).
struct Expectation {
  std::string baseline;
  double maxRatio = 0;
  double minPerSecond = 0;  // items per second
  double maxNanoseconds = 0;  // per iteration
};

// Registers the expectation of the figure named `figure`; returns true, to initialise a static.
bool expect(const std::string& figure, Expectation expectation);

// Prints every figure as one table row with its ratio to its baseline and its targets. Each figure
// has its wall-clock and its CPU time; on a machine shared with other work the CPU time is what
// the code itself costs, so the ratio and time targets are judged on it, the rates on the clock.
class TableReporter : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;
  bool targetsMet() const { return missed_.empty(); }
  // A figure measured outside this program, shown in the same table.
  void add(std::string name, double nanoseconds, double perSecond);

 private:
  struct Figure {
    std::string name;
    double nanoseconds = 0;
    double cpuNanoseconds = 0;
    double perSecond = 0;
    std::string error;
  };
  const Figure* find(const std::string& name) const;
  std::vector<Figure> figures_;
  std::vector<std::string> missed_;
};

}  // namespace bench
