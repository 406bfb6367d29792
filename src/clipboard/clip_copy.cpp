#include "clipboard/clip_copy.h"

#include "text/format.h"
#include "text/vb.h"

namespace kovari::clipboard {

void ask_first_copy(Host& host, bool& clip_asked) {
  if (clip_asked) return;
  if (!host.clipboard_has_text() ||
      host.ask_yes_no(kClearQuestion, kClearQuestionTitle, MessageIcon::Question)) {
    host.clear_clipboard();
  }
  clip_asked = true;
}

void append_to_clipboard(Host& host, bool& clip_asked, std::u16string_view lines) {
  ask_first_copy(host, clip_asked);
  host.set_clipboard_text(host.clipboard_text() + std::u16string(lines));
}

std::u16string_view item_separator(const settings::Settings& settings) {
  return settings.flag(settings::Flag::kCommaSeparator) != 0 ? u"," : u"\t";
}

std::u16string code_item(std::u16string_view code, const settings::Settings& settings) {
  const std::u16string trimmed = text::Trim(code);
  if (settings.flag(settings::Flag::kHyphen) == 0) return trimmed;
  return text::Format(std::u16string_view(trimmed), u"000-0000");
}

std::u16string quoted_line(std::initializer_list<std::u16string_view> items,
                           std::u16string_view separator) {
  return quoted_line(std::span(items.begin(), items.size()), separator);
}

std::u16string quoted_line(std::span<const std::u16string_view> items,
                           std::u16string_view separator) {
  std::u16string line;
  for (const std::u16string_view item : items) {
    if (!line.empty()) line += separator;
    line += u'"';
    line += text::trim_view(item);
    line += u'"';
  }
  line += u"\r\n";
  return line;
}

std::u16string result_line(const ResultItems& items, const settings::Settings& settings) {
  const std::u16string code = code_item(items.code, settings);
  return quoted_line({code, items.address, items.pobox, items.office}, item_separator(settings));
}

}  // namespace kovari::clipboard
