// Which conversion windows are open. The clipboard watcher refuses to start
// while any is; address resolution and the code search behave as the batch
// conversion needs while its window is open.
#pragma once

#include <array>
#include <bitset>

namespace kovari {

enum class ConversionWindow {
  kAddressToCode = 1,
  kCodeToAddress = 2,
  kBatchAddressToCode = 3,
  kOfficeSearch = 4,
  kBatchCodeToAddress = 5,
};

inline constexpr std::array<ConversionWindow, 5> kConversionWindows = {
    ConversionWindow::kAddressToCode, ConversionWindow::kCodeToAddress,
    ConversionWindow::kBatchAddressToCode, ConversionWindow::kOfficeSearch,
    ConversionWindow::kBatchCodeToAddress};

class RunningWindows {
 public:
  void set(ConversionWindow w) { open_.set(index(w)); }
  void clear(ConversionWindow w) { open_.reset(index(w)); }
  bool is_set(ConversionWindow w) const { return open_.test(index(w)); }
  bool any() const { return open_.any(); }

 private:
  static std::size_t index(ConversionWindow w) { return static_cast<std::size_t>(w) - 1; }
  std::bitset<5> open_;
};

// Marks a window open while the scope lasts and restores the mark it had:
// an engine run that must behave as with its window open (the batch run from
// kovari-cli) is the same run as from the open window.
class RunningScope {
 public:
  RunningScope(RunningWindows& running, ConversionWindow w)
      : running_(running), window_(w), was_set_(running.is_set(w)) {
    running_.set(w);
  }
  ~RunningScope() {
    if (!was_set_) running_.clear(window_);
  }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  RunningWindows& running_;
  ConversionWindow window_;
  bool was_set_;
};

}  // namespace kovari
