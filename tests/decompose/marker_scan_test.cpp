#include "decompose/marker_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/vb.h"

namespace kovari::decompose {
namespace {

// Whatever the text, a marker's first position is where InStr finds it, and
// word_from finds a word where InStr does.
TEST(MarkerScanTest, AgreesWithInStrOnRandomTexts) {
  static constexpr std::u16string_view kMarkers = u"市区郡町村-";
  static constexpr MarkerScan kScan{u"市区郡町村-"};
  // The markers, characters that share a scan slot with one (丧 with 区, 丿
  // with 郡, 丒 with 市), and others.
  const std::u16string_view alphabet = u"市区郡町村-丧丿丒東京1a 山";
  const std::u16string_view words[] = {u"郡山", u"市区", u"-1", u"町村町"};
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::u16string text(random() % 41, u' ');
    for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
    const auto first = kScan.scan(text);
    for (char16_t marker : kMarkers) {
      ASSERT_EQ(first.of(marker), text::InStr(text, std::u16string_view(&marker, 1)))
          << text.size() << " " << round;
    }
    for (std::u16string_view word : words) {
      const int start = text::InStr(text, word.substr(0, 1));
      ASSERT_EQ(word_from(text, start, word), text::InStr(text, word)) << round;
    }
  }
}

}  // namespace
}  // namespace kovari::decompose
