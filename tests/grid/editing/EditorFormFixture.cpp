#include "EditorFormFixture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

TColor PaintedPixel(TControl* Control, int X, int Y) {
  const QColor c = Control->Widget()->grab().toImage().pixelColor(X, Y);
  return RGBColor(c.red(), c.green(), c.blue());
}
