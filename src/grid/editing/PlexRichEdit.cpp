#include "grid/editing/PlexRichEdit.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/core/SizeWhileTyping.h"
#include "platform/FocusQuery.h"

TPlexRichEdit::TPlexRichEdit(TPlexStringGrid* AOwner) : TRichEdit(AOwner), FGrid(AOwner) {}

void TPlexRichEdit::ReCreate() {
  FEscaped = false;
  Clear();
  SetSelFormat(TRichFormat{}, rfAll);
}

void TPlexRichEdit::SetSelOffset(int Twips) {
  TRichFormat f;
  f.OffsetTwips = Twips;
  SetSelFormat(f, rfOffset);
}

bool TPlexRichEdit::SelOffsetIs(int Twips) const {
  unsigned uniform = 0;
  const TRichFormat f = SelFormat(&uniform);
  return (uniform & rfOffset) && f.OffsetTwips == Twips;
}

void TPlexRichEdit::SelNormal() { SetSelOffset(0); }
void TPlexRichEdit::SelSubscript() { SetSelOffset(RichSubscriptOffset); }
void TPlexRichEdit::SelSuperscript() { SetSelOffset(RichSuperscriptOffset); }
bool TPlexRichEdit::IsSelNormal() const { return SelOffsetIs(0); }
bool TPlexRichEdit::IsSelSubscript() const { return SelOffsetIs(RichSubscriptOffset); }
bool TPlexRichEdit::IsSelSuperscript() const { return SelOffsetIs(RichSuperscriptOffset); }

void TPlexRichEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TRichEdit::WndProc(Message);
      Message.Result |= DLGC_WANTTAB;
      return;
    case WM_KILLFOCUS:
      // The grid moving the focus between its own editors is no end of the edit.
      if (FGrid->InvokedFocusChange()) return;
      if (FindFocusedControl() == FGrid) FGrid->HideInplaceEdit();
      break;
    default: break;
  }
  TRichEdit::WndProc(Message);
}

void TPlexRichEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TRichEdit::KeyDown(Key, Shift);
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    FGrid->SetFocus();
    WORD key = Key;
    FGrid->KeyDown(key, Shift);
    FGrid->ShowInplaceEdit();
    Key = 0;
  } else if (Key == VK_ESCAPE && this == FGrid->FInplaceRichEdit && FGrid->EditMode()) {
    // As in every other editor of the grid: the cell's text from before the
    // edit returns and the editor closes, the grid keeping the focus.
    FEscaped = true;
    FGrid->SetFocus();
    if (FGrid->EditMode() && FGrid->FEditControl == edRichEdit) FGrid->HideInplaceEdit();
    FEscaped = false;
    Key = 0;
  } else if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells) {
    FGrid->SetFocus();
    WORD key = Key;
    FGrid->KeyDown(key, Shift);
    Key = 0;
  }
}

void TPlexRichEdit::RequestResize(const TRect& Requested) {
  FReqWidth = Requested.Width();
  FReqHeight = Requested.Height();
  if (this != FGrid->FInplaceRichEdit || FLocked || !FGrid->SizeWhileTyping().Height || !Visible()) return;
  const int h = Requested.Height();
  const int row = FGrid->Row();
  const TRect cell = FGrid->CellRect(FGrid->Col(), row);
  if (FGrid->RowHeights(row) < h + 5 && cell.Top + h + 5 < FGrid->ClientHeight()) {
    SetHeight(h + 9);
    FGrid->SetRowHeights(row, h + 10);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
  }
}
