#include "clipboard/clip_history.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

ClipHistory::ClipHistory(std::filesystem::path path) : path_(std::move(path)) {
  fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
}

ClipHistory::~ClipHistory() {
  if (fd_ >= 0) ::close(fd_);
}

void ClipHistory::append(std::u16string_view line, Host& host) {
  if (fd_ >= 0 && write_all(fd_, encode_line(line))) return;
  if (failed_) return;
  failed_ = true;
  host.message_box(text::from_utf8(path_.string()) + u"\r\n" + std::u16string(kMsgNoHistory),
                   u"注意メッセージ", MessageIcon::Exclamation);
}

}  // namespace kovari::clipboard
