// The grid's scroll bars: the look and thumb settings, the horizontal and
// vertical scroll messages (scroll hints, tracking in step, the room of the
// search footer, the scroll bar of a cell) and the proportional thumbs.
// Both bars keep the base grid's 0..127 thumb scale in every look.
#include "grid/core/BackGround.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "platform/FindControl.h"
#include "platform/HintWindow.h"
#include "platform/ScrollBar.h"
#include "platform/WindowHandles.h"

#include <algorithm>
#include <cmath>

namespace {

// a * b / c to the nearest integer, as the system's MulDiv rounds.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long p = (long long)a * b;
  const long long h = std::llabs(c) / 2;
  return int((p >= 0) == (c > 0) ? (p + (p >= 0 ? h : -h)) / c : (p - (p >= 0 ? h : -h)) / c);
}

int Nearest(double x) { return int(std::nearbyint(x)); }

constexpr int ScrollHintMaxWidth = 100;
constexpr int ScrollHintCursorGap = 10;
constexpr int CellScrollBarWidth = 17;
constexpr int CellScrollLine = 10;
constexpr int CellScrollPage = 100;

}  // namespace

// ---- settings

void TPlexStringGrid::SetScrollType(TScrollType Value) {
  if (Value != FScrollType) {
    const TScrollType old = FScrollType;
    FScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
      FlatInit();
      FlatUpdateScrollBars();
    } else {
      FlatDone();
    }
    if (FWindowCreated && !IsDesigning()) {
      if (Value == ssMetro) {
        // The window bars go first, so the thin bars are laid out in the whole client area.
        SetScrollBars(ssNone);
        CreateScrollControls();
      } else if (old == ssMetro && (FVScrollControl || FHScrollControl)) {
        FreeScrollControls();
        SetScrollBars(ssBoth);
      }
    }
  }
  FlatUpdateStyle();
}

void TPlexStringGrid::SetScrollColor(TColor Value) {
  FScrollColor = Value;
  FlatUpdateColor();
}

void TPlexStringGrid::SetScrollWidth(int Value) {
  FScrollWidth = Value;
  FlatUpdateWidth();
}

void TPlexStringGrid::SetScrollProportional(bool Value) {
  FScrollProportional = Value;
  if (!Value) return;
  UpdateVScrollProportional();
  UpdateHScrollProportional();
}

void TPlexStringGrid::SetXYOffset(TPoint Value) {
  XYOffset = Value;
  Invalidate();
}

// ---- scroll messages

int TPlexStringGrid::ThumbToIndex(bool Vertical, int Pos) const {
  if (Vertical) return MulDiv(Pos, RowCount() - VisibleRowCount() - FixedRows(), GridScrollScale) + FixedRows();
  return MulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), GridScrollScale) + FixedCols();
}

// The cells under the corners of a background picture that stays in place.
TRect TPlexStringGrid::BackGroundCells() const {
  TBackGround& bg = *FBackGround;
  int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
  MouseToCell(bg.Left(), bg.Top(), c1, r1);
  MouseToCell(bg.Left() + bg.Bitmap().Width(), bg.Top() + bg.Bitmap().Height(), c2, r2);
  return TRect(c1, r1, c2, r2);
}

bool TPlexStringGrid::HandleScroll(TMessage& Message) {
  if (Message.Msg == WM_HSCROLL) {
    HandleHScroll(Message);
    return true;
  }
  if (Message.Msg == WM_VSCROLL) {
    HandleVScroll(Message);
    return true;
  }
  if (Message.Msg == WM_GETDLGCODE) {
    TBaseGrid::WndProc(Message);
    if (!Options().Contains(goEditing) || FNavigation->AutoGotoWhenSorted) Message.Result |= DLGC_WANTCHARS;
    return true;
  }
  return false;
}

void TPlexStringGrid::ShowScrollHint(bool Vertical, int Index) {
  QString hint = QString(Vertical ? "Row : " : "Col : ") + QString::number(Index);
  if (OnScrollHint) OnScrollHint(this, Index, hint);
  if (!FScrollHintWnd) FScrollHintWnd = new THintWindow(this);
  FScrollHintWnd->SetColor(HintColor);
  TRect r = FScrollHintWnd->CalcHintRect(ScrollHintMaxWidth, hint);
  const TPoint at = CursorPos();
  r = TRect(at.X + ScrollHintCursorGap, at.Y, at.X + ScrollHintCursorGap + r.Width(), at.Y + r.Height());
  FScrollHintWnd->ActivateHint(r, hint);
  FScrollHintShow = true;
}

void TPlexStringGrid::HandleHScroll(TMessage& Message) {
  const int code = LoWord(LPARAM(Message.WParam));
  int pos = HiWord(LPARAM(Message.WParam)) & 0xFFFF;
  if (FScrollHints == shHorizontal || FScrollHints == shBoth) {
    if (code == SB_ENDSCROLL && FScrollHintWnd) {
      FScrollHintWnd->ReleaseHandle();
      FScrollHintShow = false;
    }
    if (code == SB_THUMBTRACK) ShowScrollHint(false, ThumbToIndex(false, pos));
  }
  // The flat bar's thumb covers part of the track, so its end is below 127.
  if (code == SB_THUMBPOSITION && FIsFlat) {
    const int p = Nearest(VisibleColCount() * 128.0 / ColCount());
    if (p != 128) pos = Nearest(pos * 127.0 / (128 - p));
    Message.WParam = WPARAM(code) | (WPARAM(pos & 0xFFFF) << 16);
  }
  const int reached = ThumbToIndex(false, pos);
  if (code == SB_THUMBTRACK && ScrollSynch) SetLeftCol(std::clamp(reached, FixedCols(), ColCount() - 1));
  const bool fixedPicture = FBackGround->Display() == bdFixed && !FBackGround->Bitmap().Empty();
  const TRect before = fixedPicture ? BackGroundCells() : TRect();
  if (FixedCols() == 0 && Col() <= reached && EditorMode()) HideEdit();
  TBaseGrid::WndProc(Message);
  if (fixedPicture && code != SB_THUMBTRACK) {
    const TRect after = BackGroundCells();
    if (after != before) {
      RepaintRect(before);
      RepaintRect(after);
    }
  }
  if (code == SB_ENDSCROLL && ((BiDiMode() != bdLeftToRight && MergeCount() > 0) || ColCount() == 1)) Invalidate();
  FlatUpdateHScrollInfo();
  FlatUpdateVScrollInfo();
  if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
  if (FFloatingFooter->Visible()) UpdateFooter();
}

void TPlexStringGrid::HandleVScroll(TMessage& Message) {
  if (IsDesigning()) {
    TBaseGrid::WndProc(Message);
    return;
  }
  if (HandleCellScrollBar(Message)) return;
  const int code = LoWord(LPARAM(Message.WParam));
  const int pos = HiWord(LPARAM(Message.WParam)) & 0xFFFF;
  if (FScrollHints == shVertical || FScrollHints == shBoth) {
    if (code == SB_ENDSCROLL && FScrollHintWnd) {
      FScrollHintWnd->ReleaseHandle();
      FScrollHintShow = false;
    }
    if (code == SB_THUMBTRACK) ShowScrollHint(true, ThumbToIndex(true, pos));
  }
  if (code == SB_THUMBTRACK && ScrollSynch) SetTopRow(std::clamp(ThumbToIndex(true, pos), FixedRows(), RowCount() - 1));
  const bool fixedPicture = FBackGround->Display() == bdFixed && !FBackGround->Bitmap().Empty();
  const TRect before = fixedPicture ? BackGroundCells() : TRect();
  const bool footer = FSearchFooter->Visible();
  if (footer && (code == SB_LINEDOWN || code == SB_ENDSCROLL) && IsLastRowAboveSearchFooter()) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WndProc(Message);
  if (footer && TopRow() == RowCount() - VisibleRowCount()) {
    if (code == SB_LINEUP && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (code == SB_LINEDOWN || code == SB_ENDSCROLL) ScrollAboveSearchFooter();
  }
  if (fixedPicture && code != SB_THUMBTRACK) {
    const TRect after = BackGroundCells();
    if (after != before) {
      RepaintRect(before);
      RepaintRect(after);
    }
  }
  FlatUpdateVScrollInfo();
  FlatUpdateHScrollInfo();
  if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
}

// A message from the scroll bar of a cell moves that cell's scrolling area only.
bool TPlexStringGrid::HandleCellScrollBar(TMessage& Message) {
  if (!FScrollBar || HWND(Message.LParam) != WindowHandle(FScrollBar)) return false;
  SendMessage(WindowHandle(FScrollBar), Message.Msg, Message.WParam, Message.LParam);
  const int code = LoWord(LPARAM(Message.WParam));
  const int old = FScrollBar->Position();
  switch (code) {
    case SB_LINEUP: FScrollBar->SetPosition(std::max(FScrollBar->Min(), old - CellScrollLine)); break;
    case SB_LINEDOWN: FScrollBar->SetPosition(std::min(FScrollBar->Max(), old + CellScrollLine)); break;
    case SB_PAGEUP: FScrollBar->SetPosition(old - CellScrollPage); break;
    case SB_PAGEDOWN: FScrollBar->SetPosition(old + CellScrollPage); break;
    case SB_THUMBTRACK: FScrollBar->SetPosition(HiWord(LPARAM(Message.WParam)) & 0xFFFF); break;
    default: break;
  }
  if (FScrollBar->Position() != old) {
    Message.Result = 1;
    SetScrollPosition(FScrollCol, FScrollRow, FScrollBar->Position());
    RepaintCell(FScrollCol, FScrollRow);
    DoScrollCell(FScrollCol, FScrollRow, FScrollBar->Position(), FScrollBar->Min(), FScrollBar->Max());
  }
  return true;
}

TScrollBar* TPlexStringGrid::CellScrollBar() {
  if (!FScrollBar) {
    FScrollBar = new TScrollBar(this);
    FScrollBar->SetKind(sbVertical);
    FScrollBar->SetVisible(false);
    FScrollBar->SetParent(this);
  }
  return FScrollBar;
}

void TPlexStringGrid::ServeCellScrollBar(int ACol, int ARow) {
  if (!HasScrollBar(ACol, ARow)) {
    if (FScrollBar) FScrollBar->Hide();
    return;
  }
  TScrollBar* bar = CellScrollBar();
  const bool sameCell = FScrollCol == ACol && FScrollRow == ARow && bar->Visible();
  FScrollCol = ACol;
  FScrollRow = ARow;
  const TScrollProp prop = GetScrollProp(ACol, ARow);
  const int position = GetScrollPosition(ACol, ARow);
  bar->SetPosition(position);
  if (prop.PageSize >= prop.Range || sameCell) return;
  const TRect r = CellRect(ACol, ARow);
  const int lw = GridLineWidth();
  bar->SetParams(position, 0, prop.Range);
  bar->SetPageSize(prop.PageSize);
  bar->SetBounds(r.Right - CellScrollBarWidth - lw, r.Top + lw, CellScrollBarWidth, r.Height() - 2 * lw);
  bar->Show();
}

// ---- proportional thumbs

void TPlexStringGrid::UpdateHScrollProportional() {
  if (FLoading || IsDesigning() || !FScrollProportional || FScrollLock) return;
  const TScrollInfo info = GetScrollInfo(SB_HORZ);
  const int lw = GridLineWidth();
  int fixed = lw, total = lw, before = lw, all = 0;
  for (int c = 0; c < ColCount(); ++c) {
    all += ColWidths(c);
    if (c < FixedCols()) {
      fixed += ColWidths(c) + lw;
      continue;
    }
    total += ColWidths(c) + lw;
    if (c < LeftCol()) before += ColWidths(c) + lw;
  }
  const int width = Width();
  const float r = float(width - fixed) / float(total);
  if (!(r < 0.9999f)) return;
  const float max = (127 + r) / (1 - r);
  const float pos = width < total ? float(before) / float(total - width) * 128 : float(info.Pos);
  if (total + fixed - width < 5) return;
  TScrollInfo next = info;
  next.Max = int(std::trunc(max));
  next.Page = next.Max - 126;
  next.Pos = int(std::trunc(pos));
  SetScrollInfo(SB_HORZ, next, true);
  FlatUpdateHScrollInfo();
  if (FScrollBarAlways == saHorz || FScrollBarAlways == saBoth) return;
  const bool allowed = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
  if (!(all >= width && allowed)) ShowScrollBar(SB_HORZ, false);
}

void TPlexStringGrid::UpdateVScrollProportional() {
  if (FLoading || IsDesigning() || !FScrollProportional || FScrollLock) return;
  if (VisibleRowCount() + FixedRows() >= RowCount()) return;
  const TScrollInfo info = GetScrollInfo(SB_VERT);
  const int lw = GridLineWidth();
  int fixed = lw, total = lw, before = lw;
  for (int r = 0; r < RowCount(); ++r) {
    if (r < FixedRows()) {
      fixed += RowHeights(r) + lw;
      continue;
    }
    total += RowHeights(r) + lw;
    if (r < TopRow()) before += RowHeights(r) + lw;
  }
  if (total == 0) return;
  const int height = Height();
  const float r = float(height - fixed) / float(total);
  if (!(r < 0.9999f)) return;
  const float max = (127 + r) / (1 - r);
  const float pos = height < total ? float(before) / float(total - height) * 128 : 127.0f;
  TScrollInfo next = info;
  next.Max = int(std::trunc(max));
  next.Page = next.Max - 126;
  next.Pos = int(std::trunc(pos));
  SetScrollInfo(SB_VERT, next, true);
  FlatUpdateVScrollInfo();
}
