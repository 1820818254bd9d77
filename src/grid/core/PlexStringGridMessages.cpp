// The grid's window procedure: one dispatcher that runs the grid's steps in
// their fixed order before the platform's own handling. A step that ends the
// message returns before the platform sees it.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/PlexGridUnit.h"
#include "grid/core/ScrollControl.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/HeaderDragButton.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/SearchPanel.h"
#include "grid/foundation/IntList.h"
#include "platform/ControlMessages.h"
#include "platform/FocusQuery.h"
#include "platform/HintWindow.h"
#include "platform/ResourceCursors.h"
#include "platform/WindowHandles.h"
#include "platform/WindowRedraw.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The office theme notifier's message to the windows registered with it.
constexpr UINT WM_OFFICETHEMECHANGED = 2993;

// Editor kinds whose typed text is shown in the cell while editing.
constexpr std::array<TEditorType, 18> EditProcessKinds = {
    edNormal,       edNumeric,      edPositiveNumeric, edFloat,          edCapital,      edMixedCase,
    edPassword,     edLowerCase,    edUpperCase,       edPositiveFloat,  edSpinEdit,     edFloatSpinEdit,
    edTimeSpinEdit, edDateSpinEdit, edEditBtn,         edNumericEditBtn, edFloatEditBtn, edMaskEditBtn};

unsigned NotifyCode(const TMessage& m) { return unsigned(HiWord(LPARAM(m.WParam)) & 0xFFFF); }

}  // namespace

void TPlexStringGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_DESTROY) {
    if (AutoThemeAdapt() && !IsDesigning()) RecordFeatureCall("UnRegisterThemeNotifier");
    if (FDropTargetRegistered) RegisterDropTarget(false);
    KillTimer(PlexGridDefaults::GridTimerId);
  }
  if (FDestroying) {
    TBaseGrid::WndProc(Message);
    return;
  }
  const bool firstPaint = Message.Msg == WM_PAINT && FPaintCount == 0;
  if (!IsDesigning() && (Message.Msg == WM_SIZE || Message.Msg == CM_UIACTIVATE || Message.Msg == WM_LBUTTONUP ||
                         (firstPaint && FScrollProportional))) {
    UpdateVScrollProportional();
    UpdateHScrollProportional();
  }
  if (DispatchEarlySteps(Message)) return;
  if (HandleScroll(Message)) return;
  // The platform's handling would send the command back a second time.
  if (Message.Msg == WM_COMMAND) {
    DispatchCommand(Message);
    return;
  }
  if (DispatchPanAndWheel(Message)) return;
  if (DispatchMouseButtons(Message)) return;
  if ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN || Message.Msg == WM_CHAR ||
       Message.Msg == WM_KEYUP) &&
      FEditActive && FEditControl == edCustom && FEditLink) {
    // A key the link's control leaves unused travels up to the grid's window;
    // taking it would move the current cell from under the open editor.
    TWinControl* focused = FindFocusedControl();
    if (focused && focused != this) {
      Message.WParam = 0;
      Message.Result = 1;
      return;
    }
  }
  const int row = Row();
  // The keys and the grid timer have their own steps around the platform's handling.
  if (Message.Msg == WM_KEYDOWN)
    WMKeyDown(Message);
  else if (Message.Msg == WM_CHAR)
    WMChar(Message);
  else if (Message.Msg == WM_TIMER)
    WMTimer(Message);
  else if (Message.Msg == WM_KILLFOCUS)
    WMKillFocus(Message);
  else if (Message.Msg == CM_EXIT)
    LeftWithEditor();
  else
    TBaseGrid::WndProc(Message);
  // A grid without tab stop counts its first paint, after which the paint
  // no longer updates the thumbs.
  if (firstPaint && !TabStop() && FUpdateCount == 0) {
    UpdateVScrollProportional();
    ++FPaintCount;
  }
  TCustomGrid* synced = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid());
  if (Row() != row && synced && FSyncGrid->SelectionRow && synced->Row() != Row() && Row() < synced->RowCount())
    synced->SetRow(Row());
}

// Committing an editor moves the focus away from the grid and back; that is
// no loss of focus. A real one repaints a merged current cell and releases a
// form button held down in a cell.
void TPlexStringGrid::WMKillFocus(TMessage& Message) {
  if (FBlockKill) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WndProc(Message);
  if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
  if (FCtrlDown) {
    FCtrlDown = false;
    InvalidateCell(RealToDisplayCol(FCtrlXY.X), FCtrlXY.Y);
  }
}

// Steps 3 to 8 and the grid's own message handlers; true when the message ends here.
bool TPlexStringGrid::DispatchEarlySteps(TMessage& Message) {
  const UINT editDone = PlexGridUnitState().GridEditDoneMessage;
  if (editDone != 0 && Message.Msg == editDone) HandleEditDone(Message);
  if (Message.Msg == WM_CANCELMODE && EnhRowColMove && (GridState() == gsRowMoving || GridState() == gsColMoving)) {
    ShowCursorNow(this, crDefault);
    if (FHeaderDragButton) {
      FHeaderDragButton->SetEnabled(false);
      FHeaderDragButton->Hide();
    }
    KillTimer(GridDragScrollTimerId);
    SetGridState(gsNormal);
  }
  if ((Message.Msg == WM_THEMECHANGED || Message.Msg == WM_OFFICETHEMECHANGED) && AutoThemeAdapt()) ApplyOfficeTheme();
  if (Message.Msg == WM_NCPAINT) {
    TBaseGrid::WndProc(Message);
    if (!UpdateInProgress()) PaintNonClientBorder();
    Message.Result = 0;
    return true;
  }
  if (Message.Msg == WM_PAINT && FUpdateCount > 0) {
    Message.Result = 0;
    return true;
  }
  if (Message.Msg == WM_ERASEBKGND) {
    // Painting covers the whole client area; a separate erase would only flicker.
    Message.Result = 0;
    return true;
  }
  if (Message.Msg == WM_SIZE) {
    HandleSize(Message);
    return true;
  }
  return HandleControlMessage(Message);
}

// Posted at the end of an edit, so the handler runs after whatever ended it.
void TPlexStringGrid::HandleEditDone(TMessage& Message) {
  DoEditCellDone(int(Message.WParam), int(Message.LParam));
  if (FMouseActions->EditOnDblClickOnly()) {
    if (EditorMode()) HideEdit();
    SetEditorMode(false);
    DisableEditing();
  }
}

bool TPlexStringGrid::HandleControlMessage(TMessage& Message) {
  switch (Message.Msg) {
    case CM_HINTSHOW:
      if (auto* info = reinterpret_cast<THintInfo*>(Message.LParam)) GetCellHintInfo(info->HintStr, *info);
      Message.Result = 0;
      return true;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return true;
    case CM_STYLECHANGED: CMStyleChanged(Message); return true;
    case WM_SETCURSOR: WMSetCursor(Message); return true;
    case WM_NOTIFY: WMNotify(Message); return true;
    case CM_ENABLEDCHANGED:
      TBaseGrid::WndProc(Message);
      Invalidate();
      return true;
    case CM_COLORCHANGED:
      TBaseGrid::WndProc(Message);
      if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
      return true;
    case CM_CURSORCHANGED:
      // Only a cursor change from outside ends a mouse selection mode.
      if (!FOwnCursorChange) FMouseSelectMode = msNormal;
      FOwnCursorChange = false;
      return false;
    default: return false;
  }
}

// Steps 9 to 14: the editors' notifications. Every command reaches the
// control that sent it exactly once, so its change event fires once a keystroke.
bool TPlexStringGrid::DispatchCommand(TMessage& Message) {
  const unsigned code = NotifyCode(Message);
  TControl* sender = FindControl(HWND(Message.LParam));
  if (sender && sender != this) SendMessage(sender, CN_COMMAND, Message.WParam, Message.LParam);
  const bool fromCombo = sender && sender == FCombobox;
  if (code == EN_CHANGE && ShowEditProcess) {
    TWinControl* editor = InplaceEditor();
    if (editor) SetWindowRedraw(editor, false);
    if (EditorMode() && editor &&
        std::find(EditProcessKinds.begin(), EditProcessKinds.end(), FEditControl) != EditProcessKinds.end())
      SetEditText(Col(), Row(), editor->Text());
    if (editor) SetWindowRedraw(editor, true);
    return true;
  }
  if (fromCombo && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && EditorMode()) ComboChanged();
  if (fromCombo && code == CBN_CLOSEUP) ComboClosedUp();
  if (fromCombo && code == CBN_DROPDOWN) DoComboDropDown(Row(), RealColIndex(Col()));
  if (code == CBN_EDITCHANGE && OnComboChange && FCombobox) OnComboChange(this, Col(), Row(), -1, FCombobox->Text());
  return false;
}

void TPlexStringGrid::ComboChanged() {
  if (!FCombobox) return;
  const int index = FCombobox->ItemIndex();
  const QString text = index >= 0 ? FCombobox->Items()[index] : FCombobox->Text();
  if (OnComboChange) OnComboChange(this, RealColIndex(Col()), Row(), index, text);
  if (OnComboObjectChange)
    OnComboObjectChange(this, RealColIndex(Col()), Row(), index, text,
                        index >= 0 ? FCombobox->Items().Objects(index) : nullptr);
}

void TPlexStringGrid::ComboClosedUp() {
  if (FMouseActions->DirectComboClose && FCombobox) {
    const int index = FCombobox->ItemIndex();
    if (index >= 0) FCombobox->SetText(FCombobox->Items()[index]);
    ComboChanged();
    FEditControl = edComboEdit;
    const bool direct = FMouseActions->DirectEdit;
    FMouseActions->DirectEdit = false;
    if (EditorMode()) HideEdit();
    FMouseActions->DirectEdit = direct;
    if (CanFocus()) SetFocus();
  }
  DoComboCloseUp(Row(), RealColIndex(Col()));
}

// WM_SIZE in its five steps; a WM_SIZE that arrives while one runs is ignored.
void TPlexStringGrid::HandleSize(TMessage& Message) {
  if (FInSize) return;
  FInSize = true;
  struct Reset {
    bool& Flag;
    ~Reset() { Flag = false; }
  } reset{FInSize};
  if (FSearchPanel->Visible()) {
    FSearchPanel->SetHeight(33);
    FSearchPanel->SetHeight(PlexGridDefaults::SearchPanelHeight);
    FSearchPanel->SetAlign(alBottom);
  }
  if (FColumnSize->SynchWithGrid && FOrigGridWidth > 0) {
    if (EditorMode()) HideEdit();
    const double ratio = (FBorderStyle == bsSingle ? Width() + 2.0 : double(Width())) / FOrigGridWidth;
    const int first = FColumnSize->SynchNormalCellsOnly ? FixedCols() : 0;
    const int last = FColumnSize->SynchNormalCellsOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
    for (int c = first; c <= last && c < FRememberedColWidths->Count(); ++c)
      SetColWidths(c, int(std::trunc(FRememberedColWidths->GetInteger(c) * ratio)));
  }
  bool handled = false;
  const int s = FColumnSize->StretchColumn == -1 ? ColCount() - 1 : FColumnSize->StretchColumn;
  // A stored stretch column that the columns no longer reach is left alone: a resize never raises.
  if (FColumnSize->Stretch() && (FScrollBarAlways == saNone || FScrollBarAlways == saVert) && s >= 0 &&
      s < ColCount()) {
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != s) others += ColWidths(c);
    if (others < Width()) {
      StretchStoredColumn();
      handled = true;
    }
  }
  if (handled && FScrollBarAlways == saNone) {
    if (OnResize) OnResize(this);
    return;
  }
  TBaseGrid::WndProc(Message);
  if (FScrollProportional) {
    UpdateVScrollProportional();
    UpdateHScrollProportional();
  }
}

void TPlexStringGrid::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  if (FDestroying) return;
  const TGridRect sel = Selection();
  if (SelectionRectangle() && sel.Bottom > sel.Top) Invalidate();
  if (FBackGround->IsGradient()) Invalidate();
  if (EditorMode() && FEditControl != edNormal) HideEdit();
  if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  FlatUpdateHScrollInfo();
  FlatUpdateVScrollInfo();
  PlaceCellControls();
  FPrevTopRow = TopRow();
  FPrevLeftCol = LeftCol();
  if (FVScrollControl) FVScrollControl->Invalidate();
  if (FHScrollControl) FHScrollControl->Invalidate();
  TCustomGrid* synced = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid());
  if (!synced) return;
  if (FSyncGrid->ScrollVertical && synced->TopRow() != TopRow() && TopRow() < synced->RowCount())
    synced->SetTopRow(TopRow());
  if (FSyncGrid->ScrollHorizontal && synced->LeftCol() != LeftCol() && LeftCol() < synced->ColCount())
    synced->SetLeftCol(LeftCol());
}

void TPlexStringGrid::InitOrigColSizes() {
  FRememberedColWidths->Clear();
  for (int c = 0; c < ColCount(); ++c) FRememberedColWidths->Add(ColWidths(c));
  FOrigGridWidth = Width();
}

// Zooming stops at ten steps either way; a column or row that would vanish keeps its size.
void TPlexStringGrid::Zoom(int X) {
  const int z = ZoomFactor + X;
  if (z > 10 || z < -10) return;
  ZoomFactor = z;
  FScrollLock = true;
  for (int c = 0; c < ColCount(); ++c)
    if (ColWidths(c) > 0 && ColWidths(c) + X > 0) SetColWidths(c, ColWidths(c) + X);
  for (int r = 0; r < RowCount(); ++r)
    if (RowHeights(r) > 0 && RowHeights(r) + X > 0) SetRowHeights(r, RowHeights(r) + X);
  FScrollLock = false;
  if (FScrollProportional) {
    UpdateVScrollProportional();
    UpdateHScrollProportional();
  }
}

void TPlexStringGrid::ResetFixedCellHighlight() {
  FSizeFixed = FSizeFixedR = false;
  FNoMouseLeave = false;
  if (HoverFixedCells == hfNone || FHoverFixedX < 0) return;
  const int c = FHoverFixedX, r = FHoverFixedY;
  FHoverFixedX = FHoverFixedY = -1;
  InvalidateCell(c, r);
}
