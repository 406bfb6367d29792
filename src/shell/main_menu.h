// What the main menu decides: what opening a conversion window does to the
// session, which conversion windows can be chosen, and whether the clipboard
// conversion may start, else the warnings that name each open conversion
// window standing in its way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/running_windows.h"
#include "session/session.h"
#include "settings/settings.h"

namespace kovari::shell {

inline constexpr std::u16string_view kRefusalTitle = u"注意メッセージ";

// A conversion window opened from the menu is marked open until it closes.
// The windows that resolve addresses or look codes up from it (address to
// code, code to address, the batch address to code) start from an empty
// town-record cache.
void open_conversion_window(Session& session, ConversionWindow window);

// Whether the menu's button for `window` can be chosen: "事業所名検索" only
// while the detail file is in use; while the clipboard conversion runs, none
// but "〒→住所一括" (the windows that copy to the clipboard or resolve
// addresses would mix their results with its own).
bool opener_enabled(ConversionWindow window, const settings::Settings& settings,
                    bool clipboard_running);

// The warning shown for one open conversion window: three lines, each ended
// by CR LF, and the help context that explains it (manual section
// "context-251" ... "context-255").
struct ClipboardRefusal {
  ConversionWindow window;
  std::u16string text;
  int help_context = 0;
};

struct ClipboardStart {
  // No conversion window is open: the clipboard conversion starts.
  bool start = false;
  // Otherwise one warning per open window, in window order.
  std::vector<ClipboardRefusal> refusals;
};

// "住所→〒、〒→住所　クリップボード経由変換": empties the town-record cache,
// then starts the clipboard conversion when no conversion window is open.
ClipboardStart start_clipboard_conversion(Session& session);

}  // namespace kovari::shell
