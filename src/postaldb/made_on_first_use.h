// A value made by the first caller that asks for it, once, however many
// threads ask at the same time: what a load need not pay for until a search
// wants it.
#pragma once

#include <atomic>
#include <cstddef>
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

// A row of values, each made by the first caller that asks for it: what the
// searches make piece by piece, as they need them. Two threads that ask for
// the same value at once may both make it; the first to finish keeps its
// own, the other's is dropped, and both read the kept one.
template <typename T>
class EachMadeOnFirstUse {
 public:
  EachMadeOnFirstUse() = default;
  explicit EachMadeOnFirstUse(std::size_t count) : slots_(std::make_unique<Slot[]>(count)) {}

  // Value i (below the count), made by make() when no caller has asked before.
  template <typename Make>
  const T& get(std::size_t i, Make make) const {
    std::atomic<const T*>& made = slots_[i].made;
    if (const T* value = made.load(std::memory_order_acquire)) return *value;
    auto mine = std::make_unique<const T>(make());
    const T* kept = nullptr;
    if (made.compare_exchange_strong(kept, mine.get(), std::memory_order_acq_rel,
                                     std::memory_order_acquire)) {
      return *mine.release();
    }
    return *kept;
  }

 private:
  struct Slot {
    std::atomic<const T*> made{nullptr};
    ~Slot() { delete made.load(std::memory_order_relaxed); }
  };
  std::unique_ptr<Slot[]> slots_;
};

}  // namespace kovari::postaldb
