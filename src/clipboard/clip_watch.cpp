#include "clipboard/clip_watch.h"

#include <algorithm>

#include "clipboard/clip_copy.h"
#include "text/strconv.h"
#include "text/vb.h"

namespace kovari::clipboard {

namespace {

// Marks the watcher busy while a conversion runs (which may let window
// events run, and with them a further tick).
class BusyScope {
 public:
  explicit BusyScope(ClipWatch& watch) : watch_(watch) { watch_.clip_busy = true; }
  ~BusyScope() { watch_.clip_busy = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ClipWatch& watch_;
};

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The text before its first CR, LF or tab: only the first line is converted.
std::u16string_view first_line(std::u16string_view text) {
  return text.substr(0, std::min(text.find_first_of(u"\r\n\t"), text.size()));
}

// Puts the conversion's result on the clipboard in place of what was copied.
void replace_clipboard(ClipWatch& watch, Host& host, std::u16string text) {
  host.clear_clipboard();
  host.set_clipboard_text(text);
  watch.last_clip_text = std::move(text);
  watch.picture = ClipPicture::kConverted;
}

void code_to_address(ClipWatch& watch, ClipConverter& converter, ClipHistory& history, Host& host,
                     const settings::Settings& settings, std::u16string_view text) {
  watch.caption = kCaptionCodeWorking;
  watch.picture = ClipPicture::kWorking;
  const std::u16string_view in_code = first_line(text);
  // A number of another length is no code: nothing changes.
  const std::u16string_view trimmed = text::trim_view(in_code);
  if (text::IsNumeric(trimmed) && text::Len(trimmed) != 7) return;

  std::u16string digits;
  std::copy_if(in_code.begin(), in_code.end(), std::back_inserter(digits), is_digit);
  ClipConverter::Address found;
  if (digits.size() == 7) found = converter.code_to_address(digits, watch.first_of_several);
  watch.caption = kCaptionCodeDone;
  if (found.address.empty()) {
    watch.picture = ClipPicture::kNotConverted;
    return;
  }
  replace_clipboard(watch, host, found.address + u"\t" + found.pobox + u"\t" + found.office);
  history.append(
      quoted_line({code_item(digits, settings), found.address, found.pobox, found.office}, u","),
      host);
}

void address_to_code(ClipWatch& watch, ClipConverter& converter, ClipHistory& history, Host& host,
                     const settings::Settings& settings, std::u16string_view text) {
  watch.caption = kCaptionAddressWorking;
  watch.picture = ClipPicture::kWorking;
  const ClipConverter::Code found = converter.address_to_code(first_line(text));
  watch.caption = kCaptionAddressDone;
  if (found.code.empty()) {
    watch.picture = ClipPicture::kNotConverted;
    return;
  }
  const std::u16string code = code_item(found.code, settings);
  replace_clipboard(watch, host, code);
  history.append(quoted_line({code, found.addr_text}, u","), host);
}

}  // namespace

ClipText classify_clip_text(std::u16string_view clipboard, std::u16string_view last_clip_text) {
  ClipText taken;
  taken.text = text::to_narrow(text::trim_view(clipboard));
  if (taken.text.empty() || text::Len(taken.text) > kMaxClipLength ||
      taken.text == text::to_narrow(last_clip_text)) {
    return taken;
  }
  const std::u16string_view head = text::left_view(taken.text, 3);
  const bool digit_in_head =
      std::any_of(head.begin(), head.end(), [](char16_t c) { return c >= u'1' && c <= u'9'; });
  taken.kind = text::Val(taken.text) != 0 || digit_in_head ? ClipKind::kCode : ClipKind::kAddress;
  return taken;
}

void start_watch(ClipWatch& watch, Host& host) {
  watch.clip_busy = false;
  watch.last_clip_text.clear();
  host.clear_clipboard();
  watch.watching = true;
  watch.picture = ClipPicture::kWorking;
}

bool watch_step(ClipWatch& watch, ClipConverter& converter, ClipHistory& history, Host& host,
                const settings::Settings& settings) {
  if (!watch.watching || watch.clip_busy) return false;
  const ClipText taken = classify_clip_text(host.clipboard_text(), watch.last_clip_text);
  if (taken.kind == ClipKind::kNone) return false;
  watch.last_clip_text = taken.text;
  BusyScope busy(watch);
  if (taken.kind == ClipKind::kCode) {
    code_to_address(watch, converter, history, host, settings, taken.text);
  } else {
    address_to_code(watch, converter, history, host, settings, taken.text);
  }
  return true;
}

}  // namespace kovari::clipboard
