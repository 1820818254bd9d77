#include "platform/LayeredWindows.h"

#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

const QString kPainterName = QStringLiteral("quilloreLayeredPainter");

// Paints the layered image in place of the control's own painting; as the
// last filter installed it sees the paint event first.
class TLayeredPainter : public QObject {
public:
  explicit TLayeredPainter(QWidget* w) : QObject(w) {}
  QImage Source;  // premultiplied ARGB
  BYTE ConstantAlpha = 255;
  bool UseKey = false;
  QRgb Key = 0;

  QImage Composed() const {
    QImage out = Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
      for (int x = 0; x < out.width(); ++x) {
        if (UseKey && (line[x] & 0xFFFFFF) == Key) {
          line[x] = 0;
          continue;
        }
        const auto scale = [this](int v) { return (v * ConstantAlpha + 127) / 255; };
        line[x] = qRgba(scale(qRed(line[x])), scale(qGreen(line[x])), scale(qBlue(line[x])), scale(qAlpha(line[x])));
      }
    }
    return out;
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || Source.isNull()) return false;
    auto* w = static_cast<QWidget*>(watched);
    QPainter p(w);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, Composed());
    return true;
  }
};

TLayeredPainter* PainterOf(const QWidget* w, bool create) {
  if (!w) return nullptr;
  // Found by name: the painter class has no meta-object to cast by.
  if (auto* p = w->findChild<QObject*>(kPainterName, Qt::FindDirectChildrenOnly))
    return static_cast<TLayeredPainter*>(p);
  if (!create) return nullptr;
  auto* widget = const_cast<QWidget*>(w);
  auto* p = new TLayeredPainter(widget);
  p->setObjectName(kPainterName);
  widget->installEventFilter(p);
  widget->setAttribute(Qt::WA_TranslucentBackground, true);
  widget->setAttribute(Qt::WA_NoSystemBackground, true);
  return p;
}

}  // namespace

bool UpdateLayeredWindow(TControl* Window, const TPoint* ScreenPos, const TBitmap& Image, BYTE ConstantAlpha) {
  QWidget* w = Window ? Window->Widget() : nullptr;
  if (!w) return false;
  TLayeredPainter* p = PainterOf(w, true);
  // The bytes are blue, green, red, alpha, premultiplied, whatever format the bitmap declares.
  const QImage& source = Image.Image();
  if (source.depth() == 32) {
    p->Source = source.copy();
    p->Source.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  } else {
    p->Source = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  p->ConstantAlpha = ConstantAlpha;
  const QPoint pos = ScreenPos ? QPoint(ScreenPos->X, ScreenPos->Y) : w->pos();
  w->setGeometry(pos.x(), pos.y(), Image.Width(), Image.Height());
  w->update();
  return true;
}

bool SetLayeredWindowAttributes(TControl* Window, TColor Key, BYTE Alpha, DWORD Flags) {
  QWidget* w = Window ? Window->Widget() : nullptr;
  if (!w) return false;
  if (Flags & LWA_ALPHA) w->setWindowOpacity(Alpha / 255.0);
  if (Flags & LWA_COLORKEY) {
    TLayeredPainter* p = PainterOf(w, true);
    p->UseKey = true;
    const QColor c = ToQColor(Key);
    p->Key = qRgb(c.red(), c.green(), c.blue()) & 0xFFFFFF;
    w->update();
  }
  return true;
}

bool GetLayeredImage(const TControl* Window, TBitmap& Image) {
  TLayeredPainter* p = PainterOf(Window ? Window->Widget() : nullptr, false);
  if (!p || p->Source.isNull()) return false;
  Image.SetImage(p->Composed());
  Image.SetAlphaFormat(afPremultiplied);
  return true;
}

bool UpdateLayeredWindow(TWinControl*, TCanvas*, const TPoint*, const TSize*, TCanvas*, const TPoint*, TColor,
                         const TBlendFunction*, DWORD) {
  return true;
}
