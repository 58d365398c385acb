#include "cli/CliProgress.h"

#include <algorithm>
#include <ostream>

#include "cli/Command.h"

namespace kestrova::cli {
namespace {
constexpr int kBarWidth = 20;
}

CliProgress::~CliProgress() {
  EndBar();
}

void CliProgress::StatusText(std::string_view text) {
  status_ = text;
  if (text.empty()) return;
  if (terminal_) {
    DrawBar(0);
  } else {
    err_ << TerminalLine(status_) << "\n";
  }
}

void CliProgress::Progress(int percent, std::string_view caption) {
  caption_ = caption;
  if (caption.empty()) return;
  if (terminal_) {
    DrawBar(percent);
  } else {
    err_ << "  " << caption_ << "\n";
  }
}

void CliProgress::ProgressVisible(bool visible) {
  if (!visible) EndBar();
}

void CliProgress::WriteFailed(std::string_view what) {
  ++lostOutputs_;
  EndBar();
  err_ << "kestrova-cli rank: could not write " << TerminalLine(std::string(what)) << "\n";
}

void CliProgress::DrawBar(int percent) {
  const int filled = std::clamp(percent, 0, 100) * kBarWidth / 100;
  // \r and erase-line redraw the bar in place.
  err_ << "\r\x1b[2K[" << std::string(filled, '#') << std::string(kBarWidth - filled, '-') << "] "
       << caption_ << "  " << TerminalLine(status_) << std::flush;
  barShown_ = true;
}

void CliProgress::EndBar() {
  if (!barShown_) return;
  err_ << "\n";
  barShown_ = false;
}

}  // namespace kestrova::cli
