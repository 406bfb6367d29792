// The pictures of the windows: labels whose "picture" property names one of
// the program's SVG images (":/images/..."), drawn to the label's size.
#pragma once

class QWidget;

namespace kovari::ui {

// Makes the images available under ":/images/" (they are linked into the
// program from a static library, which must ask for them once).
void load_images();

// Draws every picture label of `window`.
void draw_pictures(QWidget* window);

}  // namespace kovari::ui
