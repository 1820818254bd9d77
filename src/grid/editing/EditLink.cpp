#include "grid/editing/EditLink.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/FindControl.h"
#include "platform/FocusQuery.h"
#include "platform/Forms.h"
#include "platform/KeyboardState.h"
#include "platform/SysUtils.h"
#include "platform/SystemProbes.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  RestoreWinProc();
  // The pop-up form belongs to the application and outlives the link: its
  // deactivation and queued steps must no longer reach it.
  if (FPopupForm) {
    FPopupForm->OnDeactivate = nullptr;
    FPopupForm->SetMessageFilter(nullptr);
    FPopupForm->RemoveFreeNotification(this);
  }
  if (FGrid && FGrid->EditLink() == this) FGrid->SetEditLink(nullptr);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove) return;
  if (AComponent == FPopupForm) FPopupForm = nullptr;
  if (AComponent == FFiltered) {
    FFiltered = nullptr;
    FSubclassed = false;
  }
  if (AComponent == FGrid) FGrid = nullptr;
}

void TEditLink::FocusGrid() {
  FForcedExit = true;
  if (FGrid->CanFocus()) FGrid->SetFocus();
  FForcedExit = false;
}

namespace {
// What the pop-up form is posted to close once the closing key is handled.
UINT EditLinkPopupCloseMessage() {
  static const UINT message = RegisterWindowMessage("EditLinkPopupClose");
  return message;
}

// What the pop-up form is posted to open again at its cell.
UINT EditLinkPopupReopenMessage() {
  static const UINT message = RegisterWindowMessage("EditLinkPopupReopen");
  return message;
}

// The press that took the activation reaches the grid within the same burst
// of input; one arriving later is the user's next click.
constexpr uint32_t RefusedPressWindowMs = 500;

bool IsLeavingKey(WORD Key) {
  switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return true;
    default: return false;
  }
}
}  // namespace

void TEditLink::EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!FGrid) return;
  // The control must outlive its own key: a pop-up closed now is freed later.
  const bool nested = FInKeyDown;
  FInKeyDown = true;
  struct TReset {
    bool& Flag;
    bool Value;
    ~TReset() { Flag = Value; }
  } reset{FInKeyDown, nested};
  const bool alt = Shift.Contains(ssAlt);
  if (!alt && !IsLeavingKey(Key)) return;
  const bool kept = ((Key == VK_UP || Key == VK_DOWN) && WantKeyUpDown) ||
                    ((Key == VK_LEFT || Key == VK_RIGHT) && WantKeyLeftRight) ||
                    ((Key == VK_HOME || Key == VK_END) && WantKeyHomeEnd) ||
                    ((Key == VK_PRIOR || Key == VK_NEXT) && WantKeyPriorNext) || (Key == VK_RETURN && WantKeyReturn) ||
                    (Key == VK_ESCAPE && WantKeyEscape) || (Key == VK_TAB && WantTabs);
  if (kept) return;
  TPlexStringGrid* grid = FGrid;
  const WORD key = Key;
  // The grid taking the focus notes the cell's text as its old value, after
  // the control's exit wrote the new one: the validation compares with the
  // text from before the edit.
  const bool editing = grid->FEditing;
  const QString before = grid->FOldCellText;
  if (key == VK_TAB && grid->Navigation().TabToNextAtEnd) {
    FocusGrid();
    grid->CommitCellEditor(grid->Col(), grid->Row());
    Key = 0;
    if (grid->NavigateFromEditor(Shift.Contains(ssShift)) &&
        !grid->HasClickableGraphic(grid->RealColIndex(grid->Col()), grid->Row()))
      PostMessage(grid, WM_KEYDOWN, VK_F2, 0);
    return;
  }
  if (key == VK_TAB) Key = 0;
  if (key == VK_ESCAPE) SetEditorValue(grid->CellCache());
  FocusGrid();
  grid->CommitCellEditor(grid->Col(), grid->Row());
  if (EditStyle == esPopup) EditExit(this);
  grid->FEditMode = false;
  grid->SelectCell(grid->Col(), grid->Row());
  if (editing) {
    grid->FEditing = true;
    grid->FOldCellText = before;
    grid->ValidateCell(grid->GetCellEx(grid->RealColIndex(grid->Col()), grid->Row()));
  }
  if (!grid->FLastValidation) {
    grid->FLastValidation = true;
    if (!grid->FEditMode) grid->ShowCellEditor(grid->Col(), grid->Row());
    Key = 0;
    return;
  }
  grid->FLastValidation = true;
  if (key == VK_RETURN) {
    if (grid->Navigation().AdvanceOnEnter)
      grid->MoveToNextCell(grid->Col(), grid->Row(), false, true, !Shift.Contains(ssShift), false, true);
    Key = 0;
    return;
  }
  if (key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (key >= VK_PRIOR && key <= VK_DOWN) {
    WORD arrow = key;
    grid->KeyDown(arrow, Shift);
  }
  // Tab under goTabs walks on as the grid's own Tab does, and edits the next cell.
  if (key == VK_TAB && grid->Options().Contains(goTabs)) {
    WORD tab = VK_TAB;
    grid->KeyDown(tab, Shift);
    if (!grid->HasClickableGraphic(grid->RealColIndex(grid->Col()), grid->Row()))
      PostMessage(grid, WM_KEYDOWN, VK_F2, 0);
  }
  if (TWinControl* control = GetEditControl()) control->SetEnabled(false);
  FocusGrid();
  Key = 0;
}

void TEditLink::EditExit(TObject* Sender) {
  // The control losing the focus while the grid places it again is no exit.
  if (FShowing || FExited) return;
  // The focus going to another control than the grid: the value is checked
  // first, and a refused one gives the control the cell's text back, as the
  // grid's text editor does.
  if (!FInKeyDown && !FForcedExit && FGrid && EditStyle == esInplace && FindFocusedControl() != FGrid) {
    FLeaving = true;
    const bool valid = CheckBeforeLeaving();
    FLeaving = false;
    if (!valid) SetEditorValue(GetCellValue());
  }
  FExited = true;
  HideEditor();
  if (EditStyle != esPopup || !FPopupForm) return;
  if (!FInKeyDown) {
    ClosePopup();
  } else if (!FClosePending) {
    FClosePending = true;
    PostMessage(FPopupForm, EditLinkPopupCloseMessage());
  }
}

void TEditLink::AdoptPopupForm(TForm* Form) {
  FPopupForm = Form;
  Form->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
  Form->SetMessageFilter([this](TMessage& Message) {
    if (Message.Msg == EditLinkPopupReopenMessage()) {
      Reopen();
      return true;
    }
    if (Message.Msg != EditLinkPopupCloseMessage()) return false;
    // Called off when a refused value reopened the pop-up meanwhile.
    if (FClosePending) ClosePopup();
    return true;
  });
  Form->FreeNotification(this);
}

bool TEditLink::KeepOpenPopup() {
  if (!FPopupForm) return false;
  const bool open = FClosePending || FPopupForm->Visible();
  FClosePending = false;
  return open && GetEditControl() != nullptr;
}

bool TEditLink::CheckBeforeLeaving() {
  TPlexStringGrid* grid = FGrid;
  if (!grid || !grid->FEditing || grid->EditLink() != this) return true;
  const QString value = GetEditorValue();
  const bool valid = grid->ValidateCell(value);
  grid->FLastValidation = true;
  // A value the validation corrected is what the exit writes.
  if (valid && GetCellValue() != value) SetEditorValue(GetCellValue());
  return valid;
}

void TEditLink::ClosePopup() {
  FClosePending = false;
  DestroyEditor();
  if (FPopupForm) FPopupForm->Hide();
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FGrid) FGrid->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::FormExit(TObject* Sender) {
  // The window system tells of the lost activation late: an edit ended by
  // then has nothing left to write.
  if (!FGrid || !FGrid->FEditActive || FGrid->EditLink() != this || FShowing) return;
  if (TInplaceEdit* editor = FGrid->InplaceEditor()) editor->SetText(GetEditorValue());
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
    return;
  }
  // A refused value never reaches the cell: the control gives back the
  // cell's text before the exit writes it.
  FLeaving = true;
  const bool valid = CheckBeforeLeaving();
  FLeaving = false;
  if (!valid) SetEditorValue(GetCellValue());
  // A press on the grid in the window that took the activation: the user
  // stays in the cell, as with the in-place editor. The pointer tells where
  // the press is going, which the grid learns only after this.
  TControl* under = FindDragTarget(CursorPos(), true);
  while (under && under != FGrid) under = under->Parent();
  const bool pressOnGrid = under && IsWindowActive(FGrid);
  EditExit(Sender);
  FGrid->SetInvokedFocusChange(true);
  if (!valid && pressOnGrid) AwaitReopen();
}

void TEditLink::AwaitReopen() {
  if (!FGrid || !FPopupForm) return;
  FReopenPending = true;
  FReopenCell = TPoint(FGrid->Col(), FGrid->Row());
  FRefusedPress = true;
  FRefusedPressUntil = GetTickCount() + RefusedPressWindowMs;
  // Showing and focusing the pop-up in the middle of the activation change
  // is not safe: it opens from the message queue.
  PostMessage(FPopupForm, EditLinkPopupReopenMessage());
}

void TEditLink::Reopen() {
  if (!FReopenPending) return;
  FReopenPending = false;
  TPlexStringGrid* grid = FGrid;
  // Anything that moved the grid on meanwhile, or another application taking
  // the activation, leaves the editor closed.
  if (!grid || grid->EditLink() != this || grid->FEditMode || !IsWindowActive(grid) ||
      TPoint(grid->Col(), grid->Row()) != FReopenCell)
    return;
  grid->ShowInplaceEdit();
}

bool TEditLink::TakeRefusedPress() {
  if (!FRefusedPress) return false;
  FRefusedPress = false;
  return int32_t(GetTickCount() - FRefusedPressUntil) <= 0;
}

QString TEditLink::GetCellValue() {
  if (!FGrid) return QString();
  return FGrid->GetCellEx(FGrid->RealColIndex(FGrid->Col()), FGrid->Row());
}

void TEditLink::SetCellValue(const QString& s) {
  if (FGrid) FGrid->SetCellFromEditor(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), s);
}

TWinControl* TEditLink::GetParent() {
  if (EditStyle == esPopup) return FPopupForm;
  return FGrid;
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* control = GetEditControl();
  if (Value && control) {
    control->SetVisible(true);
    control->SetEnabled(true);
  }
  if (EditStyle == esInplace && control && !FSubclassed && FGrid) {
    // The grid answers the control's dialog-code query: under goTabs the
    // control keeps arrows, Tab and characters.
    TPlexStringGrid* grid = FGrid;
    control->SetMessageFilter([grid, control](TMessage& Message) {
      if (Message.Msg != WM_GETDLGCODE || !grid->Options().Contains(goTabs)) return false;
      static_cast<TControl*>(control)->WndProc(Message);
      Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
      return true;
    });
    FFiltered = control;
    FFiltered->FreeNotification(this);
    FSubclassed = true;
  }
  if (Value && control && control->CanFocus())
    control->SetFocus();
  else if (!Value && FGrid && FGrid->CanFocus())
    FGrid->SetFocus();
}

void TEditLink::SetRect(TRect R) {
  TWinControl* control = GetEditControl();
  if (!control) return;
  const int line = FGrid ? FGrid->GridLineWidth() : 0;
  control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::RestoreWinProc() {
  if (EditStyle != esInplace) return;
  if (FFiltered) {
    FFiltered->SetMessageFilter(nullptr);
    FFiltered->RemoveFreeNotification(this);
    FFiltered = nullptr;
  }
  FSubclassed = false;
  if (TWinControl* control = GetEditControl()) control->SetVisible(false);
}
