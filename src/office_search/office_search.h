// The office-name search as OfficeNameSearchWindow and kovari-cli run it: the
// typed text brought into the normal form of the stored names, the index
// made ready (read from its file, or made from the data file after the user
// agreed), the matching names, and the detail records they lead to, which the
// search-result list shows in its mode 3 (result_list::set_list4).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "office_search/office_index.h"
#include "office_search/office_match.h"
#include "postaldb/postal_db.h"

namespace kovari::office_search {

inline constexpr std::u16string_view kMsgEnterName = u"検索する大口事業所名を入力して下さい。";
inline constexpr std::u16string_view kMsgSearching = u"大口事業所名を抽出中。";
inline constexpr std::u16string_view kMsgBadName =
    u"大口事業所名の入力誤りです。再入力して下さい。";
inline constexpr std::u16string_view kMsgNotFound =
    u"該当する大口事業所名は未登録です。再入力して下さい。";
inline constexpr std::u16string_view kMsgCollected = u"大口事業所名データ抽出完了。";
inline constexpr std::u16string_view kMsgSorted = u"大口事業所名データ名寄せ完了。";
inline constexpr std::u16string_view kBuildQuestion =
    u"大口事業所名検索のために検索用テーブルを作成します。\r\n"
    u"今回限りの処理であり、処理時間は約２０秒です。\r\n";
inline constexpr std::u16string_view kMsgBuildDeclined = u"検索処理を中断します";
inline constexpr std::u16string_view kMsgOverLimit =
    u"大口事業所名検索のデータ抽出で規定件数を超えました。\r\n処理を続行します。\r\n";

// Where the search keeps its index: the index file, and the index in use once
// read or made (kept for the data it was made from; a new load empties it).
struct OfficeIndexStore {
  std::filesystem::path path;  // "ooguchi_index.csv" (paths::UserFile::OfficeIndex)
  std::optional<OfficeIndex> index;
};

enum class OfficeSearchResult {
  kNoText,      // nothing was typed: no search, no message
  kFound,       // office_hit holds the records to list
  kInputError,  // nothing left of the text to search for
  kNotFound,    // no name matched, or the index was not made
};

struct OfficeSearchOutcome {
  OfficeSearchResult result = OfficeSearchResult::kNotFound;
  // The message line afterwards.
  std::u16string message;
  // kFound: the detail-record offsets, ascending, each once (at most
  // kMaxOffices), and whether a limit left matches out.
  std::vector<std::int32_t> office_hit;
  bool office_over = false;
};

// kensaku_syori: searches `text` in `mode`. The host shows the steps on the
// message line, asks before the index is made (a No ends the search with
// "検索処理を中断します"), shows the progress of making it, says when the index
// file cannot be written (the search goes on with the index in memory), and
// tells the user when a limit was reached.
OfficeSearchOutcome kensaku_syori(OfficeIndexStore& store, const postaldb::PostalDb& db, Host& host,
                                  std::u16string_view text, MatchMode mode);

}  // namespace kovari::office_search
