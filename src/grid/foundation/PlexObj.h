// The string grid's settings objects (search footer, navigation, mouse
// actions, grid synchronisation, row bands, focus helper) and their
// enumerations. They only store values and tell their owner of changes.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <functional>
#include <memory>

enum TSearchDirection { sdTopBottom, sdLeftRight };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TWheelAction { waMoveSelection, waScroll };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };

using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// The search bar at the bottom of the grid. The captions and hints have their
// English defaults only for a grid being designed; at run time they come from
// the form.
class TSearchFooter : public TGridPersistent {
public:
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  void Assign(const TGridPersistent* Source) override;
  TComponent* Owner() const { return FOwner; }

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);

  const QString& FindNextCaption() const { return FFindNextCaption; }
  void SetFindNextCaption(const QString& Value);
  const QString& FindPrevCaption() const { return FFindPrevCaption; }
  void SetFindPrevCaption(const QString& Value);
  const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
  void SetMatchCaseCaption(const QString& Value);
  const QString& HighLightCaption() const { return FHighLightCaption; }
  void SetHighLightCaption(const QString& Value);
  const QString& HintClose() const { return FHintClose; }
  void SetHintClose(const QString& Value);
  const QString& HintFindNext() const { return FHintFindNext; }
  void SetHintFindNext(const QString& Value);
  const QString& HintFindPrev() const { return FHintFindPrev; }
  void SetHintFindPrev(const QString& Value);
  const QString& HintHighlight() const { return FHintHighlight; }
  void SetHintHighlight(const QString& Value);

  TFont& Font() const { return *FFont; }
  void SetFont(const TFont& Value);

  bool ShowClose() const { return FShowClose; }
  void SetShowClose(bool Value);
  bool ShowFindNext() const { return FShowFindNext; }
  void SetShowFindNext(bool Value);
  bool ShowFindPrev() const { return FShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowHighLight() const { return FShowHighLight; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return FShowMatchCase; }
  void SetShowMatchCase(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  bool AutoSearch = true;
  bool AlwaysHighLight = false;
  int SearchColumn = -1;
  bool SearchActiveColumnOnly = false;
  bool SearchMatchStart = false;
  bool SearchFixedCells = false;
  bool SearchHiddenRows = false;
  TSearchDirection SearchDirection = sdTopBottom;
  QString LastSearch;
  TNotifyEvent OnChange;

private:
  void Changed();
  void SetNotified(QString& Field, const QString& Value);
  void SetIfChanged(bool& Field, bool Value);

  TComponent* FOwner;
  TColor FColor = clWhite;
  TColor FColorTo = clBtnFace;
  bool FAutoThemeAdapt = false;
  QString FFindNextCaption, FFindPrevCaption, FMatchCaseCaption, FHighLightCaption;
  QString FHintClose, FHintFindNext, FHintFindPrev, FHintHighlight;
  std::unique_ptr<TFont> FFont;
  bool FShowClose = true;
  bool FShowFindNext = true;
  bool FShowFindPrev = true;
  bool FShowHighLight = true;
  bool FShowMatchCase = true;
  bool FVisible = false;
};

// Keyboard, editing-advance and clipboard behaviour of the grid.
class TNavigation : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override;

  bool AdvanceInsert() const { return FAdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceAuto() const { return FAdvanceAuto; }
  // Turning it on also turns AdvanceOnEnter on; turning it off leaves that alone.
  void SetAdvanceAuto(bool Value);

  bool AllowInsertRow = false;
  bool AllowDeleteRow = false;
  bool AlwaysEdit = false;
  bool AdvanceOnEnter = false;
  bool AdvanceOnEnterLoop = true;
  bool AdvanceAutoEdit = true;
  bool AdvanceSkipReadOnlyCells = true;
  bool AutoGotoWhenSorted = false;
  bool AutoGotoIncremental = false;
  bool AutoComboDropSize = false;
  bool AllowClipboardShortCuts = false;
  bool AllowSmartClipboard = false;
  bool AllowRTFClipboard = false;
  bool AllowFmtClipboard = false;
  bool AllowClipboardAlways = false;
  bool AllowClipboardRowGrow = true;
  bool AllowClipboardColGrow = true;
  bool AllowCtrlEnter = true;
  bool AppendOnArrowDown = false;
  bool EditSelectAll = true;
  TInsertPosition InsertPosition = pInsertBefore;
  TClipboardPasteAction ClipboardPasteAction = paReplace;
  bool ComboGetUpDown = true;
  TCursorAdvance CursorAdvance = caDefault;
  bool CursorWalkEditor = false;
  bool CursorWalkAlwaysEdit = true;
  bool CursorMoveRows = false;
  bool MoveRowOnSort = false;
  bool KeepScrollOnSort = false;
  bool MoveScrollOnly = false;
  bool ImproveMaskSel = false;
  bool LeftRightRowSelect = true;
  bool CopyHTMLTagsToClipboard = true;
  bool KeepHorizScroll = false;
  bool LineFeedOnEnter = false;
  THomeEndAction HomeEndKey = heFirstLastColumn;
  bool SkipFixedCells = true;
  bool SkipDisabledRows = true;
  bool TabToNextAtEnd = false;
  TAdvanceDirection TabAdvanceDirection = adLeftRight;
  TNotifyEvent OnChange;

private:
  void Changed();

  bool FAdvanceInsert = false;
  TAdvanceDirection FAdvanceDirection = adLeftRight;
  bool FAdvanceAuto = false;
};

// Mouse behaviour of the grid.
class TMouseActions : public TGridPersistent {
public:
  explicit TMouseActions(TComponent* AOwner);
  void Assign(const TGridPersistent* Source) override;
  TComponent* Owner() const { return FOwner; }

  // The three disjunct selections exclude one another only at design time.
  bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FDisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  // The same field as DisjunctRowSelect, written without the exclusion rule.
  bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
  bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  bool HotmailRowSelect() const { return FHotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  const TStrings& FixedComboValues() const { return *FFixedComboValues; }
  void SetFixedComboValues(const TStrings& Value);
  TWheelAction WheelAction() const { return FWheelAction; }
  void SetWheelAction(TWheelAction Value);

  bool AllColumnSize = false;
  bool AllRowSize = false;
  bool AllSelect = false;
  bool CaretPositioning = false;
  bool CheckAllCheck = false;
  bool ColSelect = false;
  bool RowSelect = false;
  bool AutoSizeColOnDblClick = true;
  bool DirectComboClose = false;
  bool DirectComboDrop = false;
  bool DirectDateClose = false;
  bool DirectDateDrop = false;
  bool DirectEdit = false;
  bool DisjunctRowSelectNoCtrl = false;
  TGridFixedCellEdit FixedRowsEdit = fceNone;
  TGridFixedCellEdit FixedColsEdit = fceNone;
  TGridFixedCellEditor FixedRowsEditor = fceEdit;
  TGridFixedCellEditor FixedColsEditor = fceEdit;
  bool MoveRowOnNodeClick = false;
  bool NodeAllExpandContract = false;
  bool NoAutoRangeScroll = false;
  bool NoScrollOnPartialRow = false;
  bool PreciseCheckBoxCheck = false;
  bool RangeSelectAndEdit = false;
  bool RowSelectPersistent = false;
  bool SelectOnRightClick = false;
  bool SizeFixedCol = false;
  bool SizeFixedRow = false;
  bool PreciseNodeClick = true;
  int WheelIncrement = 0;
  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TNotifyEvent OnDisableEdit;
  TIsDesigningEvent OnIsDesigning;

private:
  bool IsDesigning();

  TComponent* FOwner;
  bool FDisjunctRowSelect = false;
  bool FDisjunctColSelect = false;
  bool FDisjunctCellSelect = false;
  bool FEditOnDblClickOnly = false;
  bool FHotmailRowSelect = false;
  std::unique_ptr<TStringList> FFixedComboValues;
  TWheelAction FWheelAction = waMoveSelection;
};

// Another grid kept in step with the owner grid; the owner itself is refused.
class TSyncGrid : public TGridPersistent {
public:
  explicit TSyncGrid(TComponent* AOwner) : FOwner(AOwner) {}
  void Assign(const TGridPersistent* Source) override;
  TComponent* Owner() const { return FOwner; }

  TComponent* Grid() const { return FGrid; }
  void SetGrid(TComponent* Value);

  bool ScrollVertical = false;
  bool ScrollHorizontal = false;
  bool SelectionColumn = false;
  bool SelectionRow = false;
  bool MoveColumn = false;
  bool MoveRow = false;

private:
  TComponent* FOwner;
  TComponent* FGrid = nullptr;
};

// Alternating row colours: PrimaryLength rows in PrimaryColor, then
// SecondaryLength rows in SecondaryColor, counted from the first body row.
class TBands : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int Value);
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int Value);
  int TotalLength() const { return FTotalLength; }
  // The band colour of a body row (row - FixedRows); false when the bands
  // give none (a total length of 0 or less).
  bool BandColor(int BodyRow, TColor& Color) const;

  bool Print = false;
  TNotifyEvent OnChange;

private:
  void ChangedWhileActive();

  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  TColor FSecondaryColor = clWindow;
  int FPrimaryLength = 1;
  int FSecondaryLength = 1;
  int FTotalLength = 2;
};

class TFocusHelper : public TGridPersistent {
public:
  explicit TFocusHelper(TComponent* AOwner) : FOwner(AOwner) {}
  void Assign(const TGridPersistent* Source) override;
  TComponent* Owner() const { return FOwner; }

  bool Enabled = false;

private:
  TComponent* FOwner;
};
