// The hint of the cell under the mouse, as the application's hint mechanism
// asks for it: a comment, a link's title, the cell's own text or the text
// that does not fit, and the form's OnGridHint, with the hint window class
// that draws mini-HTML and wide text.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/editing/FireEvent.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/HintWindow.h"

namespace {

// Where a hint sits relative to the cell or the mouse.
constexpr int BelowCell = 6;
constexpr TPoint LinkHintOffset{8, -16};

}  // namespace

void TPlexStringGrid::GetCellHintInfo(QString& HintStr, THintInfo& HintInfo) {
  int ACol = -1, ARow = -1;
  MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
  if (FControlLook->HintMaxWidth > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth;
  THTMLHintWindow::SetGridFontName(Font().Name());
  if (ACol >= 0 && ARow >= 0) {
    const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
    ACol = RealToDisplayCol(b.X);
    ARow = b.Y;
    FLastHintPos = TPoint(ACol, ARow);
    const TRect r = CellRect(ACol, ARow);
    const int rcol = DisplayToRealCol(ACol);
    TPoint pos(HintInfo.CursorPos.X, r.Bottom + BelowCell);
    QString comment;
    if (IsComment(rcol, ARow, comment)) {
      HintStr = comment;
      pos = TPoint(r.Right, r.Top);
    }
    const QString text = GetCellEx(rcol, ARow);
    const int kind = CellTextKind(text, EnableHTML);
    if (kind == ctkHtml && AnchorHint) {
      TRect area = r;
      area.Left += XYOffset.X + 1;
      area.Top += XYOffset.Y + 1;
      THtmlDrawParams params;
      params.HitTestOnly = true;
      params.HitX = HintInfo.CursorPos.X;
      params.HitY = HintInfo.CursorPos.Y;
      params.WindowHandle = this;
      THtmlDrawResults hit;
      Canvas().Font().Assign(ACol < FixedCols() || ARow < FixedRows() ? FixedFont() : Font());
      if (DrawHtmlText(Canvas(), text, area, params, hit) && !hit.HitAnchorHref.isEmpty()) {
        QString hint = hit.HitAnchorTitle.isEmpty() ? hit.HitAnchorHref : hit.HitAnchorTitle;
        Fire(OnAnchorHint, this, ARow, rcol, hint);
        FLastAnchorHint = hint;
        HintStr = hint;
        pos = TPoint(HintInfo.CursorPos.X + LinkHintOffset.X, HintInfo.CursorPos.Y + LinkHintOffset.Y);
      }
    }
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FixedRightCols() &&
                        ARow < RowCount() - FixedFooters();
    if (HintShowCells && normal) {
      pos.Y = r.Top;
      HintStr = kind == ctkWide || HTMLHint ? text : StrippedCells(rcol, ARow);
    }
    if (HintShowLargeText) {
      const bool enhanced = EnhTextSize;
      EnhTextSize = false;
      const TSize s = GetCellTextSize(rcol, ARow, false, false);
      EnhTextSize = enhanced;
      if (s.cx > r.Width() || s.cy > r.Height()) {
        if (HintShowLargeTextPos == hpCell) pos = TPoint(r.Left, r.Top);
        HintStr = kind == ctkWide || HTMLHint || kind != ctkHtml ? text : StrippedCells(rcol, ARow);
      }
    }
    const bool footerRow = ARow == RowCount() - 1 && FFloatingFooter->Visible();
    if (!footerRow) {
      QString wide;
      DoGridHint(ACol, ARow, HintStr, wide);
    }
    const int finalKind = CellTextKind(HintStr, true);
    if ((finalKind == ctkHtml || finalKind == ctkWide) && UseInternalHintClass) {
      HintInfo.HintWindowClass = &MakeHintWindow<THTMLHintWindow>;
      HintInfo.HintData = static_cast<TObject*>(this);
    }
    HintInfo.HintPos = ClientToScreen(pos);
  }
  HintInfo.HintColor = HintColor;
}
