// The combo editor's keys, wheel and focus as its grid needs them.
#include "grid/editing/GridCombo.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/FindControl.h"

#include <algorithm>

namespace {
constexpr int ComboButtonWidth = 16;
// Room beside the widest item: a scroll bar when the list scrolls, else a margin.
constexpr int ScrollingListRoom = 25;
constexpr int PlainListRoom = 8;
constexpr int PlainListSlack = 5;
constexpr int LookupTailLimit = 255;
}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner)
    : TPsgComboBox(AOwner),
      IEditorKeyHost(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FLink(FGrid) {
  SetButtonWidth(ComboButtonWidth);
}

void TGridCombo::NoteOpening() {
  FOpenedByClick = FLink.OpenedByClick();
  FNotPicked = false;
}

QString TGridCombo::TakeCommitText() {
  const bool keepCell = FEscaped || FNotPicked;
  FEscaped = FNotPicked = false;
  return keepCell ? FLink.CellCache() : Text();
}

// A pick in the open list is the user's choice like a key's: the grid hears
// of it at once, and it is what the cell gets when the edit ends.
void TGridCombo::Select() {
  TPsgComboBox::Select();
  if (!FGrid || !Visible() || !FGrid->EditMode() || FGrid->EditCtrl() != this) return;
  FNotPicked = false;
  FIndexBeforeKey = ItemIndex();
  FireItemChange();
}

void TGridCombo::SizeDropDownWidth() {
  if (!FGrid) return;
  int width = Width();
  const bool scrolls = Items().Count() > DropDownCount();
  for (int i = 0; i < Items().Count(); ++i) {
    const int textWidth = FGrid->Canvas().TextWidth(Items()[i]);
    if (scrolls && textWidth > width - ScrollingListRoom)
      width = textWidth + ScrollingListRoom;
    else if (!scrolls && textWidth > width - PlainListSlack)
      width = textWidth + PlainListRoom;
  }
  SetDroppedWidth(width);
}

void TGridCombo::WndProc(TMessage& Message) {
  // The wheel steps through the items instead of scrolling the grid under the editor.
  if (Message.Msg == WM_MOUSEWHEEL && FGrid && FGrid->EditMode()) {
    WheelStep(HiWord(LPARAM(Message.WParam)));
    Message.Result = 1;
    return;
  }
  TPsgComboBox::WndProc(Message);
}

void TGridCombo::WheelStep(int Delta) {
  const int count = Items().Count();
  if (count == 0) return;
  const int index = ItemIndex();
  SetItemIndex(Delta < 0 ? std::min(index + 1, count - 1) : std::max(index - 1, 0));
  FNotPicked = false;
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), Text());
  FireItemChange();
}

void TGridCombo::FireItemChange() {
  const int index = ItemIndex();
  const QString text = index >= 0 ? Items()[index] : Text();
  const int col = FGrid->RealColIndex(FGrid->Col()), row = FGrid->Row();
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, col, row, index, text);
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, col, row, index, text, index >= 0 ? Items().Objects(index) : nullptr);
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
  FWorkMode = Key != VK_BACK && Key != VK_DELETE;
  if (Key == VK_RETURN) FNotPicked = false;
  FIndexBeforeKey = ItemIndex();
  FTextBeforeKey = Text();
  FLastShift = Shift;
  if (!FGrid) {
    TPsgComboBox::KeyDown(Key, Shift);
    return;
  }
  const bool open = DroppedDown();
  if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt) && !FGrid->Navigation().ComboGetUpDown && !open) {
    FGrid->HideInplaceEdit();
    FLink.FocusGridQuietly();
    FLink.GridKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  const bool listStep = !Editable() || open;
  TKeyStepOptions options;
  options.PopupStep = listStep;
  if (FLink.CommonKeyDown(*this, Key, Shift, listStep ? HandledKeys::ComboList : HandledKeys::ComboEdit, options) ==
      TKeyStep::ToBase) {
    TPsgComboBox::KeyDown(Key, Shift);
    return;
  }
}

void TGridCombo::KeyPress(QChar& Key) {
  FLink.FireKeyPress(this, Key);
  if (Key == QChar(27) || Key == QChar(9)) {
    Key = QChar(0);
    return;
  }
  if (Key == QChar(13)) {
    if (OnReturnKey) OnReturnKey(this);
    Key = QChar(0);
    return;
  }
  TPsgComboBox::KeyPress(Key);
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
  if (!FGrid) {
    TPsgComboBox::KeyUp(Key, Shift);
    return;
  }
  if (CursorWalk(Key, Shift)) {
    Key = 0;
    return;
  }
  FGrid->NoAutoAdvance = false;
  // The platform combo acts on a key after its key-down; what the key changed shows here.
  if (Visible() && FGrid->EditMode() && FGrid->EditCtrl() == this) {
    if (ItemIndex() != FIndexBeforeKey) {
      FNotPicked = false;
      FireItemChange();
    }
    if (Text() != FTextBeforeKey) FLink.FireEditChange(Text());
  }
  FIndexBeforeKey = ItemIndex();
  FTextBeforeKey = Text();
  if (Key != VK_RETURN) TPsgComboBox::KeyUp(Key, Shift);
  LookupCompletion();
}

// Left at the start or Right at the end of the text walks out of the cell.
bool TGridCombo::CursorWalk(WORD Key, TShiftState Shift) {
  TPlexStringGrid& grid = *FGrid;
  if (!Editable() || !grid.Navigation().CursorWalkEditor || !Visible()) return false;
  if (Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) || SelLength() != 0) return false;
  int step = 0;
  if (Key == VK_LEFT && SelStart() == 0)
    step = -1;
  else if (Key == VK_RIGHT && SelStart() == Text().length())
    step = grid.CellSpan(grid.RealColIndex(grid.Col()), grid.Row()).X + 1;
  else
    return false;
  const int col = grid.Col(), target = col + step;
  const bool inRange = target >= grid.FixedCols() && target < grid.ColCount() - grid.FixedRightCols();
  if (inRange && grid.HasClickableGraphic(grid.RealColIndex(target), grid.Row())) {
    if (grid.ValidateCell(Text())) {
      grid.HideInplaceEdit();
      grid.SetCol(target);
    }
    return true;
  }
  FLink.WalkToColumn(step < 0 ? -1 : 1);
  return true;
}

// The typed start completed from the combo's own items, else from the grid's lookup list.
void TGridCombo::LookupCompletion() {
  if (!FWorkMode || !FGrid->Lookup || !Editable() || !Visible() || SelLength() != 0) return;
  const bool caseSensitive = FGrid->LookupCaseSensitive;
  const QString text = Text();
  const int caret = SelStart();
  const QString typed = text.left(caret);
  const QString prefix = caseSensitive ? typed : typed.toUpper();
  if (prefix.isEmpty()) return;
  const auto find = [&](const TStringList& List) {
    for (int i = 0; i < List.Count(); ++i)
      if ((caseSensitive ? List[i] : List[i].toUpper()).startsWith(prefix)) return i;
    return -1;
  };
  const auto complete = [&](const QString& Item) {
    const QString tail = Item.mid(prefix.length(), LookupTailLimit);
    SetText(typed + tail);
    SetSelStart(caret);
    SetSelLength(tail.length());
  };
  if (const int own = find(Items()); own >= 0) {
    SetItemIndex(own);
    complete(Items()[own]);
    return;
  }
  if (const int listed = find(FGrid->LookupItems()); listed >= 0) complete(FGrid->LookupItems()[listed]);
}

void TGridCombo::DoEnter() {
  TPsgComboBox::DoEnter();
  FIndexBeforeKey = ItemIndex();
  FTextBeforeKey = Text();
  if (FGrid && Editable() && !FGrid->Navigation().EditSelectAll) SetSelStart(Text().length());
  // A click that opened the editor leaves the caret where it fell.
  if (FGrid && Editable() && FOpenedByClick) {
    const TPoint p = ScreenToClient(CursorPos());
    if (p.X < 0 || p.Y < 0 || p.X > Width() || p.Y > Height()) return;
    SetSelStart(EditCharFromPos(p));
    SetSelLength(0);
    FLink.ClearOpenedByClick();
    FOpenedByClick = false;
  }
}

void TGridCombo::DoExit() {
  // Opening the list takes the focus only for the popup's time.
  if (FGrid && !DroppedDown()) {
    if (FGrid->LookupHistory && !Text().isEmpty() && Items().IndexOf(Text()) == -1) Items().Add(Text());
    FGrid->HideInplaceEdit();
  }
  TPsgComboBox::DoExit();
}

void TGridCombo::SelectAllText() {
  if (!Editable()) return;
  SetSelStart(0);
  SetSelLength(Text().length());
}

void TGridCombo::CaretToEnd() {
  if (Editable()) SetSelStart(Text().length());
}

void TGridCombo::TakeBackCellText() {
  const QString cell = FGrid->GetCurrentCell();
  if (Editable()) SetText(cell);
  if (const int index = Items().IndexOf(cell); index >= 0) SetItemIndex(index);
  FEscaped = true;
}

void TGridCombo::ShowRefused(WORD Key) {
  const QString text = FLink.NewCellText();
  if (Editable()) {
    SetText(text);
    if (Key == VK_TAB)
      CaretToEnd();
    else
      SelectAllText();
  } else if (const int index = Items().IndexOf(text); index >= 0) {
    SetItemIndex(index);
  }
}

void TGridCombo::ShowAccepted(WORD Key) {
  const QString cell = FGrid->GetCurrentCell();
  if (Editable()) {
    SetText(cell);
    return;
  }
  const int index = Items().IndexOf(cell);
  if (index >= 0 || Key == VK_TAB) SetItemIndex(index);
}

void TGridCombo::AfterPopupKey(WORD Key) {
  if (Key == VK_LEFT || Key == VK_RIGHT) FLink.GridKeyDown(Key, FLastShift);
}
