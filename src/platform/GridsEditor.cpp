// The in-place editor and how the grid hosts it: shown over the current cell,
// loaded from GetEditText, written back through SetEditText when it hides.
#include "platform/Grids.h"

#include "platform/ControlMessages.h"
#include "platform/MaskEdit.h"
#include "platform/WindowHandles.h"
#include "platform/internal/LineEditWidget.h"

#include <QLineEdit>

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomMaskEdit(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetParent(AGrid);
  SetMultiLineDisplay(FMultiLine, FWordWrap);
}

void TInplaceEdit::UpdateContents() {
  const int col = FGrid->Col(), row = FGrid->Row();
  SetMaxLength(FGrid->GetEditLimit());
  SetEditMask(FGrid->GetEditMask(col, row));
  SetText(FGrid->GetEditText(col, row));
  SetReadOnly(!FGrid->CanEditModify());
}

void TInplaceEdit::Move(const TRect& r) {
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  SetVisible(true);
  BringToFront();
  BoundsChanged();
}

namespace {
// The positions where a line break starts: CR LF, a lone LF or a lone CR.
int CountBreaks(const QString& Text) {
  int n = 0;
  for (int i = 0; i < Text.size(); ++i) {
    if (Text[i] == QChar('\r') && i + 1 < Text.size() && Text[i + 1] == QChar('\n')) ++i;
    if (Text[i] == QChar('\r') || Text[i] == QChar('\n')) ++n;
  }
  return n;
}
}  // namespace

void TInplaceEdit::SetMultiLine(bool Value) {
  FMultiLine = Value;
  SetMultiLineDisplay(FMultiLine, FWordWrap);
  if (Value) return;
  QString text = Text();
  text.remove(QChar('\r')).remove(QChar('\n'));
  if (text != Text()) SetText(text);
}

void TInplaceEdit::SetWordWrap(bool Value) {
  FWordWrap = Value;
  SetMultiLineDisplay(FMultiLine, FWordWrap);
}

namespace {
const TLineEditWidget* LinesOf(const TInplaceEdit* Edit) {
  const auto* w = static_cast<const TLineEditWidget*>(Edit->LineEdit());
  return w->ShowsLines() ? w : nullptr;
}
}  // namespace

int TInplaceEdit::LineCount() const {
  if (const TLineEditWidget* w = LinesOf(this)) return w->LineCount();
  return CountBreaks(Text()) + 1;
}

int TInplaceEdit::CaretLine() const {
  if (const TLineEditWidget* w = LinesOf(this)) return w->LineOfPosition(SelStart());
  return CountBreaks(Text().left(SelStart()));
}

void TInplaceEdit::InsertLineBreak() {
  if (FMultiLine) SetSelText("\r\n");
}

void TInplaceEdit::WndProc(TMessage& m) {
  // Ctrl+Enter comes as a line feed, which a multi-line edit types as a break.
  if (m.Msg == WM_CHAR && m.WParam == 10 && FMultiLine) {
    TCustomMaskEdit::WndProc(m);
    if (m.WParam == 10) {
      InsertLineBreak();
      m.WParam = 0;
    }
    return;
  }
  TCustomMaskEdit::WndProc(m);
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  const int len = Text().length();
  const bool noSelection = SelLength() == 0;
  const bool atStart = noSelection && SelStart() == 0;
  const bool atEnd = noSelection && SelStart() >= len;
  bool forward = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: forward = true; break;
    // Without goTabs the Tab key is the dialog's: the focus moves on and the
    // editor commits as it loses it.
    case VK_TAB: forward = !Shift.Contains(ssAlt) && FGrid->Options().Contains(goTabs); break;
    // The caret's keys leave the editor at its edges only where the editor is always shown.
    case VK_LEFT:
    case VK_HOME: forward = atStart && FGrid->Options().Contains(goAlwaysShowEditor); break;
    case VK_RIGHT:
    case VK_END: forward = atEnd && FGrid->Options().Contains(goAlwaysShowEditor); break;
    default: break;
  }
  if (!forward) return;
  FGrid->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyPress(QChar& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == QChar(0)) return;
  FGrid->KeyPress(Key);
  if (Key == QChar(9) || Key == QChar(27) || Key == QChar(13)) Key = QChar(0);
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode && FCurrent.X >= FFixedCols &&
         FCurrent.Y >= FFixedRows;
}

QString TCustomGrid::GetEditText(int ACol, int ARow) { return QString(); }

void TCustomGrid::SetEditText(int ACol, int ARow, const QString& Value) {}

QString TCustomGrid::GetEditMask(int ACol, int ARow) {
  QString mask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
  return mask;
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  if (!CanEditShow()) {
    FEditorMode = false;
    return;
  }
  UpdateEdit();
}

// The character acts on the loaded text, all of it selected: it replaces
// it, and Backspace deletes it (it is not a character of the text).
void TCustomGrid::ShowEditorChar(QChar Ch) {
  ShowEditor();
  if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
  // Typed into the editor, so that its own filter takes or refuses it like
  // every character after it.
  SendTypedChar(FInplaceEdit, Ch);
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TCustomGrid::HideEdit() {
  if (!FInplaceEdit || FInplaceCell.X < 0) return;
  const TGridCoord cell = FInplaceCell;
  FInplaceCell = TGridCoord{-1, -1};
  const bool hadFocus = FInplaceEdit->Focused();
  FInplaceEdit->SetVisible(false);
  if (hadFocus && CanFocus()) SetFocus();
  if (cell.X < ColCount() && cell.Y < RowCount()) SetEditText(cell.X, cell.Y, FInplaceEdit->Text());
  InvalidateCell(cell.X, cell.Y);
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) {
    if (FInplaceCell.X >= 0) HideEdit();
    return;
  }
  if (!FInplaceEdit) FInplaceEdit = CreateEditor();
  if (FInplaceCell != FCurrent) {
    if (FInplaceCell.X >= 0) HideEdit();
    FInplaceCell = FCurrent;
    FInplaceEdit->UpdateContents();
    FInplaceEdit->SelectAll();
  }
  const TRect r = PlainCellRect(FCurrent.X, FCurrent.Y);
  if (r.IsEmpty()) {
    FInplaceEdit->SetVisible(false);
    return;
  }
  FInplaceEdit->Move(r);
  if (Focused() && FInplaceEdit->CanFocus()) FInplaceEdit->SetFocus();
}

void TInplaceEdit::Change() { SendMessage(FGrid, WM_COMMAND, MakeWParam(0, EN_CHANGE), LPARAM(WindowHandle(this))); }

void TInplaceEdit::DefaultHandler(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    if ((unsigned(Message.WParam) >> 16) == EN_CHANGE) TEdit::Change();
    return;
  }
  // The edit's own messages (clipboard, formatting rectangle, selection) are
  // the masked edit's to answer.
  TCustomMaskEdit::DefaultHandler(Message);
}
