#include "clipboard/clip_history.h"

#include <optional>
#include <string>

#include "text/sjis.h"

namespace kovari::clipboard {

namespace {

constexpr std::u16string_view kMsgNoHistory =
    u"履歴ファイルに書き込めません。\r\n履歴を残さずに変換を続けます。\r\n";

// The line in Shift-JIS, each character that has no form there written "？".
std::string encode_line(std::u16string_view line) {
  std::u16string text(line);
  std::size_t bad = 0;
  for (;;) {
    if (std::optional<std::string> bytes = text::encode_sjis(text, bad)) return *bytes;
    text[bad] = u'？';
  }
}

}  // namespace

ClipHistory::ClipHistory(std::filesystem::path path)
    : path_(std::move(path)), out_(path_, std::ios::binary | std::ios::app) {}

void ClipHistory::append(std::u16string_view line, Host& host) {
  // Each line reaches the file at once: a crash loses no conversion.
  if (out_ && out_ << encode_line(line) << std::flush) return;
  if (failed_) return;
  failed_ = true;
  host.message_box(text::from_utf8(path_.string()) + u"\r\n" + std::u16string(kMsgNoHistory),
                   u"注意メッセージ", MessageIcon::Exclamation);
}

}  // namespace kovari::clipboard
