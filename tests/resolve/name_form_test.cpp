// A comparison form made after a head whose form is already made is the
// form of the whole text, whether or not the text begins with the head.
#include "resolve/name_form.h"

#include <gtest/gtest.h>

#include <string>

namespace kovari::resolve {
namespace {

TEST(NameForm, AFormMadeAfterAHeadIsTheWholeForm) {
  struct Case {
    std::u16string_view text, head;
  };
  const Case cases[] = {
      {u"霞ヶ関３丁目", u"霞ヶ関"},  // begins with the head, which folds
      {u"塚本町１", u"塚本町"},      // a variant kanji in the head
      {u"本町﨑", u"本町"},          // a variant after the head
      {u"霞が関", u"霞ヶ関"},        // does not begin with it
      {u"本", u"本町"},              // shorter than the head
      {u"大字横浜", u""},            // no head
      {u"", u"本町"},                // no text
  };
  for (const Case& c : cases) {
    const std::u16string head_form = comparison_form(c.head);
    std::u16string out = u"前の文字列";
    comparison_form(c.text, c.head, head_form, out);
    EXPECT_EQ(out, comparison_form(c.text)) << std::u16string(c.text).size();
    std::u16string in_place(c.text);
    comparison_form(in_place, c.head, head_form, in_place);
    EXPECT_EQ(in_place, comparison_form(c.text));
  }
}

}  // namespace
}  // namespace kovari::resolve
