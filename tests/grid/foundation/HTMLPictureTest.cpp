#include "grid/foundation/HTMLPicture.h"

#include "grid/foundation/GifFixtures.h"
#include "grid/foundation/HTMLPictureCache.h"
#include "grid/foundation/PictureContainer.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray BitmapBytes(int W, int H, TColor Colour) {
  TBitmap bitmap(W, H);
  bitmap.Canvas().Brush().Color = Colour;
  bitmap.Canvas().FillRect(TRect(0, 0, W, H));
  bitmap.EndCanvas();
  QByteArray bytes;
  bitmap.SaveToBytes(bytes);
  return bytes;
}

// Runs every operation that reads the data; none may fail hard.
void Exercise(THTMLPicture& P, const QByteArray& Data) {
  P.LoadFromBytes(Data);
  P.FrameCount();
  for (int i = 0; i <= 4; ++i) P.GetFrameTime(i);
  for (int f : {1, 2, 3, 1}) {
    try {
      P.SetFrame(f);
    } catch (const EHTMLPictureError&) {
    }
  }
  for (int t = 0; t < 8; ++t) EXPECT_NO_THROW(P.Step());
  (void)P.MaxWidth();
}

TEST(HTMLPicture, GifNeedsFiveBytesStartingGif8) {
  THTMLPicture p;
  p.LoadFromBytes(QByteArray("GIF8a"));
  EXPECT_TRUE(p.IsGIF());
  p.LoadFromBytes(QByteArray("GIF8"));
  EXPECT_FALSE(p.IsGIF());
  EXPECT_EQ(p.FrameCount(), -1);
}

TEST(HTMLPicture, SecondFrameDecodesHeaderThenTheFramesFromIt) {
  const QByteArray data = gif::ThreeFrames();
  THTMLPicture p;
  ASSERT_TRUE(p.LoadFromBytes(data)) << p.ErrorText().toStdString();
  EXPECT_EQ(p.FrameCount(), 3);
  EXPECT_EQ(p.Width(), 4);
  p.SetFrame(2);
  const QByteArray header = gif::Header();
  const QByteArray first = gif::FrameBlock({0, 0, 20});
  EXPECT_EQ(p.DecodedBytes(), header + data.mid(header.size() + first.size()));
  EXPECT_EQ(p.FrameXPos(), 2);
  EXPECT_EQ(p.FrameYPos(), 1);
  EXPECT_EQ(p.MaxWidth(), 4);
  EXPECT_EQ(p.MaxHeight(), 3);
  EXPECT_EQ(p.GetFrameTime(3), 30);
  EXPECT_TRUE(p.FrameTransparent());
  EXPECT_EQ(p.FrameDisposal(), 1);
  EXPECT_EQ(p.GetFrameTime(4), -1);
}

TEST(HTMLPicture, GifWithoutControlBlocksHasNoFramesAndIsDecodedWhole) {
  THTMLPicture p;
  ASSERT_TRUE(p.LoadFromBytes(gif::Build({{0, 0, 0, false}})));
  EXPECT_EQ(p.FrameCount(), 0);
  EXPECT_EQ(p.DecodedBytes(), p.Data());
  EXPECT_EQ(p.MaxWidth(), p.Width());
  EXPECT_GT(p.Width(), 0);
}

TEST(HTMLPicture, FramesWrapAroundBothWays) {
  THTMLPicture p;
  p.LoadFromBytes(gif::ThreeFrames());
  p.FrameCount();
  p.FramePrev();
  EXPECT_EQ(p.Frame(), 3);
  p.FrameNext();
  EXPECT_EQ(p.Frame(), 1);
}

TEST(HTMLPicture, StepsFollowTheDelaysAndTheFirstTickWaits) {
  THTMLPicture p;
  p.LoadFromBytes(gif::ThreeFrames());  // delays 20, 10, 30 hundredths
  const std::vector<bool> expected{false, false, false, true, true, false, false, true};
  std::vector<bool> got;
  for (size_t i = 0; i < expected.size(); ++i) got.push_back(p.Step());
  EXPECT_EQ(got, expected);
  EXPECT_EQ(p.Frame(), 1);
}

TEST(HTMLPicture, EveryLoadResetsTheAnimation) {
  THTMLPicture p;
  p.LoadFromBytes(gif::ThreeFrames());
  EXPECT_EQ(p.FrameCount(), 3);
  p.SetFrame(3);
  ASSERT_TRUE(p.LoadFromBytes(gif::Build({{1, 1, 5}})));
  EXPECT_EQ(p.FrameCount(), 1);
  EXPECT_EQ(p.Frame(), 1);
  EXPECT_EQ(p.FrameXPos(), 1);
}

TEST(HTMLPicture, TruncatedAndHostileGifsAreReadWithinBounds) {
  const QByteArray data = gif::ThreeFrames();
  THTMLPicture p;
  for (qsizetype n = 0; n <= data.size(); ++n) Exercise(p, data.left(n));
  QRandomGenerator random(22);
  for (int round = 0; round < 200; ++round) {
    QByteArray bytes("GIF8");
    const int n = int(random.bounded(40));
    for (int i = 0; i < n; ++i) {
      // Favour the bytes the frame test looks for.
      static constexpr char Interesting[] = {0x21, char(0xF9), 0x04, 0x2C, 0x00, 0x3B};
      bytes.append(random.bounded(2) ? Interesting[random.bounded(6)] : char(random.bounded(256)));
    }
    Exercise(p, bytes);
  }
  THTMLPictureCache cache;
  cache.AddPicture()->LoadFromBytes(data.left(data.size() - 12));
  cache.GetPicture(0)->FrameCount();
  for (int t = 0; t < 10; ++t) EXPECT_NO_THROW(cache.Animate());
}

TEST(HTMLPicture, StreamLoadsRaiseTheDecoderTexts) {
  THTMLPicture p;
  const auto message = [&](QIODevice* stream) {
    try {
      p.LoadFromStream(stream);
    } catch (const EHTMLPictureError& e) {
      return e.Message();
    }
    return QStringLiteral("no error");
  };
  QByteArray garbage("not a picture");
  QBuffer bad(&garbage);
  bad.open(QIODevice::ReadOnly);
  EXPECT_EQ(message(&bad), "Could not load image. Invalid format");
  QByteArray none;
  QBuffer empty(&none);
  empty.open(QIODevice::ReadOnly);
  EXPECT_EQ(message(&empty), "Empty image stream created");
  QBuffer closed(&garbage);
  EXPECT_EQ(message(&closed), "Could not create image stream");
  EXPECT_EQ(message(nullptr), "no error");
  EXPECT_TRUE(p.Empty());
}

TEST(HTMLPicture, FileLoadsFailSilentlyAndBytesRoundTrip) {
  QTemporaryDir dir;
  THTMLPicture p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  EXPECT_FALSE(p.LoadFromFile(dir.filePath("missing.bmp")));
  EXPECT_TRUE(p.Empty());
  const QByteArray bytes = BitmapBytes(64, 48, clRed);
  QFile f(dir.filePath("pic.bmp"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  EXPECT_TRUE(p.LoadFromFile(f.fileName()));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(p.Width(), 64);
  EXPECT_EQ(p.Height(), 48);
  QByteArray saved;
  p.SaveToBytes(saved);
  EXPECT_EQ(saved, bytes);
  THTMLPicture copy;
  copy.Assign(&p);
  EXPECT_EQ(copy.Width(), 64);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(copy.Width(), 0);
}

TEST(HTMLPicture, UrlPrefixesInAnyCaseAndRemoteLocationsWithoutNetwork) {
  QTemporaryDir dir;
  QFile f(dir.filePath("a.bmp"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(BitmapBytes(5, 7, clBlue));
  f.close();
  struct TCase {
    QString Url;
    bool Asynch;
    bool Loaded;
    bool IdSet;
    bool Busy;
  };
  const TCase cases[] = {
      {"file://" + f.fileName(), true, true, true, false},
      {"FiLe://" + f.fileName(), true, true, true, false},
      {"FILE://", true, false, true, false},
      {"res://", false, false, true, false},
      {"RES://nosuchpicture", false, false, true, false},
      {"http://host/x.gif", false, false, true, false},
      {"http://host/x.gif", true, false, false, true},
  };
  for (const TCase& c : cases) {
    THTMLPicture p;
    p.Asynch = c.Asynch;
    p.LoadFromURL(c.Url);
    EXPECT_EQ(!p.Empty(), c.Loaded) << c.Url.toStdString();
    EXPECT_EQ(p.ID == c.Url, c.IdSet) << c.Url.toStdString();
    EXPECT_EQ(p.Busy(), c.Busy) << c.Url.toStdString();
  }
  THTMLPicture busy;
  busy.LoadFromURL(QStringLiteral("http://a"));
  busy.LoadFromURL(QStringLiteral("http://b"));
  EXPECT_EQ(busy.RemoteUrl(), "http://a");
}

TEST(HTMLPicture, ContainerIgnoresLetterCaseTheCacheDoesNot) {
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items().Add();
  item->Name = QStringLiteral("Logo");
  EXPECT_EQ(container.FindPicture(QStringLiteral("LOGO")), &item->Picture());
  EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);
  THTMLPictureCache cache;
  THTMLPicture* p = cache.AddPicture();
  p->ID = QStringLiteral("http://x/Logo.gif");
  EXPECT_EQ(cache.FindPicture(QStringLiteral("http://x/Logo.gif")), p);
  EXPECT_EQ(cache.FindPicture(QStringLiteral("HTTP://X/LOGO.GIF")), nullptr);
}

}  // namespace

TEST(HTMLPicture, StreamLoadsReadFromTheStart) {
  QByteArray bytes = BitmapBytes(9, 4, clRed);
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  stream.seek(bytes.size() / 2);  // a reader before left it half-way
  THTMLPicture p;
  p.LoadFromStream(&stream);
  EXPECT_EQ(p.Width(), 9);
  QByteArray kept;
  p.SaveToBytes(kept);
  EXPECT_EQ(kept, bytes);
}

TEST(HTMLPicture, AssignTellsTheFrameWatchersOfAPictureWithData) {
  THTMLPicture source;
  ASSERT_TRUE(source.LoadFromBytes(BitmapBytes(6, 5, clBlue)));
  THTMLPicture target;
  int frames = 0, changes = 0;
  target.OnFrameChange = [&](TObject*) { ++frames; };
  target.OnChange = [&](TObject*) { ++changes; };
  target.Assign(&source);  // no data before: no frame to go back to
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(changes, 1);
  target.Assign(&source);
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(target.Width(), 6);
  target.Assign(nullptr);
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(target.Width(), 0);
  EXPECT_TRUE(target.Empty());
  // Old data that no longer decodes does not stop a new picture from coming in.
  THTMLPicture broken;
  EXPECT_FALSE(broken.LoadFromBytes("not a picture"));
  broken.Assign(&source);
  EXPECT_EQ(broken.Width(), 6);
}
