#include "settings/settings.h"

namespace kovari::settings {

Settings default_settings() {
  Settings settings;
  for (Flag flag : {Flag::kDetailFile, Flag::kTownSearchNames, Flag::kClipCode, Flag::kClipAddress,
                    Flag::kClipPobox, Flag::kClipOffice, Flag::kClipAppend}) {
    settings.set_flag(flag, 1);
  }
  return settings;
}

}  // namespace kovari::settings
