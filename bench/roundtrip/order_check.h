// One address, one answer, whatever came before: converts a list of addresses
// in sorted order, in reverse order and shuffled, and each address alone (in
// a session emptied of its remembered choices and caches), and counts the
// addresses whose answer (code, message, parts) differs from the one it gets
// alone.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "session/convert_address.h"
#include "session/session.h"

namespace kovari::roundtrip {

using Convert = std::function<AddressOutcome(Session&, std::u16string_view address)>;

// What is compared of an outcome.
struct Answer {
  std::u16string code, message, parts;
  bool operator==(const Answer&) const = default;
};
Answer answer_of(const AddressOutcome& o);

struct OrderCheck {
  std::size_t addresses = 0;
  // Per order ("sorted", "reversed", "shuffled" and any order the caller
  // adds), the addresses whose answer differs from their answer alone.
  std::vector<std::pair<std::string, std::size_t>> differing;
  std::vector<std::string> examples;
};

// `given` holds answers the caller already has in the list's own order (its
// timed pass); it is compared as the order "as listed". May be empty.
OrderCheck check_order(Session& session, const std::vector<std::u16string>& addresses,
                       const Convert& convert, const std::vector<Answer>& given = {});

void print_order_check(const char* title, const OrderCheck& check, std::size_t examples);

}  // namespace kovari::roundtrip
