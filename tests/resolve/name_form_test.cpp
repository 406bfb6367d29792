// The comparison view is the text itself when nothing in it folds, and the
// comparison form made in the room otherwise.
#include "resolve/name_form.h"

#include <gtest/gtest.h>

#include <string>

namespace kovari::resolve {
namespace {

TEST(NameForm, ViewIsTheTextUnlessACharacterFolds) {
  struct Case {
    std::u16string_view text;
    bool folds;
  } const cases[] = {
      {u"霞ヶ関３丁目", true},  // ヶ
      {u"霞が関", true},        // が
      {u"ガ丘", true},          // ガ at the start
      {u"本町﨑", true},        // a variant kanji at the end
      {u"霞ケ関", false},       // ケ is the form itself
      {u"本町一丁目", false},  {u"", false},
  };
  for (const Case& c : cases) {
    std::u16string room = u"前の文字列";
    const std::u16string_view view = comparison_view(c.text, room);
    EXPECT_EQ(view, comparison_form(c.text)) << c.text.size();
    EXPECT_EQ(view.data() == c.text.data(), !c.folds) << c.text.size();
  }
}

}  // namespace
}  // namespace kovari::resolve
