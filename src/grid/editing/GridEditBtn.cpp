// The edit with a button in its grid: keys, typed characters, the button and
// the loss of focus.
#include "grid/editing/GridEditBtn.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/Clipbrd.h"
#include "platform/SystemProbes.h"

namespace {
constexpr int LookupTailLimit = 255;
}  // namespace

TGridEditBtn::TGridEditBtn(TComponent* AOwner)
    : TPsgEditBtn(AOwner),
      IEditorKeyHost(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FLink(FGrid) {}

void TGridEditBtn::SideButtonClick(TObject* Sender) {
  TPsgEditBtn::SideButtonClick(Sender);
  // Only the editor open over a cell asks its grid.
  if (!FGrid || !Visible()) return;
  QString text = Text();
  FGrid->DoEllipsClick(Text(), text);
  SetText(text);
  SelectAll();
  Invalidate();
  if (StopEditAfterClick) FLink.HideAndFocusGrid();
}

void TGridEditBtn::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PASTE && FGrid && Visible()) {
    Paste();
    return;
  }
  if (Message.Msg == WM_CHAR && FGrid) {
    const QChar ch(char16_t(Message.WParam));
    if (ch == QChar(13) || ch == QChar(9)) {
      Message.WParam = 0;
      return;
    }
    const TEditorType type = FGrid->EditControl();
    if ((type == edNumericEditBtn || type == edFloatEditBtn) &&
        !NumberCharAccepted(type == edFloatEditBtn, ch, Text(), SelStart(), SelText())) {
      MessageBeep(MB_OK_BEEP);
      Message.WParam = 0;
      return;
    }
  }
  TPsgEditBtn::WndProc(Message);
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  FCaretAtKeyDown = SelStart();
  FWorkMode = Key != VK_BACK && Key != VK_DELETE;
  if (!FGrid) {
    TPsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  const bool handled = HandledKeys::EditBtn.Contains(Key);
  if (!handled && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  if (!handled || Shift.Contains(ssCtrl)) {
    TPsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  FTypeAtKeyDown = FGrid->EditControl();
  TKeyStepOptions options;
  options.ReopenAfterDone = false;
  FLink.CommonKeyDown(*this, Key, Shift, HandledKeys::EditBtn, options);
}

void TGridEditBtn::ShowRefused(WORD Key) {
  SetText(FLink.NewCellText());
  if (Key == VK_TAB)
    CaretToEnd();
  else
    SelectAll();
  FLink.RestoreEditorType(FTypeAtKeyDown);
}

void TGridEditBtn::KeyPress(QChar& Key) {
  if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
  if (Key == QChar(9)) {
    Key = QChar(0);
    return;
  }
  TPsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift) {
  if (!FGrid) {
    TPsgEditBtn::KeyUp(Key, Shift);
    return;
  }
  if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  if (FGrid->Navigation().CursorWalkEditor && plain && SelLength() == 0 && Visible()) {
    if ((Key == VK_LEFT && FCaretAtKeyDown == 0) || (Key == VK_RIGHT && SelStart() == Text().length())) {
      const int direction = Key == VK_LEFT ? -1 : 1;
      Key = 0;
      FLink.WalkToColumn(direction);
      return;
    }
  }
  if (Key != VK_RETURN) TPsgEditBtn::KeyUp(Key, Shift);
  LookupCompletion();
}

// The pasted text replaces the selection; what the grid's paste events leave of it is taken as it is.
void TGridEditBtn::Paste() {
  TPlexStringGrid& grid = *FGrid;
  bool allow = ClipboardHasText();
  QString pasted = allow ? ClipboardText() : QString();
  if (grid.OnClipboardPaste) grid.OnClipboardPaste(this, allow);
  if (allow && grid.OnClipboardBeforePasteCell)
    grid.OnClipboardBeforePasteCell(this, grid.Col(), grid.Row(), pasted, allow);
  if (!allow) return;
  if (const int crlf = pasted.indexOf("\r\n"); crlf != -1 && crlf == pasted.length() - 2) pasted.chop(2);
  const QString current = Text();
  const int start = SelStart(), selected = SelLength();
  SetText(current.left(start) + pasted + current.mid(start + selected));
  grid.SetCurrentEditText(Text());
  SetSelStart(selected > 0 ? start : start + pasted.length());
  if (selected > 0) SetSelLength(pasted.length());
}

// The typed start completed from the grid's lookup list, the completed tail selected.
void TGridEditBtn::LookupCompletion() {
  TPlexStringGrid& grid = *FGrid;
  if (!FWorkMode || SelLength() != 0 || !grid.Lookup || grid.LookupItems().Count() == 0 || !Visible()) return;
  const bool caseSensitive = grid.LookupCaseSensitive;
  const QString text = Text();
  const int caret = SelStart();
  const QString prefix = caseSensitive ? text.left(caret) : text.left(caret).toUpper();
  if (prefix.isEmpty()) return;
  const TStringList& items = grid.LookupItems();
  for (int i = 0; i < items.Count(); ++i) {
    if (!(caseSensitive ? items[i] : items[i].toUpper()).startsWith(prefix)) continue;
    const QString tail = items[i].mid(prefix.length(), LookupTailLimit);
    SetText(text.left(caret) + tail);
    SetSelStart(caret);
    SetSelLength(tail.length());
    return;
  }
}

void TGridEditBtn::DblClick() {
  TPsgEditBtn::DblClick();
  if (FGrid && FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
  if (FGrid) FGrid->HideInplaceEdit();
  TPsgEditBtn::DoExit();
}
