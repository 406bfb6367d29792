#include "decompose/marker_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/vb.h"

namespace kovari::decompose {
namespace {

// Whatever the text, the part of it asked about and the start, a marker's
// first position is where InStr finds it, and so is a word's that opens with
// a marker. Texts run past the 64 characters of the one-pass scan.
TEST(MarkerPositionsTest, AgreesWithInStrOnRandomTexts) {
  // Markers, characters that share a scan slot with one (丢 with 市, 一 with
  // 区, 乜 with 郡, 亰 with -, 乌 with 町, 1 with 京), and others.
  const std::u16string_view alphabet = u"市区郡町村-京地丢一乜亰乌1東a 山";
  const std::u16string_view markers = u"市区郡町村-京地";
  std::mt19937 random(11);
  for (int round = 0; round < 4000; ++round) {
    std::u16string text(random() % 90, u' ');
    for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
    const MarkerPositions positions(text);
    const std::size_t cut = text.empty() ? 0 : random() % (text.size() + 1);
    const std::size_t kept = random() % (text.size() - cut + 1);
    const std::u16string_view w = std::u16string_view(text).substr(cut, kept);
    for (char16_t marker : markers) {
      const std::u16string_view m(&marker, 1);
      for (int from = 0; from <= static_cast<int>(w.size()) + 1; ++from) {
        const int expected = from < 1 ? 0 : text::InStr(from, w, m);
        ASSERT_EQ(positions.in(w)(marker, from), expected)
            << round << " " << text.size() << " " << cut << " " << from;
      }
    }
    const auto check_word = [&](const auto& word) {
      ASSERT_EQ(positions.in(w).word(word), text::InStr(w, std::u16string_view(word))) << round;
    };
    check_word(u"郡山");
    check_word(u"市区");
    check_word(u"-1");
    check_word(u"町村町");
  }
}

}  // namespace
}  // namespace kovari::decompose
