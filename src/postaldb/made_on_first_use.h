// A value made by the first caller that asks for it, once, however many
// threads ask at the same time: what a load need not pay for until a search
// wants it.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

namespace kovari::postaldb {

template <typename T>
class MadeOnFirstUse {
 public:
  // The value, made by make() when no caller has asked before.
  template <typename Make>
  const T& get(Make make) const {
    // Once made, a look costs one load: call_once costs a call every time.
    if (!slot_->made.load(std::memory_order_acquire)) {
      std::call_once(slot_->once, [&] {
        slot_->value = make();
        slot_->made.store(true, std::memory_order_release);
      });
    }
    return slot_->value;
  }

 private:
  // Held apart so that the holder can move (a once flag cannot).
  struct Slot {
    std::once_flag once;
    std::atomic<bool> made{false};
    T value;
  };
  std::unique_ptr<Slot> slot_ = std::make_unique<Slot>();
};

}  // namespace kovari::postaldb
