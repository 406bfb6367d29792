#include "postaldb/made_on_first_use.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace kovari::postaldb {
namespace {

TEST(EachMadeOnFirstUseTest, MakesEachValueOnItsFirstUseAndKeepsIt) {
  const EachMadeOnFirstUse<std::string> values(3);
  int made = 0;
  const auto make = [&](const char* text) {
    return [&made, text] {
      ++made;
      return std::string(text);
    };
  };
  const std::string& second = values.get(1, make("b"));
  EXPECT_EQ(second, "b");
  EXPECT_EQ(&values.get(1, make("again")), &second);
  EXPECT_EQ(values.get(0, make("a")), "a");
  EXPECT_EQ(made, 2);
}

// Threads that ask at once all read the one value kept, whoever made it.
TEST(EachMadeOnFirstUseTest, ThreadsAskingAtOnceReadOneValue) {
  const EachMadeOnFirstUse<std::vector<int>> values(1);
  std::atomic<int> waiting{4};
  std::vector<const std::vector<int>*> seen(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (--waiting; waiting > 0;) {
      }
      seen[static_cast<std::size_t>(t)] = &values.get(0, [t] { return std::vector<int>(100, t); });
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const std::vector<int>* value : seen) {
    EXPECT_EQ(value, seen[0]);
    EXPECT_EQ(*value, std::vector<int>(100, (*seen[0])[0]));
  }
}

}  // namespace
}  // namespace kovari::postaldb
