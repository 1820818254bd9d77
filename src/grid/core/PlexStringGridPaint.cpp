// One cell's painting over the background of the base painter, in a fixed
// order: fixed faces, row indicator, modified mark, the background event,
// always-visible editor buttons, the content, borders, look edges, tree
// lines, graphics, the drawing events and the focus rectangle. The canvas
// comes back as it came in, also when a drawing event raises.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexStringGridPaintCell.h"
#include "grid/editing/ShowModified.h"
#include "grid/foundation/CellDrawing.h"
#include "platform/GdiDraw.h"
#include "platform/Themes.h"

#include <algorithm>

namespace {
// Restores font, pen, brush and clip of a canvas on every way out of a scope.
class TCanvasStateGuard {
public:
  explicit TCanvasStateGuard(TCanvas& C) : FCanvas(C) { C.Save(); }
  ~TCanvasStateGuard() { FCanvas.Restore(); }
  TCanvasStateGuard(const TCanvasStateGuard&) = delete;
  TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
  TCanvas& FCanvas;
};

constexpr int CellScrollBarWidth = 17;
constexpr int EditorButtonWidth = 16;
constexpr int ModifiedBarWidth = 4;
}  // namespace

void TPlexStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  // The platform's own cell event is not fired here: OnDrawCell belongs to
  // step 18 of DrawGridCell, with the real column.
  PaintCell(Canvas(), ACol, ARow, ARect, AState);
}

void TPlexStringGrid::DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TCanvasStateGuard guard(ACanvas);
  TPaintCellState p;
  p.ACol = ACol;
  p.ARow = ARow;
  p.RCol = RealColIndex(ACol);
  p.R = ARect;
  p.State = AState;
  PaintCellLayers(ACanvas, p);
}

void TPlexStringGrid::PaintCellLayers(TCanvas& C, TPaintCellState& P) {
  // 2. the filter glyph of the filter row
  if (P.ARow == FilterDropDownRow) {
    P.FilterGlyph = DoGetColumnFilter(P.RCol);
  }
  // 3. the in-cell scroll bar
  if (HasScrollBar(P.RCol, P.ARow)) {
    const TScrollProp prop = GetScrollProp(P.RCol, P.ARow);
    const int page = prop.PageSize, range = prop.Range;
    if (page < range) {
      const int position = std::clamp(GetScrollPosition(P.RCol, P.ARow), 0, range);
      DrawCellScrollBar(C, TRect(P.R.Right - CellScrollBarWidth, P.R.Top, P.R.Right, P.R.Bottom), position, page,
                        range);
      P.R.Right -= CellScrollBarWidth;
      P.ScrollOffset = position;
    }
  }
  // 4. the look without selection colours: the base painter has painted them
  P.WW = WordWrap();
  GetVisualProperties(P.ACol, P.ARow, P.State, false, false, true, C.Brush(), P.ColorTo, P.MirrorColor, P.MirrorColorTo,
                      C.Font(), P.HA, P.VA, P.WW, P.GD);
  P.Layout = GetCellGraphicLayout(P.RCol, P.ARow);
  if (P.RCol == 0 && P.Layout.Graphic && P.Layout.Graphic->CellType == ctNode)
    if (const TCellProperties* props = PropsOf(0, P.ARow)) P.Layout.Width = props->NodeLevel * 12 + 4;
  // 5
  if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && SelectionColor() == clNone)
    C.Brush().Color = clHighlight;
  C.Font().SetSize(C.Font().Size() + ZoomFactor);
  P.PlainBrush = C.Brush().Color;
  P.PlainFont = C.Font().Color();
  // 6, 7. fixed-looking cells; a hover row with hcFixed paints them as normal cells
  const bool hoverAsNormal = HoverRow() && P.ARow == FHoverRowIdx && HoverRowCells().Contains(hcFixed);
  P.FixedLooking = (IsFixed(P.ACol, P.ARow) || P.ACol < FixedCols() || P.ARow < FixedRows()) && !hoverAsNormal;
  const bool gradientLook =
      FLook == glOrv || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
  if (UsesVclStyles())
    DrawAppStyleFace(C, P.R, P.State, P.FixedLooking);
  else if (P.FixedLooking && gradientLook)
    DrawFixedCellFace(C, P.ACol, P.ARow, P.R, P.State, false);
  // 8..10
  PaintRowIndicatorAndMark(C, P);
  // 11
  FireCellDrawEvent(OnCustomCellBkgDraw, C, P.RCol, P.ARow, P.State, P.R);
  // 12, 13
  PaintAlwaysVisibleButtons(C, P);
  PaintContentStep(C, P);
  // 14, 15
  InflateRect(P.R, 1, 1);
  DrawCellBorders(C, P.RCol, P.ARow, P.R);
  P.R.Left -= P.IndicatorShift;
  DrawFixedCellEdges(C, P.ACol, P.ARow, P.R, P.FixedLooking);
  // 16, 17
  PaintTreeLines(C, P);
  if (P.Layout.Graphic && P.Layout.Graphic->CellType != ctInterface) {
    if (P.FixedLooking) P.R.Top += 1;
    DrawCellGraphics(C, P.ACol, P.ARow, P.R, P.Layout, P.VA, P.State, P.TextWidth, false);
  }
  // 18, 19. the user's drawing, with the real column
  if (OnDrawCell) {
    TCanvasStateGuard guard(C);
    OnDrawCell(this, P.RCol, P.ARow,
               TRect(P.R.Left + 1, P.R.Top + 1, P.R.Right - GridLineWidth(), P.R.Bottom - GridLineWidth()), P.State);
  }
  FireCellDrawEvent(OnCustomCellDraw, C, P.RCol, P.ARow, P.State, P.R);
  // 20
  PaintFocusRect(C, P);
}

void TPlexStringGrid::FireCellDrawEvent(const TCustomCellDrawEvent& Event, TCanvas& ACanvas, int RCol, int ARow,
                                        TGridDrawState AState, const TRect& ARect) {
  if (!Event) return;
  TCanvasStateGuard guard(ACanvas);
  Event(this, ACanvas, RCol, ARow, AState, ARect, false);
}

void TPlexStringGrid::PaintRowIndicatorAndMark(TCanvas& C, TPaintCellState& P) {
  const TBitmap& indicator = *FRowIndicator;
  if (P.RCol == 0 && P.ARow == Row() && FixedCols() > 0 && !indicator.Empty() &&
      !(RowCount() == FixedRows() && FixedRowAlways)) {
    int y = P.R.Top;
    if (VAlignment() == vtaCenter) y = P.R.Top + (P.R.Height() - indicator.Height()) / 2;
    if (VAlignment() == vtaBottom) y = P.R.Bottom - indicator.Height();
    C.DrawTransparent(P.R.Left + 2, y, indicator, indicator.KeyColor());
    P.IndicatorShift = indicator.Width() + 2;
    P.R.Left += P.IndicatorShift;
  }
  if (FLook == glListView && !Flat() && P.FixedLooking && !UsesVclStyles())
    DrawFixedCellFace(C, P.ACol, P.ARow, P.R, P.State, true);
  if (P.ACol == 0 && FShowModified->Enabled && RowModified(RealRowIndex(P.ARow)))
    FillRectColor(C, TRect(P.R.Right - ModifiedBarWidth, P.R.Top, P.R.Right, P.R.Bottom), FShowModified->Color());
}

void TPlexStringGrid::PaintAlwaysVisibleButtons(TCanvas& C, TPaintCellState& P) {
  const TControlLook& look = *FControlLook;
  if (!(look.DropDownAlwaysVisible() || look.SpinButtonsAlwaysVisible())) return;
  if (IsFixed(P.ACol, P.ARow) || P.ACol < FixedCols() || P.ARow < FixedRows()) return;
  // Without an active theme the window system draws classic buttons.
  const bool themed = FIsThemed && ThemeServices().IsThemeActive();
  int buttonLook = look.FlatButton() ? CellButtonFlat : themed ? CellButtonThemed : CellButtonClassic;
  if (Flat() && FTones.Background.BrushColor != clNone) buttonLook = CellButtonOffice;
  const int state = CanEditCellNow(P.RCol, P.ARow) ? CellButtonNormal : CellButtonDisabled;
  bool combo = false, spin = false;
  if (look.DropDownAlwaysVisible()) combo = DoHasComboBox(P.RCol, P.ARow);
  if (combo) {
    DrawComboButton(C, this, TRect(P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom), buttonLook, state, FTones);
    P.R.Right -= EditorButtonWidth;
  }
  if (look.SpinButtonsAlwaysVisible()) spin = DoHasSpinEdit(P.RCol, P.ARow);
  if (spin) {
    DrawSpinButtons(C, this, P.R, buttonLook, state, FTones);
    P.R.Right -= EditorButtonWidth;
  }
}

void TPlexStringGrid::PaintContentStep(TCanvas& C, TPaintCellState& P) {
  if (P.Layout.Graphic && P.Layout.Graphic->CellType == ctInterface) {
    TRect r = P.R;
    InflateRect(r, 1, 1);
    DrawCellGraphics(C, P.ACol, P.ARow, r, P.Layout, P.VA, P.State, 0, true);
  }
  const bool userDraws = (OnDrawCell || OnCustomCellDraw) && NoDefaultDraw;
  const int right = P.R.Right;
  if (!(P.Layout.Graphic && NoImageAndText) && !userDraws) DrawCellContent(C, P);
  P.R.Right = right;
  C.Brush().Color = P.PlainBrush;
  C.Font().SetColor(P.PlainFont);
}

void TPlexStringGrid::DrawCellBorders(TCanvas& C, int ACol, int ARow, TRect R) {
  TCellBorders borders;
  const TPen saved = [&] {
    TPen p;
    p.Assign(C.Pen());
    return p;
  }();
  DoGetCellBorder(ACol, ARow, C.Pen(), borders);
  TPen left, top, right, bottom;
  left.Assign(C.Pen());
  top.Assign(C.Pen());
  right.Assign(C.Pen());
  bottom.Assign(C.Pen());
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, ACol, left, top, right, bottom);
  const int h = (C.Pen().Width + 1) / 2;
  const int v = Options().Contains(goHorzLine) ? h : 0;
  const int u = Options().Contains(goVertLine) ? h : 0;
  R.Left += u;
  R.Bottom -= v;
  auto line = [&C](const TPen& pen, int x0, int y0, int x1, int y1) {
    C.Pen().Assign(pen);
    C.MoveTo(x0, y0);
    C.LineTo(x1, y1);
  };
  if (borders.Contains(cbLeft)) line(left, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
  R.Right -= u;
  if (borders.Contains(cbRight)) line(right, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  if (borders.Contains(cbTop)) {
    R.Top += v;
    const int y = GridLineWidth() > 0 ? std::max(0, R.Top - GridLineWidth()) : R.Top + 1;
    line(top, R.Left, y, R.Right, y);
  }
  if (borders.Contains(cbBottom)) line(bottom, R.Left - GridLineWidth() - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
  C.Pen().Assign(saved);
}

void TPlexStringGrid::PaintTreeLines(TCanvas& C, TPaintCellState& P) {
  const TCellNode& node = *FCellNode;
  if (P.RCol != 0 || P.ARow < FixedRows() || !HasNodes() || !node.ShowTree()) return;
  C.Pen().Color = node.TreeColor();
  C.Pen().Width = 1;
  P.R.Left = GetNodeIndent(P.ARow);
  const int indent = node.NodeIndent();
  const int x = P.R.Left + indent / 2 - indent + 2;
  const int mid = (P.R.Top + P.R.Bottom) / 2;
  const TCellProperties* props = PropsOf(0, P.ARow);
  const int level = props ? props->NodeLevel : 0;
  auto line = [&C](int x0, int y0, int x1, int y1) {
    C.MoveTo(x0, y0);
    C.LineTo(x1, y1);
  };
  if (level > 0) line(x, mid, node.ShowTreeFull() ? P.R.Right : P.R.Left + 4, mid);
  const int span = GetNodeSpanType(P.ARow);
  if (span == 1) line(x, P.R.Top, x, mid);
  if (span == 2) line(x, P.R.Top, x, P.R.Bottom + 4);
  if (!props) return;
  const bool last = P.ARow >= RowCount() - 1;
  const TCellProperties* next = last ? nullptr : PropsOf(0, P.ARow + 1);
  const bool continues = next && next->NodeLevel != 0;
  for (int i = 1; i <= level; ++i) {
    const int xi = x - indent * i;
    line(xi, P.R.Top, xi, mid);
    if (continues)
      line(xi, mid, xi, P.R.Bottom + 4);
    else if (i < level)
      line(xi, mid, x + indent - indent * i, mid);
  }
}

void TPlexStringGrid::PaintFocusRect(TCanvas& C, TPaintCellState& P) {
  if (HideFocusRect || !Focused() || Options().Contains(goRowSelect)) return;
  if (Col() < FixedCols() || Row() < FixedRows()) return;
  const TPoint base = BaseCell(P.ACol, P.ARow);
  if (base.X != Col() || base.Y != Row()) return;
  TRect r = P.R;
  InflateRect(r, GridLineWidth() - 1, GridLineWidth() - 1);
  r.Right -= 1;
  r.Bottom -= 1;
  C.DrawFocusRect(r);
}

// A plain vertical bar: arrows at both ends and a thumb sized by page / range.
void TPlexStringGrid::DrawCellScrollBar(TCanvas& C, const TRect& R, int Position, int Page, int Range) {
  FillRectColor(C, R, clBtnFace);
  const int arrow = std::min(R.Width(), R.Height() / 3);
  const TRect track(R.Left, R.Top + arrow, R.Right, R.Bottom - arrow);
  DrawFrameControl(C, TRect(R.Left, R.Top, R.Right, R.Top + arrow), DFC_SCROLL, DFCS_SCROLLUP);
  DrawFrameControl(C, TRect(R.Left, R.Bottom - arrow, R.Right, R.Bottom), DFC_SCROLL, DFCS_SCROLLDOWN);
  if (Range <= 0 || track.Height() <= 0) return;
  const int thumb = std::max(6, track.Height() * Page / (Range + Page));
  const int top = track.Top + (track.Height() - thumb) * std::clamp(Position, 0, Range) / Range;
  DrawFrameControl(C, TRect(R.Left, top, R.Right, top + thumb), DFC_BUTTON, DFCS_BUTTONPUSH);
}
