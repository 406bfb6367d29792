// The running record count of the start-up load and its progress display.
#pragma once

#include "host/host.h"

namespace kovari::postaldb {

// Records are counted one by one; the display moves (and pending window events
// run) only at every 50th record, so the load needs no per-record redraw.
class LoadProgress {
 public:
  static constexpr long kStep = 50;

  explicit LoadProgress(Host& host) : host_(host) {}

  // One more record read; at every kStep-th the bar shows the count.
  void count_record() {
    ++wk_kensuu_;
    if (wk_kensuu_ % kStep == 0) {
      host_.progress_value(wk_kensuu_);
      host_.do_events();
    }
  }
  // One more record read, without moving the bar (the prefecture table).
  void count_record_silently() { ++wk_kensuu_; }

 private:
  Host& host_;
  long wk_kensuu_ = 0;
};

}  // namespace kovari::postaldb
