// The string grid on which every table of the program is edited: the base
// grid with typed cell access, settings objects, editors and data features.
// One class; its implementation is split over PlexStringGrid*.cpp by concern,
// and each concern keeps its own section of this header.
#pragma once

#include "grid/core/CellGraphicLayout.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridSelectListener.h"
#include "grid/core/GridStyles.h"
#include "grid/core/PlexStringGridDefaults.h"
#include "grid/core/PlexStringGridEvents.h"
#include "grid/core/RichTextRenderer.h"
#include "grid/editing/CellEditor.h"
#include "grid/editing/EditingEvents.h"
#include "grid/editing/FixedCellEditHost.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/GridUnits.h"
#include "grid/foundation/Looks.h"
#include "grid/foundation/PlexObj.h"
#include "platform/DateTime.h"
#include "platform/Forms.h"

#include <QIODevice>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TCellNode;
class TColumnSize;
class TControlCombo;
class TControlEdit;
class TEditLink;
class TPlexRichEdit;
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
class TGridDatePicker;
class TGridDateTimePicker;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridGridDropDown;
class TGridPlexGridDropDown;
class TGridDetailPickerDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TPlexCustomDropDown;
class TGridEditBtn;
class TGridItem;
class TGridFocusWindow;
class TGridProgressAppearance;
class TGridSpin;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TGrouping;
class IRichTextStore;
class TPlexInplaceEdit;
class TPlexStringGridCheck;
class TScrollBar;
class TScrollControl;
class THintWindow;
class THTMLHintWindow;
class TToolTipWindow;
struct THintInfo;
struct TNMTTDispInfo;
class THTMLSettings;
class THeaderDragButton;
class THiddenRowStore;
class TIntList;
class TImageList;
class TBitmap;
class TFilePicture;
class TIcon;
class TInterfacedPersistent;
class TPicture;
class TPrintSettings;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TGridChangeNotifier;

// Misuse of the grid's API; the message is the grid's own text.
class EPlexGridError : public Exception {
  using Exception::Exception;
};

// The editor kind and the combo items of a fixed cell about to be edited.
using TFixedEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings& Values)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;

inline constexpr const char* SCellNoInteger = "Cell does not contain integer value";
inline constexpr const char* SCellNoFloat = "Cell does not contain a float value";

enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum TIntelliPan { ipBoth, ipVertical, ipHorizontal, ipNone };

class TPopupMenu;

// What the hover announced for the next press on the headers or the selection grip.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

class TPlexStringGrid : public TBaseGrid,
                        public IOrvTones,
                        public IOrvStyle,
                        public IFixedCellEditHost,
                        public IFocusFrameGrid {
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
  // Whether the window scroll bars are shown and enabled now.
  bool VertScrollBarShown() const { return ScrollBarVisible(SB_VERT); }
  bool HorzScrollBarShown() const { return ScrollBarVisible(SB_HORZ); }
  bool VertScrollBarEnabled() const { return ScrollBarEnabled(SB_VERT); }
  bool HorzScrollBarEnabled() const { return ScrollBarEnabled(SB_HORZ); }
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
  void SetSortSettings(const TSortSettings& Value);
  TDragDropSettings& DragDropSettings() { return *FDragDropSettings; }
  TDragScrollOptions& DragScrollOptions() { return *FDragScrollOptions; }
  void SetDragScrollOptions(const TDragScrollOptions& Value);
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
  void SetActiveCellFont(const TFont& Value);
  TStringList& LookupItems() { return *FLookupItems; }
  void SetLookupItems(const TStringList* Value);
  TStringList& FilterList() { return *FFilterList; }
  TSortIndexList& SortIndexes() { return *FSortIndexes; }
  TIntList& MergedColumns() { return *FMergedColumns; }
  TBitmap& RowIndicator() { return *FRowIndicator; }
  void SetRowIndicator(const TBitmap& Value);
  TBackGround& BackGround() { return *FBackGround; }
  void SetBackGround(const TBackGround& Value);
  TControlList& CellControlList() { return *FControlList; }
  TGridProgressAppearance& ProgressAppearance() { return *FProgressAppearance; }
  TSyncGrid& SyncGrid() { return *FSyncGrid; }
  void SetSyncGrid(const TSyncGrid& Value);
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
  // Turned on outside loading, the columns are sized to their contents at once.
  void SetAutoSize(bool Value);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  // The four numbers of GetVersionNr, high byte first; the dated text is GetVersionString.
  QString Version() const;
  // The forms stream a value; it is accepted and ignored.
  void SetVersion(const QString&) {}
  TCursor RestoreCursor() const { return FRestoreCursor; }
  bool UpdateInProgress() const { return FUpdateCount > 0; }
  void BeginUpdate();
  void EndUpdate();
  // ---- looks and colour schemes (PlexStringGridLooks.cpp)
  // Applies the preset of the same position.
  void SetComponentStyle(TOrvStyle AStyle) override;
  void SetTheme(TXPColorScheme Scheme);
  void ApplyOfficeTheme();
  TOfficeTheme OfficeTheme() const { return FOfficeTheme; }
  // Following the office theme: switched on, the theme is applied at once.
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  static QString LookToIdent(TGridLook Value);
  static QString LookToCaption(TGridLook Value);
  // The flat look of the colour tones; the grid's editors and drop-downs take their button colours.
  void SetColorTones(const TColorTones& ATones) override;
  // Takes the active application style's grid colours; the plain style leaves the grid's own.
  void ApplyVclStyle();
  TColorTones ColorTones() const { return FTones; }
  TOrvStyle ComponentStyle() const { return FOrvStyle; }

  // ---- appearance (PlexStringGridAppearance.cpp); the writes repaint the grid unless noted
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
  void SetSelectionMirrorColorTo(TColor Value);
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value);
  bool SelectionColorMixer() const { return FSelectionColorMixer; }
  void SetSelectionColorMixer(bool Value);
  int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
  // Kept within 0..100.
  void SetSelectionColorMixerFactor(int Value);
  bool SelectionRectangle() const { return FSelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FSelectionResizer; }
  void SetSelectionResizer(bool Value);
  // Also the base grid's own show-selection flag.
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(TColor Value);
  // The link colour; the grid repaints only while links are shown.
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value);
  bool URLShow() const { return FURLShow; }
  void SetURLShow(bool Value);
  bool URLShowInText() const { return FURLShowInText; }
  void SetURLShowInText(bool Value);
  // Links keep their protocol prefix on screen.
  bool URLFull() const { return FURLFull; }
  void SetURLFull(bool Value);
  // Any write, false too, turns on the range selection, its rectangle and resizer,
  // smart clipboard pasting and editing.
  bool SpreadSheet() const { return FSpreadSheet; }
  void SetSpreadSheet(bool Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  // The vertical DrawText flag follows; no repaint while an update is in progress.
  void SetVAlignment(TVAlignment Value);
  // No repaint while loading.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The open text editor takes the new limit at once.
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value);
  // The cell under the mouse becomes current on the next timer tick.
  bool Hovering() const { return FHovering; }
  void SetHovering(bool Value) { FHovering = Value; }

  // Plain settings read by the features; writing them has no side effect.
  QString FloatFormat = PlexGridDefaults::FloatFormat;
  QString CheckTrue = PlexGridDefaults::CheckTrue;
  QString CheckFalse = PlexGridDefaults::CheckFalse;
  QString XMLEncoding = PlexGridDefaults::XMLEncoding;
  QString FilterDropDownClear = PlexGridDefaults::FilterDropDownClear;
  QChar PasswordChar = QChar(PlexGridDefaults::PasswordChar);
  QChar Delimiter = QChar(PlexGridDefaults::Delimiter);
  bool ScrollSynch = false;
  TColor HintColor = clInfoBk;
  TColor DisabledFontColor = PlexGridDefaults::DisabledFontColor;
  bool UseDisabledFont = true;
  bool EnableHTML = true;
  bool EnableWheel = true;
  bool IntelliZoom = true;
  bool HideFocusRect = false;
  bool FixedAsButtons = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  bool JavaCSV = false;
  bool OemConvert = false;
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
  bool AnchorHint = false;
  bool FixedRowAlways = false;
  bool Multilinecells = false;
  TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TImageList* Value);

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
  virtual void UndoCellEdit();
  virtual bool ToggleCheckBoxEx(int ACol, int ARow, bool ByUser);
  virtual bool ToggleRadioButtonEx(int ACol, int ARow, bool ByUser);
  virtual QString GetFormattedCell(int ACol, int ARow);
  virtual QString GetCellFloatFormat(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int ExtraOffset = 0);
  virtual TPoint CalcCellGraphicPrintSize(int ACol, int ARow, double Scale, int PrintCellWidth, int PrintCellHeight);
  // -- group 3
  virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
  virtual void DoGetEditorProp(int ACol, int ARow);
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings& Values);
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  // Set by DoSelectionChanged; the mouse, the keys and selecting rows by code clear it.
  bool SelectionChangedFlag() const { return FSelChange; }
  virtual void EditorTextPosChanged() {}
  virtual void AutoInsertRow(int ARow);
  virtual void AutoDeleteRow(int ARow);
  virtual void DoFilterDone();
  virtual void DoUpdateColumnSize(int ACol, int& AWidth);
  // -- group 4
  virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);
  virtual void ColumnHeadersChanged() {}
  // The edit-with-button editor takes Result: the text as the event left it.
  virtual void DoEllipsClick(const QString& Text, QString& Result);
  // Whether displayed row ARow satisfies the filter; OnCustomFilter has the last word.
  virtual bool RowMatchesFilter(int ARow);
  virtual void BeforePaste() {}
  virtual void AfterPaste() {}
  virtual void CellsPasted(const TRect& Cells);
  virtual QString GetCalculatedCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  virtual void DoSaveCell(int ACol, int ARow, QString& Value);
  virtual void DoLoadCell(int ACol, int ARow, const QString& Value);
  // -- group 5
  virtual void CellEdited(int ACol, int ARow) { CalcFooter(ACol); }
  // ACol is a displayed column.
  virtual void SaveOldCellValue(int ACol, int ARow);
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(int Action, bool& DefaultHandled);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  virtual void DoComboCloseUp(int ARow, int ACol);
  virtual void DoComboDropDown(int ARow, int ACol);
  virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
  virtual void DoCellsChanged(const TRect& Cells);
  // -- group 6
  virtual void CellsLoaded() { CalcFooter(-1); }
  // The hooks take (column, row); their events keep the argument order of their event types.
  virtual void DoGridHint(int ACol, int ARow, QString& Hint, QString& WideHint);
  virtual void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
  virtual void DoGetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
  virtual void DoGetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
  virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
  virtual void DoGetEditorTypeDirect(int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
  // -- group 7
  virtual bool HasNoEditor(int ACol, int ARow);
  virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixed);
  // ACol is a real column; CanEdit comes in with the caller's preset (true).
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  // The answer from the fixed preset (editable), for callers that only ask.
  bool CanEditCellNow(int ACol, int ARow) {
    bool can = true;
    CanEditCell(ACol, ARow, can);
    return can;
  }
  virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrap);
  virtual bool DoHasComboBox(int ACol, int ARow);
  virtual bool DoHasSpinEdit(int ACol, int ARow);
  virtual void DoGetCheckTrue(int ACol, int ARow, QString& Value);
  virtual void DoGetCheckFalse(int ACol, int ARow, QString& Value);
  // Fills FilterList with the entries of the column's filter drop-down; true when it holds any.
  virtual bool DoGetColumnFilter(int Column);
  // -- group 8
  virtual TRect GetUsedCells();
  virtual void DeleteRows(int ARow, int ACount);
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(int ARow, bool& CanInsert);
  // Handled starts true; the grid itself does nothing after a wheel move.
  virtual void AfterWheelScroll(int Delta, bool& Handled) {}
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
  virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
  virtual void DoColorSelect(int ACol, int ARow, TColor& AColor);
  virtual void DoImageSelect(int ACol, int ARow, int& AImageIndex);
  virtual void DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow);
  virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
  virtual void DoCanShowFixedDropDown(int ACol, bool& Allow);
  virtual void DoStartBlockFocus(int ACol, int ARow);
  // -- group 11
  virtual void DoEndBlockFocus(int ACol, int ARow);
  virtual TImageList* GetCellImageList(int ACol, int ARow) { return FGridImages; }
  virtual void ExportNotification(TExportState State, int ARow);
  virtual void ImportNotification(TExportState State, int ARow);
  virtual void AssignCells(TObject* Source);
  virtual int GetVersionNr() const;
  virtual QString GetVersionString() const;
  virtual bool ValidateCell(const QString& NewValue);
  virtual bool ValidateCellWide(const QString& NewValue);
  virtual void RemoveRowsEx(int ARow, int ACount);
  virtual void RemoveRows(int ARow, int ACount);
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
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
  virtual void SetStyle(TPlexGridStyle AStyle);
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  virtual void CalcFooter(int ACol);

  // ================= sorting (features/PlexStringGridSort.cpp)
  // Sets the sort column and direction, then sorts.
  void Sort(int Column, TSortDirection Direction);
  // Sorts on the column in the current direction; nothing with one row or less.
  void SortByColumn(int Col);
  // Sort only the rows Left..Right, without the bookkeeping of QSort.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // Swaps the rows and answers true when ARow1 belongs after ARow2 in the last sort's direction.
  bool SortLine(int Col, int ARow1, int ARow2);
  // 1 when the first cell belongs after the second in ascending order, -1 before, 0 equal.
  int CompareSortCells(int ACol, int ARow1, int ARow2, int Direction);
  int CompareRows(int ACol, int ARow1, int ARow2);
  int CompareRowsIndexed(int Index, int ARow1, int ARow2);
  void InitSortXRef();
  // 1 ascending, -1 descending: the direction of the running or last single-column sort.
  int SortDir = 1;
  // Where the current row's data has got to during a sort.
  int SortRow = -1;

  // ================= node rows (PlexStringGridNodes.cpp)
  // Real row indexes: AddNode, RemoveNode, MarkSummaryRow, ExpandNode, ContractNode,
  // InsertNormalRow, InsertChildRow. Every other node operation takes displayed rows.
  void AddNode(int ARow, int Span);
  void RemoveNode(int ARow);
  void RemoveAllNodes();
  void MarkSummaryRow(int ARow);
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  void ExpandNode(int ARow);
  void ContractNode(int ARow);
  void ExpandAll();
  void ContractAll();
  void InsertNormalRow(int ARow);
  void InsertChildRow(int ARow, int InsertAt);
  bool IsOnNodeGlyph(int ARow, int X);
  int GetNodeIndent(int ARow) override;
  bool HasNodes() override { return FNodeCount > 0; }
  int NodeCount() const { return FNodeCount; }

  // ================= fills and cell checks (PlexStringGridFills.cpp)
  // DoFixed: every cell; otherwise the normal cells (fixed, footer and right fixed cells stay).
  void TextFill(bool DoFixed, const QString& Txt);
  // Fmt takes the column and the row as two integers.
  void FormatFill(bool DoFixed, const QString& Fmt);
  // Draws from the platform's seeded generator (RandSeed): the same seed gives the same cells.
  void RandomFill(bool DoFixed, int Rnd);
  void LinearFill(bool DoFixed);
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime GetDates(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, TDateTime Value);
  TDateTime GetTimes(int ACol, int ARow);
  // True when the checker left the cell's text as it was.
  bool CheckCell(int ACol, int ARow);
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCol(bool DoFixed, int ACol);
  bool CheckRow(bool DoFixed, int ARow);
  bool CheckGrid(bool DoFixed);

  // ================= row and column operations (PlexStringGridRows.cpp)
  void SplitColumnCells(int ColIndex);
  void MergeColumnCells(int ColIndex, bool MainMerge);

  // ================= cell graphic objects (PlexStringGridObjects.cpp)
  // A new ctNone graphic in the cell's own slot; the cell's text stays as it was.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
  // Whether the base cell of the cell's block holds a graphic of one of the kinds.
  bool BaseCellTypeInSet(int ACol, int ARow, TSet<TCellType> Kinds);
  bool HasBalloon(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctBalloon}); }
  bool IsRadio(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctRadio}); }
  bool HasExpand(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctExpand}); }
  bool HasProgress(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctProgress}); }
  bool HasRating(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctRating}); }
  bool HasScrollBar(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctScrollbar}); }
  bool HasButton(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }
  bool HasDataCheckBox(int ACol, int ARow);
  bool HasCheckBox(int ACol, int ARow);
  bool HasClickableGraphic(int ACol, int ARow);
  bool CellTextShownAsGraphic(int ACol, int ARow);
  TIntList* GetCellImages(int ACol, int ARow);
  qint64 GetGraphicSortKey(int ACol, int ARow);
  bool IsSortIndicatorRow(int ACol, int ARow);
  void GetDisplText(int ACol, int ARow, QString& Value) override;
  // The size a picture of the cell claims in an area (used by layout and print).
  TPoint PictureSizeIn(const TCellGraphic& Graphic, int AWidth, int AHeight, bool HasText) const;

  // ================= check boxes and radio buttons (PlexStringGridCheckBoxes.cpp)
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
  void RemoveCheckBox(int ACol, int ARow);
  void RemoveCheckBoxColumn(int ACol);
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  bool IsChecked(int ACol, int ARow);
  void ChangeCheckBoxState(int ACol, int ARow, bool Value);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxEx(ACol, ARow, false); }
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
  void AddRadioButton(int ACol, int ARow, bool State);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  void RemoveRadioButtonColumn(int ACol);
  bool HasRadioButton(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctRadioButton}); }
  bool IsRadioButtonChecked(int ACol, int ARow);
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  void SetRadioButtonColumnIndex(int ACol, int Index);
  int GetRadioButtonColumnIndex(int ACol);

  // ================= the other cell objects (PlexStringGridCellObjects.cpp)
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
  TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  TStrings* GetRadioStrings(int ACol, int ARow);
  void RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
  void SelectNextRadio(int ACol, int ARow, bool ByUser);
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  bool ToggleExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  int GetExpandHeight(int ACol, int ARow, bool Expanded);
  TRect GetExpandRect(int ACol, int ARow);
  // The button's square in the top right corner of a cell rectangle.
  static TRect ExpandRectIn(const TRect& CellR);
  void RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
  TRect GetCellButtonRect(int ACol, int ARow);
  void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* GetBitmap(int ACol, int ARow);
  bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
  void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
  void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                  TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                          TCellVAlign val);
  TPicture* GetPicture(int ACol, int ARow);
  bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
  void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
  void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                      int Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  void RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
  void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(int ACol, int ARow, int& Idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  void RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool HasDataImage(int ACol, int ARow) { return BaseCellTypeInSet(ACol, ARow, {ctDataImage}); }
  void RemoveDataImage(int ACol, int ARow);
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }
  void AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject);
  TInterfacedPersistent* GetInterfacedCell(int ACol, int ARow);
  void RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
  void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
  void SetButtonText(int ACol, int ARow, const QString& Caption);
  QString GetButtonText(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool Push);
  void RemoveButton(int ACol, int ARow);
  void RemoveAllButtons();
  void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);
  TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                           TCellVAlign val);
  void RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
  void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ACol, int ARow);
  bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor,
                            const QString& Fmt, int Min, int Max);
  void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
  void AddPlexProgress(int ACol, int ARow, int Min, int Max);
  void RemovePlexProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ACol, int ARow, int Value);
  void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
  void AddComment(int ACol, int ARow, const QString& Comment);
  void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
  QString GetComment(int ACol, int ARow);
  void SetComment(int ACol, int ARow, const QString& Value);
  bool IsComment(int ACol, int ARow, QString& Comment);
  void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }
  void RemoveAllComments();
  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  TColor GetShapeColor(int ACol, int ARow);
  void RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  void RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  void SetScrollPosition(int ACol, int ARow, int Pos);
  int GetScrollPosition(int ACol, int ARow);
  void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
  TScrollProp GetScrollProp(int ACol, int ARow);
  void RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();

  // ================= rows and columns that move with what they carry (PlexStringGridRowOps.cpp,
  // PlexStringGridColOps.cpp)
  void AddRow();
  void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void HideSelectedRows();
  void HideUnSelectedRows();
  void RemoveDuplicates(int ACol, bool DoCase);
  void MoveRows(int FromIndex, int ToIndex, int Count);
  // The base moves, then the controls placed in cells follow their rows or columns.
  void MoveRow(int FromIndex, int ToIndex) override;
  void MoveColumn(int FromIndex, int ToIndex) override;
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  void AddColumn() { InsertCols(ColCount(), 1); }
  void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  void ClearSelection();
  void Clear();
  void ClearAll();
  void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
  void TrimRow(int ARow) { TrimRect(0, ARow, AllColCount() - 1, ARow); }
  void TrimAll() { TrimRect(0, 0, AllColCount() - 1, RowCount() - 1); }
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  void MergeRowCells(int RowIndex, bool MainMerge);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  bool IsCell(const QString& SubStr, int& ACol, int& ARow);
  bool IsWideCell(int ACol, int ARow);
  double CellToReal(int ACol, int ARow);

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
  // The binary cell stream (features/PlexStringGridCellStream.cpp). Errors of
  // the stream reach the caller; the cells stored before them stay.
  void SaveToBinFile(const QString& FileName);
  void SaveToBinStream(QIODevice& Stream);
  void SaveRectToBinStream(const TRect& Rect, QIODevice& Stream);
  void LoadFromBinFile(const QString& FileName);
  void LoadFromBinStream(QIODevice& Stream);
  void LoadAtPointFromBinStream(const TPoint& Point, QIODevice& Stream);
  // Text files (features/PlexStringGridTextFiles.cpp): the grid's own text
  // format, CSV, fixed width and the column-aligned listing. Every file is
  // written whole or not at all; file errors reach the caller.
  void SaveToFile(const QString& FileName, bool Unicode = true);
  void LoadFromFile(const QString& FileName);
  void SaveToCSV(const QString& FileName, bool Unicode = false);
  void AppendToCSV(const QString& FileName, bool Unicode = false);
  void LoadFromCSV(const QString& FileName, int MaxRows = 0);
  void InsertFromCSV(const QString& FileName, int MaxRows = 0);
  void LoadFromCSVStream(QIODevice& Stream, int MaxRows = 0);
  // Widths in characters, one per saved column; missing ones are added.
  void SaveToFixed(const QString& FileName, TIntList& Widths);
  // 1-based positions where fields begin (sorted here); -1 reads all lines.
  void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
  void SaveToASCII(const QString& FileName, bool Unicode = false);
  void AppendToASCII(const QString& FileName, bool Unicode = false);
  int GetMaxColumnTextLength(int ACol);
  // A serial number unique in the process, carried by the cell stream so a
  // paste can tell cells that came from this very grid.
  int ID() const { return FID; }
  std::function<void(TObject* Sender, int Progress)> OnFileProgress;
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
  TFixedEditEvent OnFixedEdit;
  TSelectionChangedEvent OnSelectionChanged;
  TRowEvent OnAutoInsertRow;
  TRowEvent OnAutoDeleteRow;
  TNotifyEvent OnFilterDone;
  TColSizeEvent OnUpdateColumnSize;
  TEllipsClickEvent OnEllipsClick;
  TRectEvent OnCellsPasted;
  TCellTextEvent OnSaveCell;
  TCellTextEvent OnLoadCell;
  TCanEditCellEvent OnCanEditCell;
  TSearchFooterActionEvent OnSearchFooterAction;
  TCellEvent OnButtonClick;
  TExpandClickEvent OnExpandClick;
  TClickCellEvent OnComboCloseUp;
  TClickCellEvent OnComboDropDown;
  TCellCursorEvent OnGetCellCursor;
  TRectEvent OnCellsChanged;
  TGridHintEvent OnGridHint;
  TGetCellColorEvent OnGetCellColor;
  TGetCellColorEvent OnGetCellPrintColor;
  TGetCellBorderEvent OnGetCellBorder;
  TGetCellBorderEvent OnGetCellPrintBorder;
  TGetAlignmentEvent OnGetAlignment;
  TGetFormatEvent OnGetFormat;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  TRowUpdateEvent OnRowChanged;
  TGetEditorTypeEvent OnGetEditorType;
  TFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
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

  // ================= what the column grid builds on
  // placeholder: fuller version comes with form scaling
  virtual void ChangeScale(int M, int D) {}

  // ================= cell painting and cell text (PlexStringGridPaint*.cpp)
  // The one place that decides a cell's font, colours, gradient, alignment and word wrap.
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont& AFont,
                           TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD) override;
  // The font alone, as text measuring needs it; RCol is the real column.
  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                         bool Remap);
  // ACol is a real column. VS keeps room for an in-cell scroll bar; SB breaks words inside the cell width.
  TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
  void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  TCellGraphicLayout GetCellGraphicLayout(int ACol, int ARow);
  // Channel-wise Percent of Color and the rest of Color2; system colours resolved first.
  static TColor BlendColors(TColor Color, TColor Color2, int Percent);
  static TColor MixSelectionColor(TColor Selection, TColor CellColor, bool Mix, int Factor);
  // The stand-in renderer until another is set.
  IRichTextRenderer& RichTextRenderer();
  void SetRichTextRenderer(std::unique_ptr<IRichTextRenderer> Value);
  // The vertical DrawText flag of the last painted cell.
  unsigned VAlignFlag() const { return FVAlignFlag; }

  TColor SelectionRectangleColor = clBlack;
  bool SelectionRTFKeep = false;
  bool URLUnderlineOnHover = false;
  bool EnhTextSize = false;
  bool XYOffsetTopLeftOnly = false;
  bool NoImageAndText = false;
  bool WordWrapEx = false;
  int FilterDropDownRow = 0;

  TGetFloatFormatEvent OnGetFloatFormat;
  TGetCellGradientEvent OnGetCellGradient;
  TGetCellBorderPropEvent OnGetCellBorderProp;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;

  // Readers of the selection and row flags for painting: no list grows.
  bool RowSelect(int ARow) const { return ARow >= 0 && size_t(ARow) < FRowSelect.size() && FRowSelect[size_t(ARow)]; }
  bool ColSelect(int ACol) const { return ACol >= 0 && size_t(ACol) < FColSelect.size() && FColSelect[size_t(ACol)]; }
  TIntList& SelectedCells() { return *FSelectedCells; }
  bool RowEnabled(int ARow) const { return GetRowEnabled(ARow); }
  bool RowModified(int ARow) const { return GetRowModified(ARow); }
  virtual bool IsRotated(int ACol, int ARow, int& aAngle);
  // Tree-line shape of a row: 0 node row, 1 end of its branch, 2 the branch goes on.
  virtual int GetNodeSpanType(int ARow);
  // ================= paint cycle, fixed faces and cell graphics
  // (PlexStringGridPaintCycle.cpp, PlexStringGridPaintFixed.cpp, PlexStringGridPaintGraphics.cpp)
  // Dotted lines that follow a column or row resize; the same call again takes the line away.
  void DrawColSizeLine(int X);
  void DrawRowSizeLine(int Y);
  // The translucent frame around the cell being edited; R in client coordinates.
  void ShowFocusWindow(const TRect& R);
  void MoveFocusWindow() override;
  void HideFocusWindow();
  // Null until the frame is first shown.
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
  void AddRotated(int ACol, int ARow, int AAngle, const QString& s);
  void SetRotated(int ACol, int ARow, int AAngle);
  void RemoveRotated(int ACol, int ARow);
  // Whether a fixed cell reacts to the mouse hovering over it, by HoverFixedCells.
  bool IsHoverFixedCell(int ACol, int ARow) const;
  // An application style other than the plain one is active: its elements draw fixed and selected cells.
  bool UsesVclStyles() override;
  TNotifyEvent OnPainted;
  // ================= editor life, validation and editor access (editing/PlexStringGridEditing*.cpp)
  bool IsEditable(int ACol, int ARow);
  // Opens the current cell's editor as F2 does.
  void ShowCellEdit();
  // Commits the open separate editor of the current cell.
  void HideCellEdit();
  void AddComboString(const QString& S);
  void AddComboStringObject(const QString& S, TObject* AObject);
  bool RemoveComboString(const QString& S);
  void ClearComboString();
  bool SetComboSelectionString(const QString& S);
  void SetComboSelection(int Index);
  void SetComboIndex(int ACol, int ARow, int Index);
  int GetComboIndex(int ACol, int ARow);
  int GetComboCount();
  bool ValidatesOnTab();
  bool IsPasswordCell(int ACol, int ARow);
  void Select();
  void ShowInplaceEdit();
  void HideInplaceEdit();
  void DoneInplaceEdit(WORD Key, TShiftState Shift);
  void CellToRich(int ACol, int ARow, IRichTextStore& RichEditor);
  void RichToCell(int ACol, int ARow, IRichTextStore& RichEditor);
  QString RichToString(IRichTextStore& RichEditor);
  bool EditMode() const { return FEditMode; }
  TEditorType EditControl() const { return FEditControl; }
  TWinControl* EditCtrl() const { return FEditCtrl; }
  TPlexInplaceEdit* PlexInplaceEditor() const;
  // The separate editors; the grid's own source serves the controls it made.
  ICellEditorSource& CellEditors() { return *FCellEditors; }
  void SetCellEditors(std::unique_ptr<ICellEditorSource> Value);
  // Set while the grid moves the focus between its own editors.
  bool InvokedFocusChange() const { return FInvokedFocusChange; }
  void SetInvokedFocusChange(bool Value) { FInvokedFocusChange = Value; }
  bool Modified = false;
  int MaxComboLength = 0;
  bool AlwaysValidate = false;
  bool ExcelStyleDecimalSeparator = false;
  bool EditWithTags = false;
  bool Lookup = false;
  bool LookupCaseSensitive = false;
  bool LookupHistory = false;
  QString ValidChars;
  // Characters 0..255 an edValidChars cell takes while ValidChars is empty.
  QString ValidCharSet;
  TPlexStringGridCheck* CellChecker() const { return FCellChecker; }
  void SetCellChecker(TPlexStringGridCheck* Value);
  TNotifyEvent OnEditingDone;
  TCellEvent OnEditCellDone;
  TCellValidateEvent OnCellValidate;
  TCellValidateEvent OnCellValidateWide;
  TEditChangeEvent OnEditChange;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
  TDblClickCellEvent OnDblClickCell;
  TEndRowSizeEvent OnEndRowSize;

  // ================= cell editor wrappers (editing/GridEditorLink.cpp, editing/PlexStringGridWrappers.cpp)
  friend class TGridEditorLink;
  // The spin and picker editors, made on first use and kept until the grid goes.
  TGridSpin* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  // The drop-down editors, made on first use as well.
  TGridTrackbarDropDown* TrackbarDropDown();
  TGridMemoDropDown* MemoDropDown();
  TGridCalculatorDropDown* CalculatorDropDown();
  TGridTimepickerDropDown* TimePickerDropDown();
  TGridGridDropDown* GridDropDown();
  TGridPlexGridDropDown* PlexGridDropDown();
  TGridDetailPickerDropDown* DetailPickerDropDown();
  TGridColorDropDown* ColorPickerDropDown();
  TGridImageDropDown* ImagePickerDropDown();
  // Set by an editor whose value was refused, so the key does not advance; a key up clears it.
  bool NoAutoAdvance = false;
  // The value the date-and-time editor opened with; its Escape goes back to it.
  double OriginalDateTime = 0;
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TUnitChangedEvent OnUnitChanged;
  TDateTimeChangeEvent OnDateTimeChange;
  TClickCellEvent OnDatePickerCloseUp;
  TClickCellEvent OnDatePickerDropDown;
  TColorSelectedEvent OnColorSelected;
  TImageSelectedEvent OnImageSelected;

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
  // Taken only within FixedRows .. RowCount - 1; another value is ignored.
  void SetTopRow(int Value) override;
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
  // placeholder: fuller version comes with mouse press/release
  TClickCellEvent OnClickCell;
  // ================= hooks, dimensions, window messages and update locking
  // (PlexStringGridHooks.cpp, PlexStringGridDimensions.cpp, PlexStringGridUpdate.cpp,
  // PlexStringGridMessages.cpp, PlexStringGridPan.cpp, PlexStringGridNotify.cpp)
  void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo, TColor& MirrorColor,
                                TColor& MirrorColorTo, TAlignment& HAlign, TVAlignment& VAlign, bool& WordWrap,
                                TCellGradientDirection& GradientDirection) override;
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  // The node row holding a displayed row; a node without an outer node holds itself.
  virtual int GetParentRow(int ARow);
  // RemoveRows already lowers the row high-water mark.
  virtual void RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }
  // ARow is a real row index.
  virtual void RemoveChildRow(int ARow);
  // The platform counts with the string grid's rules for fixed rows, footers and synchronised grids.
  void SetRowCount(int Value) override;
  void SetColCount(int Value) override;
  void SetFixedRows(int Value) override;
  void SetFixedCols(int Value) override;
  void SetCol(int Value) override;
  void SetDefaultRowHeight(int Value) override;
  // With FixedRowAlways (FixedColAlways) a grid left with one row (column) still has it fixed.
  int FixedRows() const;
  int FixedCols() const;
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  void SetDefaultAlignment(TAlignment Value);
  // Sets the grid's word wrap and its text editor's, and repaints.
  void SetWordWrap(bool Value);
  bool FixedColAlways = false;
  bool ShowEditProcess = false;
  // placeholder: fuller version comes with the editor life
  bool SaveWithRTF = false;
  TIntelliPan IntelliPan = ipVertical;
  // Update locking: BeginUpdate stops the window's redraw, StartUpdate only the grid's own repaints.
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate() { FUpdateCount = 0; }
  bool LockUpdate() const { return FUpdateCount > 0; }
  void SetLockUpdate(bool Value);
  int UpdateCount() const { return FUpdateCount; }
  void ResetFixedCellHighlight();
  // Panning by the middle button; the pan cursor is one of the resource ids 8000 to 8008.
  bool Panning() const { return FPanning; }
  int PanCursor() const { return FPanCursor; }
  void InitOrigColSizes();
  void Zoom(int X);
  // The image of a block of cells on a borderless, non-activating form that the caller frees.
  std::unique_ptr<TForm> SelectionToForm(const TGridRect& Cells);
  QString VersionString() const { return GetVersionString(); }
  int VersionNr() const { return GetVersionNr(); }
  void RegisterNotifier(TGridChangeNotifier* ANotifier);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
  TGridWideHintEvent OnGridWideHint;

  // ================= scrolling (PlexStringGridScroll.cpp, PlexStringGridScrollFlat.cpp, PlexStringGridScrollMetro.cpp)
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TScrollType Value);
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(TColor Value);
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(bool Value);
  TScrollHintType ScrollHints() const { return FScrollHints; }
  void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
  // Stores and repaints; UpdateXYOffset stores only.
  void SetXYOffset(TPoint Value);
  void UpdateXYOffset(int X, int Y) { XYOffset = TPoint{X, Y}; }
  void UpdateHScrollProportional();
  void UpdateVScrollProportional();
  // The flat bars go through the common-controls entry points (FlatScrollBars.h).
  bool IsFlat() const { return FIsFlat; }
  void FlatInit();
  void FlatDone();
  void FlatSetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw);
  void FlatSetScrollProp(int Index, int Value, bool Redraw);
  void FlatShowScrollBar(int Bar, bool Show);
  void FlatUpdateStyle();
  void FlatUpdateColor();
  void FlatUpdateWidth();
  void FlatUpdateVScrollInfo();
  void FlatUpdateHScrollInfo();
  void FlatUpdateScrollBars();
  // The thin bars of the Metro look, null otherwise.
  TScrollControl* VertScrollControl() const { return FVScrollControl; }
  TScrollControl* HorzScrollControl() const { return FHScrollControl; }
  // The hint shown while a thumb is dragged, null before the first.
  THintWindow* ScrollHintWindow() const { return FScrollHintWnd; }
  bool ScrollHintShown() const { return FScrollHintShow; }
  // The one scroll bar control that serves the cells with a scrolling area;
  // ServeCellScrollBar puts it over the cell (hidden over a cell without one).
  TScrollBar* CellScrollBar();
  void ServeCellScrollBar(int ACol, int ARow);
  TScrollHintEvent OnScrollHint;

  // ================= sizing and column order (PlexStringGridSizing.cpp, PlexStringGridAutoSize.cpp,
  // PlexStringGridColumnOrder.cpp)
  // Index -1 is the last column.
  void StretchColumn(int Index);
  void StretchRightColumn() { StretchColumn(ColCount() - 1); }
  void AutoSizeCol(int ACol, int Padding = 0);
  void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
  void AutoSizeRow(int ARow, int Padding = 0);
  void AutoSizeRows(bool DoFixedRows, int Padding = 0);
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  void AutoFitColumns(bool DoFixedCells);
  void FitColumnToCells(int ACol, bool GrowOnly);
  void FitRowToCells(int ARow, bool GrowOnly, int Padding);
  void SetRowLinesHeight(int ARow, int Lines, int Padding);
  // The most lines a cell of the row shows (1 without multi-line cells).
  int GetMaxLinesInRow(int ARow);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  void SwapColumns(int ACol1, int ACol2);
  void SwapRows(int ARow1, int ARow2);
  int ColumnByHeader(const QString& AValue);
  void SetColumnOrder();
  int ColumnAtPosition(int ACol);
  void ResetColumnOrder();
  TColor ArrowColor() const;
  void SetArrowColor(TColor Value);
  // The stored texts of a hidden row (real index), null when the row is shown.
  TStringList* HiddenRowCells(int Idx);
  int GetHorzTextPadding() const { return XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X; }
  int GetVertTextPadding() const { return XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y; }
  int AutoNumberStart = 0;
  int AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  TColEvent OnEndColumnSize;
  TColBoolEvent OnColumnSize;
  TColBoolEvent OnRowSize;
  // The mouse's sizing state: the column or row being sized (-1 for none),
  // its size when the sizing began, and whether a sizing just ended.
  int Colclicked = -1;
  int Rowclicked = -1;
  int Colclickedsize = 0;
  int Rowclickedsize = 0;
  bool ColSized = false;
  bool Rowsized = false;
  bool ColSizeFlg = false;
  bool FSizeFixed = false;

  // ================= mouse move, hover, sizing and moving by mouse, cell hints and balloons
  // (editing/PlexStringGridMouseMove.cpp, editing/PlexStringGridMouseSizing.cpp, editing/PlexStringGridHints.cpp,
  // editing/PlexStringGridBalloons.cpp)
  using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor)>;
  using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& Anchor)>;
  using TOleDragEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& Data, bool& Allow)>;
  using TSizingEvent = std::function<void(TObject* Sender, int AIndex, int ASize)>;
  using TCellBalloonEvent =
      std::function<void(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, TBalloonIcon& AIcon)>;
  // The grid grows and shrinks with its form.
  bool SizeWithForm = false;
  bool HintShowCells = false;
  bool HintShowLargeText = false;
  bool HintShowSizing = false;
  bool HTMLHint = false;
  // The hover row (-1 for none), the hovered fixed cell and the link under the mouse.
  int HoverRowIndex() const { return FHoverRowIdx; }
  TPoint HoverFixedCell() const { return TPoint(FHoverFixedX, FHoverFixedY); }
  QString HoverAnchor() const { return FAnchor; }
  // Whether the point lies on a border of a header cell (within 3 pixels) that sizing may move.
  bool IsOnFixedCellBorder(int X, int Y);
  // The hint of the cell under the record's cursor: its text, position, colour and window class.
  void GetCellHintInfo(QString& HintStr, THintInfo& HintInfo);
  TPoint LastHintPos() const { return FLastHintPos; }
  TPoint LastBalloonPos() const { return FLastBalloonPos; }
  // The sizing hint ("cw=<b>87</b>"), null before the first sizing with HintShowSizing.
  THTMLHintWindow* SizingHintWindow() const { return FSizingHintWnd; }
  bool SizingHintShown() const { return FSizingHintShow; }
  // The balloon tooltip of the grid's window while balloons are enabled, else null.
  TToolTipWindow* BalloonToolTip() const { return FHToolTip; }
  void BalloonInit();
  void BalloonDone();
  // The floating image of the moved column's cells, null when none is shown.
  TForm* MoveForm() const { return FMoveForm.get(); }
  // The insertion arrows: up, down, left, right.
  TArrowWindow* MoveArrow(int Index) const;
  // While the middle button pans: the picture of the pan directions at the pan point, and its square.
  void DrawWheelPanIndicator(TCanvas& ACanvas);
  void InvalidateWheelPanIndicator();
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TOleDragEvent OnOleDrag;
  TClickCellEvent OnOleDragStart;
  TSizingEvent OnColumnSizing;
  TSizingEvent OnRowSizing;
  TColBoolEvent OnColumnMove;
  TColBoolEvent OnRowMove;
  TColBoolEvent OnColumnMoving;
  TColBoolEvent OnRowMoving;
  TCellBalloonEvent OnCellBalloon;

protected:
  void MouseMove(TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMStyleChanged(TMessage& Message);
  virtual void WMSetCursor(TMessage& Message);
  virtual void WMNotify(TMessage& Message);
  void RowMoved(int FromIndex, int ToIndex) override;

private:
  // ---- the move, in its steps
  void HoverCellSteps(int ACol, int ARow, int X, int Y);
  void HoverButtonStep(int ACol, int ARow, int X, int Y);
  void HeaderDragSteps(int ACol, int ARow, int X, int Y);
  bool OleDragStep(int ACol, int ARow, int X, int Y, TShiftState Shift);
  bool DecideSelectMode(int ACol, int ARow, int X, int Y, bool ScrolledUp);
  bool LinkHoverStep(int ACol, int ARow, int X, int Y);
  void ResetHintsStep(int ACol, int ARow);
  bool WheelStep(bool Down, TShiftState Shift, TPoint MousePos);
  void SetOwnCursor(TCursor Value);
  // ---- sizing and moving by mouse
  void FixedSizingHover(int X, int Y);
  void FixedSizingPress(int X, int Y);
  void FixedSizingMove(int X, int Y);
  bool FixedSizingRelease(int X, int Y);
  void NormalSizingMove(int X, int Y);
  void ShowSizingHint(const QString& Hint, const TPoint& ScreenPos);
  void HideSizingHint();
  void EnhancedMoveStep(int X, int Y);
  bool EnhancedMoveRelease(int X, int Y);
  void PlaceColumnArrows(int Target);
  void PlaceRowArrows();
  void HideMoveArrows();
  // The floating footer is the grid's last row: no row moves onto or off it.
  bool FooterIsLastRow() const;
  // The synchronised grid moves the same column or row, unless this move came from it.
  void SyncMove(bool Columns, int FromIndex, int ToIndex);
  bool FSyncMoving = false;
  // ---- hints and balloons
  void CopyToToolTipBuffer(const QString& Text);
  void BalloonText(TNMTTDispInfo& Info);
  TPoint FLastHintPos{-1, -1};
  TPoint FLastBalloonPos{-1, -1};
  TPoint FHotFixedCell{-1, -1};
  TPoint FHoverCell{-1, -1};
  int FHoverlink = -1;
  QString FAnchor;
  QString FLastAnchorHint;
  TCursor FOldCursor = crDefault;
  // The grid shows a cursor of its own (hand, drag) in place of FOldCursor.
  bool FOwnCursorShown = false;
  TGridRect FSizeSelection;
  bool FOnGrip = false;
  bool FSizingFixed = false;
  bool FSizingFixedR = false;
  int FSizeFixedX = 0;
  int FSizeFixedY = 0;
  int FSizingFixedCol = -1;
  int FSizingFixedRow = -1;
  bool FFixedLineDrawn = false;
  THTMLHintWindow* FSizingHintWnd = nullptr;
  bool FSizingHintShow = false;
  std::unique_ptr<TForm> FMoveForm;
  bool FMoveCursorShown = false;
  bool FMoveAllowed = true;
  TToolTipWindow* FHToolTip = nullptr;
  // The balloon text handed to the tooltip, its terminating null included.
  std::array<char16_t, 4099> FToolTipBuffer{};

public:
  // ================= keyboard and navigation (editing/PlexStringGridKeyboard*.cpp, editing/*Navigation.cpp)
  using TAutoAdvanceEvent =
      std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
  using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
  // The text typed for the incremental goto; the grid timer ends it after its idle time.
  QString IncrSearchText() const { return FSearchInc; }
  int TimerTicks() const { return FTimerTicks; }
  // The phase the blinking cells are painted in.
  bool BlinkOn() const { return FBlinkOn; }
  bool EnableBlink = false;
  TAutoAdvanceEvent OnAutoAdvance;
  TCanDeleteRowEvent OnCanDeleteRow;
  TRowEvent OnAutoAddRow;
  TColEvent OnAutoInsertCol;
  // The data-feature services the keys use (features/PlexStringGridFeatureCalls.cpp).
  virtual void CutToClipboard();
  virtual void CopyToClipboard();
  virtual void PasteFromClipboard();
  virtual void FocusSearchFooter();
  // The first row whose text in ACol begins with Text, tags removed and in any case; -1 for none.
  virtual int SearchColumnText(int ACol, const QString& Text);
  bool FilterActive() const { return FFilterActive; }
  virtual void SetFilterActive(bool Value);
  // Hides every normal row the filter rejects, as one new hide level.
  void ApplyFilter();
  // Hides displayed row ARow when the filter rejects it.
  void FilterRow(int ARow);
  // Shows the last hide level's rows again; false when there was none, else
  // whether a level is still left.
  bool RemoveLastFilter();
  // Shows every hidden level again; with none, clears the conditions instead.
  void RemoveAllFilters();
  // Type-ahead narrowing on one column (AColumn >= 0) or on whole rows (-1).
  void NarrowDown(const QString& ACondition, int AColumn);
  // Taken only for a fixed row.
  void SetFilterDropDownRow(int Value);
  void SetFilterDropDownAuto(bool Value);
  TCustomFilterEvent OnCustomFilter;
  TFilterProgressEvent OnFilterProgress;

protected:
  // ---- rows and graphics (PlexStringGridRowOps.cpp, PlexStringGridObjects.cpp)
  // Takes rows out: Remove drops them for good, otherwise they are being hidden.
  void HideRowsCore(int ARow, int Count, bool Remove);
  // Inserts rows; ShiftStore moves the real indexes of hidden rows at and after
  // the insertion point (bringing a hidden row back shifts nothing).
  void InsertRowsCore(int RowIndex, int RCount, bool UpdateCellControls, bool ShiftStore);
  void DropRowFlags(int RowIndex, int RCount, bool Selection);
  void MoveControlsUp(int FirstRealBelow, int RCount);
  void RestoreCurrentRow(int OldRow, int OldTop);
  bool RowIsSelected(int ARow);
  // Moves the stored real index of every hidden row above ARealRow by Delta.
  void ShiftHiddenRows(int ARealRow, int Delta);
  // Runs a move of whole rows in the cell store; the row count it changes keeps the footer row where the move put it.
  void StoreRowMove(const std::function<void()>& Move);
  // The graphic and the real row the check box operations address (hidden rows reached by real row).
  TCellGraphic* CheckBoxGraphic(int ACol, int ARow, int& RealRow, int& DisplRow);
  QString CheckTrueText(int ACol, int ARow);
  QString CheckFalseText(int ACol, int ARow);
  TCellVAlign VAlignmentPlacement() const;
  // While set, clearing empties object slots without freeing them (the grid moves cells).
  bool FNilObjects = false;
  // While set, clearing tells nobody that cells changed.
  bool FBlockCellsChanged = false;

  // Window creation: the grid timer, the wheel settings and the child panels.
  // Runs when the grid first gets a parent, as a window is made then.
  virtual void CreateWnd();
  void Resize() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;
  // The column order list follows a moved column.
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void NotifierRemoved(TComponent* AComponent);
  void RecordFeatureCall(const QString& Name) { FFeatureCalls.push_back(Name); }
  // The base grid's move with its anchor choice, beside the public FocusCell.
  using TBaseGrid::FocusCell;

  QString FOldCellText;
  TEditorType FEditControl = edNormal;
  // ---- hooks and window messages
  void TopLeftChanged() override;
  // One pan step: the cursor position in client coordinates against the pan origin.
  void PanStep(const TPoint& P);
  // placeholder: fuller version comes with the editor life
  bool FEditingEnabledByEditor = false;
  // ---- paint cycle, fixed faces and cell graphics
  void Paint() override;
  // The one-pixel frame of the looks after glClassic, inside the widget's edge.
  virtual void PaintNonClientBorder();
  void PaintEmptyArea();
  void PaintAreaBitmap(const TRect& R);
  void PaintAreaTiles(const TRect& R);
  void PaintCellBitmap(TCanvas& ACanvas, const TRect& R);
  void PaintCellTiles(TCanvas& ACanvas, int ACol, int ARow, const TRect& R);
  void PaintCellGradient(TCanvas& ACanvas, const TRect& R);
  void DrawCheckGlyph(TCanvas& ACanvas, const TRect& R, bool Checked, TCheckBoxState TriState, bool IsTriState,
                      TControlStyle Style, bool Grayed, bool Enabled);
  // CheckedIndex -1 checks the option equal to the cell text.
  void DrawRadioGlyph(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale, TControlStyle Style, int ARow,
                      int ACol, bool Selected, const TStrings* Items, bool Disabled, bool Horizontal, int CheckedIndex,
                      int Count);
  // Hover state kept by the mouse handling: the fixed cell under the mouse,
  // a pressed fixed drop-down button and the cell whose button is hovered.
  int FHoverFixedX = -1;
  int FHoverFixedY = -1;
  bool FDropDownDown = false;
  TPoint FHoverButton{-1, -1};

  // ---- cell painting and cell text (PlexStringGridPaint*.cpp)
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  virtual void DrawRichCell(int ACol, int ARow, const TRect& ARect, TCanvas& ACanvas);
  // Slots of the fixed faces, their edges and the cell graphics (PlexStringGridPaintSlots.cpp).
  // The face of a fixed-looking cell before its content; may shrink the rectangle.
  virtual void DrawFixedCellFace(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, TGridDrawState AState,
                                 bool ListViewLook);
  // The 3D edges of the older looks and the lines of the right fixed columns.
  virtual void DrawFixedCellEdges(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, bool FixedLooking);
  // BeforeText: only a ctInterface graphic that asks to be drawn under the text.
  virtual void DrawCellGraphics(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, const TCellGraphicLayout& Layout,
                                TVAlignment VA, TGridDrawState AState, int TextWidth, bool BeforeText);
  virtual void DrawSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X);
  // The in-cell scroll bar: position, page and range drawn at the rectangle's right edge.
  void DrawCellScrollBar(TCanvas& ACanvas, const TRect& ARect, int Position, int Page, int Range);
  void DrawCellBorders(TCanvas& ACanvas, int ACol, int ARow, TRect ARect);
  // placeholder: fuller version comes with mouse press and release
  bool FMouseDown = false;
  // ---- editor life, validation and editor access
  friend class TPlexInplaceEdit;
  TInplaceEdit* CreateEditor() override;
  bool CanEditShow() override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  int GetEditLimit() override { return FMaxEditLength; }
  void DoEnter() override;
  void DoExit() override;
  void LeftWithEditor();
  void ShowCellEditor(int ACol, int ARow);
  void CommitCellEditor(int ACol, int ARow);
  void EditDone(int ACol, int ARow);
  // placeholder: fuller version comes with hooks and window messages
  void DoEditCellDone(int ACol, int ARow);
  // ---- keyboard and navigation (editing/PlexStringGridKeyboard.cpp, editing/PlexStringGridNavigation.cpp)
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  // The grid's own steps around the platform's key and timer handling; a
  // swallowed key leaves the message with key 0 and result 1.
  void WMKeyDown(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMTimer(TMessage& Message);
  // Force moves even without AdvanceOnEnter; Repeat marks a step over a
  // read-only cell; EditAfter runs the editor step at the target.
  virtual void MoveToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeat, bool EditAfter);
  // One Tab step; false when the Tab went on to the parent window.
  virtual bool NavigateFromEditor(bool Backward);
  void AppendRowAtEnd();
  int FirstNavigableCol();
  int VisibleFixedRightCols() const;
  bool IsSelectableCell(int ACol, int ARow);
  int FirstSelectableCol(int ARow);
  int LastSelectableCol(int ARow);
  bool IsLastNormalRow();
  void SimulateCellClick(int ACol, int ARow);

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
  void WheelScroll(TMessage& Message);
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
  // ---- node rows (PlexStringGridNodes.cpp)
  TCellGraphic* NodeGraphic(int ARow);
  int NodeBlockEndRow(int ARow, int Span);
  int RealRowEnd(int ARow);
  void ExpandNodeCore(int ARow);
  void LowerNodeLevels(int ARow, int Span);
  int FNodeCount = 0;

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
  TGridSpin* FSpinEdit = nullptr;
  TGridDatePicker* FDatePicker = nullptr;
  TGridDateTimePicker* FDateAndTimePicker = nullptr;
  // The drop-down editors in the order of their getters.
  std::array<TPlexCustomDropDown*, 9> FDropDownEditors{};

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
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  int FSelectionColorMixerFactor = PlexGridDefaults::SelectionColorMixerFactor;
  TColor FSelectionColor = PlexGridDefaults::SelectionColor;
  TColor FSelectionColorTo = clNone;
  TColor FSelectionMirrorColor = clNone;
  TColor FSelectionMirrorColorTo = clNone;
  TColor FSelectionTextColor = PlexGridDefaults::SelectionTextColor;
  bool FSelectionColorMixer = false;
  bool FSelectionRectangle = false;
  bool FSelectionResizer = false;
  bool FShowSelection = true;
  TColor FActiveCellColor = PlexGridDefaults::ActiveCellColor;
  TColor FActiveCellColorTo = clNone;
  bool FActiveCellShow = false;
  TColor FURLColor = PlexGridDefaults::URLColor;
  bool FURLShow = false;
  bool FURLShowInText = false;
  bool FURLFull = false;
  bool FSpreadSheet = false;
  TVAlignment FVAlignment = vtaTop;
  bool FFlat = false;
  int FMaxEditLength = 0;
  bool FHovering = false;
  TOfficeTheme FOfficeTheme = otUnknown;
  bool FAutoThemeAdapt = false;
  // Indexed by TFixedGradient; the first four live in the fields above.
  std::array<TColor, fgCount> FOrvGradientFaces{clNone, clNone,   clNone,   clNone,   0x808080, 0xFFFFFF, clNone,
                                                clNone, 0xC0C0C0, 0x808080, 0xC0C0C0, clNone,   clNone,   0x808080};

  // ---- life-cycle state
  bool FLoading = false;
  static int NextGridID();
  int FID = NextGridID();
  bool FLoaded = false;
  bool FWindowCreated = false;
  bool FDropTargetRegistered = false;
  bool FEditorChangeFlag = false;
  bool FIsWinXP = false;
  bool FIsWin7 = false;
  bool FIsVista = false;
  bool FIsThemed = false;
  int FWheelScrollLines = 3;
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
  int FStoreRowMoves = 0;
  TGridRect FHiddenSelection;

  // ---- cell access state
  int FCellControlCount = 0;
  // -1 means none.
  int FHoverLink = -1;
  int FComboIndex = -1;
  int FOleDragColumn = -1;
  bool FLastValidation = true;

  // ---- cell painting and cell text
  struct TPaintCellState;
  void PaintCellLayers(TCanvas& ACanvas, TPaintCellState& P);
  void PaintRowIndicatorAndMark(TCanvas& ACanvas, TPaintCellState& P);
  void PaintAlwaysVisibleButtons(TCanvas& ACanvas, TPaintCellState& P);
  void PaintContentStep(TCanvas& ACanvas, TPaintCellState& P);
  void PaintTreeLines(TCanvas& ACanvas, TPaintCellState& P);
  void PaintFocusRect(TCanvas& ACanvas, TPaintCellState& P);
  void FireCellDrawEvent(const TCustomCellDrawEvent& Event, TCanvas& ACanvas, int RCol, int ARow, TGridDrawState AState,
                         const TRect& ARect);
  void DrawCellContent(TCanvas& ACanvas, TPaintCellState& P);
  void DrawCellPlainText(TCanvas& ACanvas, TPaintCellState& P, QString Text, TRect R);
  void DrawCellHtmlText(TCanvas& ACanvas, TPaintCellState& P, const QString& Text, TRect R);
  void DrawSelectionRectangle(TCanvas& ACanvas, TPaintCellState& P);
  bool IsSortHeader(int ACol, int ARow);
  void PlaceSortGlyph(TCanvas& ACanvas, TPaintCellState& P, int X, const TRect& R);
  int FlagRow(int ARow) const;
  void ApplySelectionColours(TGridDrawState& AState, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                             TColor& AMirrorColorTo, TFont& AFont) const;
  std::unique_ptr<IRichTextRenderer> FRichTextRenderer;
  unsigned FVAlignFlag = 0;
  // ---- editor life, validation and editor access
  void SetUpSeparateEditor(ICellEditor* Editor, const TCellEditorSetup& Setup);
  void SetUpComboEditor(const TCellEditorSetup& Setup);
  void CommitComboEditor(int ACol, int ARow);
  void WriteEditorValue(int ACol, int ARow, const QString& Value);
  void CommitChosenColor(int ACol, int ARow);
  void CommitChosenImage(int ACol, int ARow);
  void RefuseValidatedValue(int C, int R, const QString& NewValue, const QString& Value);
  void ShowRefusalBalloon();
  void HandleGridSetFocus();
  void FireComboChange(int ACol, int ARow, int Index);
  std::unique_ptr<ICellEditorSource> FCellEditors;
  ICellEditor* FOpenEditor = nullptr;
  TWinControl* FEditCtrl = nullptr;
  bool FEditMode = false;
  bool FEditing = false;
  bool FEditActive = false;
  bool FSpecialEditor = false;
  bool FEntered = false;
  bool FBlockKill = false;
  bool FBlockFocus = false;
  bool FValidating = false;
  bool FInvokedFocusChange = false;
  bool FNoEditChange = false;
  bool FClickedToEdit = false;
  bool FDestroying = false;
  bool FFocusFromTextEditor = false;
  QChar FStartEditChar;
  int FOldCol = -1;
  int FOldRow = -1;
  QString FOldCellTextWide;
  QString FNewCellText;
  bool FOldModified = false;
  // ---- hooks, dimensions, window messages and update locking
  bool DispatchEarlySteps(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  bool DispatchCommand(TMessage& Message);
  bool DispatchPanAndWheel(TMessage& Message);
  void HandleEditDone(TMessage& Message);
  void HandlePaint(TMessage& Message);
  void HandleSize(TMessage& Message);
  bool HandleControlMessage(TMessage& Message);
  void ComboChanged();
  void ComboClosedUp();
  void StartPanning(const TPoint& At);
  void StopPanning();
  void WheelMoveSelection(int Delta, int Target);
  void MoveFooterRow(int OldCount, int NewCount);
  int FFixedFooters = 0;
  int FFixedRightCols = 0;
  bool FPanning = false;
  TPoint FPanOrigin;
  int FPanCursor = 0;
  bool FPanHintsWere = false;
  bool FInSize = false;
  bool FOwnCursorChange = false;
  int FPaintCount = 0;
  int FPrevTopRow = -1;
  int FPrevLeftCol = -1;
  int FOrigGridWidth = 0;

  // ================= mouse buttons (editing/PlexStringGridMouseDown.cpp, editing/PlexStringGridMouseUp.cpp,
  // editing/PlexStringGridMouseClicks.cpp)
public:
  // X and Y relative to the cell's top-left corner; ACol is a real column.
  void RadioGroupClick(int ACol, int ARow, int X, int Y);
  // The displayed cell under a screen point; -1 where there is none.
  void ScreenToCell(const TPoint& P, int& ACol, int& ARow);
  void StartFixedCellEdit(int ACol, int ARow);
  // Milliseconds the last header-click sort took.
  int SortTime() const { return FSortTime; }
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // The hover decides the mode; the press acts on it.
  void SetMouseSelectMode(TMouseSelectMode Value) { FMouseSelectMode = Value; }
  bool CellSelectorMode = false;
  bool FilterDropDownCheck = false;
  bool URLEdit = false;
  TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
  void SetFixedDropDownMenu(TPopupMenu* Value);
  TCanClickCellEvent OnCanClickCell;
  TClickCellEvent OnRightClickCell;
  TAnchorClickEvent OnAnchorClick;
  TControlClickEvent OnControlClick;
  TRadioClickEvent OnRadioClick;
  TCellEvent OnRadioButtonClick;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioMouseUp;
  TCanSortEvent OnCanSort;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  TFixedDropDownClickEvent OnFixedDropDownClick;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TNodeEvent OnExpandNode;
  TNodeEvent OnContractNode;

  // ================= rich text, custom editor links and form controls in cells
  // (editing/PlexStringGridRichEdit.cpp, editing/PlexStringGridEditLink.cpp, editing/PlexStringGridCellControls.cpp)
  friend class TPlexRichEdit;
  friend class TEditLink;
  friend class TControlEdit;
  friend class TControlCombo;
  friend bool CellControlKeyPress(TWinControl* Control, QChar& Key);
  // The hidden rich edit that paints and measures rich-text cells, and the
  // editor of edRichEdit cells; both made on first use and kept.
  TPlexRichEdit* RichEdit();
  TPlexRichEdit* InplaceRichEdit();
  TNotifyEvent OnRichEditSelectionChange;
  // The editor of edCustom cells: the application's, never freed by the grid.
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value);
  // Starts editing the next editable form control of the cell after CtrlID
  // (the first for an empty ID); the grid takes the focus when there is none.
  void EditNextCellControl(int ACol, int ARow, const QString& CtrlID);
  // A form control of a cell is being edited.
  bool CtrlEditing() const { return FCtrlEditing; }
  TControlComboListEvent OnControlComboList;
  TControlComboSelectEvent OnControlComboSelect;
  TControlEditDoneEvent OnControlEditDone;

protected:
  bool DispatchMouseButtons(TMessage& Message);
  virtual void WMLButtonDown(TMessage& Message);
  virtual void WMLButtonUp(TMessage& Message);
  virtual void WMLButtonDblClk(TMessage& Message);
  virtual void WMRButtonDown(TMessage& Message);
  virtual void WMRButtonUp(TMessage& Message);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The grid clicks where its handlers say so, never on every release.
  bool ClicksOnMouseUp() const override { return false; }
  void Click() override;
  // ACol is the displayed column; CtrlRect the control's rectangle in the grid.
  virtual void EditCellControl(int ACol, int ARow, const QString& CtrlID, const QString& CtrlType,
                               const QString& CtrlVal, const TRect& CtrlRect);
  virtual void EndCellControlEdit();
  void ControlComboSelect(TObject* Sender);
  // The rectangle of a form control of a displayed cell, as the cell lays its text out, and its type.
  TRect CellControlRect(int ACol, int ARow, const QString& CtrlID, QString* CtrlType = nullptr);
  // The custom editor link's part of the editor life.
  void ShowEditLink(const TCellEditorSetup& Setup, const TRect& R);
  void CommitEditLink(int ACol, int ARow);
  void OpenEditLinkPopup(const TRect& R);
  // True when the double click on a header border sized a column.
  virtual bool DblClickAutoSize(TMessage& Message, int X, int Y, int ACol, int ARow);
  // The data features the header click and the selection grip use.
  void CopySelectionToClipboard();
  void PasteSelectionFromClipboard();
  bool IsIgnoredColumn(int ACol);
  // The fixed-cell editors' side of the grid.
  void FixedCellValidate(int ACol, int ARow, QString& Value, bool& Valid) override;
  void FixedCellEditingDone() override;
  void StoreFixedCellText(int ACol, int ARow, const QString& Value) override;
  void FocusFixedCell(int ACol, int ARow) override;

private:
  // ---- the press, in its steps
  bool PressOnSelectionGrip(TMessage& Message, int X, int Y, bool Grip);
  bool PressOnGraphic(TMessage& Message, int ACol, int ARow, int RCol, int X, int Y, bool& IsNode);
  bool PressOnLinkCell(int ACol, int ARow, int ClickCol, int ClickRow, int X, int Y);
  void PressOnHeaders(int ACol, int ARow);
  bool PressOnCheckBox(int ACol, int ARow, int RCol, int X, int Y, bool CanEdit);
  void NormalPress(TMessage& Message, int ACol, int ARow, int X, int Y, bool CanEdit, bool SameCell, bool DropDown);
  void HandPressOn(TMessage& Message);
  void NodeGlyphPress(int ACol, int ARow, int X, int Y);
  // ---- the release
  void ReleasePushedButton(int X, int Y);
  void OpenHeaderFilter(int ARow, int RCol, int X, int Y);
  void HeaderClickSort(int ACol, int ARow, int X, int Y);
  void SortByIndexes(int RCol);
  void HeaderSortByColumn(int RCol);
  // ---- the sort engine's own steps (features/PlexStringGridSort.cpp)
  class TSortGuard;
  void QuickSortRows(int Col, int Start, int End);
  void QuickSortRowsIndexed(int Start, int End);
  template <class TCompare>
  void QuickSortRange(int Start, int End, const TCompare& Compare, int Dir, bool SwapEqual);
  void SortWithinGroups(bool Indexed);
  void PrepareSortXRef();
  bool IgnoredInSort(int ACol);
  void PlaceRowAfterSort(int OldRow);
  // The row the running partition's pivot data stands in; -1 outside a sort.
  int FSortPivotRow = -1;
  // What a running quick sort reads once instead of on every comparison; null outside one.
  struct TSortKeys;
  TSortKeys* FSortKeys = nullptr;

  bool FDoOnClick = false;
  bool FMouseDownMove = false;
  bool FMouseKeepDown = false;
  bool FSpinUpClick = false;
  bool FSpinDnClick = false;
  int FMoveColInd = -1;
  int FMoveRowInd = -1;
  bool FSelectionClick = false;
  TGridCoord FPushedCellButton{-1, -1};
  TRect FPushedFixedCell;
  bool FFixedCellPushed = false;
  int Clickposx = 0;
  int Clickposy = 0;
  int Clickposdx = 0;
  int Clickposdy = 0;
  int Movecell = -1;
  int MoveOfsX = 0;
  int MoveOfsY = 0;
  int FMouseSelectStart = -1;
  TGridRect FDropSelection;
  bool FMouseResize = false;
  bool FDeselectState = false;
  int FOldTopRow = 0;
  int FOldKeepLeftCol = 0;
  TGridCoord FCtrlXY{-1, -1};
  bool FCtrlDown = false;
  bool LButFlg = false;
  bool FSizeFixedR = false;
  TMouseSelectMode FMouseSelectMode = msNormal;
  bool FDblClk = false;
  // FDropDownDown, FHoverFixedX and FHoverFixedY are the painter's hover state (above).
  bool FNoMouseLeave = false;
  int FFixedColEdit = -1;
  int FFixedRowEdit = -1;
  bool ColMoveFlg = false;
  int FFilterCol = -1;
  int FSortTime = 0;
  bool FResetSelChange = false;

  // ---- paint cycle and graphics
  void DrawFixedGradientFace(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect);
  void DrawListViewFace(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect);
  bool DrawAppStyleFace(TCanvas& ACanvas, TRect& ARect, TGridDrawState AState, bool FixedLooking);
  void DrawNodeGraphic(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, const TCellGraphic& G,
                       TGridDrawState AState);
  void DrawButtonGraphic(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, TCellGraphic& G, const TRect& At);
  void DrawProgressGraphic(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, const TCellGraphic& G);
  void DrawRotatedGraphic(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, const TCellGraphic& G);
  void DrawSizeLines(TCanvas& ACanvas);
  TGridFocusWindow* FFocusWindow = nullptr;
  // The size lines shown now: vertical (X) or horizontal (Y) positions.
  std::vector<std::pair<bool, int>> FSizeLines;
  // ---- scrolling
  bool HandleScroll(TMessage& Message);
  void HandleHScroll(TMessage& Message);
  void HandleVScroll(TMessage& Message);
  bool HandleCellScrollBar(TMessage& Message);
  void ShowScrollHint(bool Vertical, int Index);
  int ThumbToIndex(bool Vertical, int Pos) const;
  TRect BackGroundCells() const;
  void CreateScrollControls();
  void FreeScrollControls();
  TScrollType FScrollType = ssNormal;
  TColor FScrollColor = clNone;
  bool FScrollProportional = false;
  TScrollHintType FScrollHints = shNone;
  bool FIsFlat = false;
  bool FScrollLock = false;
  TScrollControl* FVScrollControl = nullptr;
  TScrollControl* FHScrollControl = nullptr;
  THintWindow* FScrollHintWnd = nullptr;
  bool FScrollHintShow = false;
  TScrollBar* FScrollBar = nullptr;
  int FScrollCol = -1;
  int FScrollRow = -1;
  // ---- sizing and column order
  // A stretch from one of the grid's own paths: an index out of range is skipped, not raised.
  void StretchStoredColumn();
  int FitCellWidth(int ACol, int RCol, int ARow);
  bool FIsColChanging = false;
  bool ColchgFlg = true;
  TColor FArrowColor = clLime;
  // The arrows that mark where a moved column or row lands; null in the designer.
  TArrowWindow* ArwU = nullptr;
  TArrowWindow* ArwD = nullptr;
  TArrowWindow* ArwL = nullptr;
  TArrowWindow* ArwR = nullptr;
  TImageList* FGridImages = nullptr;
  TPlexStringGridCheck* FCellChecker = nullptr;
  TPopupMenu* FFixedDropDownMenu = nullptr;
  int FFilterFixedRows = 0;
  QString FLastFilter;

  // ---- keyboard and navigation
  bool HomeEndKey(TMessage& Message, WORD Key, TShiftState Shift);
  bool SkipFixedCellsKey(WORD& Key, TShiftState Shift);
  void AfterKeyMovement(TMessage& Message, WORD Key, TShiftState Shift);
  void InsertRowByKey();
  void SelectAllByKey();
  void DeleteRowByKey();
  void CellGraphicKey(WORD Key);
  bool ClipboardKey(WORD Key, TShiftState Shift);
  void FireGridKeyDown(WORD Key, TShiftState Shift);
  void SwallowKey(TMessage& Message, bool FireKeyDown, TShiftState Shift);
  void IncrementalGoto(QChar Key);
  void HoverTick();
  void BlinkTick();
  bool AdvanceTarget(int& ACol, int& ARow, bool Forward);
  bool AdvanceEditorStep(int OC, int OR, bool AutoEdit);
  enum class TTabResult { Done, Again, Parent };
  TTabResult TabStep(bool Backward);
  TTabResult TabStepForward();
  TTabResult TabStepBackward();
  bool RowOnlyFixed() const;
  TPoint FLastKeyCell{-1, -1};
  QString FSearchInc;
  int FSearchTics = 0;
  TGridRect FMoveSelection;
  int FTimerTicks = 0;
  bool FBlinkOn = false;
  int FAECol = -1;
  int FAERow = -1;
  int FLastTabCol = -1;
  int FLastTabRow = -1;
  bool FFilterActive = false;
  // ---- rich text, custom editor links, form controls in cells
  TPlexRichEdit* FRichEdit = nullptr;
  TPlexRichEdit* FInplaceRichEdit = nullptr;
  TEditLink* FEditLink = nullptr;
  QString FCtrlID;
  QString FCtrlType;
  bool FCtrlEditing = false;
};
