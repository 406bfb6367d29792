#include "shell/main_menu.h"

namespace kovari::shell {
namespace {

// The conversion named in each window's warning, and its help context.
struct RefusalEntry {
  ConversionWindow window;
  std::u16string_view name;
  int help_context;
};

constexpr RefusalEntry kRefusals[] = {
    {ConversionWindow::kAddressToCode, u"住所→〒変換", 251},
    {ConversionWindow::kCodeToAddress, u"〒→住所変換", 252},
    {ConversionWindow::kBatchAddressToCode, u"新〒一括変換", 253},
    {ConversionWindow::kOfficeSearch, u"事業所名検索", 254},
    {ConversionWindow::kBatchCodeToAddress, u"〒→住所一括変換", 255},
};

void empty_town_cache(Session& session) { session.town_cache.clear(); }

std::u16string refusal_text(std::u16string_view name) {
  std::u16string text(name);
  text += u"が起動中です。\r\n";
  text += u"起動中はクリップボード経由変換を選択できません。\r\n";
  text += name;
  text += u"を終了後、選択して下さい。\r\n";
  return text;
}

}  // namespace

void open_conversion_window(Session& session, ConversionWindow window) {
  session.running.set(window);
  if (window == ConversionWindow::kAddressToCode || window == ConversionWindow::kCodeToAddress ||
      window == ConversionWindow::kBatchAddressToCode) {
    empty_town_cache(session);
  }
}

bool opener_enabled(ConversionWindow window, const settings::Settings& settings,
                    bool clipboard_running) {
  if (window == ConversionWindow::kBatchCodeToAddress) return true;
  if (clipboard_running) return false;
  return window != ConversionWindow::kOfficeSearch ||
         settings.flag(settings::Flag::kDetailFile) != 0;
}

ClipboardStart start_clipboard_conversion(Session& session) {
  empty_town_cache(session);
  ClipboardStart start;
  start.start = !session.running.any();
  for (const RefusalEntry& entry : kRefusals) {
    if (session.running.is_set(entry.window)) {
      start.refusals.push_back({entry.window, refusal_text(entry.name), entry.help_context});
    }
  }
  return start;
}

}  // namespace kovari::shell
