// One paint pass around the cells: the frame of the cell being edited, the
// background picture or gradient in the empty client area and inside cells,
// the one-pixel border of the later looks, the dotted lines of a resize, and
// the translucent focus frame that floats around the cell being edited.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/dropdowns/DropDownDrawing.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/FocusFrameMask.h"
#include "grid/foundation/GridAlphaMask.h"
#include "grid/foundation/GridFocusWindow.h"
#include "grid/foundation/PlexObj.h"
#include "platform/LayeredWindows.h"
#include "platform/PopupWindows.h"

#include <algorithm>

namespace {
constexpr int EmptyAreaGradientSteps = 128;
constexpr int CellGradientSteps = 128;
constexpr int SearchFooterHeight = 32;
// The focus frame: its colour and opacity, the mask's pen, corner and blur,
// and how far it stands out of the cell.
constexpr TColor FocusFrameColor = 0xFDD397;
constexpr BYTE FocusFrameOpacity = 230;
constexpr int FocusFramePen = 4, FocusFrameCorner = 5;
constexpr double FocusFrameBlur = 3;
constexpr int FocusFrameOffset = 4, FocusFrameGrowth = 9;

// The part of Bitmap placed at Origin that lies in R, copied to the same place.
void CopyPlaced(TCanvas& C, TBitmap& Bitmap, const TPoint& Origin, const TRect& R) {
  const TRect placed(Origin.X, Origin.Y, Origin.X + Bitmap.Width(), Origin.Y + Bitmap.Height());
  TRect common;
  if (!IntersectRect(common, placed, R)) return;
  C.SetBkMode(TRANSPARENT);
  C.CopyRect(common, Bitmap.Canvas(),
             TRect(common.Left - Origin.X, common.Top - Origin.Y, common.Right - Origin.X, common.Bottom - Origin.Y));
}

// Copies of Bitmap over R from (R.Left - 1, R.Top - 1), the first ones starting
// at (OffsetX, OffsetY) of the source, the last ones cut at R's edges.
void Tile(TCanvas& C, TBitmap& Bitmap, const TRect& R, int OffsetX, int OffsetY) {
  const int bw = Bitmap.Width(), bh = Bitmap.Height();
  if (bw <= 0 || bh <= 0) return;
  int sy = OffsetY;
  for (int y = R.Top - 1; y < R.Bottom; sy = 0) {
    const int h = std::min(bh - sy, R.Bottom - y);
    int sx = OffsetX;
    for (int x = R.Left - 1; x < R.Right; sx = 0) {
      const int w = std::min(bw - sx, R.Right - x);
      C.CopyRect(TRect(x, y, x + w, y + h), Bitmap.Canvas(), TRect(sx, sy, sx + w, sy + h));
      x += w;
    }
    y += h;
  }
}
}  // namespace

void TPlexStringGrid::Paint() {
  TCanvas& C = Canvas();
  C.Pen().Style = psSolid;
  C.Brush().Style = bsSolid;
  TBaseGrid::Paint();
  if (EditorMode()) {
    const bool lines = Options().Contains(goHorzLine) || Options().Contains(goVertLine);
    C.Pen().Color = GridLineWidth() == 0 || !lines ? Color() : GridLineColor();
    C.Brush().Style = bsClear;
    C.Rectangle(CellRect(Col(), Row()));
    C.Brush().Style = bsSolid;
  }
  C.Pen().Color = clBlack;
  if (!FBackGround->Bitmap().Empty() || FBackGround->ColorTo() != clNone) PaintEmptyArea();
  if (OnPainted) OnPainted(this);
  // The frame and the resize lines lie over everything the pass painted.
  if (!UpdateInProgress()) PaintNonClientBorder();
  DrawSizeLines(C);
  if (FPanning) DrawWheelPanIndicator(C);
}

void TPlexStringGrid::PaintEmptyArea() {
  TBackGround& bg = *FBackGround;
  const bool moreRows = TopRow() + VisibleRowCount() < RowCount();
  const bool moreCols = LeftCol() + VisibleColCount() < ColCount();
  const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
  if ((moreRows && moreCols) || (gradient && bg.ColorTo() == clNone)) return;
  const int cw = ClientWidth(), ch = ClientHeight();
  TRegion area;
  bool any = false;
  if (!moreCols && ColCount() > 0) {
    TRect last = CellRect(ColCount() - 1, TopRow());
    InflateRect(last, GridLineWidth(), GridLineWidth());
    if (last.Right < cw) {
      area = TRegion(TRect(last.Right, 0, cw, ch));
      any = true;
    }
  }
  if (!moreRows && RowCount() > 0) {
    TRect last = CellRect(LeftCol(), RowCount() - 1);
    InflateRect(last, GridLineWidth(), GridLineWidth());
    if (last.Bottom < ch) {
      const TRegion bottom(TRect(0, last.Bottom, cw, ch));
      if (any)
        area.Combine(TRegion(area), bottom, RGN_OR);
      else
        area = bottom;
      any = true;
    }
  }
  if (!any) return;
  TCanvas& C = Canvas();
  C.SelectClipRgn(&area);
  TRect client(0, 0, cw, ch);
  if (FSearchFooter->Visible()) client.Bottom -= SearchFooterHeight;
  if (FFloatingFooter->Visible() && FFooterPanel) client.Bottom -= FFooterPanel->Height();
  if (bg.Bitmap().Empty()) {
    if (gradient)
      DrawStepGradient(C, bg.Color(), bg.ColorTo(), bg.Display() == bdGradientHorz, client, EmptyAreaGradientSteps);
  } else if (bg.Display() != bdTile) {
    PaintAreaBitmap(client);
  } else if (bg.Cells() != bcFixed) {
    TPoint start(client.Left, client.Top);
    if (bg.Cells() == bcNormal) {
      const TRect first = CellRect(FixedCols(), FixedRows());
      start = TPoint(first.Left, first.Top);
    }
    PaintAreaTiles(TRect(start.X + XYOffset.X, start.Y + XYOffset.Y, client.Right, client.Bottom));
  }
  C.SelectClipRgn(nullptr);
}

void TPlexStringGrid::PaintAreaBitmap(const TRect& R) {
  TBackGround& bg = *FBackGround;
  CopyPlaced(Canvas(), bg.Bitmap(), TPoint(bg.Left(), bg.Top()), R);
}

void TPlexStringGrid::PaintAreaTiles(const TRect& R) { Tile(Canvas(), FBackGround->Bitmap(), R, 0, 0); }

void TPlexStringGrid::PaintCellBitmap(TCanvas& C, const TRect& R) {
  TBackGround& bg = *FBackGround;
  CopyPlaced(C, bg.Bitmap(), TPoint(bg.Left(), bg.Top()), R);
}

// The pattern is anchored to the grid's content, so it scrolls with the cells.
void TPlexStringGrid::PaintCellTiles(TCanvas& C, int ACol, int ARow, const TRect& R) {
  TBackGround& bg = *FBackGround;
  TBitmap& bitmap = bg.Bitmap();
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
  const int firstCol = bg.Cells() == bcNormal ? FixedCols() : 0;
  const int firstRow = bg.Cells() == bcNormal ? FixedRows() : 0;
  int x = 0, y = 0;
  for (int c = firstCol; c < ACol; ++c) x += ColWidths(c);
  for (int r = firstRow; r < ARow; ++r) y += RowHeights(r);
  Tile(C, bitmap, R, ((x % bitmap.Width()) + bitmap.Width()) % bitmap.Width(),
       ((y % bitmap.Height()) + bitmap.Height()) % bitmap.Height());
}

void TPlexStringGrid::PaintCellGradient(TCanvas& C, const TRect& R) {
  TBackGround& bg = *FBackGround;
  const bool horizontal = bg.Display() == bdGradientHorz;
  const int extent = horizontal ? Width() : Height();
  const TColor from = InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, horizontal ? R.Left : R.Top);
  const TColor to = InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, horizontal ? R.Right : R.Bottom);
  C.Brush().Color = to;
  C.Pen().Color = to;
  DrawGradient(C, from, to, CellGradientSteps, R, horizontal);
}

void TPlexStringGrid::PaintNonClientBorder() {
  static constexpr TGridLook framed[] = {glSoft, glOrv, glXP, glListView, glVista, glWin7, glOffice2007};
  if (std::find(std::begin(framed), std::end(framed), FLook) == std::end(framed)) return;
  if (FBorderStyle != bsSingle || FBorderColor == clNone || Flat()) return;
  TCanvas& C = Canvas();
  // Outside a paint pass there is no surface to draw on: the next pass draws it.
  if (!C.HandleAllocated()) {
    Invalidate();
    return;
  }
  C.Save();
  C.SelectClipRgn(nullptr);
  C.Brush().Style = bsClear;
  C.Pen().Style = psSolid;
  C.Pen().Width = 1;
  C.Pen().Mode = pmCopy;
  C.Pen().Color = FBorderColor;
  const int w = Width(), h = Height();
  if (FitCellsInGrid) {
    C.Rectangle(1, 1, w - 1, h - 1);
    if (Parent()) {
      C.Pen().Color = Parent()->Color();
      C.Rectangle(0, 0, w, h);
    }
  } else {
    C.Rectangle(0, 0, w, h);
  }
  C.Restore();
}

// A line shown is a line kept: painting puts every kept line over the image
// by inverting it, and asking for the same line again takes it away.
void TPlexStringGrid::DrawColSizeLine(int X) {
  const std::pair<bool, int> line{true, X};
  auto it = std::find(FSizeLines.begin(), FSizeLines.end(), line);
  if (it != FSizeLines.end())
    FSizeLines.erase(it);
  else
    FSizeLines.push_back(line);
  Invalidate();
}

void TPlexStringGrid::DrawRowSizeLine(int Y) {
  const std::pair<bool, int> line{false, Y};
  auto it = std::find(FSizeLines.begin(), FSizeLines.end(), line);
  if (it != FSizeLines.end())
    FSizeLines.erase(it);
  else
    FSizeLines.push_back(line);
  Invalidate();
}

// Black dots in XOR mode would leave the image as it is; the gaps of the
// dotted pen are what shows, so every other pixel is inverted.
void TPlexStringGrid::DrawSizeLines(TCanvas& C) {
  if (FSizeLines.empty()) return;
  TPen saved;
  saved.Assign(C.Pen());
  C.Pen().Color = clBlack;
  C.Pen().Style = psDot;
  C.Pen().Mode = pmNotXor;
  C.Pen().Width = 1;
  for (const auto& [vertical, at] : FSizeLines) {
    if (vertical) {
      const int bottom = std::max(Height(), RowCount() > 0 ? CellRect(0, RowCount() - 1).Bottom : 0);
      C.MoveTo(at, 0);
      C.LineTo(at, bottom);
    } else {
      const int right = std::max(Width(), ColCount() > 0 ? CellRect(ColCount() - 1, 0).Right : 0);
      C.MoveTo(0, at);
      C.LineTo(right, at);
    }
  }
  C.Pen().Assign(saved);
}

void TPlexStringGrid::ShowFocusWindow(const TRect& R) {
  if (!FFocusWindow) FFocusWindow = new TGridFocusWindow(this);  // owned by the grid
  FFocusWindow->SetVisible(false);
  const int w = R.Width() + FocusFrameGrowth, h = R.Height() + FocusFrameGrowth;
  TBitmap mask;
  CreateRoundRectMask(mask, w, h, FocusFramePen, FocusFrameCorner, FocusFrameBlur);
  TBitmap colour(w, h);
  colour.SetPixelFormat(pf24bit);
  colour.Canvas().Brush().Color = FocusFrameColor;
  colour.Canvas().FillRect(TRect(0, 0, w, h));
  TGridAlphaMask alpha;
  alpha.MergeMask(mask, colour, FocusFrameColor);
  alpha.Opacity = FocusFrameOpacity;
  const TPoint at = ClientToScreen(TPoint(R.Left - FocusFrameOffset, R.Top - FocusFrameOffset));
  if (alpha.Height() > 0) {
    SetWindowStyles(FFocusWindow, GetWindowStyle(FFocusWindow), GetWindowExStyle(FFocusWindow) | WS_EX_LAYERED);
    UpdateLayeredWindow(FFocusWindow, &at, alpha, alpha.Opacity);
  }
  TRegion frame(TRect(0, 0, w, h));
  frame.Combine(
      TRegion(frame),
      TRegion(TRect(FocusFrameOffset, FocusFrameOffset, FocusFrameOffset + R.Width(), FocusFrameOffset + R.Height())),
      RGN_DIFF);
  SetWindowRgn(FFocusWindow, &frame, true);
  FFocusWindow->SetBounds(at.X, at.Y, w, h);
  FFocusWindow->SetVisible(true);
  SetFocusFrameGrid(this);
}

void TPlexStringGrid::MoveFocusWindow() {
  if (!FFocusWindow || !FFocusWindow->Visible()) return;
  static bool moving = false;
  if (moving) return;
  moving = true;
  const TRect r = CellRect(Col(), Row());
  const TPoint at = ClientToScreen(TPoint(r.Left - FocusFrameOffset, r.Top - FocusFrameOffset));
  FFocusWindow->SetBounds(at.X, at.Y, r.Width() + FocusFrameGrowth, r.Height() + FocusFrameGrowth);
  moving = false;
}

void TPlexStringGrid::HideFocusWindow() {
  if (FocusFrameGrid() == this) SetFocusFrameGrid(nullptr);
  if (FFocusWindow) FFocusWindow->SetVisible(false);
}
