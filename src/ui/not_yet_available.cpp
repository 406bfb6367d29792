#include "ui/not_yet_available.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace kovari::ui {

void show_not_yet_available(QWidget* parent, const QString& caption) {
  QMessageBox::information(parent, QStringLiteral("情報メッセージ"),
                           QStringLiteral("「%1」は、この版ではまだ使えません。").arg(caption));
}

void open_notes_instead(std::initializer_list<QAbstractButton*> buttons) {
  for (QAbstractButton* button : buttons) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button] { show_not_yet_available(button->window(), button->text()); });
  }
}

}  // namespace kovari::ui
