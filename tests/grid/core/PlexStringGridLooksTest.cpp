// Looks and colour presets, value by value: what every preset leaves on a
// grid that had the XP look and on one that had the office 2007 look, the
// hover and pressed faces, the XP colour schemes and the component style.
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/OfficeTheme.h"
#include "grid/foundation/PlexObj.h"
#include "platform/AppStyles.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr TColor N = clNone;
const TColor Face = ColorToRGB(clBtnFace);

struct PresetCase {
  TPlexGridStyle Style;
  TGridLook Look;
  TColor From, To, Active, ActiveTo, Sel, SelTo, SelText, Line, FixedLine;
  TGridSelectionStyle FromXP, From2007;
  TColor FooterFrom, FooterTo;
};

// Rows whose result does not depend on the grid's earlier colours.
const PresetCase Cases[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080,
     ssDefault, ssDefault, 0xFCE1CB, N},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080,
     ssDefault, ssDefault, 0xECE2E1, N},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack, 0xC0C0C0, 0x808080,
     ssDefault, ssDefault, 0xCFF0EA, N},
    {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, 0xD8D5D4, 0xD8D5D4, clHighlight, N, clHighlightText, 0xC0C0C0,
     0x808080, ssDefault, ssDefault, 0xFFFFFF, N},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, N, clBlack, 0xF1EDEB, 0xD1BBA4,
     ssOffice2007, ssOffice2007, 0xFBF9F6, N},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, N, clBlack, 0xE5D7D0,
     0x808080, ssOffice2007, ssDefault, 0xF7F7F7, N},
    {gsWindowsXP, glXP, Face, Face, clBtnFace, clBtnFace, clHighlight, N, clHighlightText, 0xC0C0C0, 0x808080,
     ssDefault, ssDefault, Face, N},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, 0x99CCFF, 0x699CFF, 0x95C7F5, N, clBlack, 0xE5D7D0, 0x808080,
     ssOffice2007, ssDefault, 0xF3F3F1, N},
    {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, N, clBlack, 0xECECF0, 0xD4D2D1, ssVista,
     ssVista, 0xFFFFFF, 0xF4F2F1},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, N, clBlack, 0xECECF0, 0xD4D2D1, ssWin7,
     ssWin7, 0xFDFCFA, 0xF7E9DD},
    {gsTerminal, glStandard, Face, N, 0x808080, N, clHighlight, N, clHighlightText, 0xC0C0C0, 0x808080, ssDefault,
     ssDefault, clBtnFace, clBtnFace},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0xC7B0A0,
     ssDefault, ssDefault, 0xF5E7DA, 0xF5E7DA},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0xBAB5B1,
     ssDefault, ssDefault, 0xE8E3DF, 0xE8E3DF},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, clBlack, 0xC0C0C0, 0x444444,
     ssDefault, ssDefault, 0x6A6A6A, 0x6A6A6A},
};

void ExpectPreset(TPlexStringGrid& g, const PresetCase& c, TGridSelectionStyle Selection) {
  SCOPED_TRACE(testing::Message() << "preset " << c.Style);
  EXPECT_EQ(g.Look(), c.Look);
  EXPECT_EQ(g.OrvGradientFrom(), c.From);
  EXPECT_EQ(g.OrvGradientTo(), c.To);
  EXPECT_EQ(g.ActiveCellColor(), c.Active);
  EXPECT_EQ(g.ActiveCellColorTo(), c.ActiveTo);
  EXPECT_EQ(g.SelectionColor(), c.Sel);
  EXPECT_EQ(g.SelectionColorTo(), c.SelTo);
  EXPECT_EQ(g.SelectionTextColor(), c.SelText);
  EXPECT_EQ(g.GridLineColor(), c.Line);
  EXPECT_EQ(g.GridFixedLineColor(), c.FixedLine);
  EXPECT_EQ(g.SelectionStyle(), Selection);
  EXPECT_EQ(g.SearchFooter().Color(), c.FooterFrom);
  EXPECT_EQ(g.SearchFooter().ColorTo(), c.FooterTo);
  EXPECT_EQ(g.ScrollType(), ssNormal);
}

TEST(GridLooks, EveryPresetOnAnXPGridAndOnAnOffice2007Grid) {
  for (const PresetCase& c : Cases) {
    TPlexStringGrid xp(nullptr);
    xp.SetStyle(c.Style);
    ExpectPreset(xp, c, c.FromXP);

    TPlexStringGrid office(nullptr);
    office.SetLook(glOffice2007);
    office.SetStyle(c.Style);
    PresetCase back = c;
    if (c.Look == glXP && c.Sel == clHighlight) {
      // Going back to the XP look brings that look's selection colours; these presets keep them.
      back.Sel = 0xEACAB6;
      back.SelText = clBlack;
    }
    ExpectPreset(office, back, c.From2007);
  }
}

TEST(GridLooks, Office2007PresetsCarryLunaFacesOnlyWhenTheyChangeTheLook) {
  TPlexStringGrid xp(nullptr);
  xp.SetStyle(gsOffice2007Obsidian);
  EXPECT_EQ(xp.OrvGradientHoverFrom(), TColor(0xE4E2DF));
  EXPECT_EQ(xp.OrvGradientDownBorder(), TColor(0xE4C19D));

  TPlexStringGrid office(nullptr);
  office.SetLook(glOffice2007);
  office.SetFixedGradientColor(fgHoverFrom, 0x123456);
  office.SetStyle(gsOffice2007Obsidian);
  EXPECT_EQ(office.OrvGradientHoverFrom(), TColor(0x123456));
}

TEST(GridLooks, HoverPressedAndSortHeaderFaces) {
  const struct {
    TPlexGridStyle Style;
    TColor Faces[10];
    TColor Sort[4];
  } cases[] = {
      {gsWindowsVista,
       {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993, 0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
       {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
      {gsWindows7,
       {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3, 0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
       {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
      {gsOffice2010Blue,
       {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8, 0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
       {0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}},
      {gsOffice2010Silver,
       {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8, 0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
       {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}},
      {gsOffice2010Black,
       {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8, 0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
       {0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "preset " << c.Style);
    TPlexStringGrid g(nullptr);
    g.SetStyle(c.Style);
    const TColor faces[10] = {g.OrvGradientHoverFrom(),       g.OrvGradientHoverTo(),
                              g.OrvGradientHoverMirrorFrom(), g.OrvGradientHoverMirrorTo(),
                              g.OrvGradientHoverBorder(),     g.OrvGradientDownFrom(),
                              g.OrvGradientDownTo(),          g.OrvGradientDownMirrorFrom(),
                              g.OrvGradientDownMirrorTo(),    g.OrvGradientDownBorder()};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(faces[i], c.Faces[i]) << i;
    EXPECT_EQ(g.SortSettings().HeaderColor(), c.Sort[0]);
    EXPECT_EQ(g.SortSettings().HeaderColorTo(), c.Sort[1]);
    EXPECT_EQ(g.SortSettings().HeaderMirrorColor(), c.Sort[2]);
    EXPECT_EQ(g.SortSettings().HeaderMirrorColorTo(), c.Sort[3]);
    // The control look hands its gradient back empty; the grid keeps the colours.
    EXPECT_EQ(g.ControlLook().FixedGradientFrom(), clNone);
    EXPECT_NE(g.OrvGradientFrom(), clNone);
  }
}

TEST(GridLooks, CustomResetsOnlySelectionSortHeaderAndControlLook) {
  TPlexStringGrid g(nullptr);
  g.SetStyle(gsWindowsVista);
  g.SetStyle(gsCustom);
  EXPECT_EQ(g.Look(), glVista);
  EXPECT_EQ(g.OrvGradientMirrorTo(), TColor(0xF4F2F1));
  EXPECT_EQ(g.ActiveCellColor(), TColor(0xFDF8F1));
  EXPECT_EQ(g.GridLineColor(), TColor(0xECECF0));
  EXPECT_EQ(g.SearchFooter().ColorTo(), TColor(0xF4F2F1));
  EXPECT_EQ(g.SelectionColor(), clHighlight);
  EXPECT_EQ(g.SelectionTextColor(), clHighlightText);
  EXPECT_EQ(g.SelectionStyle(), ssDefault);
  EXPECT_EQ(g.SortSettings().HeaderColor(), clNone);
  EXPECT_EQ(g.SortSettings().HeaderMirrorColorTo(), clNone);
  EXPECT_EQ(g.ControlLook().FixedGradientHoverFrom(), TColor(0x808080));
}

TEST(GridLooks, LookWriteAndComponentStyle) {
  TPlexStringGrid g(nullptr);
  g.SetLook(glOffice2007);
  EXPECT_EQ(g.OrvGradientFrom(), TColor(0xFBF9F6));
  EXPECT_EQ(g.SelectionStyle(), ssOffice2007);
  EXPECT_EQ(g.ComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F));

  TPlexStringGrid byStyle(nullptr), byComponent(nullptr);
  byStyle.SetStyle(gsOffice2010Black);
  byComponent.SetScrollType(ssMetro);
  byComponent.SetComponentStyle(tsOffice2010Black);
  EXPECT_EQ(byComponent.ScrollType(), ssNormal);
  EXPECT_EQ(byComponent.ComponentStyle(), tsOffice2010Black);
  EXPECT_EQ(byComponent.OrvGradientFrom(), byStyle.OrvGradientFrom());
  EXPECT_EQ(byComponent.OrvGradientMirrorTo(), byStyle.OrvGradientMirrorTo());
  EXPECT_EQ(byComponent.ActiveCellColor(), byStyle.ActiveCellColor());
  EXPECT_EQ(byComponent.SelectionColor(), byStyle.SelectionColor());
  EXPECT_EQ(byComponent.GridFixedLineColor(), byStyle.GridFixedLineColor());
  EXPECT_EQ(byComponent.OrvGradientDownBorder(), byStyle.OrvGradientDownBorder());

  // While loading only the look and its border and scroll settings change.
  TPlexStringGrid loading(nullptr);
  loading.BeginLoading();
  loading.SetLook(glOffice2007);
  EXPECT_EQ(loading.Look(), glOffice2007);
  EXPECT_EQ(loading.SelectionStyle(), ssDefault);
  EXPECT_EQ(loading.BorderColor(), TColor(0xB99D7F));
}

TEST(GridLooks, XPColourSchemes) {
  const struct {
    TXPColorScheme Scheme;
    TColor From, To, MirrorFrom, MirrorTo, Active, ActiveTo, LookFrom, FooterFrom, FooterTo;
  } cases[] = {
      {xpNone, 0xFFFFFF, Face, N, N, 0xFFFFFF, 0xFFD9B3, N, 0xFFFFFF, 0xFFD9B3},
      {xpBlue, 0xFCE1CB, 0xE0A57D, N, N, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xFCE1CB, 0xE0A57D},
      {xpGreen, 0xCFF0EA, 0x8CC0B1, N, N, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1},
      {xpGray, 0xECE2E1, 0xB39698, N, N, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xECE2E1, 0xB39698},
      {vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xFFFFFF, 0xECE2E1, 0xB39698},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "scheme " << c.Scheme);
    TPlexStringGrid g(nullptr);
    g.SetTheme(c.Scheme);
    EXPECT_EQ(g.OrvGradientFrom(), c.From);
    EXPECT_EQ(g.OrvGradientTo(), c.To);
    EXPECT_EQ(g.OrvGradientMirrorFrom(), c.MirrorFrom);
    EXPECT_EQ(g.OrvGradientMirrorTo(), c.MirrorTo);
    EXPECT_EQ(g.ActiveCellColor(), c.Active);
    EXPECT_EQ(g.ActiveCellColorTo(), c.ActiveTo);
    EXPECT_EQ(g.ControlLook().FixedGradientFrom(), c.LookFrom);
    EXPECT_EQ(g.SearchFooter().Color(), c.FooterFrom);
    EXPECT_EQ(g.SearchFooter().ColorTo(), c.FooterTo);
  }
}

// Switching theme following on applies the theme there and then; off leaves the colours.
TEST(GridLooks, AutoThemeAdaptAppliesTheThemeWhenSwitchedOn) {
  TPlexStringGrid g(nullptr);
  const TColor before = g.OrvGradientTo();
  g.SetAutoThemeAdapt(true);
  EXPECT_TRUE(g.AutoThemeAdapt());
  EXPECT_TRUE(g.SearchFooter().AutoThemeAdapt());
  EXPECT_EQ(g.OfficeTheme(), ot2003Classic);
  EXPECT_EQ(g.ComponentStyle(), tsOffice2003Classic);
  EXPECT_EQ(g.OrvGradientTo(), TColor(0xCCD4D8));
  EXPECT_NE(g.OrvGradientTo(), before);
  g.SetAutoThemeAdapt(false);
  EXPECT_FALSE(g.SearchFooter().AutoThemeAdapt());
  EXPECT_EQ(g.OrvGradientTo(), TColor(0xCCD4D8));
}

TEST(GridLooks, OfficeThemeWithoutAnOfficeSuiteGivesTheClassicPreset) {
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.OfficeTheme(), otUnknown);
  g.ApplyOfficeTheme();
  EXPECT_EQ(g.OfficeTheme(), ot2003Classic);
  EXPECT_EQ(g.ComponentStyle(), tsOffice2003Classic);
  EXPECT_EQ(g.OrvGradientTo(), TColor(0xCCD4D8));
}

// A drop-down editor the grid made, as the grid sees it: something it owns that takes a style and tones.
class TDropDownStandIn : public TComponent, public IOrvStyle, public IOrvTones {
public:
  using TComponent::TComponent;
  void SetComponentStyle(TOrvStyle AStyle) override { Styles.push_back(AStyle); }
  void SetColorTones(const TColorTones& ATones) override { Tones.push_back(ATones); }
  std::vector<TOrvStyle> Styles;
  std::vector<TColorTones> Tones;
};

TEST(GridLooks, ColourTonesGiveTheFlatLookAndReachTheDropDowns) {
  TPlexStringGrid g(nullptr);
  auto* dropDown = new TDropDownStandIn(&g);
  TColorTones t;
  t.Background = {0xFFFFFF, 0xD0D0D0, 0x202020};
  t.Foreground = {0x7A4A2B, 0x7A4A2B, 0xFFFFFF};
  t.Selected = {0xE0B090, 0xC09070, 0x101010};
  t.Hover = {0xF0D8C0, 0xC09070, 0x101010};
  g.SetColorTones(t);
  EXPECT_EQ(g.Look(), glClassic);
  EXPECT_TRUE(g.Flat());
  EXPECT_EQ(g.ScrollType(), ssMetro);
  EXPECT_EQ(g.FixedColor(), t.Foreground.BrushColor);
  EXPECT_EQ(g.FixedFont().Color(), t.Foreground.TextColor);
  EXPECT_EQ(g.FixedFont().Name(), DefaultUiFontName());
  EXPECT_EQ(g.Color(), t.Background.BrushColor);
  EXPECT_EQ(g.Font().Color(), t.Background.TextColor);
  EXPECT_EQ(g.SelectionColor(), t.Selected.BrushColor);
  EXPECT_EQ(g.SelectionTextColor(), t.Selected.TextColor);
  EXPECT_EQ(g.SelectionColorTo(), clNone);
  EXPECT_EQ(g.GridLineColor(), TColor(0xE6E6E6));
  EXPECT_EQ(g.GridFixedLineColor(), AdjustColorBrightness(t.Foreground.BrushColor, -20));
  EXPECT_EQ(g.BorderStyle(), bsNone);
  EXPECT_EQ(g.ControlLook().ControlStyle(), csGlyph);
  for (TBitmap* glyph : {&g.ControlLook().CheckedGlyph(), &g.ControlLook().UnCheckedGlyph(),
                         &g.ControlLook().RadioOnGlyph(), &g.ControlLook().RadioOffGlyph()}) {
    EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(glyph->Height(), 16);
  }
  EXPECT_TRUE(g.ControlLook().FlatButton());
  EXPECT_EQ(g.SearchFooter().Color(), t.Foreground.BrushColor);
  EXPECT_EQ(g.CellNode().NodeType(), cnFlat);
  ASSERT_EQ(dropDown->Tones.size(), 1u);
  EXPECT_EQ(dropDown->Tones[0].Hover.BrushColor, t.Hover.BrushColor);

  // A later component style reaches the drop-down too and takes the metro scroll bars back.
  g.SetComponentStyle(tsOffice2007Silver);
  EXPECT_EQ(dropDown->Styles.back(), tsOffice2007Silver);
  EXPECT_EQ(g.ScrollType(), ssNormal);
}

TEST(GridLooks, AnApplicationStyleOtherThanThePlainOneGivesItsColours) {
  auto owned = std::make_unique<TFakeAppStyleServices>();
  TFakeAppStyleServices& fake = *owned;
  SetAppStyleServices(std::move(owned));
  for (const char* name : {"Carbon", PlainAppStyleName}) {
    SCOPED_TRACE(name);
    fake.StyleName = name;
    const bool styled = fake.StyleName != PlainAppStyleName;
    TPlexStringGrid g(nullptr);
    const TColor color = g.Color(), line = g.GridLineColor(), text = g.Font().Color();
    g.ApplyVclStyle();
    EXPECT_EQ(g.Color(), styled ? fake.NormalColor : color);
    EXPECT_EQ(g.GridLineColor(), styled ? fake.BorderColors[aseGridNormalCell] : line);
    EXPECT_EQ(g.Options().Contains(goFixedVertLine), !styled);
    EXPECT_EQ(g.Font().Color(), styled ? fake.TextColors[aseGridNormalCell] : text);
    if (styled) {
      EXPECT_EQ(g.GridFixedLineColor(), fake.BorderColors[aseGridFixedCell]);
      EXPECT_EQ(g.SelectionTextColor(), fake.TextColors[aseGridSelectedCell]);
      EXPECT_EQ(g.FixedFont().Color(), fake.TextColors[aseGridFixedCell]);
    }
  }
  // A style without a text colour leaves the grid's.
  fake.StyleName = "Carbon";
  fake.TextColors[aseGridNormalCell] = clNone;
  TPlexStringGrid g(nullptr);
  const TColor text = g.Font().Color();
  g.ApplyVclStyle();
  EXPECT_EQ(g.Font().Color(), text);
  SetAppStyleServices(nullptr);
}

TEST(GridLooks, MixerFactorStaysWithinAHundred) {
  TPlexStringGrid g(nullptr);
  for (const auto& [written, stored] : {std::pair{150, 100}, {-5, 0}, {40, 40}, {100, 100}}) {
    g.SetSelectionColorMixerFactor(written);
    EXPECT_EQ(g.SelectionColorMixerFactor(), stored) << written;
  }
}

// The office selection styles show their own frame colours only to a focused
// grid (or with goDrawFocusSelected); without the focus they all show the one
// grey set. A preset that keeps ssDefault fills with its selection colour.
TEST(GridLooks, OfficeSelectionColoursFollowTheFocusedLook) {
  const struct {
    const char* Name;
    TGridLook LookBefore;
    TPlexGridStyle Preset;
    bool FocusedLook;
    TColor Outer;  // clNone: no frame, the cell filled with Fill
    TColor Fill;
  } cases[] = {
      {"Luna, no focus", glXP, gsOffice2007Luna, false, SelectionColorSets[scsUnfocused].Outer, clNone},
      {"Luna, focused look", glXP, gsOffice2007Luna, true, SelectionColorSets[scsOffice2007].Outer, clNone},
      {"Silver, focused look", glXP, gsOffice2007Silver, true, SelectionColorSets[scsOffice2007].Outer, clNone},
      {"Obsidian over the office look", glOffice2007, gsOffice2007Obsidian, false, clNone, 0x5EC1F1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TForm form(nullptr);
    auto* g = new TPlexStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 200, 100);
    g->SetScrollBars(ssNone);
    g->SetDefaultColWidth(56);
    g->SetDefaultRowHeight(20);
    g->SetColCount(3);
    g->SetRowCount(4);
    g->SetLook(c.LookBefore);
    g->SetStyle(c.Preset);
    TGridOptions o = g->Options();
    if (c.FocusedLook) o.Include(goDrawFocusSelected);
    g->SetOptions(o);
    g->SetSelection(TGridRect{1, 2, 2, 2});
    TBitmap shot;
    PaintControlTo(g, shot);
    const TRect r = g->CellRect(1, 2);
    int outer = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) outer += c.Outer != clNone && paintprobe::At(shot, x, y) == c.Outer;
    if (c.Outer != clNone) {
      EXPECT_GT(outer, 0);
    }
    if (c.Fill != clNone) {
      EXPECT_EQ(paintprobe::At(shot, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), c.Fill);
    }
  }
}

TEST(GridLooks, ScreenshotOfEveryPreset) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  constexpr int W = 180, H = 90;
  QImage sheet(4 * W, 4 * H, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (int preset = gsOffice2003Blue; preset <= gsOffice2010Black; ++preset) {
    TForm form(nullptr);
    auto* g = new TPlexStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, W - 4, H - 4);
    // Both bars allowed, as on the forms: the cells fit, so neither shows.
    g->SetScrollBars(ssBoth);
    g->SetColCount(3);
    g->SetRowCount(4);
    g->SetDefaultColWidth(56);
    g->SetDefaultRowHeight(20);
    g->SetCells(1, 0, QString("Preset %1").arg(preset));
    g->SetCells(1, 1, "cell");
    g->SetStyle(TPlexGridStyle(preset));
    // As a focused grid shows it: without the focus the office selection styles are all grey.
    g->SetOptions(g->Options() + TGridOptions{goDrawFocusSelected});
    g->SetSelection(TGridRect{1, 2, 2, 2});
    EXPECT_FALSE(g->HorzScrollBarShown() || g->VertScrollBarShown()) << preset;
    TBitmap b;
    PaintControlTo(g, b);
    painter.drawImage((preset % 4) * W, (preset / 4) * H, b.Image());
  }
  painter.end();
  sheet.save(QString(shots) + "/grid-presets.png");
}

TEST(GridLooks, IdentsAndCaptions) {
  const struct {
    TGridLook Look;
    const char* Ident;
    const char* Caption;
  } cases[] = {{glStandard, "glStandard", "Standard"},       {glXP, "glXP", "Windows XP"},
               {glVista, "glVista", "Windows Vista"},        {glWin7, "glWin7", "Windows 7"},
               {glOffice2007, "glOffice2007", "Office2007"}, {glCustom, "", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(TPlexStringGrid::LookToIdent(c.Look), c.Ident);
    EXPECT_EQ(TPlexStringGrid::LookToCaption(c.Look), c.Caption);
  }
}

}  // namespace
