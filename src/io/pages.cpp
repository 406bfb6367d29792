#include "io/pages.h"

#include <sys/mman.h>

#include <algorithm>
#include <memory>
#include <new>

namespace kovari::io {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// What is mapped for `size` bytes: whole huge pages.
std::size_t mapped_size(std::size_t size) { return (size + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

char* map_pages(std::size_t size) {
  if (size == 0) return nullptr;
  const std::size_t mapped = mapped_size(size);
  void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return nullptr;
  if (size >= kHugePage) madvise(memory, mapped, MADV_HUGEPAGE);
  return static_cast<char*>(memory);
}

void unmap_pages(char* bytes, std::size_t size) {
  if (bytes != nullptr) munmap(bytes, mapped_size(size));
}

void PageArena::release() {
  for (const Block& block : blocks_) unmap_pages(block.bytes, block.size);
  blocks_.clear();
  next_ = end_ = nullptr;
}

void* PageArena::do_allocate(std::size_t size, std::size_t alignment) {
  void* at = next_;
  std::size_t space = static_cast<std::size_t>(end_ - next_);
  if (next_ == nullptr || std::align(alignment, size, at, space) == nullptr) {
    // A block starts on a page, aligned as far as anything asks.
    const std::size_t block = mapped_size(std::max<std::size_t>(size, 1));
    char* bytes = map_pages(block);
    if (bytes == nullptr) throw std::bad_alloc();
    blocks_.push_back({bytes, block});
    at = bytes;
    end_ = bytes + block;
  }
  next_ = static_cast<char*>(at) + size;
  return at;
}

}  // namespace kovari::io
