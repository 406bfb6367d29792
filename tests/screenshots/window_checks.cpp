#include "window_checks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextLayout>
#include <map>

namespace kovari::screenshots {
namespace {

std::string name_of(const QWidget& widget) { return widget.objectName().toStdString(); }

// The window's own controls: named in its form, not the parts Qt adds to a
// control (a list's scroll bars and viewport).
std::vector<const QWidget*> named_controls(const QWidget& window) {
  std::vector<const QWidget*> controls;
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    const QString name = child->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && child->isVisible()) {
      controls.push_back(child);
    }
  }
  return controls;
}

// The texts a control draws, each on its own line.
QStringList texts_of(const QWidget& control) {
  QString text;
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    text = button->text();
  } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    text = label->text();
  } else if (const auto* field = qobject_cast<const QLineEdit*>(&control)) {
    text = field->text();
  } else if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
    text = box->title();
  } else if (const auto* view = qobject_cast<const QAbstractItemView*>(&control)) {
    const QAbstractItemModel* model = view->model();
    for (int row = 0; model != nullptr && row < model->rowCount(); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) {
        text += model->index(row, column).data().toString() + QLatin1Char('\n');
      }
    }
  }
  return text.split(QRegularExpression(QStringLiteral("[\\r\\n\\t]")), Qt::SkipEmptyParts);
}

// The width a control needs to show its caption whole, or 0 when it has none.
int needed_width(const QWidget& control) {
  if (qobject_cast<const QAbstractButton*>(&control) != nullptr) return control.sizeHint().width();
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    return label->wordWrap() || !label->pixmap().isNull() ? 0 : label->sizeHint().width();
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
    return box->fontMetrics().horizontalAdvance(box->title()) + 16;
  }
  return 0;
}

}  // namespace

bool has_every_glyph(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    // Glyph 0 is the font's box for a character it does not have.
    for (const quint32 glyph : run.glyphIndexes()) {
      if (glyph == 0) return false;
    }
  }
  return true;
}

std::vector<std::string> window_problems(const QWidget& window) {
  std::vector<std::string> problems;
  const QString title = window.windowTitle();
  if (!has_every_glyph(title, window.font())) {
    problems.push_back("caption without glyphs: " + title.toStdString());
  }
  if (!window.windowFlags().testFlag(Qt::SplashScreen) &&
      window.fontMetrics().horizontalAdvance(title) + kTitleBarButtons > window.width()) {
    problems.push_back("caption cut by the title bar: " + title.toStdString());
  }

  const std::vector<const QWidget*> controls = named_controls(window);
  for (const QWidget* control : controls) {
    for (const QString& text : texts_of(*control)) {
      if (!has_every_glyph(text, control->font())) {
        problems.push_back(name_of(*control) + " without glyphs: " + text.toStdString());
      }
    }
    if (needed_width(*control) > control->width()) {
      problems.push_back(name_of(*control) + " cut: needs " +
                         std::to_string(needed_width(*control)) + " pixels, has " +
                         std::to_string(control->width()));
    }
  }
  // Controls side by side in one parent never overlap.
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->parentWidget() == controls[j]->parentWidget() &&
          controls[i]->geometry().intersects(controls[j]->geometry())) {
        problems.push_back(name_of(*controls[i]) + " overlaps " + name_of(*controls[j]));
      }
    }
  }
  return problems;
}

bool looks_blank(const QImage& image) {
  std::map<QRgb, long> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++colours[image.pixel(x, y)];
  }
  long most = 0;
  for (const auto& [colour, count] : colours) most = std::max(most, count);
  const long pixels = static_cast<long>(image.width()) * image.height();
  // Text and frames cover a few hundredths of a window at least.
  return pixels == 0 || colours.size() < 8 || (pixels - most) * 100 < pixels * 2;
}

}  // namespace kovari::screenshots
