#include "platform/ParentBackground.h"

#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <QPainter>
#include <QWidget>

bool PaintParentBackground(TControl* Control, TBitmap& Into) {
  if (!Control || !Control->Parent() || !Control->Parent()->ClientWidget()) return false;
  QWidget* parent = Control->Parent()->ClientWidget();
  const int w = Control->Width(), h = Control->Height();
  if (w <= 0 || h <= 0) return false;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(parent->palette().color(parent->backgroundRole()));
  {
    QPainter p(&image);
    // The parent alone: drawing its children would draw this control again.
    parent->render(&p, QPoint(0, 0), QRegion(Control->Left(), Control->Top(), w, h), QWidget::DrawWindowBackground);
  }
  Into.SetImage(image);
  return true;
}

void SetPaintsWholeArea(TControl* Control, bool Opaque) {
  if (Control && Control->Widget()) Control->Widget()->setAttribute(Qt::WA_OpaquePaintEvent, Opaque);
}
