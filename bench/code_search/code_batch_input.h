// The input of the batch code-to-address benchmarks: a Shift-JIS file of a
// header and `lines` records (number, name, code; the codes taken in turn
// from the town-area index, every 50th one written "〒ddd-dddd", every 97th
// unknown).
#pragma once

#include <string>

#include "code_search/code_index.h"
#include "postaldb/postal_db.h"
#include "text/sjis.h"

namespace kovari::bench {

inline std::string code_batch_input(const postaldb::PostalDb& db, long lines) {
  const code_search::CodeIndex index = code_search::CodeIndex::main_index(db);
  std::u16string text = u"番号,氏名,郵便番号\r\n";
  for (long i = 1; i <= lines; ++i) {
    std::u16string code = index.code(static_cast<std::int32_t>(1 + (i * 7) % index.count()));
    if (i % 97 == 0) code = u"0000001";
    if (i % 50 == 0) code = u"〒" + code.substr(0, 3) + u"-" + code.substr(3);
    text += text::from_utf8(std::to_string(i)) + u",山田　太郎," + code + u"\r\n";
  }
  return text::encode_sjis(text).value();
}

}  // namespace kovari::bench
