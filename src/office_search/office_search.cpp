#include "office_search/office_search.h"

#include <span>

#include "io/atomic_file.h"
#include "office_search/office_name.h"
#include "text/sjis.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::office_search {

namespace {

constexpr std::u16string_view kMsgBrokenData = u"続行不可能なエラーが発生しました";
constexpr std::u16string_view kMsgIndexNotSaved =
    u"検索用テーブルをファイルに保存できませんでした。\r\n"
    u"保存せずに検索を続けます。\r\n";

enum class IndexState { kReady, kDeclined, kBroken };

// The index of the loaded data: the one in use, else its file, else made from
// the data file once the user agrees. When its file cannot be written the
// index made stays in use for this run.
IndexState make_index_ready(OfficeIndexStore& store, const postaldb::PostalDb& db, Host& host) {
  if (store.index && store.index->stamp == data_stamp(db)) return IndexState::kReady;
  store.index = read_index_file(store.path, db);
  if (store.index) return IndexState::kReady;
  if (!host.ask_yes_no(kBuildQuestion, u"問い合わせメッセージ", MessageIcon::Question)) {
    host.message_box(kMsgBuildDeclined, u"", MessageIcon::Information);
    return IndexState::kDeclined;
  }
  store.index = read_name_table(db, host);
  if (!store.index) {
    host.message_box(kMsgBrokenData, u"", MessageIcon::Critical);
    return IndexState::kBroken;
  }
  const std::optional<std::string> content = index_file_content(*store.index);
  std::string error;
  if (!content || !io::write_file_atomically(store.path, *content, error)) {
    host.message_box(
        text::from_utf8(store.path.string()) + u"\r\n" + std::u16string(kMsgIndexNotSaved),
        u"注意メッセージ", MessageIcon::Exclamation);
  }
  return IndexState::kReady;
}

std::span<const std::u16string> word_table(const postaldb::PostalTables& tables) {
  if (tables.word_count2 <= 0 ||
      tables.word.size() <= static_cast<std::size_t>(tables.word_count2)) {
    return {};
  }
  return std::span<const std::u16string>(tables.word).subspan(1, tables.word_count2);
}

OfficeSearchOutcome message_only(OfficeSearchResult result, std::u16string_view message) {
  OfficeSearchOutcome outcome;
  outcome.result = result;
  outcome.message = message;
  return outcome;
}

}  // namespace

OfficeSearchOutcome kensaku_syori(OfficeIndexStore& store, const postaldb::PostalDb& db, Host& host,
                                  std::u16string_view text, MatchMode mode) {
  if (text::trim_view(text).empty()) return message_only(OfficeSearchResult::kNoText, {});
  std::u16string key = text::to_wide(text);
  host.status(kMsgSearching);
  seikika1(key);
  if (text::trim_view(key).empty())
    return message_only(OfficeSearchResult::kInputError, kMsgBadName);
  seikika2(key, word_table(db.tables));
  if (key.empty()) return message_only(OfficeSearchResult::kInputError, kMsgBadName);

  // Without an index nothing is found: a search the user stopped lists nothing.
  if (make_index_ready(store, db, host) != IndexState::kReady) {
    return message_only(OfficeSearchResult::kNotFound, kMsgNotFound);
  }
  const NameHits names = select_text(*store.index, key, mode);
  if (names.hits.empty()) return message_only(OfficeSearchResult::kNotFound, kMsgNotFound);

  Positions positions = get_address(db, names);
  host.status(kMsgCollected);
  positions = sort_address(std::move(positions));
  host.status(kMsgSorted);
  if (positions.over) host.message_box(kMsgOverLimit, u"情報メッセージ", MessageIcon::Information);

  OfficeSearchOutcome outcome = message_only(OfficeSearchResult::kFound, kMsgEnterName);
  outcome.office_hit = std::move(positions.positions);
  outcome.office_over = positions.over;
  return outcome;
}

}  // namespace kovari::office_search
