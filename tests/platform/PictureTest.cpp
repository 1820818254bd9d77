#include "support/PaintProbe.h"

#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace paintprobe;

namespace {

const QString kFixtures = QStringLiteral(QUILLORE_FIXTURES "/platform/");

// A test pattern with sharp colour blocks: JPEG keeps their colours closely.
QImage Pattern(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y,
                   x < w / 2 ? (y < h / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                             : (y < h / 2 ? qRgb(0, 255, 0) : qRgb(255, 255, 255)));
  return img;
}

QByteArray Encoded(const QImage& img, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter w(&buffer, format);
  EXPECT_TRUE(w.write(img)) << format;
  return data;
}

QByteArray OurJpeg(const QImage& img, int quality = 95) {
  TJPEGImage j;
  j.SetImage(img);
  j.CompressionQuality = quality;
  QByteArray data;
  EXPECT_TRUE(j.SaveToBytes(data)) << j.ErrorText().toStdString();
  return data;
}

QByteArray ReadFixture(const QString& name) {
  QFile f(kFixtures + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  return f.readAll();
}

void ExpectClose(const QImage& img, int x, int y, QRgb want, int tolerance) {
  const QRgb got = img.pixel(x, y);
  EXPECT_NEAR(qRed(got), qRed(want), tolerance) << x << "," << y;
  EXPECT_NEAR(qGreen(got), qGreen(want), tolerance) << x << "," << y;
  EXPECT_NEAR(qBlue(got), qBlue(want), tolerance) << x << "," << y;
}

}  // namespace

TEST(Picture, JpegRoundTripThroughLibjpeg) {
  const QImage source = Pattern(32, 16);
  const QByteArray data = OurJpeg(source);
  ASSERT_TRUE(data.startsWith("\xFF\xD8\xFF"));
  ASSERT_TRUE(data.endsWith("\xFF\xD9"));
  TPicture p;
  ASSERT_TRUE(p.LoadFromBytes(data)) << p.ErrorText().toStdString();
  ASSERT_NE(dynamic_cast<TJPEGImage*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 32);
  EXPECT_EQ(p.Height(), 16);
  for (const QPoint pt : {QPoint(3, 3), QPoint(28, 3), QPoint(3, 12), QPoint(28, 12)})
    ExpectClose(p.Image(), pt.x(), pt.y(), source.pixel(pt), 12);
}

TEST(Picture, QualityChangesTheSize) {
  QImage noisy(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
  EXPECT_LT(OurJpeg(noisy, 20).size(), OurJpeg(noisy, 95).size());
}

// A JPEG from another encoder (Qt's writer) decodes the same way.
TEST(Picture, DecodesJpegFromAnotherEncoder) {
  const QImage source = Pattern(16, 16);
  TJPEGImage j;
  ASSERT_TRUE(j.LoadFromBytes(Encoded(source, "jpeg"))) << j.ErrorText().toStdString();
  ExpectClose(j.PaintImage(), 2, 2, qRgb(255, 0, 0), 16);
  ExpectClose(j.PaintImage(), 13, 13, qRgb(255, 255, 255), 16);
  QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
  ASSERT_TRUE(j.LoadFromBytes(Encoded(grey, "jpeg"))) << j.ErrorText().toStdString();
  ExpectClose(j.PaintImage(), 13, 13, qRgb(255, 255, 255), 16);
}

TEST(Picture, JpegSavedAndLoadedThroughFiles) {
  QTemporaryDir dir;
  TJPEGImage j;
  j.SetImage(Pattern(8, 8));
  ASSERT_TRUE(j.SaveToFile(dir.filePath("p.jpg")));
  TPicture p;
  ASSERT_TRUE(p.LoadFromFile(dir.filePath("p.jpg")));
  EXPECT_EQ(p.Width(), 8);
  ASSERT_TRUE(p.SaveToFile(dir.filePath("again.jpg")));
  TPicture q;
  EXPECT_TRUE(q.LoadFromFile(dir.filePath("again.jpg")));
}

TEST(Picture, GifShowsItsFirstFrame) {
  TPicture p;
  ASSERT_TRUE(p.LoadFromFile(kFixtures + "two_frames.gif")) << p.ErrorText().toStdString();
  ASSERT_NE(dynamic_cast<TGIFImage*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 4);
  EXPECT_EQ(p.Height(), 3);
  EXPECT_EQ(FromQColor(p.Image().pixelColor(0, 0)), clRed);
  EXPECT_EQ(FromQColor(p.Image().pixelColor(3, 0)), clBlue);
  EXPECT_EQ(FromQColor(p.Image().pixelColor(0, 2)), clWhite);
  EXPECT_EQ(FromQColor(p.Image().pixelColor(3, 2)), clBlack);
}

TEST(Picture, BmpIconAndPngThroughQtReaders) {
  const QImage source = Pattern(16, 16);
  struct Case {
    const char* Format;
    bool (*IsKind)(TGraphic*);
  };
  const Case cases[] = {
      {"bmp", [](TGraphic* g) { return dynamic_cast<TBitmap*>(g) != nullptr; }},
      {"ico", [](TGraphic* g) { return dynamic_cast<TIcon*>(g) != nullptr; }},
      {"png", [](TGraphic* g) { return dynamic_cast<TPngImage*>(g) != nullptr; }},
  };
  for (const Case& k : cases) {
    TPicture p;
    ASSERT_TRUE(p.LoadFromBytes(Encoded(source, k.Format))) << k.Format << p.ErrorText().toStdString();
    EXPECT_TRUE(k.IsKind(p.Graphic())) << k.Format;
    EXPECT_EQ(p.Width(), 16) << k.Format;
    EXPECT_EQ(FromQColor(p.Image().pixelColor(12, 2)), clLime) << k.Format;
  }
}

// Every cut of a file ends in an error with a message, never a crash (the ci
// preset runs this under AddressSanitizer); the picture keeps what it had.
TEST(Picture, TruncatedFilesAreRefused) {
  const QImage source = Pattern(12, 8);
  struct Case {
    const char* Name;
    QByteArray Data;
    qsizetype FailBelow;  // every shorter prefix must fail
  };
  const QByteArray gif = ReadFixture("two_frames.gif");
  const Case cases[] = {
      {"jpeg", OurJpeg(source), OurJpeg(source).size()},
      {"bmp", Encoded(source, "bmp"), Encoded(source, "bmp").size()},
      {"ico", Encoded(source, "ico"), Encoded(source, "ico").size()},
      {"gif", gif, 40},  // the first frame's data runs past byte 40; later frames are never read
  };
  for (const Case& k : cases) {
    TPicture p;
    p.SetImage(Pattern(2, 2));
    for (qsizetype n = 0; n < k.Data.size(); ++n) {
      const bool ok = p.LoadFromBytes(k.Data.left(n));
      if (n < k.FailBelow) {
        EXPECT_FALSE(ok) << k.Name << " cut at " << n;
        EXPECT_FALSE(p.ErrorText().isEmpty()) << k.Name << " cut at " << n;
      }
      if (!ok) {
        EXPECT_EQ(p.Width(), 2) << k.Name;
      }
    }
    EXPECT_TRUE(p.LoadFromBytes(k.Data)) << k.Name << p.ErrorText().toStdString();
  }
}

TEST(Picture, TruncationMessagesSayWhatHappened) {
  const QByteArray jpeg = OurJpeg(Pattern(12, 8));
  TPicture p;
  EXPECT_FALSE(p.LoadFromBytes(jpeg.left(jpeg.size() / 2)));
  EXPECT_EQ(p.ErrorText(), "Premature end of JPEG file");
  const QByteArray bmp = Encoded(Pattern(12, 8), "bmp");
  EXPECT_FALSE(p.LoadFromBytes(bmp.left(bmp.size() - 1)));
  EXPECT_EQ(p.ErrorText(), "BMP data truncated");
  const QByteArray gif = ReadFixture("two_frames.gif");
  EXPECT_FALSE(p.LoadFromBytes(gif.left(30)));
  EXPECT_EQ(p.ErrorText(), "GIF data truncated");
}

TEST(Picture, HostileHeadersAreRefused) {
  QByteArray huge = OurJpeg(Pattern(8, 8));
  const qsizetype sof = huge.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  huge[sof + 5] = char(0xFF), huge[sof + 6] = char(0xFF);  // height
  huge[sof + 7] = char(0xFF), huge[sof + 8] = char(0xFF);  // width
  QByteArray bmp = Encoded(Pattern(4, 4), "bmp");
  bmp[18] = char(0xFF), bmp[19] = char(0xFF), bmp[20] = char(0xFF), bmp[21] = char(0x7F);  // width
  QByteArray gif = ReadFixture("two_frames.gif");
  gif[25 + 8 + 9] = char(0x87);  // a local colour table that is not there
  struct Case {
    const char* Name;
    QByteArray Data;
  };
  const Case cases[] = {
      {"jpeg of 65535 x 65535", huge},
      {"jpeg without a frame", QByteArray("\xFF\xD8\xFF\xE0garbage that is no JPEG")},
      {"bmp 2 billion wide", bmp},
      {"gif with a missing colour table", gif},
      {"icon pointing past its end", QByteArray("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\xFF\xFF\0\0\x16\0\0\0", 22)},
      {"unknown kind", QByteArray("just text")},
      {"nothing", QByteArray()},
  };
  for (const Case& k : cases) {
    TPicture p;
    EXPECT_FALSE(p.LoadFromBytes(k.Data)) << k.Name;
    EXPECT_FALSE(p.ErrorText().isEmpty()) << k.Name;
    EXPECT_TRUE(p.Empty()) << k.Name;
  }
}

TEST(Picture, AssignCopiesTheGraphic) {
  TPicture a;
  ASSERT_TRUE(a.LoadFromFile(kFixtures + "two_frames.gif"));
  TPicture b;
  b.Assign(a);
  ASSERT_NE(b.Graphic(), nullptr);
  EXPECT_NE(b.Graphic(), a.Graphic());
  EXPECT_EQ(b.Image(), a.Image());
  const TPicture c = a;  // copies as Assign does
  EXPECT_NE(c.Graphic(), a.Graphic());
  EXPECT_EQ(c.Image(), a.Image());
  QTemporaryDir dir;
  ASSERT_TRUE(b.SaveToFile(dir.filePath("copy.gif")));
  QFile f(dir.filePath("copy.gif"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), ReadFixture("two_frames.gif"));  // raw bytes kept
}

TEST(Picture, MissingFileIsAnError) {
  TPicture p;
  EXPECT_FALSE(p.LoadFromFile(kFixtures + "no_such_picture.bmp"));
  EXPECT_TRUE(p.ErrorText().contains("no_such_picture.bmp"));
}

TEST(Picture, DrawsOnACanvas) {
  TPicture p;
  ASSERT_TRUE(p.LoadFromFile(kFixtures + "two_frames.gif"));
  TBitmap sheet(6, 4);
  sheet.Canvas().Draw(1, 1, *p.Graphic());
  EXPECT_EQ(Art(sheet),
            "......\n"
            ".rrbb.\n"
            ".rrbb.\n"
            "...##.\n");
  TBitmap big(8, 6);
  big.Canvas().StretchDraw(TRect(0, 0, 8, 6), *p.Graphic());
  EXPECT_EQ(At(big, 0, 0), clRed);
  EXPECT_EQ(At(big, 7, 5), clBlack);
}

// Damaged or lying files from the field: each is refused quickly, none is shown with a grey tail.
TEST(Picture, HostileJpegsAreRefused) {
  for (const char* name :
       {"jpeg_progressive_1000_empty_scans.jpg", "jpeg_8192_progressive_bomb.jpg", "jpeg_128B_15871x2304_cmyk_slow.jpg",
        "jpeg_half_plus_eoi.jpg", "jpeg_8192_cut_scan_with_eoi.jpg"}) {
    QByteArray bytes;
    ASSERT_TRUE(ReadFileBytes(QString(QUILLORE_FIXTURES) + "/hostile/" + name, bytes)) << name;
    TJPEGImage j;
    EXPECT_FALSE(j.LoadFromBytes(bytes)) << name;
    EXPECT_FALSE(j.ErrorText().isEmpty()) << name;
  }
}
