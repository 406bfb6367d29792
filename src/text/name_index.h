// An index of a fixed list of names that tells which of them may occur in a
// text without searching the text for each name: a name occurs only where its
// first two characters stand side by side. Built once when the names are
// loaded; a lookup costs one probe per character of the text and finds the
// few names worth a real search.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovari::text {

class NameIndex {
 public:
  using Names = std::vector<std::u16string>;

  NameIndex() = default;
  // Every name of every list under its position in that list (element 0 too).
  // Names count without their surrounding blanks, as the searches trim them;
  // an empty name occurs nowhere and is left out.
  explicit NameIndex(std::initializer_list<std::reference_wrapper<const Names>> lists);

  // The positions of the names that may occur in text, ascending and each
  // once, into rows (cleared first; its capacity is reused).
  void rows_in(std::u16string_view text, std::vector<int>& rows) const;

 private:
  static std::uint32_t pair_key(char16_t first, char16_t second) {
    return std::uint32_t{first} << 16 | second;
  }
  static std::size_t pair_bit(std::uint32_t key) { return (key ^ key >> 13) & kBitMask; }
  // The rows of the names that start with the pair key.
  void add_rows(std::uint32_t key, std::vector<int>& rows) const;

  // Enough bits that a pair of no name rarely finds its bit set.
  static constexpr std::size_t kBitMask = 0xFFFF;
  std::vector<std::pair<std::uint32_t, int>> pairs_;  // (first two characters, row), sorted
  std::bitset<kBitMask + 1> pair_bits_;               // pair_bit of every key in pairs_
  std::vector<std::pair<char16_t, int>> singles_;     // one-character names
};

}  // namespace kovari::text
