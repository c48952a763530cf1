#include "cli/Progress.hpp"

#include "platform/HostSettings.hpp"
#include "platform/System.hpp"

namespace qvdtool {

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

Progress::Style Progress::styleFor(std::FILE* stream) {
  return automation::system::isTerminal(stream) ? Style::Bar : Style::Lines;
}

Progress::Progress(std::ostream& out, Style style, long total)
    : out_(out), style_(style), total_(total), start_(Clock::now()), lastDraw_(start_ - kRedrawEvery) {}

std::string Progress::status(long done, long failed) const {
  double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  long percent = total_ > 0 ? done * 100 / total_ : 100;
  std::string shown = std::to_string(percent) + "%";
  if (shown.size() < 4) shown.insert(0, 4 - shown.size(), ' ');
  return shown + "  " + std::to_string(done) + "/" + std::to_string(total_) + " documents, " + std::to_string(failed) +
         " failed, " + automation::fixedText(seconds > 0 ? done / seconds : 0.0, 0) + " documents/s";
}

void Progress::drawBar(long done, long failed) {
  long filled = total_ > 0 ? done * kBarWidth / total_ : kBarWidth;
  out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << status(done, failed) << "\033[K"
       << std::flush;
  lastDraw_ = Clock::now();
}

void Progress::update(long done, long failed) {
  done_ = done;
  failed_ = failed;
  if (style_ == Style::Bar) {
    if (Clock::now() - lastDraw_ >= kRedrawEvery) drawBar(done, failed);
    return;
  }
  if (total_ <= 0 || done * 10 < nextStep_ * total_) return;
  while (nextStep_ <= 10 && done * 10 >= nextStep_ * total_) ++nextStep_;
  out_ << status(done, failed) << "\n" << std::flush;
}

void Progress::message(std::ostream& to, const std::string& line) {
  if (style_ == Style::Bar) out_ << "\r\033[K" << std::flush;
  to << line << "\n" << std::flush;
  if (style_ == Style::Bar) drawBar(done_, failed_);
}

void Progress::finish(long done, long failed) {
  if (style_ == Style::Bar) {
    drawBar(done, failed);
    out_ << "\n" << std::flush;
    return;
  }
  if (nextStep_ <= 10) out_ << status(done, failed) << "\n" << std::flush;
}

}  // namespace qvdtool
