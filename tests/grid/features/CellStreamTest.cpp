// The binary cell stream: exact bytes of records and values, the placing of
// loaded cells, round trips, and streams that are cut or lie about lengths.
#include "grid/core/CellGraphic.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/features/CellStream.h"
#include "platform/Graphics.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Bytes from a readable list: quoted pieces are their ASCII letters.
QByteArray B(std::initializer_list<QByteArray> Parts) {
  QByteArray out;
  for (const QByteArray& p : Parts) out += p;
  return out;
}
QByteArray H(const char* Hex) { return QByteArray::fromHex(Hex); }

QByteArray SaveRect(TPlexStringGrid& g, TRect R) {
  QBuffer b;
  b.open(QIODevice::ReadWrite);
  g.SaveRectToBinStream(R, b);
  return b.data();
}

QByteArray SaveAll(TPlexStringGrid& g) {
  QBuffer b;
  b.open(QIODevice::ReadWrite);
  g.SaveToBinStream(b);
  return b.data();
}

void LoadAt(TPlexStringGrid& g, const QByteArray& Data, TPoint P) {
  QBuffer b;
  b.setData(Data);
  b.open(QIODevice::ReadOnly);
  g.LoadAtPointFromBinStream(P, b);
}

void Load(TPlexStringGrid& g, const QByteArray& Data) {
  QBuffer b;
  b.setData(Data);
  b.open(QIODevice::ReadOnly);
  g.LoadFromBinStream(b);
}

QByteArray IntValue(int V) {
  QByteArray b;
  if (V >= -128 && V <= 127) {
    b.append(char(2));
    b.append(char(V));
  } else if (V >= -32768 && V <= 32767) {
    b.append(char(3));
    b.append(char(V & 0xFF));
    b.append(char((V >> 8) & 0xFF));
  } else {
    b.append(char(4));
    for (int shift = 0; shift < 32; shift += 8) b.append(char((V >> shift) & 0xFF));
  }
  return b;
}

// The stream with the grid record's ID value set to another grid's: IDs are
// process-wide serials, so two grids' streams differ there and only there.
// The value is found by its property name; a blind search for the value's bytes
// would also hit any column, row or size that happens to equal the ID.
QByteArray WithGridID(QByteArray Stream, int ID) {
  const QByteArray name("\x02ID", 3);
  const qsizetype at = Stream.indexOf(name);
  if (at < 0 || at + 3 >= Stream.size()) return Stream;
  const char type = Stream[at + 3];
  const qsizetype width = type == 2 ? 2 : type == 3 ? 3 : 5;
  return Stream.replace(at + 3, width, IntValue(ID));
}

const QByteArray CellRecordAb =
    B({"TPF0", H("0B"), "TGridCellIO", H("00"), H("03"), "Col", H("0202"), H("03"), "Row", H("0203"), H("04"), "Cell",
       H("0602"), "ab", H("07"), "HasProp", H("08"), H("0000")});

TEST(CellStream, CellRecordIsByteExact) {
  ASSERT_EQ(CellRecordAb.size(), 49);
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(5);
  g.SetCellEx(2, 3, "ab");
  EXPECT_TRUE(SaveRect(g, TRect(2, 3, 2, 3)).endsWith(CellRecordAb));
}

TEST(CellStream, OneEmptyCellWritesGridRecordAndBareCellRecord) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetColWidths(1, 70);
  g.SetRowHeights(1, 30);
  const QByteArray expected =
      B({"TPF0", H("0B"), "TGridPropIO", H("00"), H("08"), "ColCount", H("0201"), H("08"), "RowCount", H("0201"),
         H("09"), "ColWidths", H("0602"), "70", H("0A"), "RowHeights", H("0602"), "30", H("08"), "FullGrid", H("08"),
         H("02"), "ID", IntValue(g.ID()), H("0000"),  //
         "TPF0", H("0B"), "TGridCellIO", H("00"), H("03"), "Col", H("0201"), H("03"), "Row", H("0201"), H("07"),
         "HasProp", H("08"), H("0000")});
  EXPECT_EQ(SaveRect(g, TRect(1, 1, 1, 1)).toHex(' '), expected.toHex(' '));
}

TEST(CellStream, TextEncodingFollowsTheByteCount) {
  struct Case {
    QString Text;
    QByteArray Value;
  } cases[] = {
      {QString::fromUtf8("aé"), H("1403000000") + "a" + H("C3A9")},
      {QString::fromUtf8("é"), H("1201000000E900")},
      {QString::fromUtf8("日本"), H("1202000000E5652C67")},
      {"abc", H("0603") + "abc"},
      {QString(300, 'x'), H("0C2C010000") + QByteArray(300, 'x')},
  };
  for (const Case& c : cases) {
    TCellStreamWriter w;
    w.Text("T", c.Text);
    const QByteArray expected = H("01") + "T" + c.Value;
    EXPECT_EQ(w.Data().toHex(' '), expected.toHex(' ')) << c.Text.left(10).toStdString();
  }
  TCellStreamWriter w;
  w.Text("T", "");
  EXPECT_TRUE(w.Data().isEmpty());  // empty texts are left out
}

TEST(CellStream, ColoursByNameOrNumber) {
  TCellStreamWriter w;
  w.Color("C", 0x1FFFFFFF);
  w.Color("D", int32_t(0xFF00000F));
  w.Color("E", 0x123456);
  EXPECT_EQ(w.Data().toHex(' '),
            B({H("01"), "C", H("0706"), "clNone", H("01"), "D", H("0709"), "clBtnFace", H("01"), "E", H("04563412"),
               H("00")})
                .toHex(' '));
}

TEST(CellStream, ExtendedFloatBothWays) {
  struct Case {
    double Value;
    const char* Hex;
  } cases[] = {{0.0, "00000000000000000000"},
               {1.0, "0000000000000080ff3f"},
               {-1.5, "00000000000000c0ffbf"},
               {std::numeric_limits<double>::denorm_min(), "0000000000000080cd3b"}};
  for (const Case& c : cases) {
    const auto bytes = EncodeExtended(c.Value);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), 10).toHex(), QByteArray(c.Hex)) << c.Value;
    EXPECT_EQ(DecodeExtended(bytes), c.Value);
  }
  EXPECT_EQ(DecodeExtended(EncodeExtended(1e300)), 1e300);
  EXPECT_EQ(DecodeExtended(EncodeExtended(-3.25e-310)), -3.25e-310);
}

TEST(CellStream, GraphicRecordsByCellType) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(2);
  g.AddCheckBox(0, 0, true, false);
  TBitmap borrowed(4, 4);
  g.AddBitmap(1, 0, &borrowed, false, haLeft, vaTop);
  const QByteArray check = SaveRect(g, TRect(0, 0, 0, 0));
  EXPECT_TRUE(check.contains("TGridGraphicIO"));
  EXPECT_TRUE(check.contains("CellGraphic.CellType\x07\x0A" "ctCheckBox"));
  EXPECT_FALSE(check.contains("TGridBMPIO"));
  const QByteArray bmp = SaveRect(g, TRect(1, 0, 1, 0));
  EXPECT_TRUE(bmp.contains("TGridCellPropIO"));
  EXPECT_FALSE(bmp.contains("TGridGraphicIO"));
}

TEST(CellStream, RowBeyondSixteenBitsKeepsItsPlace) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(70001);
  g.SetCellEx(1, 70000, "far");
  const QByteArray data = SaveRect(g, TRect(1, 70000, 1, 70000));
  TPlexStringGrid other(nullptr);
  other.SetColCount(2);
  other.SetRowCount(70001);
  LoadAt(other, data, TPoint(1, 70000));
  EXPECT_EQ(other.GetCellEx(1, 70000), "far");
  other.SetCellEx(1, 70000, "");
  LoadAt(other, data, TPoint(1, 70000 - 65536));
  EXPECT_EQ(other.GetCellEx(1, 70000), "");
  // A full-grid load puts it back by its saved index too.
  g.SaveFixedCells = true;
  TPlexStringGrid third(nullptr);
  Load(third, SaveAll(g));
  EXPECT_EQ(third.RowCount(), 70001);
  EXPECT_EQ(third.GetCellEx(1, 70000), "far");
}

TEST(CellStream, LoadAtPointKeepsOffsets) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  g.SetRowCount(5);
  g.SetCellEx(1, 1, "a");
  g.SetCellEx(2, 2, "b");
  const QByteArray data = SaveRect(g, TRect(1, 1, 2, 2));
  TPlexStringGrid t(nullptr);
  t.SetColCount(8);
  t.SetRowCount(6);
  t.SetCellEx(0, 0, "kept");
  LoadAt(t, data, TPoint(5, 3));
  EXPECT_EQ(t.GetCellEx(5, 3), "a");
  EXPECT_EQ(t.GetCellEx(6, 4), "b");
  EXPECT_EQ(t.GetCellEx(0, 0), "kept");
  EXPECT_EQ(t.RowCount(), 6);
  // Partly outside: read and dropped, the grid keeps its size.
  LoadAt(t, data, TPoint(7, 5));
  EXPECT_EQ(t.GetCellEx(7, 5), "a");
  EXPECT_EQ(t.ColCount(), 8);
}

TEST(CellStream, FullLoadClearsAndStrayByteIsHarmless) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(0, 0, "x");
  g.SetColWidths(1, 91);
  QByteArray data = SaveAll(g);
  data.append('\x7F');
  TPlexStringGrid t(nullptr);
  t.SetColCount(4);
  t.SetRowCount(4);
  t.SetCellEx(1, 1, "old");
  Load(t, data);
  EXPECT_EQ(t.ColCount(), 2);
  EXPECT_EQ(t.RowCount(), 2);
  EXPECT_EQ(t.GetCellEx(0, 0), "x");
  EXPECT_EQ(t.GetCellEx(1, 1), "");
  EXPECT_EQ(t.ColWidths(1), 91);
}

TEST(CellStream, RoundTripCellByCellAndStableBytes) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(4);
  g.SetCellEx(0, 0, QString::fromUtf8("Grüße"));
  g.SetCellEx(1, 0, QString::fromUtf8("日本"));
  g.GetCellProperties(1, 1)->SetBrushColor(clRed);
  g.GetCellProperties(1, 1)->FontStyle = TFontStyles{fsBold, fsItalic};
  g.GetCellProperties(1, 1)->FontName = "Serif";
  g.MergeCells(2, 2, 2, 2);
  g.SetCellEx(2, 2, "merged");
  g.AddCheckBox(0, 3, true, false);
  TBitmap* bmp = g.CreateBitmap(1, 3, false, haLeft, vaTop);
  bmp->SetSize(3, 2);
  bmp->Image().fill(Qt::blue);
  TStrings* radio = g.CreateRadio(0, 2, 0, 1);
  radio->Add("one");
  radio->Add("two");
  const QByteArray first = SaveAll(g);

  TPlexStringGrid t(nullptr);
  Load(t, first);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(t.GetCellEx(c, r), g.GetCellEx(c, r)) << c << "," << r;
  EXPECT_EQ(t.GetCellProperties(1, 1)->BrushColor(), clRed);
  EXPECT_TRUE(t.GetCellProperties(1, 1)->FontStyle.Contains(fsItalic));
  EXPECT_EQ(t.GetCellProperties(1, 1)->FontName, "Serif");
  EXPECT_TRUE(t.IsMergedCell(3, 3));
  bool state = false;
  EXPECT_TRUE(t.GetCheckBoxState(0, 3, state));
  EXPECT_TRUE(state);
  ASSERT_NE(t.GetCellGraphic(1, 3), nullptr);
  ASSERT_NE(t.GetCellGraphic(1, 3)->Bitmap(), nullptr);
  EXPECT_EQ(t.GetCellGraphic(1, 3)->Bitmap()->Width(), 3);
  ASSERT_NE(t.GetCellGraphic(0, 2)->Strings(), nullptr);
  EXPECT_EQ(t.GetCellGraphic(0, 2)->Strings()->Count(), 2);
  EXPECT_EQ(SaveAll(t).toHex(' '), WithGridID(first, t.ID()).toHex(' '));
}

TEST(CellStream, PictureCarriesDecodableJpeg) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(1);
  g.SetRowCount(1);
  TPicture* pic = g.CreatePicture(0, 0, false, noStretch, 0, haLeft, vaTop);
  TJPEGImage jpeg;
  QImage img(8, 8, QImage::Format_RGB32);
  img.fill(Qt::green);
  jpeg.SetImage(img);
  pic->Assign(jpeg);
  const QByteArray data = SaveAll(g);
  const int at = data.indexOf("TJPEGImage");
  ASSERT_GT(at, 0);
  TJPEGImage back;
  EXPECT_TRUE(back.LoadFromBytes(data.mid(at + 10)));
  TPlexStringGrid t(nullptr);
  Load(t, data);
  ASSERT_NE(t.GetCellGraphic(0, 0)->Picture(), nullptr);
  EXPECT_EQ(t.GetCellGraphic(0, 0)->Picture()->Width(), 8);
}

TEST(CellStream, FileRoundTrip) {
  QTemporaryDir dir;
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(1, 1, "f");
  g.SaveToBinFile(dir.path() + "/cells.bin");
  TPlexStringGrid t(nullptr);
  t.LoadFromBinFile(dir.path() + "/cells.bin");
  EXPECT_EQ(t.GetCellEx(1, 1), "f");
  EXPECT_THROW(t.LoadFromBinFile(dir.path() + "/missing.bin"), EFilerError);
}

// ---- hostile streams: the error reaches the caller, earlier cells stay

QByteArray TwoCellStream() {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(1);
  g.SetCellEx(0, 0, "first");
  g.SetCellEx(1, 0, "second");
  return SaveRect(g, TRect(0, 0, 1, 0));
}

TEST(CellStream, HostileStreamsRaiseWithEarlierCellsKept) {
  const QByteArray good = TwoCellStream();
  const int second = good.lastIndexOf("TPF0");
  const int secondCell = good.indexOf("second");
  struct Case {
    const char* Name;
    QByteArray Data;
  } cases[] = {
      {"cut in the middle", good.left(secondCell + 2)},
      {"wrong signature", good.left(second) + "XPF0" + good.mid(second + 4)},
      {"unknown property", QByteArray(good).replace(second + 4 + 12 + 1 + 1, 3, "Cox")},
      {"text claims 4 GB", good.left(secondCell - 2) + H("0CFFFFFFFF") + "second" + H("0000")},
  };
  for (const Case& c : cases) {
    TPlexStringGrid t(nullptr);
    t.SetColCount(2);
    t.SetRowCount(1);
    try {
      LoadAt(t, c.Data, TPoint(0, 0));
      ADD_FAILURE() << c.Name << ": no error";
    } catch (const ECellStreamError& e) {
      EXPECT_TRUE(e.Message().contains("TGridCellIO")) << c.Name << ": " << e.Message().toStdString();
      EXPECT_TRUE(e.Message().contains("offset")) << c.Name;
    }
    EXPECT_EQ(t.GetCellEx(0, 0), "first") << c.Name;
    EXPECT_EQ(t.GetCellEx(1, 0), "") << c.Name;
  }
}

TEST(CellStream, ColumnWidthThatIsNoIntegerIsAConversionError) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(1);
  g.SetRowCount(1);
  QByteArray data = SaveAll(g);
  const int at = data.indexOf("ColWidths") + 9;
  data.replace(at, 4, H("0602") + "6x");
  TPlexStringGrid t(nullptr);
  EXPECT_THROW(Load(t, data), EConvertError);
}

TEST(CellStream, FullGridClaimingHugeCountsIsRefusedBeforeSizing) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(1);
  g.SetRowCount(1);
  QByteArray data = SaveAll(g);
  const int at = data.indexOf("RowCount") + 8;
  data.replace(at, 2, H("04FFFFFF7F"));
  TPlexStringGrid t(nullptr);
  t.SetColCount(2);
  t.SetRowCount(2);
  EXPECT_THROW(Load(t, data), ECellStreamError);
  EXPECT_EQ(t.RowCount(), 2);
}

TEST(CellStream, ColumnBeyondGridIsReadAndDropped) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(2);  // the saved row is not the whole grid: a load at a point
  g.SetCellEx(0, 0, "in");
  g.SetCellEx(2, 0, "out");
  g.AddCheckBox(2, 0, true, false);
  const QByteArray data = SaveRect(g, TRect(0, 0, 2, 0));
  TPlexStringGrid t(nullptr);
  t.SetColCount(2);
  t.SetRowCount(1);
  LoadAt(t, data, TPoint(0, 0));
  EXPECT_EQ(t.GetCellEx(0, 0), "in");
  EXPECT_EQ(t.ColCount(), 2);
}

}  // namespace

#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>

namespace {

TEST(CellStream, ShownGridLoadedFromFileLooksAlike) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  QTemporaryDir dir;
  TForm a(nullptr), b(nullptr);
  auto* src = new TPlexStringGrid(&a);
  src->SetParent(&a);
  src->SetBounds(0, 0, 260, 120);
  src->SetColCount(3);
  src->SetRowCount(4);
  src->SetCellEx(1, 1, "red cell");
  src->GetCellProperties(1, 1)->SetBrushColor(clRed);
  src->SetCellEx(2, 2, "check");
  src->AddCheckBox(2, 2, true, false);
  TPicture* pic = src->CreatePicture(1, 3, false, noStretch, 0, haLeft, vaTop);
  QImage img(16, 12, QImage::Format_RGB32);
  img.fill(Qt::blue);
  pic->SetImage(img);
  src->SaveToBinFile(dir.path() + "/shown.bin");
  auto* dst = new TPlexStringGrid(&b);
  dst->SetParent(&b);
  dst->SetBounds(0, 0, 260, 120);
  dst->LoadFromBinFile(dir.path() + "/shown.bin");
  a.Show();
  b.Show();
  QApplication::processEvents();
  SaveWidgetScreenshot(a.Widget(), QString(shots) + "/cellstream_saved.png");
  SaveWidgetScreenshot(b.Widget(), QString(shots) + "/cellstream_loaded.png");
  EXPECT_EQ(dst->GetCellEx(1, 1), "red cell");
}

}  // namespace

#include "grid/foundation/IntList.h"

namespace {

TEST(CellStream, ImageIndexListAndProgressTravel) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(3);
  g.CreateCellGraphic(1, 1)->SetMultiImage(1, 1, 0, haLeft, vaTop, nullptr);
  g.GetCellGraphic(1, 1)->Images()->SetStrValue("3,1,4");
  const QByteArray data = SaveAll(g);
  EXPECT_TRUE(data.contains(B({"Strings.Strings", H("01"), H("0601"), "3", H("0601"), "1", H("0601"), "4", H("00")})));
  TPlexStringGrid t(nullptr);
  std::vector<int> progress;
  t.OnFileProgress = [&](TObject*, int p) { progress.push_back(p); };
  Load(t, data);
  ASSERT_NE(t.GetCellGraphic(1, 1)->Images(), nullptr);
  EXPECT_EQ(t.GetCellGraphic(1, 1)->Images()->StrValue(), "3,1,4");
  EXPECT_EQ(progress, (std::vector<int>{0, 33, 67}));
}

}  // namespace
