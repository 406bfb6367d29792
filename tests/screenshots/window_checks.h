// What every screenshot must show: text drawn with real glyphs (no empty
// boxes where a font lacks a character), captions that fit their controls
// and the title bar, controls that do not lie on top of each other, and an
// image that is not blank.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

namespace kovari::screenshots {

// Room the title bar's own buttons take beside the caption, in pixels.
inline constexpr int kTitleBarButtons = 96;

// The texts of `window` (its caption, the visible controls' captions and
// contents, the rows of its lists) that the font in use cannot draw, the
// captions that do not fit, and the controls that overlap.
std::vector<std::string> window_problems(const QWidget& window);

// Whether `text` has a glyph for every character in `font`, counting the
// fonts Qt falls back on.
bool has_every_glyph(const QString& text, const QFont& font);

// A blank image: one colour nearly everywhere.
bool looks_blank(const QImage& image);

}  // namespace kovari::screenshots
