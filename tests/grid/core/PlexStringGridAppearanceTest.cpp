// The appearance properties: which writes repaint the grid, and what else a
// write carries on to (the drawing flag, the spreadsheet options, the shown
// selection, the sized columns).
#include "grid/core/PlexStringGrid.h"

#include "grid/foundation/PlexObj.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/GdiDraw.h"
#include "support/PaintProbe.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TRepaintCountingGrid : TPlexStringGrid {
  using TPlexStringGrid::TPlexStringGrid;
  void Invalidate() override {
    ++Repaints;
    TPlexStringGrid::Invalidate();
  }
  int Repaints = 0;
};

using TGridStep = std::function<void(TPlexStringGrid&)>;

}  // namespace

TEST(GridAppearance, WritesRepaintOnlyWhereTheyShould) {
  const auto none = [](TPlexStringGrid&) {};
  const auto urls = [](TPlexStringGrid& g) { g.SetURLShow(true); };
  const struct {
    const char* Name;
    TGridStep Before;
    TGridStep Write;
    int Repaints;
  } cases[] = {
      {"selection colour", none, [](auto& g) { g.SetSelectionColor(clRed); }, 1},
      {"same selection colour", none, [](auto& g) { g.SetSelectionColor(g.SelectionColor()); }, 0},
      {"selection colour to", none, [](auto& g) { g.SetSelectionColorTo(clRed); }, 1},
      {"selection mirror", none, [](auto& g) { g.SetSelectionMirrorColor(clRed); }, 1},
      {"selection mirror to", none, [](auto& g) { g.SetSelectionMirrorColorTo(clRed); }, 1},
      {"selection text", none, [](auto& g) { g.SetSelectionTextColor(clRed); }, 1},
      {"same selection text", none, [](auto& g) { g.SetSelectionTextColor(g.SelectionTextColor()); }, 0},
      {"mixer", none, [](auto& g) { g.SetSelectionColorMixer(true); }, 1},
      {"rectangle", none, [](auto& g) { g.SetSelectionRectangle(true); }, 1},
      {"same rectangle", none, [](auto& g) { g.SetSelectionRectangle(false); }, 0},
      {"resizer", none, [](auto& g) { g.SetSelectionResizer(true); }, 1},
      {"show selection", none, [](auto& g) { g.SetShowSelection(false); }, 1},
      {"same show selection", none, [](auto& g) { g.SetShowSelection(true); }, 0},
      {"active cell show, unchanged too", none, [](auto& g) { g.SetActiveCellShow(false); }, 1},
      {"active cell colour, unchanged too", none, [](auto& g) { g.SetActiveCellColor(g.ActiveCellColor()); }, 1},
      {"active cell colour to", none, [](auto& g) { g.SetActiveCellColorTo(clRed); }, 1},
      {"active cell font", none, [](auto& g) { g.SetActiveCellFont(TFont()); }, 1},
      {"link colour, links hidden", none, [](auto& g) { g.SetURLColor(clRed); }, 0},
      {"link colour, links shown", urls, [](auto& g) { g.SetURLColor(clRed); }, 1},
      {"same link colour, links shown", urls, [](auto& g) { g.SetURLColor(g.URLColor()); }, 0},
      {"links shown", none, [](auto& g) { g.SetURLShow(true); }, 1},
      {"links in text", none, [](auto& g) { g.SetURLShowInText(true); }, 1},
      {"same links in text", none, [](auto& g) { g.SetURLShowInText(false); }, 0},
      {"full links, links hidden", none, [](auto& g) { g.SetURLFull(true); }, 0},
      {"full links, links shown, unchanged too", urls, [](auto& g) { g.SetURLFull(false); }, 1},
      {"vertical alignment", none, [](auto& g) { g.SetVAlignment(vtaCenter); }, 1},
      {"vertical alignment in an update", [](auto& g) { g.BeginUpdate(); }, [](auto& g) { g.SetVAlignment(vtaBottom); },
       0},
      {"flat", none, [](auto& g) { g.SetFlat(true); }, 1},
      {"flat while loading", [](auto& g) { g.BeginLoading(); }, [](auto& g) { g.SetFlat(true); }, 0},
      {"hovering", none, [](auto& g) { g.SetHovering(true); }, 0},
      {"edit length", none, [](auto& g) { g.SetMaxEditLength(3); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TForm form(nullptr);
    auto* g = new TRepaintCountingGrid(&form);
    g->SetParent(&form);
    c.Before(*g);
    g->Repaints = 0;
    c.Write(*g);
    EXPECT_EQ(g->Repaints, c.Repaints);
  }
}

TEST(GridAppearance, VerticalAlignmentGivesTheDrawingFlag) {
  TPlexStringGrid g(nullptr);
  for (const auto& [align, flag] : {std::pair{vtaBottom, DT_BOTTOM}, {vtaCenter, DT_VCENTER}, {vtaTop, 0u}}) {
    g.SetVAlignment(align);
    EXPECT_EQ(g.VAlignment(), align);
    EXPECT_EQ(g.VAlignFlag(), flag) << align;
  }
}

TEST(GridAppearance, AnySpreadSheetWriteTurnsTheSpreadSheetHabitsOn) {
  for (const bool value : {true, false}) {
    SCOPED_TRACE(value);
    TPlexStringGrid g(nullptr);
    g.SetSpreadSheet(value);
    EXPECT_EQ(g.SpreadSheet(), value);
    EXPECT_TRUE(g.SelectionRectangle());
    EXPECT_TRUE(g.SelectionResizer());
    EXPECT_TRUE(g.Navigation().AllowSmartClipboard);
    EXPECT_TRUE(g.MouseActions().RangeSelectAndEdit);
    EXPECT_TRUE(g.Options().Contains(goRangeSelect));
    EXPECT_TRUE(g.Options().Contains(goEditing));
  }
}

TEST(GridAppearance, HiddenSelectionPaintsThePlainCell) {
  TForm form(nullptr);
  auto* g = new TPlexStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(0, 0, 200, 120);
  g->SetScrollBars(ssNone);
  g->SetLook(glStandard);
  g->SetColor(0xF0F0F0);
  g->SetDefaultColWidth(40);
  g->SetDefaultRowHeight(20);
  g->SetSelectionColor(0x00FF00);
  g->SetSelection(TGridRect{1, 1, 3, 3});
  const TRect r = g->CellRect(2, 2);
  const TPoint mid{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  for (const auto& [shown, colour] : {std::pair{true, TColor(0x00FF00)}, {false, TColor(0xF0F0F0)}}) {
    g->SetShowSelection(shown);
    TBitmap shot;
    PaintControlTo(g, shot);
    EXPECT_EQ(paintprobe::At(shot, mid.X, mid.Y), colour) << shown;
  }
}

TEST(GridAppearance, AutoSizeSizesTheColumnsUnlessLoading) {
  for (const bool loading : {false, true}) {
    SCOPED_TRACE(loading);
    TForm form(nullptr);
    auto* g = new TPlexStringGrid(&form);
    g->SetParent(&form);
    g->SetDefaultColWidth(20);
    g->SetCells(1, 1, "a text a good deal wider than twenty pixels");
    if (loading) g->BeginLoading();
    g->SetAutoSize(true);
    EXPECT_TRUE(g->AutoSize());
    EXPECT_EQ(g->ColWidths(1) > 100, !loading) << g->ColWidths(1);
  }
}

TEST(GridAppearance, RowIndicatorIsCopiedAndFollowsTheVerticalAlignment) {
  TForm form(nullptr);
  auto* g = new TPlexStringGrid(&form);
  g->SetParent(&form);
  g->SetBounds(0, 0, 200, 120);
  g->SetScrollBars(ssNone);
  g->SetLook(glStandard);
  g->SetDefaultColWidth(40);
  g->SetDefaultRowHeight(24);
  {
    TBitmap indicator(6, 6);
    indicator.Canvas().Brush().Color = clRed;
    indicator.Canvas().FillRect(TRect(0, 0, 6, 6));
    indicator.TransparentColor = clLime;
    g->SetRowIndicator(indicator);
  }
  // The fixed cell's face ends two pixels above its rectangle.
  const TRect r = g->CellRect(0, g->Row());
  for (const auto& [align, y] : {std::pair{vtaTop, r.Top + 1}, {vtaBottom, r.Bottom - 4}}) {
    g->SetVAlignment(align);
    TBitmap shot;
    PaintControlTo(g, shot);
    EXPECT_EQ(paintprobe::At(shot, r.Left + 4, y), clRed) << align;
    EXPECT_NE(paintprobe::At(shot, r.Left + 4, align == vtaTop ? r.Bottom - 4 : r.Top + 1), clRed) << align;
  }
}
