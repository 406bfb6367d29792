// Small in-memory postal tables for the decomposition tests: one or two ward
// rows of every designated city, a few other cities and a few buildings.
#pragma once

#include "postaldb/tables.h"

namespace kovari::decompose::testing {

// Base codes and highest floors of the test buildings (rows 1..4).
inline constexpr int kSendaiTowerRow = 1;    // 宮城県 仙台市, 30 floors
inline constexpr int kMakuhariTowerRow = 2;  // 千葉県 千葉市, 60 floors
inline constexpr int kMarunouchiRow = 3;     // 東京都 千代田区, 37 floors
inline constexpr int kLowRiseRow = 4;        // 東京都 港区, 5 floors

postaldb::PostalTables make_test_tables();

}  // namespace kovari::decompose::testing

#include <string>
#include <string_view>

#include "decompose/decomposition.h"

namespace kovari::decompose::testing {

// UTF-8 form of a text, for failure messages.
std::string utf8(std::u16string_view text);

// Decomposes address with tables and options into a fresh result.
Decomposition decompose(std::u16string_view address, const postaldb::PostalTables& tables,
                        DecomposeOptions options = {});

}  // namespace kovari::decompose::testing
