#include "words.h"

#include <algorithm>
#include <array>

namespace kovari::mkdata {

std::vector<std::u16string> office_words() {
  static constexpr std::array<std::u16string_view, 32> kWords = {u"特定非営利活動法人",
                                                                 u"地方独立行政法人",
                                                                 u"有限責任事業組合",
                                                                 u"独立行政法人",
                                                                 u"国立大学法人",
                                                                 u"公立大学法人",
                                                                 u"一般社団法人",
                                                                 u"公益社団法人",
                                                                 u"一般財団法人",
                                                                 u"公益財団法人",
                                                                 u"社会福祉法人",
                                                                 u"医療法人社団",
                                                                 u"医療法人財団",
                                                                 u"農業協同組合",
                                                                 u"漁業協同組合",
                                                                 u"生活協同組合",
                                                                 u"株式会社",
                                                                 u"有限会社",
                                                                 u"合同会社",
                                                                 u"合資会社",
                                                                 u"合名会社",
                                                                 u"相互会社",
                                                                 u"社団法人",
                                                                 u"財団法人",
                                                                 u"医療法人",
                                                                 u"学校法人",
                                                                 u"宗教法人",
                                                                 u"協同組合",
                                                                 u"（株）",
                                                                 u"（有）",
                                                                 u"㈱",
                                                                 u"㈲"};
  std::vector<std::u16string> words(kWords.begin(), kWords.end());
  std::stable_sort(
      words.begin(), words.end(),
      [](const std::u16string& a, const std::u16string& b) { return a.size() > b.size(); });
  return words;
}

std::vector<CharPair> char_pairs() {
  std::vector<CharPair> pairs;
  for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
    pairs.push_back({std::u16string{digit, u'ｰ'}, std::u16string{digit, u'-'}});
  }
  return pairs;
}

}  // namespace kovari::mkdata
