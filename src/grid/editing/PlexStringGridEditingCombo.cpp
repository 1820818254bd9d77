// The grid's combo editor: one item list for the whole grid, filled per cell
// by OnGetEditorProp, set up over the cell and committed as the combo's text.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/GridCombo.h"

void TPlexStringGrid::SetUpComboEditor(const TCellEditorSetup& Setup) {
  TGridCombo* combo = FCombobox;
  if (!combo) return;
  if (combo->Parent() != this) combo->SetParent(this);
  combo->TakeCommitText();  // a new edit starts with nothing escaped
  combo->NoteOpening();
  combo->SetBounds(Setup.Bounds.Left, Setup.Bounds.Top, 0, 0);
  DoGetEditorProp(Setup.Col, Setup.Row);
  combo->SetBounds(Setup.Bounds.Left, Setup.Bounds.Top, Setup.Bounds.Width(), Setup.Bounds.Height());
  combo->SetDroppedDown(false);
  combo->SetDropDownCount(FControlLook->DropDownCount);
  const bool listOnly = FEditControl == edComboList;
  combo->SetStyle(listOnly ? csDropDownList : csDropDown);
  // The soft and the office-like looks draw the combo flat and etched.
  const bool flatLook = FLook == glSoft || (FLook >= glOrv && FLook <= glOffice2007);
  combo->SetFlat(flatLook);
  combo->SetEtched(flatLook);
  const QString text = GetEditText(RealToDisplayCol(Setup.Col), Setup.Row);
  TStringList& items = combo->Items();
  bool reportFirst = false;
  if (!listOnly) {
    combo->SetText(text);
    if (FComboIndex != -1 && items.IndexOf(text) == -1) combo->SetItemIndex(FComboIndex);
    combo->SetMaxLength(MaxComboLength);
  } else if (const int raw = items.IndexOf(GetCellEx(Setup.Col, Setup.Row)); raw != -1) {
    combo->SetItemIndex(raw);
  } else if (FComboIndex != -1) {
    combo->SetItemIndex(FComboIndex);
  } else if (const int shown = items.IndexOf(text); shown != -1) {
    // The text without its tags is an item: that item is what the cell holds,
    // so it is selected and nothing is reported as changed.
    combo->SetItemIndex(shown);
  } else {
    combo->SetItemIndex(items.Count() > 0 ? 0 : -1);
    // An empty cell is not given the first item unless the user takes it.
    if (GetCellEx(Setup.Col, Setup.Row).isEmpty()) combo->NoteShownNotPicked();
    if (combo->OnChange) combo->OnChange(combo);
    reportFirst = items.Count() > 0;
  }
  if (FNavigation->AutoComboDropSize)
    combo->SizeDropDownWidth();
  else if (combo->DropWidth() > 0)
    combo->SetDroppedWidth(combo->DropWidth());
  combo->SetEnabled(true);
  combo->SetVisible(true);
  combo->SetColor(Setup.Color);
  if (combo->CanFocus()) combo->SetFocus();
  if (!FStartEditChar.isNull()) PostMessage(combo, WM_CHAR, FStartEditChar.unicode(), 0);
  if (FMouseActions->DirectComboDrop) combo->SetDroppedDown(true);
  FEditCtrl = combo;
  if (reportFirst) FireComboChange(Setup.Col, Setup.Row, 0);
}

void TPlexStringGrid::FireComboChange(int ACol, int ARow, int Index) {
  const TStringList& items = FCombobox->Items();
  if (OnComboChange) OnComboChange(this, ACol, ARow, Index, items[Index]);
  if (OnComboObjectChange) OnComboObjectChange(this, ACol, ARow, Index, items[Index], items.Objects(Index));
}

void TPlexStringGrid::CommitComboEditor(int ACol, int ARow) {
  if (!FEditMode || !FCombobox) return;
  FEditMode = false;
  SetCellFromEditor(ACol, ARow, FCombobox->TakeCommitText());
  FCombobox->SetVisible(false);
  FCombobox->SetEnabled(false);
}

void TPlexStringGrid::AddComboString(const QString& S) {
  if (FCombobox) FCombobox->Items().Add(S);
}

void TPlexStringGrid::AddComboStringObject(const QString& S, TObject* AObject) {
  if (FCombobox) FCombobox->Items().AddObject(S, AObject);
}

bool TPlexStringGrid::RemoveComboString(const QString& S) {
  if (!FCombobox) return false;
  const int index = FCombobox->Items().IndexOf(S);
  if (index == -1) return false;
  FCombobox->Items().Delete(index);
  return true;
}

void TPlexStringGrid::ClearComboString() {
  if (FCombobox) FCombobox->Items().Clear();
}

bool TPlexStringGrid::SetComboSelectionString(const QString& S) {
  const int index = FCombobox ? FCombobox->Items().IndexOf(S) : -1;
  if (index == -1) return false;
  FComboIndex = index;
  return true;
}

void TPlexStringGrid::SetComboSelection(int Index) { FComboIndex = Index; }

void TPlexStringGrid::SetComboIndex(int ACol, int ARow, int Index) {
  DoGetEditorProp(ACol, ARow);
  if (!FCombobox) return;
  // The list's own index check raises before the cell is touched.
  const QString item = FCombobox->Items().Strings(Index);
  SetCellEx(ACol, ARow, item);
}

int TPlexStringGrid::GetComboIndex(int ACol, int ARow) {
  DoGetEditorProp(ACol, ARow);
  return FCombobox ? FCombobox->Items().IndexOf(GetCellEx(ACol, ARow)) : -1;
}

int TPlexStringGrid::GetComboCount() { return FCombobox ? FCombobox->Items().Count() : 0; }
