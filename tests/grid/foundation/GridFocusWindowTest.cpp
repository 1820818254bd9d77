#include "grid/foundation/GridFocusWindow.h"

#include "grid/foundation/FocusFrameMask.h"
#include "grid/foundation/GridAlphaMask.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/LayeredWindows.h"
#include "platform/PopupWindows.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr TColor FrameColor = 0xFDD397;
constexpr BYTE FrameOpacity = 230;

// The frame the grid puts round its editor: 4 pixels out to the left and
// top, 9 pixels wider and higher, an outline of pen 4, corner 5, blur 3.
void ShowFrame(TGridFocusWindow& w, const TRect& editorOnScreen) {
  const TRect outer(editorOnScreen.Left - 4, editorOnScreen.Top - 4, editorOnScreen.Right + 5,
                    editorOnScreen.Bottom + 5);
  TBitmap mask;
  CreateRoundRectMask(mask, outer.Width(), outer.Height(), 4, 5, 3);
  TBitmap colour;
  colour.SetPixelFormat(pf24bit);
  colour.SetSize(outer.Width(), outer.Height());
  colour.Canvas().Brush().Color = FrameColor;
  colour.Canvas().FillRect(TRect(0, 0, outer.Width(), outer.Height()));
  colour.EndCanvas();
  TGridAlphaMask alpha;
  alpha.MergeMask(mask, colour, FrameColor);
  alpha.Opacity = FrameOpacity;
  TRegion ring, hole(TRect(4, 4, 4 + editorOnScreen.Width(), 4 + editorOnScreen.Height()));
  ring.Combine(TRegion(TRect(0, 0, outer.Width(), outer.Height())), hole, RGN_DIFF);
  SetWindowRgn(&w, &ring, true);
  const TPoint pos(outer.Left, outer.Top);
  ASSERT_TRUE(UpdateLayeredWindow(&w, &pos, alpha, alpha.Opacity));
  w.SetVisible(true);
}

}  // namespace

TEST(GridFocusWindow, AnEmptyRedPopUpAboveAllThatTakesNoInput) {
  TWinControl grid(nullptr);
  auto* w = new TGridFocusWindow(&grid);
  EXPECT_EQ(w->Width(), 0);
  EXPECT_EQ(w->Height(), 0);
  EXPECT_EQ(w->Color(), TColor(0x0000FF));
  EXPECT_EQ(w->Parent(), nullptr);
  EXPECT_EQ(GetWindowStyle(w), 0x88000000u);
  EXPECT_EQ(GetWindowExStyle(w), 0x00000088u);
  EXPECT_TRUE(w->Widget()->isWindow());
  EXPECT_TRUE(w->Widget()->windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(w->Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(w->Widget()->windowFlags().testFlag(Qt::FramelessWindowHint));
  w->SetBounds(30, 40, 50, 20);
  EXPECT_EQ(w->Widget()->geometry(), QRect(30, 40, 50, 20));
}

TEST(GridFocusWindow, FrameRoundAnEditorOverAGrid) {
  TForm form(nullptr);
  form.SetClientWidth(360);
  form.SetClientHeight(170);
  auto* grid = new TStringGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(10, 10, 340, 150);
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, 0, QString("Col %1").arg(c));
  for (int r = 1; r < grid->RowCount(); ++r)
    for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, QString("%1.%2").arg(r).arg(c));
  auto* editor = new TEdit(&form);
  editor->SetParent(&form);
  const TRect cell = grid->CellRect(2, 2);
  editor->SetBounds(grid->Left() + cell.Left, grid->Top() + cell.Top, cell.Width(), cell.Height());
  editor->SetText("2.2 edited");
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));

  TGridFocusWindow frame(nullptr);
  const TPoint topLeft = editor->ClientToScreen(TPoint(0, 0));
  ShowFrame(frame, Bounds(topLeft.X, topLeft.Y, editor->Width(), editor->Height()));
  EXPECT_EQ(frame.Widget()->geometry(), QRect(topLeft.X - 4, topLeft.Y - 4, editor->Width() + 9, editor->Height() + 9));

  TBitmap shown;
  ASSERT_TRUE(GetLayeredImage(&frame, shown));
  // On the outline: the frame colour at the mask's alpha, times the opacity.
  const QColor ring = shown.Image().pixelColor(4, shown.Height() / 2);
  EXPECT_GT(ring.alpha(), 60);
  EXPECT_LT(ring.alpha(), 230);
  EXPECT_NEAR(ring.red(), 0x97, 2);
  EXPECT_NEAR(ring.green(), 0xD3, 2);
  EXPECT_NEAR(ring.blue(), 0xFD, 2);
  EXPECT_EQ(shown.Image().pixelColor(shown.Width() / 2, shown.Height() / 2).alpha(), 0);

  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    const QString path = QString(shots) + "/focus_frame.png";
    ASSERT_TRUE(SaveWidgetScreenshot(form.Widget(), path));
    QImage picture(path);
    QPainter p(&picture);
    const TPoint at = editor->ClientToScreen(TPoint(0, 0));
    const QPoint formOrigin = form.Widget()->mapToGlobal(QPoint(0, 0));
    p.setClipRegion(GetWindowRgn(&frame).ToQRegion().translated(at.X - 4 - formOrigin.x(), at.Y - 4 - formOrigin.y()));
    p.drawImage(at.X - 4 - formOrigin.x(), at.Y - 4 - formOrigin.y(), shown.Image());
    p.end();
    picture.save(path);
    const QRect near(at.X - formOrigin.x() - 12, at.Y - formOrigin.y() - 12, editor->Width() + 24,
                     editor->Height() + 24);
    picture.copy(near).scaled(near.size() * 4).save(QString(shots) + "/focus_frame_zoom.png");
  }
}
