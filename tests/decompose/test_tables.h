// Small in-memory postal tables for the decomposition tests: one or two ward
// rows of every designated city, a few other cities and four buildings (rows
// 1..4: 仙台市 30 floors, 千葉市 60, 千代田区 37, 港区 5).
#pragma once

#include <string>
#include <string_view>

#include "decompose/decomposition.h"
#include "postaldb/tables.h"

namespace kovari::decompose::testing {

inline constexpr int kSendaiTowerRow = 1;  // 宮城県 仙台市

postaldb::PostalTables make_test_tables();

// UTF-8 form of a text, for failure messages.
std::string utf8(std::u16string_view text);

// Decomposes address with tables and options into a fresh result.
Decomposition decompose(std::u16string_view address, const postaldb::PostalTables& tables,
                        DecomposeOptions options = {});

}  // namespace kovari::decompose::testing
