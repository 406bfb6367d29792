// The buttons of the windows this version does not have yet open a short note
// instead; each such window takes its button back when it comes.
#pragma once

#include <QString>
#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace kovari::ui {

// An information box: the window of the button captioned `caption` is not
// available yet.
void show_not_yet_available(QWidget* parent, const QString& caption);

// Each of `buttons`, when clicked, shows that box for its own caption.
void open_notes_instead(std::initializer_list<QAbstractButton*> buttons);

}  // namespace kovari::ui
