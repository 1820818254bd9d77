// The string grid on which every table of the program is edited: the base
// grid with typed cell access, settings objects, editors and data features.
// One class; its implementation is split over PlexStringGrid*.cpp by concern,
// and each concern keeps its own section of this header.
#pragma once

#include "grid/core/ControlLook.h"
#include "grid/core/GridSelectListener.h"
#include "grid/core/PlexStringGridDefaults.h"
#include "grid/core/PlexStringGridEvents.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/Looks.h"
#include "grid/foundation/PlexObj.h"
#include "platform/Forms.h"

#include <QIODevice>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TCellNode;
class TColumnSize;
class TControlCombo;
class TControlEdit;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFooterPanel;
class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridEditBtn;
class TGridItem;
class TGridProgressAppearance;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TGrouping;
class THTMLSettings;
class THeaderDragButton;
class THiddenRowStore;
class TIntList;
class TPrintSettings;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;

// Misuse of the grid's API; the message is the grid's own text.
class EPlexGridError : public Exception {
  using Exception::Exception;
};

inline constexpr const char* SCellNoInteger = "Cell does not contain integer value";
inline constexpr const char* SCellNoFloat = "Cell does not contain a float value";

enum TGridLook { glStandard, glSoft, glClassic, glOrv, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum THintShowLargeTextPos { hpCell, hpCursor };

class TPlexStringGrid : public TBaseGrid, public IOrvTones, public IOrvStyle {
public:
  explicit TPlexStringGrid(TComponent* AOwner);
  ~TPlexStringGrid() override;

  // ================= life cycle (PlexStringGrid.cpp, PlexStringGridLife.cpp, PlexStringGridAssign.cpp)
  // Completes the grid after its form has set its properties.
  virtual void Loaded();
  bool IsLoading() const { return FLoading; }
  // Properties set between BeginLoading and Loaded count as streamed from the form.
  void BeginLoading() { FLoading = true; }
  bool IsLoaded() const { return FLoaded; }
  // Copies settings, sizes and cells of another string grid; other sources change nothing.
  virtual void Assign(TObject* Source);
  void Invalidate() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void ApplyScrollBarAlways(bool HideUnneeded);
  // Whether the window scroll bars are shown and enabled, as ApplyScrollBarAlways left them.
  bool VertScrollBarShown() const { return FVertBarShown; }
  bool HorzScrollBarShown() const { return FHorzBarShown; }
  bool VertScrollBarEnabled() const { return FVertBarEnabled; }
  bool HorzScrollBarEnabled() const { return FHorzBarEnabled; }
  // Lines one wheel notch moves, after CreateWnd resolved page scrolling.
  int WheelScrollLines() const { return FWheelScrollLines; }
  bool IsWinXP() const { return FIsWinXP; }
  bool IsWin7() const { return FIsWin7; }
  bool IsVista() const { return FIsVista; }
  bool IsThemed() const { return FIsThemed; }

  // ================= owned objects
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  TFocusHelper& FocusHelper() { return *FFocusHelper; }
  TSearchFooter& SearchFooter() { return *FSearchFooter; }
  TFloatingFooter& FloatingFooter() { return *FFloatingFooter; }
  TPrintSettings& PrintSettings() { return *FPrintSettings; }
  THTMLSettings& HTMLSettings() { return *FHTMLSettings; }
  TSortSettings& SortSettings() { return *FSortSettings; }
  TDragDropSettings& DragDropSettings() { return *FDragDropSettings; }
  TDragScrollOptions& DragScrollOptions() { return *FDragScrollOptions; }
  TControlLook& ControlLook() { return *FControlLook; }
  TNavigation& Navigation() { return *FNavigation; }
  TColumnSize& ColumnSize() { return *FColumnSize; }
  TCellNode& CellNode() { return *FCellNode; }
  TBands& Bands() { return *FBands; }
  TSizeWhileTyping& SizeWhileTyping() { return *FSizeWhileTyping; }
  TMouseActions& MouseActions() { return *FMouseActions; }
  TGrouping& Grouping() { return *FGrouping; }
  TStringList& ColumnHeaders() { return *FColumnHeaders; }
  void SetColumnHeaders(const TStringList& Value);
  TStringList& RowHeaders() { return *FRowHeaders; }
  void SetRowHeaders(const TStringList& Value);
  TFont& FixedFont() { return *FFixedFont; }
  void SetFixedFont(const TFont& Value);
  TFont& ActiveCellFont() { return *FActiveCellFont; }
  TStringList& LookupItems() { return *FLookupItems; }
  void SetLookupItems(const TStringList* Value);
  TStringList& FilterList() { return *FFilterList; }
  TSortIndexList& SortIndexes() { return *FSortIndexes; }
  TIntList& MergedColumns() { return *FMergedColumns; }
  TBitmap& RowIndicator() { return *FRowIndicator; }
  TBackGround& BackGround() { return *FBackGround; }
  TControlList& CellControlList() { return *FControlList; }
  TGridProgressAppearance& ProgressAppearance() { return *FProgressAppearance; }
  TSyncGrid& SyncGrid() { return *FSyncGrid; }
  THiddenRowStore& HiddenRowStore() { return *FHiddenRowStore; }
  TFilter& Filter() { return *FFilter; }
  TBalloonSettings& Balloon() { return *FBalloon; }
  TShowModified& ShowModified() { return *FShowModified; }
  TIntList& ColumnOrder() { return *FColumnOrder; }
  TIntList& IgnoreColumns() { return *FIgnoreColumns; }
  TFilterDropDown& FilterDropDown() { return *FFilterDropDown; }
  TDropList* FilterListBox() const { return FFilterListBox; }
  TDropCheckList* FilterCheckList() const { return FFilterCheckList; }
  // The editor controls made with the grid (null in the designer).
  TGridCombo* ComboEditor() const { return FCombobox; }
  TGridTransEdit* TransEdit() const { return FTransEdit; }
  TGridTransCombo* TransCombo() const { return FTransCombo; }
  TGridCheckBox* CheckEditor() const { return FCheckEdit; }
  TGridEditBtn* EditBtn() const { return FEditBtn; }
  TGridUnitEditBtn* UnitEditBtn() const { return FUnitEditBtn; }
  TGridButton* GridButton() const { return FGridButton; }
  THeaderDragButton* HeaderDragButton() const { return FHeaderDragButton; }
  TControlEdit* ControlEdit() const { return FControlEdit; }
  TControlCombo* ControlCombo() const { return FControlCombo; }
  // The editor controls in the order Create makes them.
  std::vector<TWinControl*> EditorControls() const;

  // ================= properties
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TColor OrvGradientFrom() const { return FOrvGradientFrom; }
  void SetOrvGradientFrom(TColor Value);
  TColor OrvGradientTo() const { return FOrvGradientTo; }
  void SetOrvGradientTo(TColor Value);
  TColor OrvGradientMirrorFrom() const { return FOrvGradientMirrorFrom; }
  void SetOrvGradientMirrorFrom(TColor Value);
  TColor OrvGradientMirrorTo() const { return FOrvGradientMirrorTo; }
  void SetOrvGradientMirrorTo(TColor Value);
  // The fixed cells' hover and pressed faces; ControlLook sets them.
  TColor OrvGradientHoverFrom() const { return FOrvGradientFaces[fgHoverFrom]; }
  TColor OrvGradientHoverTo() const { return FOrvGradientFaces[fgHoverTo]; }
  TColor OrvGradientHoverMirrorFrom() const { return FOrvGradientFaces[fgHoverMirrorFrom]; }
  TColor OrvGradientHoverMirrorTo() const { return FOrvGradientFaces[fgHoverMirrorTo]; }
  TColor OrvGradientHoverBorder() const { return FOrvGradientFaces[fgHoverBorder]; }
  TColor OrvGradientDownFrom() const { return FOrvGradientFaces[fgDownFrom]; }
  TColor OrvGradientDownTo() const { return FOrvGradientFaces[fgDownTo]; }
  TColor OrvGradientDownMirrorFrom() const { return FOrvGradientFaces[fgDownMirrorFrom]; }
  TColor OrvGradientDownMirrorTo() const { return FOrvGradientFaces[fgDownMirrorTo]; }
  TColor OrvGradientDownBorder() const { return FOrvGradientFaces[fgDownBorder]; }
  // The grid colour that a ControlLook fixed-gradient colour stands for.
  void SetFixedGradientColor(TFixedGradient Which, TColor Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  int FixedColWidth() const { return FFixedColWidth; }
  void SetFixedColWidth(int Value);
  QString Version() const { return GetVersionString(); }
  // The forms stream a value; it is accepted and ignored.
  void SetVersion(const QString&) {}
  TCursor RestoreCursor() const { return FRestoreCursor; }
  bool UpdateInProgress() const { return FUpdateCount > 0; }
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void SetComponentStyle(TOrvStyle AStyle) override { FOrvStyle = AStyle; }
  void SetColorTones(const TColorTones& ATones) override { FTones = ATones; }
  TColorTones ColorTones() const { return FTones; }
  TOrvStyle ComponentStyle() const { return FOrvStyle; }

  // Plain settings read by the features; writing them has no side effect.
  QString FloatFormat = PlexGridDefaults::FloatFormat;
  QString CheckTrue = PlexGridDefaults::CheckTrue;
  QString CheckFalse = PlexGridDefaults::CheckFalse;
  QString XMLEncoding = PlexGridDefaults::XMLEncoding;
  QString FilterDropDownClear = PlexGridDefaults::FilterDropDownClear;
  QChar PasswordChar = QChar(PlexGridDefaults::PasswordChar);
  QChar Delimiter = QChar(PlexGridDefaults::Delimiter);
  TScrollType ScrollType = ssNormal;
  TColor ScrollColor = clNone;
  bool ScrollProportional = false;
  bool ScrollSynch = false;
  bool ScrollHints = false;
  TColor HintColor = clInfoBk;
  TColor HighlightColor = clHighlight;
  TColor HighlightTextColor = clHighlightText;
  TColor SelectionColor = PlexGridDefaults::SelectionColor;
  TColor SelectionColorTo = clNone;
  TColor SelectionMirrorColor = clNone;
  TColor SelectionMirrorColorTo = clNone;
  TColor SelectionTextColor = PlexGridDefaults::SelectionTextColor;
  int SelectionColorMixerFactor = PlexGridDefaults::SelectionColorMixerFactor;
  TColor ActiveCellColor = PlexGridDefaults::ActiveCellColor;
  TColor ActiveCellColorTo = clNone;
  bool ActiveCellShow = false;
  TColor DisabledFontColor = PlexGridDefaults::DisabledFontColor;
  bool UseDisabledFont = true;
  TColor URLColor = PlexGridDefaults::URLColor;
  bool EnableHTML = true;
  bool EnableWheel = true;
  bool ShowSelection = true;
  bool IntelliZoom = true;
  bool HideFocusRect = false;
  bool FixedAsButtons = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  bool JavaCSV = false;
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveHiddenCells = false;
  bool SaveVirtCells = true;
  bool SaveWithHTML = true;
  bool LoadFirstRow = true;
  bool ShowNullDates = true;
  bool ClearTextOnly = false;
  bool FitCellsInGrid = true;
  bool FilterNormalCellsOnly = true;
  bool AutoFilterUpdate = true;
  bool FilterIncremental = false;
  bool FilterDropDownAuto = false;
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  THoverFixedCells HoverFixedCells = hfNone;
  THintShowLargeTextPos HintShowLargeTextPos = hpCell;
  bool ShowDesignHelper = true;
  bool EnhRowColMove = true;
  bool UseInternalHintClass = true;
  TInvalidEntryIcon InvalidEntryIcon = ieWarning;
  QString InvalidEntryTitle;
  QString InvalidEntryText;
  TVAlignment VAlignment = vtaTop;
  TAlignment DefaultAlignment = taLeftJustify;
  TEditorType DefaultEditor = edNormal;
  TPoint XYOffset{PlexGridDefaults::XYOffset, PlexGridDefaults::XYOffset};
  int GroupColumn = -1;
  int MinRowHeight = 0;
  int MaxRowHeight = 0;
  int MinColWidth = 0;
  int MaxColWidth = 0;
  int MinFixedRows = 0;
  int MinFixedCols = 0;
  int MaxRowCount = 0;
  bool SizeGrowOnly = false;
  int ZoomFactor = 0;
  int PreviewPage = PlexGridDefaults::PreviewPage;
  int LastPrintPage = PlexGridDefaults::LastPrintPage;
  int PrintNrOfPages = 0;
  bool PrinterDriverFix = false;
  bool ExcelClipboardFormat = false;
  bool NoDefaultDraw = false;
  bool AutoNumAlign = false;
  bool AutoThemeAdapt = false;
  bool AnchorHint = false;
  bool FixedRowAlways = false;
  bool Multilinecells = false;
  TObject* GridImages = nullptr;

  // ================= virtual operations, in declared order
  // -- group 1
  virtual void DoCalcFooter(int ACol, QString& Value);
  virtual void DoClickSort(int ACol);
  virtual void F2Pressed() {}
  virtual void SetCellFromEditor(int ACol, int ARow, const QString& Value);
  virtual void AdjustKeySelection() {}
  virtual void PasteCell(int ACol, int ARow, const QString& Value);
  virtual QString GetCurrentCell();
  virtual void SetCurrentCell(const QString& Value);
  virtual QString GetCurrentCellEx();
  virtual void SetCurrentEditText(const QString& Value);
  // -- group 2
  virtual void UndoCellEdit() {}
  virtual void ToggleCheckBoxEx(int ACol, int ARow) {}
  virtual void ToggleRadioButtonEx(int ACol, int ARow) {}
  virtual QString GetFormattedCell(int ACol, int ARow);
  virtual QString GetCellFloatFormat(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual TPoint CalcCellGraphicSize(int ACol, int ARow) { return TPoint(0, 0); }
  virtual TPoint CalcCellGraphicPrintSize(int ACol, int ARow) { return TPoint(0, 0); }
  // -- group 3
  virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
  virtual void DoGetEditorProp(int ACol, int ARow);
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void DoFixedEdit(int ACol, int ARow, bool& Allow);
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void EditorTextPosChanged() {}
  virtual void AutoInsertRow(int ARow);
  virtual void AutoDeleteRow(int ARow);
  virtual void DoFilterDone();
  virtual void DoUpdateColumnSize(int ACol, int& AWidth);
  // -- group 4
  virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);
  virtual void ColumnHeadersChanged() {}
  virtual void DoEllipsClick(int ACol, int ARow, QString& S);
  virtual bool RowMatchesFilter(int ARow) { return true; }
  virtual void BeforePaste() {}
  virtual void AfterPaste() {}
  virtual void CellsPasted(const TRect& Cells);
  virtual QString GetCalculatedCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  virtual void DoSaveCell(int ACol, int ARow, QString& Value);
  virtual void DoLoadCell(int ACol, int ARow, const QString& Value);
  // -- group 5
  virtual void CellEdited(int ACol, int ARow) { CalcFooter(ACol); }
  virtual void SaveOldCellValue(int ACol, int ARow) { FOldCellText = GetCellEx(ACol, ARow); }
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(int Action, bool& DefaultHandled);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoExpandClick(int ACol, int ARow);
  virtual void DoComboCloseUp(int ACol, int ARow);
  virtual void DoComboDropDown(int ACol, int ARow);
  virtual void DoGetCellCursor(int ACol, int ARow, TCursor& ACursor);
  virtual void DoCellsChanged(const TRect& Cells);
  // -- group 6
  virtual void CellsLoaded() { CalcFooter(-1); }
  virtual void DoGridHint(int ARow, int ACol, QString& HintStr);
  virtual void DoGetCellColor(int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void DoGetCellPrintColor(int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void DoGetCellBorder(int ARow, int ACol, TPen& APen, TCellBorders& Borders);
  virtual void DoGetCellPrintBorder(int ARow, int ACol, TPen& APen, TCellBorders& Borders);
  virtual void DoGetAlignment(int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
  virtual void DoGetEditorTypeDirect(int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
  // -- group 7
  virtual bool HasNoEditor(int ACol, int ARow) { return false; }
  virtual void DoIsFixedCell(int ARow, int ACol, bool& IsFixed);
  virtual bool CanEditCell(int ACol, int ARow);
  virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrap);
  virtual void DoHasComboBox(int ACol, int ARow, bool& HasComboBox);
  virtual void DoHasSpinEdit(int ACol, int ARow, bool& HasSpinEdit);
  virtual void DoGetCheckTrue(int ACol, int ARow, QString& Value);
  virtual void DoGetCheckFalse(int ACol, int ARow, QString& Value);
  virtual void DoGetColumnFilter(int ACol, TStrings& Filter);
  // -- group 8
  virtual TRect GetUsedCells();
  virtual void DeleteRows(int ARow, int ACount) { RemoveRows(ARow, ACount); }
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(int ARow, bool& CanInsert);
  virtual void AfterWheelScroll() {}
  virtual void AppendRow() { SetRowCount(RowCount() + 1); }
  virtual void CellSelectorClick(TMouseButton Button, TShiftState Shift) {}
  virtual void SetFormulaEditMode(bool Value) {}
  virtual void AdjustClickSelection(int& ACol, int& ARow, TShiftState Shift) {}
  virtual void MouseActionsChanged() {}
  // -- group 9
  // No form designer runs on this platform.
  virtual bool IsDesigning() { return false; }
  virtual void MouseActionsInvalidate() { Invalidate(); }
  virtual void DisableEditing();
  virtual void EditorKeyDown(WORD& Key, TShiftState Shift) {}
  virtual void EditorWMKeyDown(WORD& Key, TShiftState Shift) {}
  virtual void NavigationChanged() {}
  virtual void WrapToFirstRow() { SetRow(FixedRows()); }
  virtual bool CanUseFmtClipboard() { return FNavigation->AllowFmtClipboard; }
  virtual void DoFilterSelect(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition);
  virtual void DoFilterCheck(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition,
                             bool CheckState);
  // -- group 10
  virtual void PaintDesignHelper() {}
  virtual void DesignHelperClick(int X, int Y) {}
  virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
  virtual void DoRatingChange(int ACol, int ARow, double Value);
  virtual void DoColorSelect(int ACol, int ARow, TColor& AColor);
  virtual void DoImageSelect(int ACol, int ARow, int& AImageIndex);
  virtual void DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow);
  virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
  virtual void DoCanShowFixedDropDown(int ACol, bool& Allow);
  virtual void DoStartBlockFocus(int ACol, int ARow);
  // -- group 11
  virtual void DoEndBlockFocus(int ACol, int ARow);
  virtual TObject* GetCellImageList(int ACol, int ARow) { return GridImages; }
  virtual void ExportNotification(TExportState State, int ARow);
  virtual void ImportNotification(TExportState State, int ARow);
  virtual void AssignCells(TObject* Source);
  virtual int GetVersionNr() const;
  virtual QString GetVersionString() const;
  virtual bool ValidateCell(const QString& NewValue) { return true; }
  virtual bool ValidateCellWide(const QString& NewValue) { return true; }
  virtual void RemoveRowsEx(int ARow, int ACount);
  virtual void RemoveRows(int ARow, int ACount);
  virtual void InsertRows(int ARow, int ACount);
  virtual void RemoveCols(int ACol, int ACount);
  virtual void InsertCols(int ACol, int ACount);
  virtual void SubGroup(int ColIndex);
  virtual void SubUnGroup();
  virtual void Group(int ColIndex);
  virtual void UnGroup();
  virtual void SortSwapRows(int ARow1, int ARow2);
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void SaveColPositions();
  virtual void LoadColPositions();
  virtual void SetStyle(TOrvStyle AStyle) { SetComponentStyle(AStyle); }
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  virtual void CalcFooter(int ACol);

  // ================= row and column operations (PlexStringGridRows.cpp)
  void SplitColumnCells(int ColIndex);
  void MergeColumnCells(int ColIndex, bool MainMerge);

  // ================= overrides of the base grid
  bool IsFixed(int ACol, int ARow) override;
  int DisplColIndex(int ACol) override { return RealToDisplayCol(ACol); }
  int TotalColCount() const override { return ColCount() + FNumHiddenColumns; }
  void CellTextChanged(int ACol, int ARow) override;

  // ================= data features (features/PlexStringGridFeatureCalls.cpp, features/PlexStringGridTextStream.cpp)
  void SaveToStream(QIODevice& Stream);
  void LoadFromStream(QIODevice& Stream);
  int SaveStartCol() const;
  int SaveStartRow() const;
  int SaveEndCol() const;
  int SaveEndRow() const;
  int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
  int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
  void UpdateSearchPanel();
  void LoadColSizes();
  void SaveColSizes();
  void UpdateFooter();
  // The drag-and-drop unit registers the window as a drop target.
  void RegisterDropTarget(bool Register);
  bool DropTargetRegistered() const { return FDropTargetRegistered; }
  void SetOleRichTextDrop(bool Value);
  // Calls into the data features that are not built yet, by name, in call order.
  const std::vector<QString>& FeatureCalls() const { return FFeatureCalls; }
  void ClearFeatureCalls() { FFeatureCalls.clear(); }

  // ================= hidden columns and rows (PlexStringGridHidden.cpp)
  int NumHiddenColumns() const { return FNumHiddenColumns; }
  int NumHiddenRows() const;
  bool IsHiddenColumn(int ACol) const;
  bool IsHiddenRow(int ARow) const;
  void HideColumn(int ACol) { HideColumns(ACol, ACol); }
  void UnHideColumn(int ACol) { UnHideColumns(ACol, ACol); }
  void UnHideColumnsAll();
  int RealToDisplayCol(int ACol) const;
  int DisplayToRealCol(int ACol) const;
  int RealColIndex(int ACol) const { return DisplayToRealCol(ACol); }
  int RealToDisplayRow(int ARow) const;
  int DisplayToRealRow(int ARow) const;
  int RealRowIndex(int ARow) const { return DisplayToRealRow(ARow); }
  int DisplRowIndex(int ARow) const { return RealToDisplayRow(ARow); }
  int AllColCount() const { return ColCount() + FNumHiddenColumns; }
  int AllRowCount() const { return RowCount() + NumHiddenRows(); }
  // Real indexes; the editor closes first. The last displayed column stays,
  // and real columns from 512 on are never hidden.
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumns(int FromCol, int ToCol);
  bool IsColumnVisible(int ACol) const { return !IsHiddenColumn(ACol); }
  void SetColumnVisible(int ACol, bool Value);
  int RealCol() const { return DisplayToRealCol(Col()); }
  int RealRow() const { return DisplayToRealRow(Row()); }
  int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
  // Real indexes. A hidden row keeps its real index, height and cells until
  // it is shown again at its own place.
  void HideRow(int ARow) { HideRows(ARow, ARow); }
  void HideRows(int FromRow, int ToRow);
  // As HideRows, but nothing happens when FromRow is hidden already.
  void HideRowsEx(int FromRow, int ToRow);
  // Displayed indexes, ascending: one new hide level (filter level).
  void HideRowList(const TIntList& RowList);
  void UnHideRow(int ARow) { UnHideRows(ARow, ARow); }
  // Nothing happens unless FromRow is hidden.
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  // Shows the rows of the newest hide level, or every hidden row while
  // fewer than two levels exist; the level itself is the caller's to lower.
  void UnHideRowList();
  // The same test against a list of the hidden rows made on the first call,
  // for loops over many rows; the caller keeps the list.
  bool IsHiddenRow(int ARow, std::unique_ptr<TIntList>& ListHidden) const;
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = std::max(0, Value); }

  // ================= cell access (PlexStringGridCells.cpp)
  int Ints(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  int AllInts(int ACol, int ARow);
  void SetAllInts(int ACol, int ARow, int Value);
  double Floats(int ACol, int ARow);
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow);
  void SetAllFloats(int ACol, int ARow, double Value);
  QString AllCells(int ACol, int ARow);
  void SetAllCells(int ACol, int ARow, const QString& Value);
  QString AllGridCells(int ACol, int ARow);
  void SetAllGridCells(int ACol, int ARow, const QString& Value);
  QString AllWideCells(int ACol, int ARow) { return DecodeWide(AllCells(ACol, ARow)); }
  void SetAllWideCells(int ACol, int ARow, const QString& Value) { SetAllCells(ACol, ARow, EncodeWide(Value)); }
  QString WideCells(int ACol, int ARow) { return DecodeWide(GetCellEx(ACol, ARow)); }
  void SetWideCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, EncodeWide(Value)); }
  // The caller's value kept for a cell (GetObjectEx), by real row.
  uintptr_t AllObjects(int ACol, int ARow);
  void SetAllObjects(int ACol, int ARow, uintptr_t Value);
  TObject* GetGridObjectEx(int ACol, int ARow);
  QString OriginalCells(int ACol, int ARow);
  void SetOriginalCells(int ACol, int ARow, const QString& Value);
  QString UnSortedCells(int ACol, int ARow);
  void SetUnSortedCells(int ACol, int ARow, const QString& Value);
  QString StrippedCells(int ACol, int ARow);
  int LinesInCell(int ACol, int ARow);
  int SortedRowIndex(int ARow);
  int UnSortedRowIndex(int ARow);
  int ColumnPosition(int ACol) const;
  int AllColWidths(int ACol) const;
  void SetAllColWidths(int ACol, int Value);
  TControl* CellControls(int ACol, int ARow);
  void SetCellControls(int ACol, int ARow, TControl* Value);
  int CellControlCount() const { return FCellControlCount; }
  // Valid until the next read: one font object serves every cell.
  const TFont& Fonts(int ACol, int ARow);
  void SetFonts(int ACol, int ARow, const TFont& Value);
  TColor FontColors(int ACol, int ARow);
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles FontStyles(int ACol, int ARow);
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  int FontSizes(int ACol, int ARow);
  void SetFontSizes(int ACol, int ARow, int Value);
  QString FontNames(int ACol, int ARow);
  void SetFontNames(int ACol, int ARow, const QString& Value);
  TColor Colors(int ACol, int ARow);
  void SetColors(int ACol, int ARow, TColor Value);
  TColor ColorsTo(int ACol, int ARow);
  void SetColorsTo(int ACol, int ARow, TColor Value);
  TCellGradientDirection Gradients(int ACol, int ARow);
  void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
  TAlignment Alignments(int ACol, int ARow);
  void SetAlignments(int ACol, int ARow, TAlignment Value);
  bool ReadOnly(int ACol, int ARow);
  void SetReadOnly(int ACol, int ARow, bool Value);
  bool WordWraps(int ACol, int ARow);
  void SetWordWraps(int ACol, int ARow, bool Value);
  void SetRowColor(int ARow, TColor Value);
  void SetRowColorTo(int ARow, TColor Value);
  void SetRowFontColor(int ARow, TColor Value);
  QString CurrentCell() { return GetCurrentCell(); }
  TEditorType CurrentEditor() const { return FEditControl; }
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  void ClearRowHeaders();
  QString ControlValues(int ACol, int ARow, const QString& ID);
  void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value);
  void RepaintRow(int ARow) { InvalidateRow(ARow); }
  void RepaintCol(int ACol) { InvalidateCol(ACol); }

  // ================= events (OnResize is the control's own)
  TColTextEvent OnCalcFooter;
  TColEvent OnClickSort;
  TPrintPageNumEvent OnPrintGetPageNum;
  TCellEvent OnGetEditorProp;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCellBoolEvent OnFixedEdit;
  TSelectionChangedEvent OnSelectionChanged;
  TRowEvent OnAutoInsertRow;
  TRowEvent OnAutoDeleteRow;
  TNotifyEvent OnFilterDone;
  TColSizeEvent OnUpdateColumnSize;
  TColSizeEvent OnUpdateAutoColumnSize;
  TEllipsClickEvent OnEllipsClick;
  TRectEvent OnCellsPasted;
  TCellTextEvent OnSaveCell;
  TCellTextEvent OnLoadCell;
  TCellBoolEvent OnCanEditCell;
  TSearchFooterActionEvent OnSearchFooterAction;
  TCellEvent OnButtonClick;
  TCellEvent OnExpandClick;
  TCellEvent OnComboCloseUp;
  TCellEvent OnComboDropDown;
  TCellCursorEvent OnGetCellCursor;
  TRectEvent OnCellsChanged;
  TGridHintEvent OnGridHint;
  TGetCellColorEvent OnGetCellColor;
  TGetCellColorEvent OnGetCellPrintColor;
  TGetCellBorderEvent OnGetCellBorder;
  TGetCellBorderEvent OnGetCellPrintBorder;
  TGetAlignmentEvent OnGetAlignment;
  TGetFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  TFixedCellEvent OnIsFixedCell;
  TCellBoolEvent OnIsPasswordCell;
  TCellBoolEvent OnGetWordWrap;
  TCellBoolEvent OnHasComboBox;
  TCellBoolEvent OnHasSpinEdit;
  TCellTextEvent OnGetCheckTrue;
  TCellTextEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TCanAddRowEvent OnCanAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  TFilterSelectEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;
  TCheckBoxClickEvent OnCheckBoxChange;
  TRatingChangeEvent OnRatingChange;
  TColorSelectEvent OnColorSelect;
  TImageSelectEvent OnImageSelect;
  TCellChangingEvent OnCellChanging;
  TScrollCellEvent OnScrollCell;
  TCellBoolEvent OnCanShowFixedDropDown;
  TCellEvent OnStartBlockFocus;
  TCellEvent OnEndBlockFocus;
  TExportNotificationEvent OnExportNotification;
  TExportNotificationEvent OnImportNotification;

  // placeholder: fuller version comes with editor life
  virtual void HideInplaceEdit() {}

  // ================= selection (PlexStringGridSelection.cpp, PlexStringGridSelectionLists.cpp)
  // The gatekeeper of every move of the current cell.
  bool SelectCell(int ACol, int ARow) override;
  // Fires OnRowChanging, OnColChanging and OnCellChanging with one Allow.
  void CellChanging(int ACol, int ARow, bool& Allow);
  void GotoCell(int ACol, int ARow);
  void FocusCell(int ACol, int ARow);
  void MoveToColRow(int ACol, int ARow);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void ClearRowSelect();
  void ClearColSelect();
  void ClearSelectedCells();
  bool GetRowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  bool GetColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  void SelectionToRowSelect(bool AllRows);
  void SelectionToColSelect(bool AllCols);
  bool IsSelected(int ACol, int ARow);
  QString SelectedText();
  bool GetRowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  int ModifiedRowCount() const;
  void ClearModifiedRows();
  bool GetRowEnabled(int ARow) const;
  void SetRowEnabled(int ARow, bool Value);
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  // Cell indexes; nothing for a negative bound.
  void RepaintRect(const TRect& R);
  void InvalidateCellRange(const TRect& R);
  void RepaintActiveHeaders(int ACol1, int ARow1, int ACol2, int ARow2);
  int RowSelectCount();
  int ColSelectCount();
  int SelectedCellsCount();
  int SelectedRowCount();
  int SelectedColCount();
  // Packed as row x 65536 + column.
  TGridCoord SelectedCell(int Index) const;
  int SelectedRow(int Index) const;
  bool GetSelectedCells(int ACol, int ARow) const;
  void SetSelectedCells(int ACol, int ARow, bool Value);
  void RegisterSelListener(std::shared_ptr<ITPlexStringGridSelect> AListener) { FISelect = std::move(AListener); }
  void UnRegisterSelListener(const std::shared_ptr<ITPlexStringGridSelect>&) { FISelect.reset(); }
  // Without one, a rich-text cell is copied as it is stored.
  void SetRichTextConverter(IRichTextConverter* Value) { FRichTextConverter = Value; }
  bool IsLastRowAboveSearchFooter();
  void ScrollAboveSearchFooter();
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelHidden; }
  void ScrollInView(int ColIndex, int RowIndex);
  void UpdateEditMode() { SelectCell(Col(), Row()); }
  // The current row: the move, then the row reported, the disjunct row
  // selection, a synchronised grid and the search footer follow.
  void SetRow(int Value) override;
  // Internal moves of the grid's own pass every gatekeeper while this is set.
  void SetForceSelection(bool Value) { FForceSel = Value; }
  // The grid rearranging itself: OnCellChanging stays quiet meanwhile.
  void SetChangeDisabled(bool Value) { FChangeDisable = Value; }
  // -1 after creation and after a sort.
  void ResetOldRowSelection() { FOldRowSel = -1; }
  QString CellCache() const { return FCellCache; }
  // Row operations keep the per-row flags with their rows: inserted rows
  // open unset entries in the modified and enabled flags; removed rows take
  // their entries out of all three lists.
  void RowFlagsInserted(int RowIndex, int RCount);
  void RowFlagsRemoved(int RowIndex, int RCount);
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TRowUpdateEvent OnRowUpdate;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;
  bool SelectionRectangle = false;

protected:
  // Window creation: the grid timer, the wheel settings and the child panels.
  // Runs when the grid first gets a parent, as a window is made then.
  virtual void CreateWnd();
  void Resize() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void RecordFeatureCall(const QString& Name) { FFeatureCalls.push_back(Name); }
  // The base grid's move with its anchor choice, beside the public FocusCell.
  using TBaseGrid::FocusCell;

  QString FOldCellText;
  TEditorType FEditControl = edNormal;

private:
  // ---- construction steps (PlexStringGrid.cpp)
  void CreateOwnedObjects();
  void CreateSettingsObjects();
  void CreateListsAndLooks();
  void CreateFilterObjects();
  void ApplyDefaults();
  void ProbePlatform();
  void CreateRunTimeControls();
  void ChainOwnerFormResize();
  void UnchainOwnerFormResize();
  void OwnerFormResized(TObject* Sender);
  void FreeAllCellsOnDestroy();
  // ---- life cycle (PlexStringGridLife.cpp, PlexStringGridAssign.cpp)
  void CreateWndPanels();
  void InitWheelSettings();
  void AssignSettings(TPlexStringGrid& Source);
  void AssignSizes(TPlexStringGrid& Source);
  void AssignScrolling(TPlexStringGrid& Source);
  bool AllRowsFit() const;
  bool AllColsFit() const;
  void PlaceCellControls();
  // ---- wheel (PlexStringGridWheel.cpp)
  void WheelScroll(int Delta);
  // ---- cell access (PlexStringGridCells.cpp)
  TCellProperties* CellRecord(int ACol, int ARow) const;
  TCellProperties& EnsureRecord(int ACol, int ARow);
  void FreeCellRecord(int ACol, int ARow);
  void RepaintDisplayedCell(int ACol, int ARow);
  static QString DecodeWide(const QString& Text);
  static QString EncodeWide(const QString& Text);
  void ColumnHeadersListChanged();
  void RowHeadersListChanged();
  void MergedColumnsChanged();
  void RemoveListedControl(int ACol, int ARealRow);
  // ---- selection (PlexStringGridSelection.cpp)
  bool SelectCellRefused(int ACol, int ARow);
  void PrepareEditing(int ACol, int ARow);
  bool DecideSelect(int ACol, int ARow);
  void SelectAftermath(int ACol, int ARow, const TGridRect& OldSel, int OldCol, int OldRow, bool Allowed);
  void RepaintRowIndicator(int OldRow, int NewRow);
  int RowSelectKey(int ARow) const;
  // ---- hidden rows (PlexStringGridHiddenRows.cpp)
  void HideRealRows(const std::vector<int>& RealRows, int Level);
  void ShowItems(std::vector<std::unique_ptr<TGridItem>> Items);

  // ---- owned objects, in creation order
  TFooterPanel* FFooterPanel = nullptr;
  TSearchPanel* FSearchPanel = nullptr;
  std::unique_ptr<TFont> FFontCache;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<TStringList> FColumnHeaders;
  std::unique_ptr<TStringList> FRowHeaders;
  std::unique_ptr<TIntList> FRememberedColWidths;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FActiveCellFont;
  std::unique_ptr<TStringList> FSortList;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TStringList> FFilterList;
  std::vector<bool> FRowSelect;
  std::vector<bool> FColSelect;
  std::unique_ptr<TSortIndexList> FSortIndexes;
  std::unique_ptr<TIntList> FSortedRowXRef;
  std::unique_ptr<TIntList> FUnSortedRowXRef;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TIntList> FSelectedCells;
  std::unique_ptr<TIntList> FSelectedRows;
  std::unique_ptr<TIntList> FModifiedRows;
  std::unique_ptr<TIntList> FEnabledRows;
  std::unique_ptr<TBitmap> FRowIndicator;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TControlList> FControlList;
  std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::vector<TObject*> FChangeNotifiers;
  std::unique_ptr<TIntList> FColumnOrder;
  std::unique_ptr<TCellGraphic> FCellGraphic;
  std::unique_ptr<TIntList> FIgnoreColumns;
  std::unique_ptr<TFilterDropDown> FFilterDropDown;
  TDropList* FFilterListBox = nullptr;
  TDropCheckList* FFilterCheckList = nullptr;
  std::unique_ptr<THiddenRowStore> FHiddenRowStore;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TShowModified> FShowModified;
  // ---- run-time controls, owned by the grid as components
  TGridCombo* FCombobox = nullptr;
  TGridTransEdit* FTransEdit = nullptr;
  TGridTransCombo* FTransCombo = nullptr;
  TGridCheckBox* FCheckEdit = nullptr;
  TGridEditBtn* FEditBtn = nullptr;
  TGridUnitEditBtn* FUnitEditBtn = nullptr;
  TGridButton* FGridButton = nullptr;
  THeaderDragButton* FHeaderDragButton = nullptr;
  TControlEdit* FControlEdit = nullptr;
  TControlCombo* FControlCombo = nullptr;

  // ---- property state
  TGridLook FLook = glXP;
  TColor FBorderColor = 0x808080;
  TBorderStyle FBorderStyle = bsSingle;
  TColor FOrvGradientFrom = 0xFFFFFF;
  TColor FOrvGradientTo = 0;
  TColor FOrvGradientMirrorFrom = clNone;
  TColor FOrvGradientMirrorTo = clNone;
  bool FAutoSize = false;
  bool FIntegralHeight = false;
  TScrollBarAlways FScrollBarAlways = saNone;
  int FScrollWidth = 0;
  int FFixedRowHeight = 0;
  int FFixedColWidth = 0;
  TCursor FRestoreCursor = crDefault;
  int FUpdateCount = 0;
  TOrvStyle FOrvStyle = tsWindowsXP;
  TColorTones FTones;
  TOfficeTheme FOfficeTheme = otUnknown;
  // Indexed by TFixedGradient; the first four live in the fields above.
  std::array<TColor, fgCount> FOrvGradientFaces{clNone,   clNone,   clNone, clNone, 0x808080, 0xFFFFFF, clNone,
                                                clNone,   0xC0C0C0, 0x808080, 0xC0C0C0, clNone, clNone, 0x808080};

  // ---- life-cycle state
  bool FLoading = false;
  bool FLoaded = false;
  bool FWindowCreated = false;
  bool FDropTargetRegistered = false;
  bool FEditorChangeFlag = false;
  bool FIsWinXP = false;
  bool FIsWin7 = false;
  bool FIsVista = false;
  bool FIsThemed = false;
  int FWheelScrollLines = 3;
  bool FVertBarShown = false;
  bool FHorzBarShown = false;
  bool FVertBarEnabled = true;
  bool FHorzBarEnabled = true;
  TForm* FOwnerForm = nullptr;
  TNotifyEvent FStoredFormResize;
  int FOwnerFormWidth = 0;
  int FOwnerFormHeight = 0;
  // The largest counts the grid ever had: Destroy frees cells up to them.
  int FMaxEverRowCount = 0;
  int FMaxEverColCount = 0;
  std::vector<QString> FFeatureCalls;

  // ---- hidden columns and rows
  std::array<bool, PlexGridDefaults::HiddenColumnSlots> FHiddenColumns{};
  // The width a column had when it was hidden, as the saved-width table keeps it.
  std::array<int16_t, PlexGridDefaults::HiddenColumnSlots> FHiddenColumnWidths{};
  int FNumHiddenColumns = 0;
  int FFilterLevel = 0;

  // ---- selection state
  std::shared_ptr<ITPlexStringGridSelect> FISelect;
  IRichTextConverter* FRichTextConverter = nullptr;
  bool FUseEnabledRows = false;
  int FOldRowSel = -1;
  QString FCellCache;
  QString FEditText;
  bool FForceSel = false;
  bool FSelChange = false;
  bool FChangeDisable = false;
  bool FEditDisable = false;
  bool FEditChange = false;
  bool FSelHidden = false;
  TGridRect FHiddenSelection;

  // ---- cell access state
  int FCellControlCount = 0;
  // -1 means none.
  int FHoverLink = -1;
  int FComboIndex = -1;
  int FFilterColumn = -1;
  int FOleDragColumn = -1;
  bool FLastValidation = true;
};
