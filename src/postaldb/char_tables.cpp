#include "postaldb/char_tables.h"

#include <algorithm>

#include "postaldb/directory.h"
#include "postaldb/fixed_tables.h"

namespace kovari::postaldb {

int set_replacement_pairs(const settings::Settings& settings, PostalTables& tables) {
  const int file_pairs = static_cast<int>(tables.chr_file_pairs.size());
  const int room = std::max(0, kMaxChrPairs - file_pairs);
  const int user_pairs = static_cast<int>(settings.text_pairs.size());
  const int kept = std::min(user_pairs, room);
  tables.chr_from.assign(1, u"");
  tables.chr_to.assign(1, u"");
  for (const auto& [from, to] : tables.chr_file_pairs) {
    tables.chr_from.push_back(from);
    tables.chr_to.push_back(to);
  }
  for (int k = 0; k < kept; ++k) {
    tables.chr_from.push_back(settings.text_pairs[k].first);
    tables.chr_to.push_back(settings.text_pairs[k].second);
  }
  tables.chr_count = settings.text_section_read ? file_pairs + kept : 0;
  return user_pairs - kept;
}

LoadStatus get_chr(PostalDb& db) {
  const std::int32_t block = db.dir.blk2[9];
  const std::int32_t count = db.dir.chr_file_count;
  auto& pairs = db.tables.chr_file_pairs;
  pairs.clear();
  Cursor cursor = db.detail_file.at(block_position(block));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    std::u16string from = cursor.read_variant_string();
    pairs.emplace_back(std::move(from), cursor.read_variant_string());
  }
  return status_of(cursor);
}

void set_table1(PostalTables& tables) {
  for (std::size_t k = 0; k < kJiWords.size(); ++k) {
    tables.ji_word[k + 1] = std::u16string(kJiWords[k]);
  }
  tables.ji_word_count = static_cast<int>(kJiWords.size());
}

void set_table2(PostalTables& tables) {
  for (std::size_t n = 0; n < kKanjiNumerals.size(); ++n) {
    tables.kanji_num[n] = std::u16string(kKanjiNumerals[n]);
  }
  tables.kanji_num_count = static_cast<int>(kKanjiNumerals.size()) - 1;
}

}  // namespace kovari::postaldb
