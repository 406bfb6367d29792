// Memory straight from the system, for large blocks that live long: in huge
// pages where a block fills them, so that touching it costs a fault every
// 2 MiB rather than every 4 KiB.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace kovari::io {

// Room for `size` bytes, zeroed, or nullptr when there is none to have (or
// `size` is 0). Given back with unmap_pages and the same size.
char* map_pages(std::size_t size);
void unmap_pages(char* bytes, std::size_t size);

// An arena of pages: memory handed out in order from blocks of whole huge
// pages (larger for a larger request), aligned as asked up to a page, and
// given back only all at once, by release() or the destructor: for many
// lists that are dropped together. Not thread-safe.
class PageArena final : public std::pmr::memory_resource {
 public:
  PageArena() = default;
  ~PageArena() override { release(); }
  PageArena(const PageArena&) = delete;
  PageArena& operator=(const PageArena&) = delete;

  void release();

 private:
  struct Block {
    char* bytes;
    std::size_t size;
  };
  void* do_allocate(std::size_t size, std::size_t alignment) override;
  void do_deallocate(void*, std::size_t, std::size_t) override {}
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }

  std::vector<Block> blocks_;
  char* next_ = nullptr;  // the free part of the last block
  char* end_ = nullptr;
};

}  // namespace kovari::io
