#include "Table.hpp"

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace bench {
namespace {

std::map<std::string, Expectation>& expectations() {
  static std::map<std::string, Expectation> all;
  return all;
}

double toNanoseconds(benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return 1;
    case benchmark::kMicrosecond:
      return 1e3;
    case benchmark::kMillisecond:
      return 1e6;
    case benchmark::kSecond:
      return 1e9;
  }
  return 1;
}

std::string duration(double ns) {
  char text[32];
  if (ns < 1e3)
    std::snprintf(text, sizeof text, "%.1f ns", ns);
  else if (ns < 1e6)
    std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
  else
    std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
  return text;
}

std::string times(double ratio) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2fx", ratio);
  return text;
}

}  // namespace

bool expect(const std::string& figure, Expectation expectation) {
  expectations()[figure] = std::move(expectation);
  return true;
}

bool TableReporter::ReportContext(const Context& context) {
  std::fprintf(stderr, "%d CPUs at %.0f MHz; running the benchmarks...\n", context.cpu_info.num_cpus,
               context.cpu_info.cycles_per_second / 1e6);
  return true;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration) continue;
    double unit = toNanoseconds(run.time_unit);
    Figure f{run.benchmark_name(), run.GetAdjustedRealTime() * unit, run.GetAdjustedCPUTime() * unit, 0, {}};
    // The library counts items per CPU second; the rate shown is per second of the clock.
    if (auto items = run.counters.find("items_per_second"); items != run.counters.end() && f.nanoseconds > 0)
      f.perSecond = items->second * f.cpuNanoseconds / f.nanoseconds;
    if (run.error_occurred) f.error = run.error_message;
    std::fprintf(stderr, "  %s\n", f.name.c_str());
    figures_.push_back(std::move(f));
  }
}

void TableReporter::add(std::string name, double nanoseconds, double cpuNanoseconds, double perSecond) {
  figures_.push_back({std::move(name), nanoseconds, cpuNanoseconds, perSecond, {}});
}

const TableReporter::Figure* TableReporter::find(const std::string& name) const {
  for (const Figure& f : figures_)
    if (f.name == name) return &f;
  return nullptr;
}

void TableReporter::Finalize() {
  std::printf("%-36s %10s %10s %10s  %-32s %6s %6s  %s\n", "benchmark", "time/op", "cpu/op", "per second", "baseline",
              "ratio", "cpu", "target (on cpu time, rate on the clock)");
  for (const Figure& f : figures_) {
    if (!f.error.empty()) {
      std::printf("%-44s failed: %s\n", f.name.c_str(), f.error.c_str());
      missed_.push_back(f.name);
      continue;
    }
    std::string perSecond = f.perSecond > 0 ? std::to_string(static_cast<long long>(f.perSecond)) : "";
    auto e = expectations().find(f.name);
    std::string baseline = "-", ratio = "-", cpuRatio = "-", target;
    bool met = true;
    if (e != expectations().end()) {
      const Expectation& x = e->second;
      const Figure* base = x.baseline.empty() ? nullptr : find(x.baseline);
      if (base && base->nanoseconds > 0 && base->cpuNanoseconds > 0) {
        double r = f.cpuNanoseconds / base->cpuNanoseconds;
        baseline = x.baseline;
        ratio = times(f.nanoseconds / base->nanoseconds);
        cpuRatio = times(r);
        if (x.maxRatio > 0) {
          target += "<= " + times(x.maxRatio) + " ";
          met = met && r <= x.maxRatio;
        }
      }
      if (x.minPerSecond > 0) {
        target += ">= " + std::to_string(static_cast<int>(x.minPerSecond)) + "/s ";
        met = met && f.perSecond >= x.minPerSecond;
      }
      if (x.maxNanoseconds > 0) {
        target += "< " + std::to_string(static_cast<int>(x.maxNanoseconds)) + " ns ";
        met = met && f.cpuNanoseconds < x.maxNanoseconds;
      }
      if (!target.empty()) target += met ? "met" : "MISSED";
    }
    if (!met) missed_.push_back(f.name);
    std::printf("%-36s %10s %10s %10s  %-32s %6s %6s  %s\n", f.name.c_str(), duration(f.nanoseconds).c_str(),
                duration(f.cpuNanoseconds).c_str(), perSecond.c_str(), baseline.c_str(), ratio.c_str(),
                cpuRatio.c_str(), target.c_str());
  }
  if (missed_.empty())
    std::printf("Every target met.\n");
  else
    for (const std::string& name : missed_) std::printf("Target missed: %s\n", name.c_str());
}

}  // namespace bench
