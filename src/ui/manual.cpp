#include "ui/manual.h"

#include <QDir>
#include <QFileInfo>

namespace kovari::ui {

QUrl manual_url(const QString& program_folder, const QString& section) {
  const QDir program(program_folder);
  for (const QString& place :
       {QStringLiteral("manual/index.html"), QStringLiteral("../share/kovari/manual/index.html")}) {
    const QFileInfo page(program.filePath(place));
    if (!page.isFile()) continue;
    QUrl url = QUrl::fromLocalFile(page.canonicalFilePath());
    url.setFragment(section);
    return url;
  }
  return {};
}

}  // namespace kovari::ui
