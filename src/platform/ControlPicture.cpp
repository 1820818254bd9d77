#include "platform/ControlPicture.h"

#include "platform/Controls.h"
#include "platform/Files.h"
#include "platform/Graphics.h"

#include <QBuffer>
#include <QPixmap>
#include <QWidget>

void PaintControlTo(TWinControl* Control, TBitmap& Bitmap) {
  if (!Control || !Control->Widget()) return;
  Bitmap.SetImage(Control->Widget()->grab().toImage());
}

bool SaveBitmapAsPng(const TBitmap& Bitmap, const QString& Path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!Bitmap.PaintImage().save(&buffer, "PNG")) return false;
  return WriteFileAtomic(Path, bytes);
}
