#include "order_check.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

#include "text/sjis.h"

namespace kovari::roundtrip {
namespace {

// The answers of the addresses taken in `order`, by address index.
std::vector<Answer> answers_in(Session& session, const std::vector<std::u16string>& addresses,
                               const std::vector<std::size_t>& order, const Convert& convert,
                               bool alone) {
  std::vector<Answer> answers(addresses.size());
  for (const std::size_t i : order) {
    if (alone) {
      session.remembered = {};
      session.caches = {};
      session.town_cache.clear();
    }
    answers[i] = answer_of(convert(session, addresses[i]));
  }
  return answers;
}

}  // namespace

Answer answer_of(const AddressOutcome& o) { return {o.code, o.message, o.parts}; }

OrderCheck check_order(Session& session, const std::vector<std::u16string>& addresses,
                       const Convert& convert, const std::vector<Answer>& given) {
  OrderCheck check;
  check.addresses = addresses.size();
  std::vector<std::size_t> listed(addresses.size());
  std::iota(listed.begin(), listed.end(), 0);
  const std::vector<Answer> alone = answers_in(session, addresses, listed, convert, true);

  std::vector<std::size_t> sorted = listed;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [&](std::size_t a, std::size_t b) { return addresses[a] < addresses[b]; });
  std::vector<std::size_t> reversed(sorted.rbegin(), sorted.rend());
  std::vector<std::size_t> shuffled = listed;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20240601));

  auto compare = [&](const std::string& name, const std::vector<Answer>& answers) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
      if (answers[i] == alone[i]) continue;
      ++differing;
      if (check.examples.size() < 50) {
        check.examples.push_back(
            name + ": " + text::to_utf8(addresses[i]) + " -> [" + text::to_utf8(answers[i].code) +
            "] " + text::to_utf8(answers[i].message) + ", alone [" + text::to_utf8(alone[i].code) +
            "] " + text::to_utf8(alone[i].message));
      }
    }
    check.differing.emplace_back(name, differing);
  };
  if (given.size() == addresses.size()) compare("as listed", given);
  for (const auto& [name, order] :
       {std::pair<std::string, const std::vector<std::size_t>*>{"sorted", &sorted},
        {"reversed", &reversed},
        {"shuffled", &shuffled}}) {
    session.remembered = {};
    session.caches = {};
    session.town_cache.clear();
    compare(name, answers_in(session, addresses, *order, convert, false));
  }
  return check;
}

void print_order_check(const char* title, const OrderCheck& check, std::size_t examples) {
  std::printf("\norder independence of %s: %zu addresses, each compared with its answer alone\n",
              title, check.addresses);
  for (const auto& [name, differing] : check.differing) {
    std::printf("  %-10s %zu differ\n", name.c_str(), differing);
  }
  for (std::size_t k = 0; k < check.examples.size() && k < examples; ++k) {
    std::printf("      %s\n", check.examples[k].c_str());
  }
}

}  // namespace kovari::roundtrip
