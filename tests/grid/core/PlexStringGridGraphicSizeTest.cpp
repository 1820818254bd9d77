// The room a cell's graphic claims for layout and for the printout.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(PlexStringGridGraphicSize, LayoutSizesByKind) {
  TPlexStringGrid g(nullptr);
  g.Canvas().Font().Assign(g.Font());
  const int caption = g.Canvas().TextWidth("Press");
  // A captioned full-width button in a cell without text keeps its caption width.
  g.AddButton(1, 1, 40, 18, "Press", haFull, vaTop);
  EXPECT_EQ(g.CalcCellGraphicSize(1, 1), TPoint(caption + 4, 18));
  // Beside a text a button claims no width when centred and no height.
  g.AddButton(2, 1, 40, 18, "Press", haCenter, vaTop);
  g.SetCellEx(2, 1, "text");
  EXPECT_EQ(g.CalcCellGraphicSize(2, 1), TPoint(0, 0));
  g.AddCheckBox(3, 1, false, false);
  EXPECT_EQ(g.GetCellGraphicSize(3, 1), TPoint(g.ControlLook().CheckSize(), g.ControlLook().CheckSize()));
  g.AddRating(1, 2, 5, clYellow, clGray);
  EXPECT_EQ(g.CalcCellGraphicSize(1, 2), TPoint(90, 16));
  g.AddProgressPie(2, 2, clBlue, 50);
  EXPECT_EQ(g.CalcCellGraphicSize(2, 2), TPoint(20, 20));
  // A full-height graphic widens to the cell.
  TBitmap bitmap;
  bitmap.SetSize(10, 8);
  g.AddBitmap(3, 2, &bitmap, false, haLeft, vaFull);
  EXPECT_EQ(g.CalcCellGraphicSize(3, 2), TPoint(10, g.CellSize(3, 2).Y));
  EXPECT_EQ(g.CalcCellGraphicSize(4, 4), TPoint(0, 0));
}

TEST(PlexStringGridGraphicSize, PrintSizesDifferWhereThePrintoutDoes) {
  TPlexStringGrid g(nullptr);
  g.AddRating(1, 1, 5, clYellow, clGray);
  EXPECT_EQ(g.CalcCellGraphicPrintSize(1, 1, 1.0, 100, 20), TPoint(0, 0));
  g.AddProgress(2, 1, clBlue, clWhite);
  EXPECT_EQ(g.CalcCellGraphicPrintSize(2, 1, 1.0, 100, 20), TPoint(g.ColWidths(2), g.RowHeights(1)));
  TPicture picture;
  picture.SetImage(QImage(100, 50, QImage::Format_RGB32));
  g.AddPicture(3, 1, &picture, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  EXPECT_EQ(g.CalcCellGraphicPrintSize(3, 1, 2.0, 200, 200), TPoint(100, 50));
  g.AddButton(1, 2, 40, 18, "Press", haFull, vaFull);
  EXPECT_EQ(g.CalcCellGraphicPrintSize(1, 2, 1.0, 100, 20), TPoint(40, 18));
}

}  // namespace
