// How every editor reads and writes a cell (the edit-text entry points), the
// rich-text exchange, opening and closing the in-place editor, and the grid's
// answers to gaining and losing the focus.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/PlexInplaceEdit.h"
#include "grid/editing/PlexRichEdit.h"
#include "grid/editing/RichTextStore.h"
#include "grid/foundation/PsgHTMLE.h"
#include "platform/FocusQuery.h"
#include "platform/RichText.h"

QString TPlexStringGrid::GetEditText(int ACol, int ARow) {
  FNoEditChange = true;
  const int col = RealColIndex(ACol);
  if (TPlexInplaceEdit* editor = PlexInplaceEditor())
    editor->SetEditStyle(Alignments(col, ARow) == taRightJustify ? ES_RIGHT : ES_LEFT);
  const TPoint base = BaseCell(col, ARow);
  QString text = TBaseGrid::GetEditText(base.X, base.Y);
  if (!EditWithTags) text = StripHtmlTags(text);
  return text;
}

void TPlexStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  TBaseGrid::SetEditText(base.X, base.Y, Value);
}

void TPlexStringGrid::Select() { SelectCell(Col(), Row()); }

void TPlexStringGrid::ShowInplaceEdit() {
  if (HasClickableGraphic(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  ShowEditor();
}

void TPlexStringGrid::HideInplaceEdit() {
  if (!FEditMode) return;
  HideEditor();
  CommitCellEditor(Col(), Row());
  FEditMode = false;
  Select();
}

void TPlexStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
  FBlockFocus = true;
  FEditing = false;
  HideInplaceEdit();
  if (FNavigation->AppendOnArrowDown && Key == VK_DOWN && IsLastNormalRow()) AppendRowAtEnd();
  if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
    WORD key = Key;
    KeyDown(key, Shift);
  }
  const bool alwaysEdit = FNavigation->AlwaysEdit;
  FNavigation->AlwaysEdit = false;
  if (CanFocus()) SetFocus();
  if (Key == VK_RETURN) MoveToNextCell(Col(), Row(), false, true, true, false, false);
  FNavigation->AlwaysEdit = alwaysEdit;
  FBlockFocus = false;
}

QByteArray RichStreamFromCellText(const QString& Text) {
  if (!Text.startsWith(QLatin1String("{\\rtf"))) {
    TRichDocument doc;
    doc.Paragraphs.clear();
    for (const QString& line : QString(Text).replace("\r\n", "\n").replace('\r', '\n').split('\n'))
      doc.Paragraphs.push_back(line.isEmpty() ? TRichParagraph{} : TRichParagraph{TRichRun{line, {}}});
    return WriteRichText(doc);
  }
  QByteArray stream;
  for (const QChar ch : Text) {
    if (ch.unicode() < 256)
      stream += char(ch.unicode());
    else
      stream += "\\u" + QByteArray::number(int(int16_t(ch.unicode()))) + "?";
  }
  return stream;
}

// Rich text travels as a 7-bit stream, one byte a character (Latin-1 both
// ways), so it comes back as it went whatever the system's code page.
void TPlexStringGrid::CellToRich(int ACol, int ARow, IRichTextStore& RichEditor) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) {
    RichEditor.ClearRichText();
    return;
  }
  RichEditor.LoadRichText(RichStreamFromCellText(text));
}

void TPlexStringGrid::RichToCell(int ACol, int ARow, IRichTextStore& RichEditor) {
  SetCellEx(ACol, ARow, RichToString(RichEditor));
}

QString TPlexStringGrid::RichToString(IRichTextStore& RichEditor) {
  if (FDestroying) return QString();
  return QString::fromLatin1(RichEditor.SaveRichText());
}

void TPlexStringGrid::DoEnter() {
  // The framework's handling first: its cell selection closes an open editor,
  // so the editor that AlwaysEdit opens must come after it.
  if (!FBlockFocus) {
    TBaseGrid::DoEnter();
    if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit) Select();
    SaveOldCellValue(Col(), Row());
  }
  HandleGridSetFocus();
}

void TPlexStringGrid::HandleGridSetFocus() {
  // The flag marks one focus change made by the grid's own editors; it is
  // spent here, so the next focus gain is handled again.
  if (FInvokedFocusChange) {
    FInvokedFocusChange = false;
    return;
  }
  const bool fromTextEditor = FFocusFromTextEditor;
  FFocusFromTextEditor = false;
  const int col = RealColIndex(Col());
  switch (GetCellType(col, Row())) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: return;
    default: break;
  }
  if (FInplaceRichEdit && FInplaceRichEdit->Visible()) HideInplaceEdit();
  const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
  const bool visible = LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
                       Row() < TopRow() + VisibleRowCount();
  if (FNavigation->AlwaysEdit && !fromTextEditor && !moving && FEditControl == edNormal && CanEditCellNow(col, Row()) &&
      visible) {
    ShowInplaceEdit();
    return;
  }
  if (IsMergedCell(col, Row())) InvalidateCell(Col(), Row());
}

void TPlexStringGrid::DoExit() {
  // Committing an editor moves the focus; that is not the grid being left.
  if (FBlockKill) return;
  // Nor is the focus going to the grid's own cell editor: the grid is left
  // when the focus leaves that editor too (LeftWithEditor).
  if (FindFocusedControl() != this && HasFocusWithin(this)) return;
  TBaseGrid::DoExit();
}

// The focus left a cell editor of the grid for a control outside it. The
// editor has committed its value by now, so the grid's exit sees the cell
// as the user left it.
void TPlexStringGrid::LeftWithEditor() {
  if (FBlockKill) return;
  TBaseGrid::DoExit();
}
