#pragma once

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>

namespace qvdtool {

// Progress of a long run over a known number of items: on a terminal a bar redrawn in place at
// most ten times a second; elsewhere (a pipe, a file) one plain line at each tenth of the work.
class Progress {
 public:
  enum class Style { Bar, Lines };

  // The style a stream gets: a bar when `stream` is a terminal.
  static Style styleFor(std::FILE* stream);

  Progress(std::ostream& out, Style style, long total);

  void update(long done, long failed);
  // Writes `line` to `to` (which may share the terminal with the bar) without garbling the bar.
  void message(std::ostream& to, const std::string& line);
  // Draws the final state and ends the bar's line.
  void finish(long done, long failed);

 private:
  std::string status(long done, long failed) const;
  void drawBar(long done, long failed);

  std::ostream& out_;
  Style style_;
  long total_;
  long done_ = 0, failed_ = 0;
  long nextStep_ = 1;  // the next tenth that gets a plain line
  std::chrono::steady_clock::time_point start_, lastDraw_;
};

}  // namespace qvdtool
