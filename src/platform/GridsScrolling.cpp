// Scroll bars on the fixed 0..127 thumb scale, the scroll messages, and the
// grid's other window messages (drag-scroll timer, typing into the editor).
#include "platform/Grids.h"

#include "platform/ControlMessages.h"
#include "platform/WindowHandles.h"

#include <QScrollBar>

#include <algorithm>

namespace {
// a * b / c rounded to the nearest integer; 0 when c is 0.
int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  const long long p = (long long)a * b;
  return int(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}
}  // namespace

int TCustomGrid::ScrollThumbOf(bool Vertical) const {
  const TGridCoord maxTL = MaxTopLeft();
  const int fixed = Vertical ? FFixedRows : FFixedCols;
  const int range = (Vertical ? maxTL.Y : maxTL.X) - fixed;
  const int first = (Vertical ? FTopLeft.Y : FTopLeft.X) - fixed;
  if (range <= 0) return 0;
  return std::clamp(MulDivRound(first, GridScrollScale, range), 0, GridScrollScale);
}

void TCustomGrid::UpdateScrollPos() {
  if (!FHScroll || !FVScroll) return;
  FUpdatingScroll = true;
  FHScrollInfo.Pos = ScrollThumbOf(false);
  FVScrollInfo.Pos = ScrollThumbOf(true);
  FHScroll->setValue(FHScrollInfo.Pos);
  FVScroll->setValue(FVScrollInfo.Pos);
  FUpdatingScroll = false;
}

TScrollInfo TCustomGrid::GetScrollInfo(int Bar) const { return Bar == SB_VERT ? FVScrollInfo : FHScrollInfo; }

void TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw) {
  if (Bar != SB_HORZ && Bar != SB_VERT) return;
  TScrollInfo& kept = Bar == SB_VERT ? FVScrollInfo : FHScrollInfo;
  QScrollBar* bar = Bar == SB_VERT ? FVScroll : FHScroll;
  kept = Info;
  kept.Max = std::max(Info.Max, Info.Min);
  kept.Page = std::clamp(Info.Page, 0, kept.Max - kept.Min + 1);
  const int last = kept.Page > 0 ? kept.Max - kept.Page + 1 : kept.Max;
  kept.Pos = std::clamp(Info.Pos, kept.Min, last);
  if (!bar) return;
  FUpdatingScroll = true;
  bar->setRange(kept.Min, last);
  // The thumb covers Page of the whole range, as the system's bar draws it.
  if (kept.Page > 0) bar->setPageStep(kept.Page);
  bar->setValue(kept.Pos);
  FUpdatingScroll = false;
  if (Redraw) bar->update();
}

void TCustomGrid::UpdateScrollRange() {
  if (!FHScroll || !FVScroll || FUpdatingScroll) return;
  const bool allowH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  const bool allowV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  // Decided afresh from a window without bars: starting from the bars already up would keep
  // them once the cells fit again, as their own room is what the cells lack. A bar that
  // appears narrows the room of the other and may make it needed too, so settle until
  // nothing changes (bars only ever go up here, so three passes at most).
  FHBarOn = false;
  FVBarOn = false;
  for (int pass = 0; pass < 3; ++pass) {
    const TGridCoord maxTL = MaxTopLeft();
    const bool h = FHBarOn || (allowH && maxTL.X > FFixedCols);
    const bool v = FVBarOn || (allowV && maxTL.Y > FFixedRows);
    if (h == FHBarOn && v == FVBarOn) break;
    FHBarOn = h;
    FVBarOn = v;
  }
  PlaceScrollBars();
  const TGridCoord maxTL = MaxTopLeft();
  if (FTopLeft.X > maxTL.X || FTopLeft.Y > maxTL.Y)
    MoveTopLeft(std::min(FTopLeft.X, maxTL.X), std::min(FTopLeft.Y, maxTL.Y));
  UpdateScrollPos();
}

void TCustomGrid::PlaceScrollBars() {
  const int vw = FVScroll->sizeHint().width();
  const int hh = FHScroll->sizeHint().height();
  FVScroll->setGeometry(Width() - vw, 0, vw, Height() - (FHBarOn ? hh : 0));
  FHScroll->setGeometry(0, Height() - hh, Width() - (FVBarOn ? vw : 0), hh);
  FVScroll->setVisible(FVBarOn);
  FHScroll->setVisible(FHBarOn);
}

void TCustomGrid::ShowScrollBar(int Bar, bool Show) {
  if (!FHScroll || !FVScroll) return;
  const bool h = Bar == SB_HORZ || Bar == SB_BOTH ? Show : FHBarOn;
  const bool v = Bar == SB_VERT || Bar == SB_BOTH ? Show : FVBarOn;
  if (h == FHBarOn && v == FVBarOn) return;
  FHBarOn = h;
  FVBarOn = v;
  PlaceScrollBars();
  Invalidate();
}

void TCustomGrid::EnableScrollBar(int Bar, bool Enable) {
  if (Bar == SB_HORZ || Bar == SB_BOTH)
    if (FHScroll) FHScroll->setEnabled(Enable);
  if (Bar == SB_VERT || Bar == SB_BOTH)
    if (FVScroll) FVScroll->setEnabled(Enable);
}

bool TCustomGrid::ScrollBarEnabled(int Bar) const {
  const QScrollBar* bar = Bar == SB_VERT ? FVScroll : FHScroll;
  return bar && bar->isEnabled();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  UpdateScrollRange();
  Invalidate();
}

void TCustomGrid::ModifyScrollBar(bool Vertical, int ScrollCode, int Pos) {
  const TGridCoord maxTL = MaxTopLeft();
  const int fixed = Vertical ? FFixedRows : FFixedCols;
  const int maxFirst = Vertical ? maxTL.Y : maxTL.X;
  const int first = Vertical ? FTopLeft.Y : FTopLeft.X;
  const int page = std::max(1, Vertical ? VisibleRowCount() : VisibleColCount());
  int target = first;
  switch (ScrollCode) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      target = fixed + MulDivRound(std::clamp(Pos, 0, GridScrollScale), maxFirst - fixed, GridScrollScale);
      break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = maxFirst; break;
    default: return;
  }
  target = std::clamp(target, fixed, std::max(fixed, maxFirst));
  if (Vertical)
    MoveTopLeft(FTopLeft.X, target);
  else
    MoveTopLeft(target, FTopLeft.Y);
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      ModifyScrollBar(Message.Msg == WM_VSCROLL, LoWord(LPARAM(Message.WParam)), HiWord(LPARAM(Message.WParam)));
      Message.Result = 0;
      return;
    case WM_TIMER:
      if (Message.WParam == GridDragScrollTimerId) {
        TimedScroll();
        return;
      }
      break;
    case WM_COMMAND:
      // A child's notification goes back to the child, which acts on it.
      if (TControl* sender = FindControl(HWND(Message.LParam)); sender && sender != this)
        SendMessage(sender, CN_COMMAND, Message.WParam, Message.LParam);
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_CHAR: {
      const QChar ch(char16_t(Message.WParam));
      // Also into an editor already shown: the character is typed there.
      if (FOptions.Contains(goEditing) && (ch == QChar(8) || ch.unicode() >= 32)) {
        ShowEditorChar(ch);
        if (FEditorMode) {
          Message.WParam = 0;
          return;
        }
      }
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateCell(FCurrent.X, FCurrent.Y); break;
    default: break;
  }
  TCustomControl::WndProc(Message);
}

void TCustomGrid::Resize() {
  UpdateScrollRange();
  UpdateEdit();
  TCustomControl::Resize();
}
