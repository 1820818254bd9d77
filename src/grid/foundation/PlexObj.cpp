#include "grid/foundation/PlexObj.h"

// ---- TSearchFooter

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
  if (!InitDesign) return;
  FFindNextCaption = "Find &next";
  FFindPrevCaption = "Find &previous";
  FMatchCaseCaption = "Match case";
  FHighLightCaption = "Highlight";
  FHintClose = "Close";
  FHintFindNext = "Find next occurrence";
  FHintFindPrev = "Find previous occurrence";
  FHintHighlight = "Highlight occurrences";
}

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetNotified(QString& Field, const QString& Value) {
  Field = Value;
  Changed();
}

void TSearchFooter::SetIfChanged(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TSearchFooter::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TSearchFooter::SetColorTo(TColor Value) {
  FColorTo = Value;
  Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  Changed();
}

void TSearchFooter::SetFindNextCaption(const QString& Value) { SetNotified(FFindNextCaption, Value); }
void TSearchFooter::SetFindPrevCaption(const QString& Value) { SetNotified(FFindPrevCaption, Value); }
void TSearchFooter::SetMatchCaseCaption(const QString& Value) { SetNotified(FMatchCaseCaption, Value); }
void TSearchFooter::SetHighLightCaption(const QString& Value) { SetNotified(FHighLightCaption, Value); }
void TSearchFooter::SetHintClose(const QString& Value) { SetNotified(FHintClose, Value); }
void TSearchFooter::SetHintFindNext(const QString& Value) { SetNotified(FHintFindNext, Value); }
void TSearchFooter::SetHintFindPrev(const QString& Value) { SetNotified(FHintFindPrev, Value); }
void TSearchFooter::SetHintHighlight(const QString& Value) { SetNotified(FHintHighlight, Value); }

void TSearchFooter::SetFont(const TFont& Value) {
  FFont->Assign(Value);
  Changed();
}

void TSearchFooter::SetShowClose(bool Value) {
  FShowClose = Value;
  Changed();
}

void TSearchFooter::SetShowFindNext(bool Value) { SetIfChanged(FShowFindNext, Value); }
void TSearchFooter::SetShowFindPrev(bool Value) { SetIfChanged(FShowFindPrev, Value); }
void TSearchFooter::SetShowHighLight(bool Value) { SetIfChanged(FShowHighLight, Value); }
void TSearchFooter::SetShowMatchCase(bool Value) { SetIfChanged(FShowMatchCase, Value); }
void TSearchFooter::SetVisible(bool Value) { SetIfChanged(FVisible, Value); }

void TSearchFooter::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TSearchFooter*>(Source);
  if (!s) return;
  AlwaysHighLight = s->AlwaysHighLight;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
  FFindNextCaption = s->FFindNextCaption;
  FFindPrevCaption = s->FFindPrevCaption;
  FMatchCaseCaption = s->FMatchCaseCaption;
  FHighLightCaption = s->FHighLightCaption;
  FHintClose = s->FHintClose;
  FHintFindNext = s->FHintFindNext;
  FHintFindPrev = s->FHintFindPrev;
  FHintHighlight = s->FHintHighlight;
  FShowClose = s->FShowClose;
  FShowFindNext = s->FShowFindNext;
  FShowFindPrev = s->FShowFindPrev;
  FShowHighLight = s->FShowHighLight;
  FShowMatchCase = s->FShowMatchCase;
  SearchActiveColumnOnly = s->SearchActiveColumnOnly;
  SearchMatchStart = s->SearchMatchStart;
  SearchColumn = s->SearchColumn;
  SearchDirection = s->SearchDirection;
  SearchHiddenRows = s->SearchHiddenRows;
  FVisible = s->FVisible;
  FFont->Assign(*s->FFont);
}

// ---- TNavigation

void TNavigation::Changed() {
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value) {
  if (FAdvanceInsert == Value) return;
  FAdvanceInsert = Value;
  Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (FAdvanceDirection == Value) return;
  FAdvanceDirection = Value;
  Changed();
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FAdvanceAuto == Value) return;
  FAdvanceAuto = Value;
  if (Value) AdvanceOnEnter = true;
}

void TNavigation::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TNavigation*>(Source);
  if (!s) return;
  // Everything but KeepScrollOnSort and the event; the three fields with
  // setters are copied as they stand, without their side effects.
  const bool keepScrollOnSort = KeepScrollOnSort;
  const TNotifyEvent onChange = OnChange;
  *this = *s;
  KeepScrollOnSort = keepScrollOnSort;
  OnChange = onChange;
}

// ---- TMouseActions

TMouseActions::TMouseActions(TComponent* AOwner) : FOwner(AOwner), FFixedComboValues(std::make_unique<TStringList>()) {}

bool TMouseActions::IsDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  FDisjunctRowSelect = Value;
  if (Value && IsDesigning()) FDisjunctColSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  FDisjunctColSelect = Value;
  if (Value && IsDesigning()) FDisjunctRowSelect = FDisjunctCellSelect = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  FDisjunctCellSelect = Value;
  if (Value && IsDesigning()) FDisjunctRowSelect = FDisjunctColSelect = false;
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FEditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FHotmailRowSelect = Value;
  if (Value) {
    FDisjunctRowSelect = true;
    CheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetFixedComboValues(const TStrings& Value) { FFixedComboValues->Assign(Value); }

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FWheelAction == Value) return;
  FWheelAction = Value;
  if (OnChange) OnChange(this);
}

void TMouseActions::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TMouseActions*>(Source);
  if (!s) return;
  AllColumnSize = s->AllColumnSize;
  AllRowSize = s->AllRowSize;
  AllSelect = s->AllSelect;
  CaretPositioning = s->CaretPositioning;
  CheckAllCheck = s->CheckAllCheck;
  ColSelect = s->ColSelect;
  RowSelect = s->RowSelect;
  AutoSizeColOnDblClick = s->AutoSizeColOnDblClick;
  DirectComboClose = s->DirectComboClose;
  DirectComboDrop = s->DirectComboDrop;
  DirectDateClose = s->DirectDateClose;
  DirectDateDrop = s->DirectDateDrop;
  DirectEdit = s->DirectEdit;
  FDisjunctRowSelect = s->FDisjunctRowSelect;
  FDisjunctColSelect = s->FDisjunctColSelect;
  FDisjunctCellSelect = s->FDisjunctCellSelect;
  DisjunctRowSelectNoCtrl = s->DisjunctRowSelectNoCtrl;
  FixedRowsEdit = s->FixedRowsEdit;
  FixedColsEdit = s->FixedColsEdit;
  FixedRowsEditor = s->FixedRowsEditor;
  FixedColsEditor = s->FixedColsEditor;
  MoveRowOnNodeClick = s->MoveRowOnNodeClick;
  NodeAllExpandContract = s->NodeAllExpandContract;
  NoAutoRangeScroll = s->NoAutoRangeScroll;
  NoScrollOnPartialRow = s->NoScrollOnPartialRow;
  PreciseCheckBoxCheck = s->PreciseCheckBoxCheck;
  RangeSelectAndEdit = s->RangeSelectAndEdit;
  RowSelectPersistent = s->RowSelectPersistent;
  SelectOnRightClick = s->SelectOnRightClick;
  SizeFixedCol = s->SizeFixedCol;
  PreciseNodeClick = s->PreciseNodeClick;
  WheelIncrement = s->WheelIncrement;
  FWheelAction = s->FWheelAction;
}

// ---- TSyncGrid

// The grid kept in step may be freed first; the owner grid then hears of it
// and lets go. The old grid's notice is not withdrawn: it may keep this grid
// in step the other way, and a notice about a grid no longer kept is ignored.
void TSyncGrid::SetGrid(TComponent* Value) {
  if (Value == FOwner || Value == FGrid) return;
  FGrid = Value;
  if (FGrid && FOwner) FOwner->FreeNotification(FGrid);
}

void TSyncGrid::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TSyncGrid*>(Source);
  if (!s) return;
  SetGrid(s->FGrid);
  ScrollVertical = s->ScrollVertical;
  ScrollHorizontal = s->ScrollHorizontal;
  SelectionColumn = s->SelectionColumn;
  SelectionRow = s->SelectionRow;
  MoveColumn = s->MoveColumn;
  MoveRow = s->MoveRow;
}

// ---- TBands

void TBands::ChangedWhileActive() {
  if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(int Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

bool TBands::BandColor(int BodyRow, TColor& Color) const {
  if (FTotalLength <= 0 || BodyRow < 0) return false;
  Color = BodyRow % FTotalLength < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
  return true;
}

void TBands::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TBands*>(Source);
  if (!s) return;
  FActive = s->FActive;
  FPrimaryColor = s->FPrimaryColor;
  FPrimaryLength = s->FPrimaryLength;
  FSecondaryColor = s->FSecondaryColor;
  FSecondaryLength = s->FSecondaryLength;
  Print = s->Print;
  FTotalLength = FPrimaryLength + FSecondaryLength;
}

// ---- TFocusHelper

void TFocusHelper::Assign(const TGridPersistent* Source) {
  if (const auto* s = dynamic_cast<const TFocusHelper*>(Source)) Enabled = s->Enabled;
}
