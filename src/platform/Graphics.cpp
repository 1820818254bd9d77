#include "platform/Graphics.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QPainterPath>

#include <cmath>

// ---- TFont ----

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::SetName(const QString& v) {
  if (v == FName) return;
  FName = v;
  Changed();
}

void TFont::SetSize(int v) {
  if (v == FSize) return;
  FSize = v;
  Changed();
}

int TFont::Height() const { return -int(std::lround(double(FSize) * ScreenPixelsPerInch / 72.0)); }

void TFont::SetHeight(int v) {
  int size = int(std::lround(double(std::abs(v)) * 72.0 / ScreenPixelsPerInch));
  SetSize(size);
}

void TFont::SetColor(TColor v) {
  if (v == FColor) return;
  FColor = v;
  Changed();
}

void TFont::SetStyle(TFontStyles v) {
  if (v == FStyle) return;
  FStyle = v;
  Changed();
}

void TFont::SetOrientation(int v) {
  if (v == FOrientation) return;
  FOrientation = v;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (&other == this || other == *this) return;
  FName = other.FName;
  FSize = other.FSize;
  FColor = other.FColor;
  FStyle = other.FStyle;
  FOrientation = other.FOrientation;
  Changed();
}

bool TFont::operator==(const TFont& o) const {
  return FName == o.FName && FSize == o.FSize && FColor == o.FColor && FStyle == o.FStyle && FOrientation == o.FOrientation;
}

QFont TFont::ToQFont() const {
  QFont f(FName);
  f.setPixelSize(std::max(1, -Height()));
  f.setBold(FStyle.Contains(fsBold));
  f.setItalic(FStyle.Contains(fsItalic));
  f.setUnderline(FStyle.Contains(fsUnderline));
  f.setStrikeOut(FStyle.Contains(fsStrikeOut));
  return f;
}

// ---- TCanvas ----

TCanvas::TCanvas() = default;
TCanvas::TCanvas(QPainter* painter) : FPainter(painter) {}
TCanvas::~TCanvas() = default;

void TCanvas::SetPainter(QPainter* painter) { FPainter = painter; }

void TCanvas::ApplyPen(bool forLines) {
  if (!FPainter) return;
  if (FPen.Style == psClear) {
    FPainter->setPen(Qt::NoPen);
  } else {
    QPen pen(ToQColor(FPen.Color));
    pen.setWidth(std::max(1, FPen.Width));
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen, Qt::SolidLine};
    pen.setStyle(styles[FPen.Style]);
    pen.setCapStyle(forLines ? Qt::FlatCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    FPainter->setPen(pen);
  }
  FPainter->setCompositionMode(FPen.Mode == pmXor || FPen.Mode == pmNot ? QPainter::RasterOp_SourceXorDestination
                                                                        : QPainter::CompositionMode_SourceOver);
}

void TCanvas::ApplyBrush() {
  if (!FPainter) return;
  if (FBrush.Style == bsClear || FBrush.Color == clNone) {
    FPainter->setBrush(Qt::NoBrush);
    return;
  }
  static constexpr Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, Qt::VerPattern,
                                              Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
  FPainter->setBrush(QBrush(ToQColor(FBrush.Color), styles[FBrush.Style]));
}

void TCanvas::ApplyFont() {
  if (!FPainter) return;
  FPainter->setFont(FFont.ToQFont());
  FPainter->setPen(ToQColor(FFont.Color()));
}

void TCanvas::FillRect(const TRect& r) {
  if (!FPainter || r.IsEmpty() || FBrush.Style == bsClear) return;
  FPainter->fillRect(r.toQRect(), ToQColor(FBrush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
  if (!FPainter || r.IsEmpty()) return;
  QColor c = ToQColor(FBrush.Color);
  FPainter->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  FPainter->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  FPainter->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  FPainter->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(const TRect& r) {
  if (!FPainter || r.IsEmpty()) return;
  if (FBrush.Style != bsClear && FBrush.Color != clNone) FPainter->fillRect(r.toQRect(), ToQColor(FBrush.Color));
  if (FPen.Style != psClear) {
    // The frame lies inside Left..Right-1 like the fill.
    QColor c = ToQColor(FPen.Color);
    int w = std::max(1, FPen.Width);
    FPainter->fillRect(QRect(r.Left, r.Top, r.Width(), w), c);
    FPainter->fillRect(QRect(r.Left, r.Bottom - w, r.Width(), w), c);
    FPainter->fillRect(QRect(r.Left, r.Top, w, r.Height()), c);
    FPainter->fillRect(QRect(r.Right - w, r.Top, w, r.Height()), c);
  }
}

void TCanvas::RoundRect(int l, int t, int r, int b, int rx, int ry) {
  if (!FPainter) return;
  ApplyPen(false);
  ApplyBrush();
  FPainter->drawRoundedRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1), rx / 2.0, ry / 2.0);
}

void TCanvas::Ellipse(int l, int t, int r, int b) {
  if (!FPainter) return;
  ApplyPen(false);
  ApplyBrush();
  FPainter->drawEllipse(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void TCanvas::MoveTo(int x, int y) { FPenPos = TPoint(x, y); }

void TCanvas::LineTo(int x, int y) {
  if (FPainter && FPen.Style != psClear) {
    ApplyPen(true);
    const int x0 = FPenPos.X, y0 = FPenPos.Y;
    if (x0 == x || y0 == y) {
      // Axis-aligned lines as filled runs, leaving out the end point.
      QColor c = ToQColor(FPen.Color);
      int w = std::max(1, FPen.Width);
      if (y0 == y && x != x0) {
        int a = std::min(x0, x + (x < x0 ? 1 : 0)), len = std::abs(x - x0);
        if (x > x0) a = x0;
        FPainter->fillRect(QRect(a, y0 - (w - 1) / 2, len, w), c);
      } else if (x0 == x && y != y0) {
        int a = y > y0 ? y0 : y + 1, len = std::abs(y - y0);
        FPainter->fillRect(QRect(x0 - (w - 1) / 2, a, w, len), c);
      }
    } else {
      // Diagonal: draw to one pixel short of the end point.
      double dx = x - x0, dy = y - y0, len = std::sqrt(dx * dx + dy * dy);
      QPointF end(x - dx / len, y - dy / len);
      FPainter->drawLine(QPointF(x0 + 0.5, y0 + 0.5), end + QPointF(0.5, 0.5));
    }
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  FPenPos = TPoint(x, y);
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
  if (!FPainter || pts.empty()) return;
  ApplyPen(false);
  ApplyBrush();
  QPolygonF poly;
  for (const TPoint& p : pts) poly << QPointF(p.X + 0.5, p.Y + 0.5);
  FPainter->drawPolygon(poly, Qt::WindingFill);
}

void TCanvas::Polyline(const std::vector<TPoint>& pts) {
  if (pts.empty()) return;
  MoveTo(pts[0].X, pts[0].Y);
  for (size_t i = 1; i < pts.size(); ++i) LineTo(pts[i].X, pts[i].Y);
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!FPainter || !FPainter->device()) return clNone;
  if (auto* img = dynamic_cast<QImage*>(FPainter->device())) {
    if (x < 0 || y < 0 || x >= img->width() || y >= img->height()) return clNone;
    return FromQColor(img->pixelColor(x, y));
  }
  return clNone;
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (FPainter) FPainter->fillRect(QRect(x, y, 1, 1), ToQColor(c));
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  if (!FPainter) return;
  ApplyFont();
  QFontMetrics fm(FFont.ToQFont());
  if (FBrush.Style != bsClear && FBrush.Color != clNone)
    FPainter->fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(FBrush.Color));
  FPainter->drawText(QPoint(x, y + fm.ascent()), text);
  FPenPos = TPoint(x + fm.horizontalAdvance(text), y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  if (!FPainter) return;
  FPainter->save();
  FPainter->setClipRect(r.toQRect(), Qt::IntersectClip);
  if (FBrush.Style != bsClear && FBrush.Color != clNone) FPainter->fillRect(r.toQRect(), ToQColor(FBrush.Color));
  ApplyFont();
  QFontMetrics fm(FFont.ToQFont());
  FPainter->drawText(QPoint(x, y + fm.ascent()), text);
  FPainter->restore();
}

int TCanvas::TextWidth(const QString& text) const { return QFontMetrics(FFont.ToQFont()).horizontalAdvance(text); }
int TCanvas::TextHeight(const QString& text) const { return QFontMetrics(FFont.ToQFont()).height(); }
TSize TCanvas::TextExtent(const QString& text) const { return TSize{TextWidth(text), TextHeight(text)}; }

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (FPainter && !image.isNull()) FPainter->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (FPainter && !image.isNull()) FPainter->drawImage(r.toQRect(), image);
}

void TCanvas::Save() {
  FSaved.push_back(SavedState{});
  FSaved.back().Font.Assign(FFont);
  FSaved.back().Pen.Assign(FPen);
  FSaved.back().Brush.Assign(FBrush);
  FSaved.back().PenPos = FPenPos;
  if (FPainter) FPainter->save();
}

void TCanvas::Restore() {
  if (FSaved.empty()) return;
  FFont.Assign(FSaved.back().Font);
  FPen.Assign(FSaved.back().Pen);
  FBrush.Assign(FSaved.back().Brush);
  FPenPos = FSaved.back().PenPos;
  FSaved.pop_back();
  if (FPainter) FPainter->restore();
}

// ---- TBitmap ----

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) { SetSize(width, height); }
TBitmap::~TBitmap() { EndCanvas(); }

void TBitmap::SetSize(int width, int height) {
  EndCanvas();
  if (width <= 0 || height <= 0) {
    FImage = QImage();
    return;
  }
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(Qt::white);
  if (!FImage.isNull()) {
    QPainter p(&img);
    p.drawImage(0, 0, FImage);
  }
  FImage = img;
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
  if (!FPainter && !FImage.isNull()) {
    FPainter = std::make_unique<QPainter>(&FImage);
    FCanvas->SetPainter(FPainter.get());
  }
  return *FCanvas;
}

void TBitmap::EndCanvas() {
  if (FCanvas) FCanvas->SetPainter(nullptr);
  FPainter.reset();
}

QImage& TBitmap::Image() {
  EndCanvas();
  return FImage;
}

bool TBitmap::LoadFromFile(const QString& path) {
  EndCanvas();
  QImageReader reader(path);
  QImage img = reader.read();
  if (img.isNull()) return false;
  FImage = img.convertToFormat(QImage::Format_RGB32);
  return true;
}

bool TPicture::LoadFromFile(const QString& path) {
  QImageReader reader(path);
  QImage img = reader.read();
  if (img.isNull()) return false;
  FImage = img;
  return true;
}
