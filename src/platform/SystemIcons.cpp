#include "platform/SystemIcons.h"

#include "platform/Graphics.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>

#include <cmath>

namespace {
constexpr QAbstractFileIconProvider::IconType NumberedIcons[] = {
    QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop, QAbstractFileIconProvider::Trashcan,
    QAbstractFileIconProvider::Network,  QAbstractFileIconProvider::Drive,   QAbstractFileIconProvider::Folder,
    QAbstractFileIconProvider::File,
};

QIcon IconFor(const QString& Name) {
  QFileIconProvider provider;
  bool number = false;
  const int index = Name.toInt(&number);
  if (number) {
    const int n = int(std::size(NumberedIcons));
    return provider.icon(NumberedIcons[index >= 0 && index < n ? index : n - 1]);
  }
  const QFileInfo info(Name);
  if (!Name.isEmpty() && info.exists()) return provider.icon(info);
  return provider.icon(QAbstractFileIconProvider::File);
}
}  // namespace

TSize DrawSystemIcon(TCanvas& Canvas, int X, int Y, const QString& Name, bool Large, bool Draw, bool Printing,
                     double Scale) {
  const int size = Large ? 32 : 16;
  if (!Draw) return TSize{size, size};
  QImage image = IconFor(Name).pixmap(size, size).toImage();
  if (image.isNull()) {
    // Without an icon theme the desktop has no picture: a plain page stands in.
    image = QImage(size, size, QImage::Format_ARGB32);
    image.fill(Qt::white);
  }
  if (!Printing)
    Canvas.Draw(X, Y, image);
  else
    Canvas.StretchDraw(TRect(X, Y, X + int(std::lround(size * Scale)), Y + int(std::lround(size * Scale))), image);
  return TSize{size, size};
}
