// Window positions: the settings file keeps them in twips (1/1440 inch), the
// windows live in pixels of a screen with its own logical resolution.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace kovari::ui {

// Twips at `dpi` logical dots per inch, rounded: 15 twips a pixel at 96 dpi.
int twips_to_pixels(int twips, double dpi);
int pixels_to_twips(int pixels, double dpi);

// Where a window of `frame` (its saved place and size) opens: the saved place
// when its top-left corner lies on one of the screens (their available
// areas), else the place on the first screen nearest to it. No screens keep
// the saved place.
QPoint place_on_screens(const QRect& frame, const QList<QRect>& screens);

}  // namespace kovari::ui
