// Pictures: the graphic kinds, told apart by their first bytes, and checks
// that a file's structure is whole before a reader sees it, so a truncated
// or hostile file is refused with a message.
#include "platform/Graphics.h"

#include "platform/internal/Painting.h"

#include "platform/Files.h"
#include "platform/internal/ImageCodecs.h"

#include <QBuffer>
#include <QImageReader>

namespace {

quint32 LE16(const QByteArray& d, qsizetype at) { return quint32(quint8(d[at])) | quint32(quint8(d[at + 1])) << 8; }
quint32 LE32(const QByteArray& d, qsizetype at) { return LE16(d, at) | LE16(d, at + 2) << 16; }

QString CheckBmp(const QByteArray& d) {
  if (d.size() < 26 || !d.startsWith("BM")) return QStringLiteral("BMP data truncated");
  const qint64 offBits = LE32(d, 10);
  const quint32 infoSize = LE32(d, 14);
  qint64 width, height;
  quint32 bits, compression = 0;
  if (infoSize == 12) {
    width = LE16(d, 18);
    height = LE16(d, 20);
    bits = LE16(d, 24);
  } else {
    if (infoSize < 40 || d.size() < 34) return QStringLiteral("BMP data truncated");
    width = qint32(LE32(d, 18));
    height = qint32(LE32(d, 22));
    bits = LE16(d, 28);
    compression = LE32(d, 30);
  }
  if (width <= 0 || height == 0 || width > 65535 || std::abs(height) > 65535)
    return QStringLiteral("BMP picture has an invalid size");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return QStringLiteral("BMP picture has an invalid pixel format");
  if (compression == 0 || compression == 3) {
    const qint64 row = (width * bits + 31) / 32 * 4;
    if (offBits + row * std::abs(height) > d.size()) return QStringLiteral("BMP data truncated");
  }
  return {};
}

// Skips a chain of GIF data sub-blocks; false when the data ends inside it.
bool SkipSubBlocks(const QByteArray& d, qsizetype& pos) {
  for (;;) {
    if (pos >= d.size()) return false;
    const int n = quint8(d[pos++]);
    if (n == 0) return true;
    pos += n;
  }
}

// The first image of a GIF must be whole; later frames are never shown.
QString CheckGif(const QByteArray& d) {
  if (d.size() < 13 || !(d.startsWith("GIF87a") || d.startsWith("GIF89a"))) return QStringLiteral("GIF data truncated");
  qsizetype pos = 13;
  if (quint8(d[10]) & 0x80) pos += 3 * (qsizetype(1) << ((quint8(d[10]) & 7) + 1));
  for (;;) {
    if (pos >= d.size()) return QStringLiteral("GIF data truncated");
    switch (quint8(d[pos])) {
      case 0x21:
        pos += 2;
        if (!SkipSubBlocks(d, pos)) return QStringLiteral("GIF data truncated");
        break;
      case 0x2C: {
        if (pos + 11 > d.size()) return QStringLiteral("GIF data truncated");
        const quint8 packed = quint8(d[pos + 9]);
        pos += 10;
        if (packed & 0x80) pos += 3 * (qsizetype(1) << ((packed & 7) + 1));
        pos += 1;  // LZW minimum code size
        if (!SkipSubBlocks(d, pos)) return QStringLiteral("GIF data truncated");
        return {};
      }
      case 0x3B: return QStringLiteral("GIF picture holds no image");
      default: return QStringLiteral("Invalid GIF data");
    }
  }
}

QString CheckIcon(const QByteArray& d) {
  if (d.size() < 6 || LE16(d, 0) != 0 || LE16(d, 2) != 1) return QStringLiteral("Invalid icon data");
  const qsizetype count = LE16(d, 4);
  if (count == 0) return QStringLiteral("Icon holds no image");
  if (6 + 16 * count > d.size()) return QStringLiteral("Icon data truncated");
  for (qsizetype i = 0; i < count; ++i) {
    const qint64 size = LE32(d, 6 + 16 * i + 8), offset = LE32(d, 6 + 16 * i + 12);
    if (offset + size > d.size()) return QStringLiteral("Icon data truncated");
  }
  return {};
}

bool ReadWithQt(const QByteArray& data, const char* format, QImage& out, QString& error) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  out = reader.read();
  if (out.isNull()) {
    error = reader.errorString();
    return false;
  }
  return true;
}

}  // namespace

// ---- TGraphic ----

TGraphic::~TGraphic() = default;

QImage TGraphic::PaintImage() const { return Shown() ? Shown()->PaintImage() : QImage(); }

bool TGraphic::Fail(const QString& text) const {
  FError = text;
  return false;
}

bool TGraphic::LoadFromFile(const QString& path) {
  QByteArray data;
  if (!ReadFileBytes(path, data)) return Fail(QStringLiteral("Cannot open file \"%1\"").arg(path));
  return LoadFromBytes(data);
}

bool TGraphic::SaveToFile(const QString& path) const {
  QByteArray data;
  if (!SaveToBytes(data)) return false;
  if (!WriteFileAtomic(path, data)) return Fail(QStringLiteral("Cannot write file \"%1\"").arg(path));
  return true;
}

// ---- Decoded pictures ----

int TDecodedImage::Width() const { return FImage->width(); }
int TDecodedImage::Height() const { return FImage->height(); }
bool TDecodedImage::Empty() const { return FImage->isNull(); }
QImage TDecodedImage::PaintImage() const { return *FImage; }

bool TDecodedImage::CheckComplete(const QByteArray&) const { return true; }

bool TGIFImage::CheckComplete(const QByteArray& data) const {
  const QString e = CheckGif(data);
  return e.isEmpty() || Fail(e);
}

bool TDecodedImage::LoadFromBytes(const QByteArray& data) {
  if (!CheckComplete(data)) return false;
  if (QByteArrayView(FFormat) == "ico") {
    if (QString e = CheckIcon(data); !e.isEmpty()) return Fail(e);
  }
  QImage img;
  QString error;
  if (!ReadWithQt(data, FFormat, img, error)) return Fail(error);
  FBytes = data;
  FImage = img;
  return true;
}

bool TDecodedImage::SaveToBytes(QByteArray& data) const {
  if (FBytes.isEmpty()) return Fail(QStringLiteral("The picture is empty"));
  data = FBytes;
  return true;
}

// ---- TBitmap's own files ----

bool DecodeBmp(const QByteArray& data, QImage& out, QString& error) {
  error = CheckBmp(data);
  return error.isEmpty() && ReadWithQt(data, "bmp", out, error);
}

// ---- TPicture ----

bool TPicture::Empty() const { return FImage->isNull(); }
int TPicture::Width() const { return FImage->width(); }
int TPicture::Height() const { return FImage->height(); }

std::unique_ptr<TGraphic> TPicture::GraphicForData(const QByteArray& data) {
  if (data.startsWith("BM")) return std::make_unique<TBitmap>();
  if (data.startsWith("\xFF\xD8\xFF")) return std::make_unique<TJPEGImage>();
  if (data.startsWith("GIF8")) return std::make_unique<TGIFImage>();
  if (data.startsWith("\x89PNG")) return std::make_unique<TPngImage>();
  if (data.startsWith(QByteArray("\0\0\1\0", 4))) return std::make_unique<TIcon>();
  return nullptr;
}

bool TPicture::LoadFromBytes(const QByteArray& data) {
  std::unique_ptr<TGraphic> g = GraphicForData(data);
  if (!g) {
    FError = QStringLiteral("Unknown picture format");
    return false;
  }
  if (!g->LoadFromBytes(data)) {
    FError = g->ErrorText();
    return false;
  }
  FGraphic = std::move(g);
  FImage = FGraphic->PaintImage();
  FError.clear();
  return true;
}

bool TPicture::LoadFromFile(const QString& path) {
  QByteArray data;
  if (!ReadFileBytes(path, data)) {
    FError = QStringLiteral("Cannot open file \"%1\"").arg(path);
    return false;
  }
  return LoadFromBytes(data);
}

bool TPicture::SaveToFile(const QString& path) const { return FGraphic && FGraphic->SaveToFile(path); }

void TPicture::Assign(const TPicture& other) {
  if (&other == this) return;
  FGraphic = other.FGraphic ? other.FGraphic->Clone() : nullptr;
  FImage = *other.FImage;
  FError = other.FError;
}

void TPicture::Assign(const TGraphic& graphic) {
  FGraphic = graphic.Clone();
  FImage = graphic.PaintImage();
  FError.clear();
}

void TPicture::SetImage(const QImage& image) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetImage(image);
  FGraphic = std::move(bitmap);
  FImage = image;
}
