#include "ui/window_position.h"

#include <QtGlobal>
#include <algorithm>

namespace kovari::ui {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int twips_to_pixels(int twips, double dpi) { return qRound(twips * dpi / kTwipsPerInch); }

int pixels_to_twips(int pixels, double dpi) { return qRound(pixels * kTwipsPerInch / dpi); }

QPoint place_on_screens(const QRect& frame, const QList<QRect>& screens) {
  if (screens.isEmpty()) return frame.topLeft();
  for (const QRect& screen : screens) {
    if (screen.contains(frame.topLeft())) return frame.topLeft();
  }
  const QRect& first = screens.front();
  // A window larger than the screen keeps its top-left corner on it.
  const int x = std::max(first.left(), std::min(frame.left(), first.right() + 1 - frame.width()));
  const int y = std::max(first.top(), std::min(frame.top(), first.bottom() + 1 - frame.height()));
  return {x, y};
}

}  // namespace kovari::ui
