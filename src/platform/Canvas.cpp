// TCanvas: GDI drawing rules on a QPainter, and clip regions.
#include "platform/Graphics.h"

#include "platform/internal/Painting.h"

#include <QPaintEngine>
#include <QPainterPath>

#include <queue>
#include <array>
#include <cmath>

namespace {

// GDI's raster operations of the pen (ROP2), as the painter's raster ops.
constexpr QPainter::CompositionMode kPenModes[] = {
    QPainter::CompositionMode_SourceOver,           // pmBlack (colour forced)
    QPainter::CompositionMode_SourceOver,           // pmWhite (colour forced)
    QPainter::CompositionMode_Destination,          // pmNop
    QPainter::RasterOp_NotDestination,              // pmNot
    QPainter::CompositionMode_SourceOver,           // pmCopy
    QPainter::RasterOp_NotSource,                   // pmNotCopy
    QPainter::RasterOp_SourceOrNotDestination,      // pmMergePenNot
    QPainter::RasterOp_SourceAndNotDestination,     // pmMaskPenNot
    QPainter::RasterOp_NotSourceOrDestination,      // pmMergeNotPen
    QPainter::RasterOp_NotSourceAndDestination,     // pmMaskNotPen
    QPainter::RasterOp_SourceOrDestination,         // pmMerge
    QPainter::RasterOp_NotSourceAndNotDestination,  // pmNotMerge
    QPainter::RasterOp_SourceAndDestination,        // pmMask
    QPainter::RasterOp_NotSourceOrNotDestination,   // pmNotMask
    QPainter::RasterOp_SourceXorDestination,        // pmXor
    QPainter::RasterOp_NotSourceXorDestination,     // pmNotXor
};

// On and off runs of the one-pixel pen styles, in pixels.
struct DashPattern {
  std::array<int, 6> Runs;
  int Count;
};
constexpr DashPattern kDashPatterns[] = {
    {{0}, 0},                 // psSolid
    {{18, 6}, 2},             // psDash
    {{3, 3}, 2},              // psDot
    {{9, 6, 3, 6}, 4},        // psDashDot
    {{9, 3, 3, 3, 3, 3}, 6},  // psDashDotDot
    {{0}, 0},                 // psClear
    {{0}, 0},                 // psInsideFrame
};

bool SupportsRasterOps(QPainter* p) {
  return p->paintEngine() && p->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

// Sets the pen's raster operation for one drawing call and puts it back after.
class RopScope {
public:
  RopScope(QPainter* p, TPenMode mode) : FPainter(p) {
    QPainter::CompositionMode m = kPenModes[mode];
    if (m >= QPainter::RasterOp_SourceOrDestination && !SupportsRasterOps(p)) m = QPainter::CompositionMode_SourceOver;
    FPainter->setCompositionMode(m);
  }
  ~RopScope() { FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver); }
  RopScope(const RopScope&) = delete;
  RopScope& operator=(const RopScope&) = delete;

private:
  QPainter* FPainter;
};

int RegionKind(const QRegion& r) {
  if (r.isEmpty()) return NULLREGION;
  return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QColor PenColour(const TPen& pen) {
  if (pen.Mode == pmBlack) return Qt::black;
  if (pen.Mode == pmWhite) return Qt::white;
  return ToQColor(pen.Color);
}

}  // namespace

// ---- TRegion ----

TRegion::TRegion(const TRect& r) : FRegion(r.IsEmpty() ? QRegion() : QRegion(r.toQRect())) {}

bool TRegion::Contains(const TPoint& p) const { return FRegion->contains(p.toQPoint()); }

TRect TRegion::Bounds() const { return TRect::FromQRect(FRegion->boundingRect()); }

int TRegion::Combine(const TRegion& a, const TRegion& b, int mode) {
  switch (mode) {
    case RGN_AND: FRegion = *a.FRegion & *b.FRegion; break;
    case RGN_OR: FRegion = *a.FRegion | *b.FRegion; break;
    case RGN_XOR: FRegion = *a.FRegion ^ *b.FRegion; break;
    case RGN_DIFF: FRegion = *a.FRegion - *b.FRegion; break;
    case RGN_COPY: FRegion = *a.FRegion; break;
    default: return 0;
  }
  return Kind();
}

int TRegion::Kind() const { return RegionKind(*FRegion); }

// ---- TCanvas: painter and state ----

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::SetPainter(QPainter* painter) {
  FPainter = painter;
  FClip.reset();
  FSaved.clear();
  FBkMode = 0;
  FBaseClip.reset();
  if (painter && painter->hasClipping()) FBaseClip = painter->clipRegion();
}

QPainter* CanvasPainter(const TCanvas& canvas) { return canvas.Painter(); }

void SetCanvasPainter(TCanvas& canvas, QPainter* painter) { canvas.SetPainter(painter); }

void TCanvas::SetPainterSource(std::function<QPainter*()> acquire) { FAcquire = std::move(acquire); }

void TCanvas::DropPainter() { FPainter = nullptr; }

QPainter* TCanvas::Painter() const {
  if (!FPainter && FAcquire) {
    FPainter = FAcquire();
    if (FPainter) const_cast<TCanvas*>(this)->ApplyClip();
  }
  return FPainter;
}

QImage* TCanvas::ImageDevice() const {
  QPainter* p = Painter();
  return p ? dynamic_cast<QImage*>(p->device()) : nullptr;
}

QRegion TCanvas::DeviceRegion() const {
  QPainter* p = Painter();
  if (!p || !p->device()) return QRegion();
  return QRegion(0, 0, p->device()->width(), p->device()->height());
}

void TCanvas::ApplyPen(bool forLines) {
  QPainter* p = Painter();
  if (!p) return;
  if (FPen.Style == psClear || FPen.Mode == pmNop) {
    p->setPen(Qt::NoPen);
    return;
  }
  QPen pen(PenColour(FPen));
  pen.setWidth(std::max(1, FPen.Width()));
  static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                            Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
  pen.setStyle(styles[FPen.Style]);
  pen.setCapStyle(forLines ? Qt::FlatCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p->setPen(pen);
}

void TCanvas::ApplyBrush() {
  QPainter* p = Painter();
  if (!p) return;
  if (!BrushVisible()) {
    p->setBrush(Qt::NoBrush);
    return;
  }
  static constexpr Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                              Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
  p->setBrush(QBrush(ToQColor(FBrush.Color), styles[FBrush.Style]));
}

void TCanvas::ApplyFont() {
  QPainter* p = Painter();
  if (!p) return;
  p->setFont(ToQFont(FFont));
  p->setPen(ToQColor(FFont.Color()));
}

void TCanvas::SetBkMode(int mode) {
  FBkMode = mode;
  FBkBrush.Assign(FBrush);
}

int TCanvas::BkMode() const {
  if (FBkMode != 0 && FBkBrush.Color == FBrush.Color && FBkBrush.Style == FBrush.Style) return FBkMode;
  return BrushVisible() ? OPAQUE : TRANSPARENT;
}

void TCanvas::Save() {
  FSaved.push_back(SavedState{});
  SavedState& s = FSaved.back();
  s.Font.Assign(FFont);
  s.Pen.Assign(FPen);
  s.Brush.Assign(FBrush);
  s.PenPos = FPenPos;
  s.Clip = FClip;
  s.BkMode = FBkMode;
  s.BkBrush.Assign(FBkBrush);
}

void TCanvas::Restore() {
  if (FSaved.empty()) return;
  SavedState& s = FSaved.back();
  FFont.Assign(s.Font);
  FPen.Assign(s.Pen);
  FBrush.Assign(s.Brush);
  FPenPos = s.PenPos;
  FClip = s.Clip;
  FBkMode = s.BkMode;
  FBkBrush.Assign(s.BkBrush);
  FSaved.pop_back();
  ApplyClip();
}

// ---- Clip regions ----

void TCanvas::ApplyClip() {
  if (!FPainter) return;
  if (FClip)
    FPainter->setClipRegion(FBaseClip ? **FBaseClip & **FClip : **FClip);
  else if (FBaseClip)
    FPainter->setClipRegion(**FBaseClip);
  else
    FPainter->setClipping(false);
}

int TCanvas::SelectClipRgn(const TRegion* region) {
  if (region)
    FClip = region->ToQRegion();
  else
    FClip.reset();
  ApplyClip();
  return RegionKind(FClip ? **FClip : DeviceRegion());
}

int TCanvas::IntersectClipRect(const TRect& r) {
  FClip = (FClip ? **FClip : DeviceRegion()) & (r.IsEmpty() ? QRegion() : QRegion(r.toQRect()));
  ApplyClip();
  return RegionKind(**FClip);
}

int TCanvas::ExcludeClipRect(const TRect& r) {
  FClip = (FClip ? **FClip : DeviceRegion()) - (r.IsEmpty() ? QRegion() : QRegion(r.toQRect()));
  ApplyClip();
  return RegionKind(**FClip);
}

TRect TCanvas::ClipRect() const {
  QRegion r = FClip ? **FClip : DeviceRegion();
  if (FBaseClip) r &= **FBaseClip;
  return TRect::FromQRect(r.boundingRect());
}

// ---- Areas ----

void TCanvas::FillRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || r.IsEmpty() || FBrush.Style == bsClear) return;
  ApplyBrush();
  if (FBrush.Style == bsSolid)
    p->fillRect(r.toQRect(), ToQColor(FBrush.Color));
  else
    p->fillRect(r.toQRect(), p->brush());
}

void TCanvas::FrameRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || r.IsEmpty()) return;
  QColor c = ToQColor(FBrush.Color);
  p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(const TRect& r) {
  QPainter* p = Painter();
  if (!p || r.IsEmpty()) return;
  const bool pen = FPen.Style != psClear && FPen.Mode != pmNop;
  const int w = pen ? std::min({std::max(1, FPen.Width()), (r.Width() + 1) / 2, (r.Height() + 1) / 2}) : 0;
  RopScope rop(p, FPen.Mode);
  // Every pixel is touched once, so an XOR rectangle drawn twice is gone.
  TRect inner(r.Left + w, r.Top + w, r.Right - w, r.Bottom - w);
  if (BrushVisible() && !inner.IsEmpty()) {
    ApplyBrush();
    p->fillRect(inner.toQRect(), FBrush.Style == bsSolid ? QBrush(ToQColor(FBrush.Color)) : p->brush());
  }
  if (!pen) return;
  if (FPen.Style == psSolid || FPen.Style == psInsideFrame || w > 1) {
    QColor c = PenColour(FPen);
    p->fillRect(QRect(r.Left, r.Top, r.Width(), w), c);
    if (r.Height() > w) p->fillRect(QRect(r.Left, r.Bottom - w, r.Width(), w), c);
    const int side = r.Height() - 2 * w;
    if (side > 0) {
      p->fillRect(QRect(r.Left, r.Top + w, w, side), c);
      if (r.Width() > w) p->fillRect(QRect(r.Right - w, r.Top + w, w, side), c);
    }
  } else {
    PixelLine(r.Left, r.Top, r.Right - 1, r.Top);
    PixelLine(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
    PixelLine(r.Right - 1, r.Bottom - 1, r.Left, r.Bottom - 1);
    PixelLine(r.Left, r.Bottom - 1, r.Left, r.Top);
  }
}

void TCanvas::RoundRect(int l, int t, int r, int b, int rx, int ry) {
  QPainter* p = Painter();
  if (!p || r <= l || b <= t) return;
  RopScope rop(p, FPen.Mode);
  ApplyPen(false);
  ApplyBrush();
  p->drawRoundedRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1), rx / 2.0, ry / 2.0);
}

void TCanvas::Ellipse(int l, int t, int r, int b) {
  QPainter* p = Painter();
  if (!p || r <= l || b <= t) return;
  RopScope rop(p, FPen.Mode);
  ApplyPen(false);
  ApplyBrush();
  p->drawEllipse(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
  QPainter* p = Painter();
  if (!p || pts.empty()) return;
  RopScope rop(p, FPen.Mode);
  ApplyPen(false);
  ApplyBrush();
  QPolygonF poly;
  for (const TPoint& pt : pts) poly << QPointF(pt.X + 0.5, pt.Y + 0.5);
  p->drawPolygon(poly, Qt::WindingFill);
}

void TCanvas::Polyline(const std::vector<TPoint>& pts) {
  if (pts.empty()) return;
  MoveTo(pts[0].X, pts[0].Y);
  for (size_t i = 1; i < pts.size(); ++i) LineTo(pts[i].X, pts[i].Y);
}

// ---- Lines ----

void TCanvas::MoveTo(int x, int y) { FPenPos = TPoint(x, y); }

void TCanvas::LineTo(int x, int y) {
  QPainter* p = Painter();
  if (p && FPen.Style != psClear && FPen.Mode != pmNop) {
    RopScope rop(p, FPen.Mode);
    if (FPen.Width <= 1)
      PixelLine(FPenPos.X, FPenPos.Y, x, y);
    else
      WideLine(FPenPos.X, FPenPos.Y, x, y);
  }
  FPenPos = TPoint(x, y);
}

// One-pixel lines step from pixel to pixel (Bresenham) and stop before the end
// point, as GDI's cosmetic pens do; runs of a row are filled at once.
void TCanvas::PixelLine(int x0, int y0, int x1, int y1) {
  QPainter* p = FPainter;
  const QColor c = PenColour(FPen);
  const DashPattern& dash = kDashPatterns[FPen.Style];
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy, x = x0, y = y0;
  int run = 0, runLeft = dash.Count ? dash.Runs[0] : 0;
  QRect span;
  auto flush = [&] {
    if (!span.isNull()) p->fillRect(span, c);
    span = QRect();
  };
  while (x != x1 || y != y1) {
    const bool on = dash.Count == 0 || run % 2 == 0;
    if (on) {
      if (!span.isNull() && span.top() == y && (x == span.right() + 1 || x == span.left() - 1))
        span = span.united(QRect(x, y, 1, 1));
      else if (!span.isNull() && span.left() == x && span.width() == 1 &&
               (y == span.bottom() + 1 || y == span.top() - 1))
        span = span.united(QRect(x, y, 1, 1));
      else {
        flush();
        span = QRect(x, y, 1, 1);
      }
    }
    if (dash.Count && --runLeft == 0) {
      run = (run + 1) % dash.Count;
      runLeft = dash.Runs[size_t(run)];
    }
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  flush();
}

void TCanvas::WideLine(int x0, int y0, int x1, int y1) {
  QPainter* p = FPainter;
  const QColor c = PenColour(FPen);
  const int w = FPen.Width;
  if (y0 == y1 && x0 != x1) {
    // Axis-aligned wide lines are centred on the line and end before the end point.
    const int a = x1 > x0 ? x0 : x1 + 1;
    p->fillRect(QRect(a, y0 - (w - 1) / 2, std::abs(x1 - x0), w), c);
  } else if (x0 == x1 && y0 != y1) {
    const int a = y1 > y0 ? y0 : y1 + 1;
    p->fillRect(QRect(x0 - (w - 1) / 2, a, w, std::abs(y1 - y0)), c);
  } else if (x0 != x1) {
    ApplyPen(true);
    const double dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
    p->drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 - dx / len + 0.5, y1 - dy / len + 0.5));
  }
}

// ---- Pixels ----

TColor TCanvas::Pixel(int x, int y) const {
  const QImage* img = ImageDevice();
  if (!img || x < 0 || y < 0 || x >= img->width() || y >= img->height()) return clNone;
  return FromQColor(img->pixelColor(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (QPainter* p = Painter()) p->fillRect(QRect(x, y, 1, 1), ToQColor(c));
}

void TCanvas::FloodFill(int x, int y, TColor c, TFillStyle style) {
  const QImage* img = ImageDevice();
  if (!img || x < 0 || y < 0 || x >= img->width() || y >= img->height() || !BrushVisible()) return;
  const int w = img->width(), h = img->height();
  const QRgb key = ToQColor(c).rgb() & 0xFFFFFF;
  auto inside = [&](int px, int py) {
    const bool same = (img->pixel(px, py) & 0xFFFFFF) == key;
    return style == fsSurface ? same : !same;
  };
  if (!inside(x, y)) return;
  // Marks the area first (reading only), then paints it row run by row run.
  std::vector<unsigned char> mark(size_t(w) * size_t(h), 0);
  std::queue<QPoint> todo;
  todo.push(QPoint(x, y));
  mark[size_t(y) * size_t(w) + size_t(x)] = 1;
  while (!todo.empty()) {
    const QPoint pt = todo.front();
    todo.pop();
    constexpr int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& s : steps) {
      const int nx = pt.x() + s[0], ny = pt.y() + s[1];
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      unsigned char& m = mark[size_t(ny) * size_t(w) + size_t(nx)];
      if (m || !inside(nx, ny)) continue;
      m = 1;
      todo.push(QPoint(nx, ny));
    }
  }
  QPainter* p = FPainter;
  const QColor fill = ToQColor(FBrush.Color);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w;) {
      if (!mark[size_t(row) * size_t(w) + size_t(col)]) {
        ++col;
        continue;
      }
      int end = col;
      while (end < w && mark[size_t(row) * size_t(w) + size_t(end)]) ++end;
      p->fillRect(QRect(col, row, end - col, 1), fill);
      col = end;
    }
  }
}

void TCanvas::DrawFocusRect(const TRect& r) { ::DrawFocusRect(*this, r); }

// ---- Text ----

void TCanvas::TextOut(int x, int y, const QString& text) {
  QPainter* p = Painter();
  const TTextMeasurer& m = TextMeasurer();
  const int w = m.Width(FFont, text);
  if (p) {
    p->save();
    p->translate(x, y);
    // Escapement turns the line counter-clockwise about its top-left corner.
    if (FFont.Orientation() != 0) p->rotate(-FFont.Orientation() / 10.0);
    if (BkMode() == OPAQUE) p->fillRect(QRect(0, 0, w, m.LineHeight(FFont)), ToQColor(FBrush.Color));
    m.Draw(*p, FFont, 0, 0, text, ToQColor(FFont.Color()));
    p->restore();
  }
  FPenPos = TPoint(x + w, y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  QPainter* p = Painter();
  if (!p) return;
  p->save();
  p->setClipRect(r.toQRect(), Qt::IntersectClip);
  if (BrushVisible()) p->fillRect(r.toQRect(), ToQColor(FBrush.Color));
  p->translate(x, y);
  if (FFont.Orientation() != 0) p->rotate(-FFont.Orientation() / 10.0);
  TextMeasurer().Draw(*p, FFont, 0, 0, text, ToQColor(FFont.Color()));
  p->restore();
}

int TCanvas::TextWidth(const QString& text) const { return TextMeasurer().Width(FFont, text); }
int TCanvas::TextHeight(const QString&) const { return TextMeasurer().LineHeight(FFont); }
TSize TCanvas::TextExtent(const QString& text) const { return TSize{TextWidth(text), TextHeight(text)}; }

// ---- Pictures ----

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (QPainter* p = Painter(); p && !image.isNull()) p->drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (QPainter* p = Painter(); p && !image.isNull()) p->drawImage(r.toQRect(), image);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  if (!graphic.Empty()) Draw(x, y, graphic.PaintImage());
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
  if (!graphic.Empty()) StretchDraw(r, graphic.PaintImage());
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor key) {
  if (bitmap.Empty()) return;
  QImage img = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb k = ToQColor(key).rgb() & 0xFFFFFF;
  for (int row = 0; row < img.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(row));
    for (int col = 0; col < img.width(); ++col)
      if ((line[col] & 0xFFFFFF) == k) line[col] = 0;
  }
  Draw(x, y, img);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  QPainter* p = Painter();
  const QImage* src = source.ImageDevice();
  if (!p || !src || dest.IsEmpty() || sourceRect.IsEmpty()) return;
  // A copy of the pixels first: source and destination may be one image.
  const QImage part = src->copy(sourceRect.toQRect());
  p->setCompositionMode(QPainter::CompositionMode_Source);
  p->drawImage(dest.toQRect(), part);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
