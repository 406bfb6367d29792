// The option flags as the settings window shows and sets them: each frame of
// option buttons shows one flag, the button of the flag's value chosen (a
// value no button has shows as the first button's), each check box one flag;
// and the one change that makes the program end when the window closes.
#pragma once

#include <string_view>

#include "settings/settings.h"

namespace kovari::settings {

inline constexpr std::u16string_view kMsgRestart = u"環境再設定のため一旦終了します";

// The value whose button shows `flag` selected: the input mode's 0, 1 or 2,
// else 0 or 1; any other value shows as 0.
int shown_value(const Settings& settings, Flag flag);

// Whether the program must end when the settings window closes: the detail
// file's use decides what the start-up load reads, and it differs from when
// the window opened (switched and switched back does not count).
bool needs_restart(const Settings& at_open, const Settings& now);

}  // namespace kovari::settings
