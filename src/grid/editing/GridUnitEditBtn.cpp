// The value-with-unit edit in its grid.
#include "grid/editing/GridUnitEditBtn.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/SystemProbes.h"

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TPsgUnitEditBtn(AOwner), FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)), FLink(FGrid) {}

void TGridUnitEditBtn::SideButtonClick(TObject* Sender) {
  if (!FGrid) {
    TPsgUnitEditBtn::SideButtonClick(Sender);
    return;
  }
  QString text = Text();
  FGrid->DoEllipsClick(Text(), text);
  SetText(text);
  SelectAll();
  Invalidate();
}

void TGridUnitEditBtn::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CHAR && FGrid) {
    const QChar ch(char16_t(Message.WParam));
    const TEditorType type = FGrid->EditControl();
    const bool filtered = type == edNumericUnitEditBtn || type == edFloatUnitEditBtn;
    if (ch == QChar(13) ||
        (filtered && !NumberCharAccepted(type == edFloatUnitEditBtn, ch, Text(), SelStart(), SelText()))) {
      if (ch != QChar(13)) MessageBeep(MB_OK_BEEP);
      Message.WParam = 0;
      return;
    }
  }
  TPsgUnitEditBtn::WndProc(Message);
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FGrid || !HandledKeys::EditBtn.Contains(Key)) {
    TPsgUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  TPlexStringGrid& grid = *FGrid;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (!FLink.ValidateText(TextAndUnit())) {
      SetTextAndUnit(grid.GetCurrentCell());
      Key = 0;
      return;
    }
    SetTextAndUnit(grid.GetCurrentCell());
  }
  const TNavigation& nav = grid.Navigation();
  if (Key == VK_RETURN && nav.AdvanceOnEnter) {
    FLink.HideAndFocusGrid();
    Key = 0;
    FLink.AdvanceFromEditor();
    return;
  }
  if (Key == VK_TAB && grid.Options().Contains(goTabs)) {
    FLink.HideAndFocusGrid();
    FLink.NavigateFromEditor(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    SetUnitID(QString());
    SetText(grid.GetCurrentCell());
  }
  FLink.DoneAndMaybeReopen(Key, Shift, false);
  Key = 0;
}

void TGridUnitEditBtn::DoExit() {
  if (FGrid) FGrid->HideInplaceEdit();
  TPsgUnitEditBtn::DoExit();
}
