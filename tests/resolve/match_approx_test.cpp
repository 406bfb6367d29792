#include "resolve/match_approx.h"

#include <gtest/gtest.h>

#include <vector>

namespace kovari::resolve {
namespace {

CandidateList list_of(std::vector<std::u16string> names) {
  CandidateList c;
  int i = 0;
  for (auto& n : names) c.add(n, u"", ++i * 10, kMaxCandidates);
  return c;
}

struct Case {
  const char* what;
  std::u16string typed;
  std::vector<std::u16string> names;
  bool ok;
  int index;        // cand_index of the pick (entry k has index 10 k)
  int fuzzy_count;  // similarity hits left for the selection list
};

TEST(MatchApprox, Stages) {
  const Case cases[] = {
      {"one wrong character of the same length",
       u"世田ケ谷区",
       {u"世田谷区", u"杉並区"},
       true,
       10,
       1},
      {"slip in a name of equal length", u"千代四区", {u"千代田区", u"中央区"}, true, 10, 1},
      {"town typed without its 町, input begins with the rest",
       u"大手一丁目",
       {u"大手町", u"丸の内"},
       true,
       10,
       1},
      {"two hits, the input begins with only one", u"本町通", {u"本町", u"本通"}, true, 10, 2},
      {"two hits that both begin the input: nearest length wins",
       u"北見市北",
       {u"北見", u"北見市", u"南区"},
       true,
       20,
       2},
      {"tie in length distance: the first in list order",
       u"中央",
       {u"中央区", u"中央町"},
       true,
       10,
       2},
      {"several hits, none sharing a prefix: ng", u"東西南", {u"東西北", u"東南"}, false, 0, 2},
      {"nothing similar and no prefix: ng", u"札幌", {u"那覇市", u"福岡市"}, false, 0, 0},
      {"empty text: ng", u"", {u"港区"}, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FuzzyHits hits;
    const CandidateList cand = list_of(c.names);
    const ApproxResult r = match_approx(c.typed, cand.cand_count, cand, hits, 1);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.index, c.index);
    EXPECT_EQ(hits.fuzzy_count, c.fuzzy_count);
  }
}

TEST(MatchApprox, SwitchedOffAlwaysAnswersNg) {
  const CandidateList cand = list_of({u"世田谷区"});
  FuzzyHits hits;
  hits.fuzzy_count = 5;
  const ApproxResult r = match_approx(u"世田谷区", 1, cand, hits, 0);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(hits.fuzzy_count, 0);
}

TEST(MatchApprox, CountBeyondTheStoredEntriesIsCapped) {
  const CandidateList cand = list_of({u"港区"});
  FuzzyHits hits;
  const ApproxResult r = match_approx(u"港区", 500, cand, hits, 1);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.index, 10);
}

}  // namespace
}  // namespace kovari::resolve
