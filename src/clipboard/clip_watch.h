// The clipboard watcher of ClipboardConvertWindow: once started, each tick of
// its timer looks at the clipboard's text; a postal code copied there is
// replaced by its address, an address by its postal code, and each
// conversion is added to the history file. The step never converts the text
// it took last, nor its own output.
#pragma once

#include <string>
#include <string_view>

#include "clipboard/clip_history.h"
#include "host/host.h"
#include "settings/settings.h"

namespace kovari::clipboard {

inline constexpr std::u16string_view kCaptionIdle = u"変換状態";
inline constexpr std::u16string_view kCaptionCodeWorking = u"〒→住所変換：処理中";
inline constexpr std::u16string_view kCaptionCodeDone = u"〒→住所変換：処理完了";
inline constexpr std::u16string_view kCaptionAddressWorking = u"住所→〒変換：処理中";
inline constexpr std::u16string_view kCaptionAddressDone = u"住所→〒変換：処理完了";

// A text longer than this is never converted.
inline constexpr int kMaxClipLength = 100;

// What the clipboard's text is taken for.
enum class ClipKind {
  kNone,     // nothing to convert: empty, too long, or the text taken last
  kCode,     // a postal code
  kAddress,  // an address
};

struct ClipText {
  ClipKind kind = ClipKind::kNone;
  std::u16string text;  // trimmed, in half-width form
};

// The clipboard's text trimmed and in half-width form, and what it is taken
// for. A text counts as a postal code when it begins with a number other
// than 0 or has a digit 1 to 9 among its first three characters
// ("〒100-0001", "1000001", "１丁目"); any other text counts as an address.
ClipText classify_clip_text(std::u16string_view clipboard, std::u16string_view last_clip_text);

// The status picture: one image for each state, also the window's icon.
enum class ClipPicture { kWorking, kConverted, kNotConverted };

// The conversions the watcher makes. The program's one is
// SessionClipConverter (session/clip_conversions.h).
class ClipConverter {
 public:
  virtual ~ClipConverter() = default;

  struct Address {
    std::u16string address, pobox, office;  // address empty: not converted
  };
  // The address of a seven-digit code; of several, the first only when
  // `first_of_several` is set.
  virtual Address code_to_address(std::u16string_view code, bool first_of_several) = 0;

  struct Code {
    std::u16string code;       // seven digits; empty: not converted
    std::u16string addr_text;  // the address as decomposition rewrote it
  };
  virtual Code address_to_code(std::u16string_view address) = 0;
};

// The watcher's state between ticks.
struct ClipWatch {
  bool watching = false;  // started ("変換開始") and not stopped
  // 1 while a conversion is under way: a tick meanwhile does nothing.
  bool clip_busy = false;
  // The text taken from or written to the clipboard last.
  std::u16string last_clip_text;
  // "〒→住所変換で、変換候補が複数の場合、最初の１件目を通知する".
  bool first_of_several = true;
  // What the status button and the status picture show.
  std::u16string caption = std::u16string(kCaptionIdle);
  ClipPicture picture = ClipPicture::kWorking;
};

// "変換開始": forgets the text taken last, empties the clipboard and starts
// watching, with the working picture.
void start_watch(ClipWatch& watch, Host& host);

// One tick. Returns true when a text was taken from the clipboard (the
// caption and the picture may have changed).
bool watch_step(ClipWatch& watch, ClipConverter& converter, ClipHistory& history, Host& host,
                const settings::Settings& settings);

}  // namespace kovari::clipboard
