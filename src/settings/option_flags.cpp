#include "settings/option_flags.h"

namespace kovari::settings {

int shown_value(const Settings& settings, Flag flag) {
  const int value = settings.flag(flag);
  const int highest = flag == Flag::kInputMode ? 2 : 1;
  return value >= 0 && value <= highest ? value : 0;
}

bool needs_restart(const Settings& at_open, const Settings& now) {
  return at_open.flag(Flag::kDetailFile) != now.flag(Flag::kDetailFile);
}

}  // namespace kovari::settings
