// TBitmap: pixels in a QImage of the bitmap's pixel format, a canvas that
// opens a painter on them when drawing starts, scan lines and key colours.
#include "platform/Graphics.h"

#include "platform/internal/Painting.h"

#include "platform/internal/ImageCodecs.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

namespace {

QImage::Format FormatFor(TPixelFormat pf, TAlphaFormat af) {
  if (pf == pf24bit) return QImage::Format_BGR888;  // B, G, R bytes, as a 24-bit DIB
  if (pf == pf32bit) {
    if (af == afDefined) return QImage::Format_ARGB32;
    if (af == afPremultiplied) return QImage::Format_ARGB32_Premultiplied;
  }
  return QImage::Format_RGB32;
}

}  // namespace

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) { SetSize(width, height); }
TBitmap::~TBitmap() { EndCanvas(); }

int TBitmap::Width() const { return FImage->width(); }
int TBitmap::Height() const { return FImage->height(); }
bool TBitmap::Empty() const { return FImage->isNull(); }

void TBitmap::SetSize(int width, int height) {
  EndCanvas();
  if (width <= 0 || height <= 0) {
    FImage = QImage();
    return;
  }
  if (width == FImage->width() && height == FImage->height()) return;
  QImage img(width, height, FormatFor(FPixelFormat, FAlphaFormat));
  img.fill(Qt::white);
  if (!FImage->isNull()) {
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, *FImage);
  }
  FImage = img;
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetPainterSource([this] { return OpenPainter(); });
  }
  return *FCanvas;
}

QPainter* TBitmap::OpenPainter() {
  if (FImage->isNull()) return nullptr;
  if (!FPainter) FPainter = std::make_unique<QPainter>(&*FImage);
  return FPainter.get();
}

void TBitmap::EndCanvas() {
  if (FCanvas) FCanvas->DropPainter();
  FPainter.reset();
}

QImage& TBitmap::Image() {
  EndCanvas();
  return *FImage;
}

const QImage& TBitmap::Image() const {
  // A painter still open would go on writing into any copy taken of the pixels.
  if (FCanvas) FCanvas->DropPainter();
  FPainter.reset();
  return *FImage;
}

bool TBitmap::LoadFromFile(const QString& path) { return TGraphic::LoadFromFile(path); }

void TBitmap::SetPixelFormat(TPixelFormat v) {
  EndCanvas();
  FPixelFormat = v;
  if (!FImage->isNull()) FImage = FImage->convertToFormat(FormatFor(FPixelFormat, FAlphaFormat));
}

void TBitmap::SetAlphaFormat(TAlphaFormat v) {
  EndCanvas();
  const TAlphaFormat old = FAlphaFormat;
  FAlphaFormat = v;
  if (FImage->isNull() || FPixelFormat != pf32bit) return;
  const QImage::Format f = FormatFor(FPixelFormat, v);
  // Defined alpha is multiplied in (or out); otherwise the bytes stay as they are.
  if ((old == afDefined && v == afPremultiplied) || (old == afPremultiplied && v == afDefined))
    FImage = FImage->convertToFormat(f);
  else
    FImage->reinterpretAsFormat(f);
}

void* TBitmap::ScanLine(int y) {
  EndCanvas();
  if (y < 0 || y >= FImage->height()) throw std::out_of_range("Scan line index out of range");
  return FImage->scanLine(y);
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  EndCanvas();
  FImage = source.Image().copy();
  FPixelFormat = source.FPixelFormat;
  FAlphaFormat = source.FAlphaFormat;
  Transparent = source.Transparent;
  TransparentColor = source.TransparentColor;
}

void TBitmap::SetImage(const QImage& image) {
  EndCanvas();
  if (image.hasAlphaChannel()) {
    FPixelFormat = pf32bit;
    FAlphaFormat = afDefined;
  } else if (FPixelFormat == pf32bit) {
    FAlphaFormat = afIgnored;
  }
  FImage = image.isNull() ? QImage() : image.convertToFormat(FormatFor(FPixelFormat, FAlphaFormat));
}

TColor TBitmap::PixelColor(int x, int y) const {
  if (x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clNone;
  return FromQColor(FImage->pixelColor(x, y));
}

TColor TBitmap::KeyColor() const {
  return TransparentColor != clNone ? ColorToRGB(TransparentColor) : BottomLeftColor();
}

QImage TBitmap::PaintImage() const {
  const QImage& img = Image();
  if (!Transparent || img.isNull()) return img;
  QImage out = img.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ToQColor(KeyColor()).rgb() & 0xFFFFFF;
  for (int row = 0; row < out.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(row));
    for (int col = 0; col < out.width(); ++col)
      if ((line[col] & 0xFFFFFF) == key) line[col] = 0;
  }
  return out;
}

bool TBitmap::LoadFromBytes(const QByteArray& data) {
  if (data.startsWith("BM")) {
    QImage img;
    QString error;
    if (!DecodeBmp(data, img, error)) return Fail(error);
    SetImage(img);
    return true;
  }
  // A bitmap takes whatever other picture the bytes hold, as the pictures do.
  std::unique_ptr<TGraphic> g = TPicture::GraphicForData(data);
  if (!g) return Fail(QStringLiteral("Unknown picture format"));
  if (!g->LoadFromBytes(data)) return Fail(g->ErrorText());
  SetImage(g->PaintImage());
  return true;
}

bool TBitmap::SaveToBytes(QByteArray& data) const {
  if (Empty()) return Fail(QStringLiteral("The bitmap is empty"));
  data.clear();
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(Image())) return Fail(writer.errorString());
  return true;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(*this);
  return copy;
}
