// The column grid's definitions through a stream, and its column order
// through an INI file.
#include "grid/core/ColumnSize.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Files.h"
#include "platform/Forms.h"
#include "platform/IniFiles.h"
#include "platform/PropertyStream.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QWidget>

#include <limits>

#include <gtest/gtest.h>

namespace {

void SetUpTable(TPlexColumnGrid& g) {
  g.SetColCount(4);
  const char* headers[] = {"", "Name", "Active", "Mode"};
  for (int i = 0; i < 4; ++i) g.Columns()[i]->SetHeader(headers[i]);
  g.Columns()[1]->SetWidth(120);
  g.Columns()[1]->EditLength = 15;
  g.Columns()[2]->SetEditor(edDataCheckBox);
  g.Columns()[2]->SetColor(0xA8FFA8);
  g.Columns()[3]->SetEditor(edComboList);
  g.Columns()[3]->ComboItems().SetCommaText("Off,Slow,Fast");
  g.Columns()[3]->HeaderFont().SetStyle(TFontStyles{fsBold});
  g.Columns()[3]->PrintFontCustom = false;
}

QByteArray Saved(TPlexColumnGrid& g) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  g.SaveColumnsToStream(buffer);
  return buffer.data();
}

void Load(TPlexColumnGrid& g, QByteArray Data) {
  QBuffer buffer(&Data);
  buffer.open(QIODevice::ReadOnly);
  g.LoadColumnsFromStream(buffer);
}

TEST(PlexColumnGridPersistence, StreamRoundTripKeepsTheDefinitions) {
  TPlexColumnGrid source(nullptr), target(nullptr);
  SetUpTable(source);
  target.SetColCount(4);
  Load(target, Saved(source));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(target.Columns()[i]->Header(), source.Columns()[i]->Header());
    EXPECT_EQ(target.Cells(i, 0), source.Columns()[i]->Header());
    EXPECT_EQ(target.ColWidths(i), source.ColWidths(i));
    EXPECT_EQ(target.Columns()[i]->Editor(), source.Columns()[i]->Editor());
  }
  EXPECT_EQ(target.Columns()[3]->ComboItems().CommaText(), "Off,Slow,Fast");
  EXPECT_EQ(target.Columns()[1]->EditLength, 15);
  EXPECT_EQ(target.Columns()[2]->Color(), TColor(0xA8FFA8));
  EXPECT_TRUE(target.Columns()[3]->HeaderFont().Style().Contains(fsBold));
  EXPECT_FALSE(target.Columns()[3]->PrintFontCustom);
  EXPECT_TRUE(target.Columns()[2]->PrintFontCustom);
  EXPECT_EQ(target.ColumnHeaders()[2], "Active");
}

// Texts and lists only when set, the custom flags only when false.
TEST(PlexColumnGridPersistence, StreamHoldsItemsWithTheWriteRules) {
  TPlexColumnGrid g(nullptr);
  SetUpTable(g);
  QByteArray data = Saved(g);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  const TStreamComponent c = ReadComponentStream(buffer);
  EXPECT_EQ(c.ClassName, "TPlexColumnGridIO");
  EXPECT_TRUE(c.Name.isEmpty());
  ASSERT_EQ(c.Properties.size(), 1u);
  EXPECT_EQ(c.Properties[0].Name, "Items");
  const auto& items = c.Properties[0].Value.Items;
  ASSERT_EQ(items.size(), 4u);
  const auto names = [](const TStreamProperties& p) {
    QStringList n;
    for (const auto& x : p) n << x.Name;
    return n;
  };
  const QStringList first = names(items[0]);
  EXPECT_EQ(first.first(), "AutoMinSize");
  EXPECT_EQ(first.last(), "Width");
  EXPECT_FALSE(first.contains("Header"));
  EXPECT_FALSE(first.contains("ComboItems"));
  EXPECT_FALSE(first.contains("PrintFontCustom"));
  EXPECT_TRUE(first.contains("CheckTrue"));
  EXPECT_TRUE(first.contains("BorderPen.Color"));
  EXPECT_TRUE(names(items[3]).contains("ComboItems"));
  EXPECT_TRUE(names(items[3]).contains("PrintFontCustom"));
  // Declared order: Font before Header before HeaderFont.
  EXPECT_LT(first.indexOf("Font.Name"), first.indexOf("HeaderAlignment"));
  EXPECT_LT(first.indexOf("HeaderAlignment"), first.indexOf("HeaderFont.Name"));
}

TEST(PlexColumnGridPersistence, StreamThatCannotBeReadChangesNothing) {
  TPlexColumnGrid source(nullptr);
  SetUpTable(source);
  const QByteArray whole = Saved(source);
  TPlexColumnGrid target(nullptr);
  target.SetColCount(4);
  target.Columns()[1]->SetHeader("Mine");
  const int width = target.ColWidths(1);
  for (int n : {0, 10, int(whole.size()) / 2, int(whole.size()) - 1}) {
    EXPECT_THROW(Load(target, whole.left(n)), EReadError) << n;
    EXPECT_EQ(target.Columns()[1]->Header(), "Mine");
    EXPECT_EQ(target.Cells(1, 0), "Mine");
    EXPECT_EQ(target.ColWidths(1), width);
    EXPECT_EQ(target.Columns()[3]->Editor(), edNormal);
    EXPECT_FALSE(target.Columns().NoRecursiveUpdate);
  }
}

// A stream of one column holding the given properties.
QByteArray OneColumnStream(const TStreamProperties& Props) {
  TStreamValue items;
  items.Type = TValueType::vaCollection;
  items.Items.push_back(Props);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  WriteComponentStream(buffer, {"TPlexColumnGridIO", "", {{"Items", items}}});
  return buffer.data();
}

// Numbers that become a width, a pen, a font size or a colour are taken only
// inside their range; outside it the definition keeps its default, and the
// grid paints.
TEST(PlexColumnGridPersistence, NumbersOutsideTheirRangeKeepTheDefault) {
  constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
  struct Case {
    const char* Property;
    int Value;
    bool Taken;
  };
  const Case cases[] = {
      {"Width", 120, true},
      {"Width", Max, false},
      {"Width", -1, false},
      {"Width", 0, true},
      {"BorderPen.Width", 3, true},
      {"BorderPen.Width", Max, false},
      {"BorderPen.Width", Min, false},
      {"PrintBorderPen.Width", Max, false},
      {"Font.Size", 14, true},
      {"Font.Size", -13, true},
      {"HeaderFont.Size", Max, false},
      {"PrintFont.Size", Min, false},
      {"Color", 0x00A8FFA8, true},
      {"Color", int(clBtnFace), true},
      {"Color", 0x12345678, false},
      {"Font.Color", int(clNone), true},
      {"HeaderFont.Color", Min, false},
      {"BorderPen.Color", -2, false},
      {"PrintColor", 0x01000000, false},
      {"MinSize", Max, false},
      {"AutoMaxSize", -5, false},
      {"MaxSize", 400, true},
      {"DropDownCount", 12, true},
      {"DropDownCount", Max, false},
  };
  const auto value = [](TGridColumnItem& c, const QString& name) -> int {
    if (name == "Width") return c.Width();
    if (name == "BorderPen.Width") return c.BorderPen().Width;
    if (name == "PrintBorderPen.Width") return c.PrintBorderPen().Width;
    if (name == "Font.Size") return c.Font().Size();
    if (name == "HeaderFont.Size") return c.HeaderFont().Size();
    if (name == "PrintFont.Size") return c.PrintFont().Size();
    if (name == "Color") return c.Color();
    if (name == "Font.Color") return c.Font().Color();
    if (name == "HeaderFont.Color") return c.HeaderFont().Color();
    if (name == "BorderPen.Color") return c.BorderPen().Color;
    if (name == "PrintColor") return c.PrintColor;
    if (name == "MinSize") return c.MinSize;
    if (name == "AutoMaxSize") return c.AutoMaxSize;
    if (name == "MaxSize") return c.MaxSize;
    return c.DropDownCount;
  };
  TGridColumnItem standalone(nullptr);
  TForm form(nullptr);
  form.SetClientWidth(320);
  form.SetClientHeight(120);
  form.Show();
  for (const Case& c : cases) {
    TPlexColumnGrid g(nullptr);
    g.SetParent(&form);
    g.SetColCount(2);
    g.SetBounds(0, 0, 300, 100);
    ASSERT_NO_THROW(Load(g, OneColumnStream({{c.Property, TStreamValue::Integer(c.Value)}}))) << c.Property;
    const int byDefault = QString(c.Property) == "Width" ? GridColumnDefaults::Width : value(standalone, c.Property);
    const int expected = c.Taken ? c.Value : byDefault;
    EXPECT_EQ(value(*g.Columns()[0], c.Property), expected) << c.Property << " " << c.Value;
    g.Widget()->grab();
  }
}

struct ColumnPositions : ::testing::Test {
  QTemporaryDir Dir;
  QString File() const { return Dir.path() + "/grid.ini"; }
  static void Name(TPlexColumnGrid& g, int Count) {
    g.SetFixedCols(0);
    g.SetColCount(Count);
    for (int i = 0; i < Count; ++i) g.Columns()[i]->SetHeader(QString("H%1").arg(i));
    g.Columns().SetOrganization();
  }
  static QStringList Headers(TPlexColumnGrid& g) {
    QStringList h;
    for (int i = 0; i < g.Columns().Count(); ++i) h << g.Columns()[i]->Header();
    return h;
  }
  static std::vector<int> DefIdx(TPlexColumnGrid& g) {
    std::vector<int> d;
    for (int i = 0; i < g.Columns().Count(); ++i) d.push_back(g.Columns()[i]->DefIdx);
    return d;
  }
};

TEST_F(ColumnPositions, NeverMovedGridWritesItsNaturalOrder) {
  TPlexColumnGrid g(nullptr);
  Name(g, 3);
  g.SaveColumnPositions(File(), "Cols");
  EXPECT_EQ(ReadTextFile(File()), "[Cols]\r\nCP0=0\r\nCP1=1\r\nCP2=2\r\n\r\n");
}

TEST_F(ColumnPositions, MovedColumnIsSavedAndLoadedIntoAFreshGrid) {
  TPlexColumnGrid moved(nullptr);
  Name(moved, 3);
  moved.ColumnSize().Location = clIniFile;
  moved.ColumnSize().Key = File();
  moved.ColumnSize().Section = "Cols";
  moved.MoveColumn(0, 2);
  moved.SaveColPositions();
  const TIniFile ini(File());
  EXPECT_EQ(ini.ReadSection("Cols"), (QStringList{"CP0", "CP1", "CP2"}));
  EXPECT_EQ(ini.ReadInteger("Cols", "CP0", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Cols", "CP1", -1), 2);
  EXPECT_EQ(ini.ReadInteger("Cols", "CP2", -1), 0);

  TPlexColumnGrid fresh(nullptr);
  Name(fresh, 3);
  fresh.ColumnSize().Location = clIniFile;
  fresh.ColumnSize().Key = File();
  fresh.ColumnSize().Section = "Cols";
  fresh.LoadColPositions();
  EXPECT_EQ(Headers(fresh), (QStringList{"H1", "H2", "H0"}));
  EXPECT_EQ(fresh.Cells(2, 0), "H0");
  EXPECT_EQ(DefIdx(fresh), (std::vector<int>{1, 2, 0}));
  // Loading into a grid already in that order changes nothing.
  fresh.LoadColPositions();
  EXPECT_EQ(Headers(fresh), (QStringList{"H1", "H2", "H0"}));
}

TEST_F(ColumnPositions, FilesThatDoNotFitChangeNothing) {
  struct Case {
    const char* Name;
    const char* Text;
  };
  const Case cases[] = {
      {"written for four columns", "[Cols]\nCP0=1\nCP1=0\nCP2=3\nCP3=2\n"},
      {"a position twice", "[Cols]\nCP0=1\nCP1=1\nCP2=0\nCP3=2\nCP4=4\n"},
      {"a position beyond the columns", "[Cols]\nCP0=1\nCP1=0\nCP2=9\nCP3=2\nCP4=4\n"},
      {"no number", "[Cols]\nCP0=x\nCP1=0\nCP2=1\nCP3=2\nCP4=4\n"},
      {"another section", "[Other]\nCP0=4\nCP1=3\nCP2=2\nCP3=1\nCP4=0\n"},
  };
  for (const Case& c : cases) {
    WriteFileAtomic(File(), c.Text);
    TPlexColumnGrid g(nullptr);
    Name(g, 5);
    g.LoadColumnPositions(File(), "Cols");
    EXPECT_EQ(Headers(g), (QStringList{"H0", "H1", "H2", "H3", "H4"})) << c.Name;
    EXPECT_EQ(DefIdx(g), (std::vector<int>{0, 1, 2, 3, 4})) << c.Name;
  }
}

TEST_F(ColumnPositions, RegistryLocationIsTheStringGridsOwn) {
  TPlexColumnGrid g(nullptr);
  g.ClearFeatureCalls();
  g.SaveColPositions();
  g.LoadColPositions();
  EXPECT_EQ(g.FeatureCalls(), (std::vector<QString>{"SaveColPositions", "LoadColPositions"}));
  EXPECT_FALSE(FileExists(File()));
}

}  // namespace
