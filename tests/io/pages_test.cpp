// The arena of pages: every request gets room of its own, aligned as asked,
// whether it fits the block in use, needs a new one or is larger than a block.
#include "io/pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kovari::io {
namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

struct Given {
  char* bytes;
  std::size_t size;
  unsigned char fill;
};

// Fills each piece with a byte of its own and checks that no later piece
// wrote over an earlier one.
void expect_apart(const std::vector<Given>& given) {
  for (const Given& g : given) {
    EXPECT_EQ(std::count(g.bytes, g.bytes + g.size, static_cast<char>(g.fill)),
              static_cast<std::ptrdiff_t>(g.size));
  }
}

TEST(PageArenaTest, GivesEveryRequestRoomOfItsOwnAlignedAsAsked) {
  const struct {
    std::size_t size, alignment;
  } kRequests[] = {
      {0, 1},         {2 * kMiB - 2, 1},  // the first block all but full
      {1, 64},                            // too little left once aligned
      {3, 2},         {24, 8},
      {64, 64},       {kMiB, 4096},
      {kMiB, 8},       // does not fit what is left
      {5 * kMiB, 16},  // larger than a block
      {2, 2},         {0, 1},
  };
  PageArena arena;
  for (int round = 0; round < 2; ++round) {  // again after a release
    std::vector<Given> given;
    unsigned char fill = 1;
    for (const auto& r : kRequests) {
      auto* bytes = static_cast<char*>(arena.allocate(r.size, r.alignment));
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % r.alignment, 0U) << r.size;
      std::memset(bytes, fill, r.size);
      given.push_back({bytes, r.size, fill++});
    }
    expect_apart(given);
    arena.release();
  }
}

TEST(PageArenaTest, HoldsTheListsOfContainers) {
  PageArena arena;
  std::pmr::vector<std::uint32_t> numbers(&arena);
  std::pmr::u16string text(&arena);
  for (std::uint32_t i = 0; i < 100000; ++i) {
    numbers.push_back(i);
    text += u'東';
  }
  EXPECT_EQ(numbers[99999], 99999U);
  EXPECT_EQ(text.size(), 100000U);
}

TEST(MapPagesTest, GivesZeroedRoomOrNothingForNothing) {
  EXPECT_EQ(map_pages(0), nullptr);
  for (const std::size_t size : {std::size_t{1}, 3 * kMiB}) {
    char* bytes = map_pages(size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::count(bytes, bytes + size, '\0'), static_cast<std::ptrdiff_t>(size));
    unmap_pages(bytes, size);
  }
}

}  // namespace
}  // namespace kovari::io
