#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <functional>

#include <vector>

TEST(Font, SizeAndHeight) {
  struct Case {
    const char* Name;
    std::function<void(TFont&)> Set;
    int Size, Height;
  };
  const Case cases[] = {
      {"default", [](TFont&) {}, 8, -11},
      {"size 10", [](TFont& f) { f.SetSize(10); }, 10, -13},
      {"size 9", [](TFont& f) { f.SetSize(9); }, 9, -12},
      {"height -16 kept exactly", [](TFont& f) { f.SetHeight(-16); }, 12, -16},
      {"height -15 kept exactly", [](TFont& f) { f.SetHeight(-15); }, 11, -15},
      {"cell height", [](TFont& f) { f.SetHeight(20); }, 15, 20},
      {"size after height",
       [](TFont& f) {
         f.SetHeight(-15);
         f.SetSize(8);
       },
       8, -11},
  };
  for (const Case& k : cases) {
    TFont f;
    k.Set(f);
    EXPECT_EQ(f.Size(), k.Size) << k.Name;
    EXPECT_EQ(f.Height(), k.Height) << k.Name;
  }
}

TEST(Font, ChangeEventsAndAssign) {
  TFont a, b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetSize(8);  // unchanged: no event
  EXPECT_EQ(changes, 0);
  a.SetName("Verdana");
  a.SetHeight(-14);
  a.SetStyle({fsBold, fsUnderline});
  a.SetEscapement(450);
  b.Assign(a);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(b == a);
  EXPECT_EQ(b.Orientation(), 450);
  EXPECT_EQ(b.Height(), -14);
}

// The faces the forms name are drawn with an installed stand-in; the pixel size follows Height.
TEST(Font, QtFontOfTheFormsFaces) {
  for (const char* name : {"Tahoma", "Verdana", "Segoe UI"}) {
    TFont f;
    f.SetName(name);
    f.SetStyle({fsBold, fsItalic, fsStrikeOut});
    const QFont q = ToQFont(f);
    EXPECT_TRUE(QFontDatabase::hasFamily(q.family())) << name;
    EXPECT_EQ(q.pixelSize(), 11) << name;
    EXPECT_TRUE(q.bold() && q.italic() && q.strikeOut() && !q.underline()) << name;
  }
  TFont cell;
  cell.SetHeight(20);
  QFontMetrics fm(ToQFont(cell));
  EXPECT_NEAR(fm.ascent() + fm.descent(), 20, 2);
}

TEST(TextMeasurer, FixedMetrics) {
  const TTextMeasurer& m = TTextMeasurer::Fixed();
  TFont f;
  f.SetSize(20);  // fonts do not matter to it
  EXPECT_EQ(m.Width(f, "abc"), 21);
  EXPECT_EQ(m.Width(f, ""), 0);
  EXPECT_EQ(m.LineHeight(f), 13);
  EXPECT_EQ(m.AverageCharWidth(f), 7);
}

TEST(TextMeasurer, FontMeasurerKeepsEachFontsMeasuresApart) {
  // More fonts than the measurer keeps, each asked twice in turn: every answer
  // is the font's own, whatever was measured before.
  const TTextMeasurer& m = TTextMeasurer::FontMetrics();
  std::vector<TFont> fonts(12);
  for (size_t i = 0; i < fonts.size(); ++i) {
    fonts[i].SetName(i % 3 == 0 ? "Courier New" : "Tahoma");
    fonts[i].SetSize(6 + int(i) * 2);
    if (i % 2) fonts[i].SetStyle({fsBold});
  }
  for (int round = 0; round < 2; ++round)
    for (const TFont& f : fonts) {
      const QFontMetrics direct(ToQFont(f));
      EXPECT_EQ(m.Width(f, "Wide text"), direct.horizontalAdvance("Wide text")) << f.Size();
      EXPECT_EQ(m.Width(f, "i"), direct.horizontalAdvance("i")) << f.Size();
      EXPECT_EQ(m.LineHeight(f), direct.height()) << f.Size();
      EXPECT_EQ(m.Ascent(f), direct.ascent()) << f.Size();
    }
  TFont red;
  red.SetColor(clRed);
  EXPECT_EQ(m.Width(red, "abc"), QFontMetrics(ToQFont(red)).horizontalAdvance("abc")) << "colour is no metric";
}

// A pen tells of a write that changes it, once for a whole new pen; a copy
// takes the settings but not who listens.
TEST(Pen, ChangesFireTheChangeEvent) {
  TPen pen;
  int changes = 0;
  pen.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &pen);
    ++changes;
  };
  const struct {
    const char* What;
    std::function<void()> Write;
    int Changes;
  } cases[] = {
      {"colour", [&] { pen.Color = clRed; }, 1},
      {"same colour", [&] { pen.Color = clRed; }, 0},
      {"width", [&] { pen.Width = 3; }, 1},
      {"style", [&] { pen.Style = psDash; }, 1},
      {"mode", [&] { pen.Mode = pmXor; }, 1},
      {"assign", [&] { pen.Assign(TPen()); }, 1},
      {"assign same", [&] { pen.Assign(TPen()); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    changes = 0;
    c.Write();
    EXPECT_EQ(changes, c.Changes);
  }
  pen.Color = clBlue;
  TPen copy(pen);
  EXPECT_EQ(copy.Color, clBlue);
  changes = 0;
  copy.Color = clGreen;
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(pen.Color, clBlue);
}
