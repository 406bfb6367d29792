// The screenshots of the windows in their typical states: one registry, to
// which every window adds its own shots.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "ui/kovari_app.h"

namespace kovari::screenshots {

struct Shot {
  const char* name;  // the file: <name>.png
  // Opens the window (from the application object, with its data loaded)
  // and brings it to the state shown; returns the window.
  std::function<QWidget*(ui::KovariApp& app)> stage;
};

std::vector<Shot> all_shots();

}  // namespace kovari::screenshots
