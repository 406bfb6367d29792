#include "ui/pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource's initialiser lives outside every namespace.
static void init_images_resource() { Q_INIT_RESOURCE(images); }

namespace kovari::ui {
namespace {

// The image at `resource`, as large as fits `size` with its proportions kept,
// sharp on a screen of `ratio` device pixels per pixel.
QPixmap svg_pixmap(const QString& resource, const QSize& size, qreal ratio) {
  QSvgRenderer renderer(resource);
  const QSize drawn = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
  QPixmap pixmap(drawn * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), drawn));
  return pixmap;
}

}  // namespace

void load_images() { init_images_resource(); }

void draw_pictures(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    const QString resource = label->property("picture").toString();
    if (resource.isEmpty()) continue;
    label->setPixmap(svg_pixmap(resource, label->size(), window->devicePixelRatioF()));
  }
}

}  // namespace kovari::ui
