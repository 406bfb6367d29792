// Copying results to the clipboard, shared by every window that copies: the
// question asked before the first copy of a run, and the quoted lines the
// copies append to the clipboard's text, so that successive copies build up a
// list of lines.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "host/host.h"
#include "settings/settings.h"

namespace kovari::clipboard {

inline constexpr std::u16string_view kClearQuestion =
    u"テキストデータがクリップボードに残っています。\r\n"
    u"クリップボードをクリアしても構いませんか。";
inline constexpr std::u16string_view kClearQuestionTitle = u"問い合わせメッセージ";

// Before the first copy of a run (clip_asked false): text left on the
// clipboard is cleared only when the user answers Yes; a clipboard without
// text is cleared without asking. clip_asked is true afterwards.
void ask_first_copy(Host& host, bool& clip_asked);

// The first-copy question, then the clipboard's text followed by `lines` is
// put back on the clipboard.
void append_to_clipboard(Host& host, bool& clip_asked, std::u16string_view lines);

// The separator of the items of a line: "," when Flag::kCommaSeparator is set,
// else a tab.
std::u16string_view item_separator(const settings::Settings& settings);

// A postal code as the copies write it: trimmed, and written with the pattern
// "000-0000" when Flag::kHyphen is set ("1000001" becomes "100-0001"; a text
// that is not a number stays as it is).
std::u16string code_item(std::u16string_view code, const settings::Settings& settings);

// The items, each trimmed and enclosed in double quotation marks, separated
// by `separator`, followed by CR LF.
std::u16string quoted_line(std::span<const std::u16string_view> items,
                           std::u16string_view separator);
std::u16string quoted_line(std::initializer_list<std::u16string_view> items,
                           std::u16string_view separator);

// What a copy writes of one result.
struct ResultItems {
  std::u16string_view code;  // unformatted
  std::u16string_view address;
  std::u16string_view pobox;
  std::u16string_view office;
};

// The line of one result: the code item, the address, the post-office box and
// the office name, quoted and separated as the settings say
// ("100-0001","東京都千代田区千代田","","" + CR LF).
std::u16string result_line(const ResultItems& items, const settings::Settings& settings);

}  // namespace kovari::clipboard
