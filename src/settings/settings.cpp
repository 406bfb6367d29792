#include "settings/settings.h"

namespace kovari::settings {

Settings default_settings() {
  Settings settings;
  // Detail file in use, town-name search over city names, all four clipboard
  // items, appending clipboard copies.
  for (int flag : {6, 11, 12, 13, 14, 15, 16}) settings.ctl_flg[flag] = 1;
  return settings;
}

}  // namespace kovari::settings
