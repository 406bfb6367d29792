#include "postaldb/char_tables.h"

#include <algorithm>

#include "postaldb/directory.h"
#include "postaldb/fixed_tables.h"

namespace kovari::postaldb {

namespace {

// Grows (never shrinks) both columns to hold slots 0..last.
void make_room(PostalTables& tables, std::int64_t last) {
  const std::size_t size = static_cast<std::size_t>(last) + 1;
  if (tables.chr_from.size() < size) tables.chr_from.resize(size);
  if (tables.chr_to.size() < size) tables.chr_to.resize(size);
}

}  // namespace

int place_user_pairs(const settings::Settings& settings, std::int32_t chr_file_count,
                     PostalTables& tables) {
  const std::int32_t file_pairs = std::max<std::int32_t>(chr_file_count, 0);
  const int room = std::max(0, kMaxChrPairs - file_pairs);
  const int user_pairs = static_cast<int>(settings.text_pairs.size());
  const int kept = std::min(user_pairs, room);
  tables.chr_from.resize(static_cast<std::size_t>(file_pairs) + 1);
  tables.chr_to.resize(static_cast<std::size_t>(file_pairs) + 1);
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
  if (LoadStatus s = check_table_fits(db.detail_file, block, count, min_record::kCharacterPair,
                                      "character-replacement table");
      !s.ok()) {
    return s;
  }
  make_room(db.tables, count);
  Cursor cursor = db.detail_file.at(block_position(block));
  for (int i = 1; i <= count && !cursor.failed(); ++i) {
    db.tables.chr_from[i] = cursor.read_variant_string();
    db.tables.chr_to[i] = cursor.read_variant_string();
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
