// The converters of a batch run, one per job, and the host they share when
// they run side by side.
#pragma once

#include <algorithm>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "batch/batch_run.h"
#include "host/host.h"

namespace kovari::batch {

// The host of converters that run side by side, and of the run that feeds
// them: each call is passed on to the run's own host one at a time.
class SharedHost : public Host {
 public:
  explicit SharedHost(Host& host) : host_(host) {}

  void message_box(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
    const std::scoped_lock lock(mutex_);
    host_.message_box(text, title, icon);
  }
  bool ask_yes_no(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
    const std::scoped_lock lock(mutex_);
    return host_.ask_yes_no(text, title, icon);
  }
  void monitor(std::u16string_view address, std::u16string_view parts) override {
    const std::scoped_lock lock(mutex_);
    host_.monitor(address, parts);
  }
  void status(std::u16string_view text) override {
    const std::scoped_lock lock(mutex_);
    host_.status(text);
  }
  void do_events() override {
    const std::scoped_lock lock(mutex_);
    host_.do_events();
  }
  void progress_caption(std::u16string_view caption) override {
    const std::scoped_lock lock(mutex_);
    host_.progress_caption(caption);
  }
  void progress_range(long minimum, long maximum) override {
    const std::scoped_lock lock(mutex_);
    host_.progress_range(minimum, maximum);
  }
  void progress_value(long value) override {
    const std::scoped_lock lock(mutex_);
    host_.progress_value(value);
  }
  void progress_rate(double items_per_second) override {
    const std::scoped_lock lock(mutex_);
    host_.progress_rate(items_per_second);
  }

 private:
  Host& host_;
  std::mutex mutex_;
};

// `jobs` converters (at least one) made by make(host, job): with one job on
// the run's host, with several on a SharedHost over it.
template <class Converter>
class JobConverters {
 public:
  template <class Make>
  JobConverters(int jobs, Host& host, const Make& make)
      : shared_(host), host_(jobs > 1 ? shared_ : host) {
    jobs = std::max(jobs, 1);
    for (int job = 0; job < jobs; ++job) {
      owned_.push_back(make(host_, job));
      converters_.push_back(owned_.back().get());
    }
  }
  std::span<RecordConverter* const> converters() const { return converters_; }
  // The converter of the first job, the one that runs alone with one job.
  Converter& front() const { return *owned_.front(); }
  // The host for the run that feeds the converters (they run while it reads).
  Host& host() const { return host_; }

 private:
  SharedHost shared_;
  Host& host_;
  std::vector<std::unique_ptr<Converter>> owned_;
  std::vector<RecordConverter*> converters_;
};

}  // namespace kovari::batch
