// The user manual, a folder of HTML pages installed beside the program
// ("manual/index.html") or in the shared data folder of an installed program
// ("../share/kovari/manual/index.html"). Every window has a section whose id
// is the window's class name.
#pragma once

#include <QString>
#include <QUrl>

namespace kovari::ui {

// The URL of `section` in the manual found from `program_folder`, or an
// empty URL when neither place holds the manual.
QUrl manual_url(const QString& program_folder, const QString& section);

}  // namespace kovari::ui
