// The class library's string grid: a self-painting control of ColCount x
// RowCount cells with fixed rows and columns, a current cell and a range
// selection, keyboard and mouse handling, column and row sizing and moving, an
// in-place text editor and scroll bars on a 0..127 thumb scale. One class split
// over files by concern (GridsCells, GridsGeometry, GridsSelection, ...).
#pragma once

#include "platform/Controls.h"
#include "platform/MaskEdit.h"
#include "platform/ScrollCodes.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QScrollBar;
class TCustomGrid;

class EInvalidGridOperation : public Exception {
  using Exception::Exception;
};

// Exact texts of the grid's own exceptions.
inline constexpr const char* SGridIndexOutOfRange = "Grid index out of range";
inline constexpr const char* SFixedRowTooBig = "Fixed row count must be less than row count";
inline constexpr const char* SFixedColTooBig = "Fixed column count must be less than column count";

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
  int X = 0;
  int Y = 0;
  constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells; Right and Bottom are the last column and row (inclusive).
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr bool operator==(const TGridRect&) const = default;
};

// The thumb scale of both bars.
constexpr int GridScrollScale = 127;
// The timer that scrolls while a range selection is dragged outside the cells.
constexpr UINT GridDragScrollTimerId = 1;
constexpr int GridDragScrollInterval = 60;

// A scroll bar's range, thumb size and position, as the system's scroll
// information holds them: the highest position is Max - Page + 1 (Max without a page).
struct TScrollInfo {
  int Min = 0;
  int Max = GridScrollScale;
  int Page = 0;
  int Pos = 0;
  constexpr bool operator==(const TScrollInfo&) const = default;
};

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// The grid's text editor: a masked edit owned by the grid and placed over the
// current cell; the navigation keys it does not need go to the grid.
class TInplaceEdit : public TCustomMaskEdit {
public:
  explicit TInplaceEdit(TCustomGrid* AGrid);
  TCustomGrid* Grid() const { return FGrid; }
  // Loads the current cell's text, mask and length limit from the grid.
  virtual void UpdateContents();
  // Places the editor over the rectangle and shows it; BoundsChanged follows.
  void Move(const TRect& r);
  // The multi-line edit style (on by default): line breaks (CR LF) stay in
  // the text, Ctrl+Enter types one, and the lines are counted as the edit
  // control counts them (wrapped lines too). The lines show from the top of
  // the cell. Switching it off (password cells) drops the breaks.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  int LineCount() const;
  // The 0-based line holding the caret.
  int CaretLine() const;
  // The edit control's own handling of Enter in a multi-line edit.
  void InsertLineBreak();

protected:
  void WndProc(TMessage& Message) override;
  // After the grid placed the editor: a descendant adjusts its own bounds.
  virtual void BoundsChanged() {}
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  // Like the system's edit, a change is reported to the grid as WM_COMMAND
  // (EN_CHANGE); OnChange fires when the grid sends it back.
  void Change() override;
  void DefaultHandler(TMessage& Message) override;

private:
  TCustomGrid* FGrid;
  bool FMultiLine = true;
  bool FWordWrap = false;
};

class TCustomGrid : public TCustomControl {
public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // ---- dimensions ----
  int ColCount() const { return int(FColWidths.size()); }
  virtual void SetColCount(int Value);
  int RowCount() const { return int(FRowHeights.size()); }
  virtual void SetRowCount(int Value);
  int FixedCols() const { return FFixedCols; }
  virtual void SetFixedCols(int Value);
  int FixedRows() const { return FFixedRows; }
  virtual void SetFixedRows(int Value);
  // Out-of-range indexes read the default size and write nothing.
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  virtual void SetDefaultRowHeight(int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);

  // ---- geometry ----
  // The client rectangle of a visible cell, clipped to the client area; empty
  // when not visible. A descendant may widen it (a merged block); the grid's
  // own layout, painting and editor always use PlainCellRect.
  virtual TRect CellRect(int ACol, int ARow) const { return PlainCellRect(ACol, ARow); }
  TRect PlainCellRect(int ACol, int ARow) const;
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int Value);
  int TopRow() const { return FTopLeft.Y; }
  virtual void SetTopRow(int Value);
  // Scrolling columns and rows that are fully visible.
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // The cell under a client point; -1 for a coordinate off the cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  int GridWidth() const;
  int GridHeight() const;
  int ClientWidth() const override;
  int ClientHeight() const override;

  // ---- current cell and selection ----
  int Col() const { return FCurrent.X; }
  virtual void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  // Virtual: a descendant reports the row it moved to.
  virtual void SetRow(int Value);
  TGridCoord Anchor() const { return FAnchor; }
  TGridRect Selection() const;
  // Sets anchor and current cell without asking SelectCell.
  void SetSelection(const TGridRect& Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TGridState GridState() const { return FGridState; }
  void SetGridState(TGridState Value) { FGridState = Value; }

  // ---- editor ----
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

  // ---- looks ----
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // The scroll information of the window's bar SB_HORZ or SB_VERT. The grid
  // moves the position on the 0..127 scale; range and page stay as set.
  TScrollInfo GetScrollInfo(int Bar) const;
  void SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw);
  // Whether the window shows the bar now.
  bool ScrollBarVisible(int Bar) const { return Bar == SB_VERT ? FVBarOn : FHBarOn; }
  // Shows or hides the window's bar SB_HORZ or SB_VERT (SB_BOTH: both) until
  // the next change of the scroll range decides again, as the system's
  // ShowScrollBar does; the client area follows.
  void ShowScrollBar(int Bar, bool Show);
  // Whether the bar's arrows and thumb react; a disabled bar stays as shown.
  void EnableScrollBar(int Bar, bool Enable);
  bool ScrollBarEnabled(int Bar) const;

  // ---- invalidation ----
  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateGrid() { Invalidate(); }

  // Moves a column or row to another index; the cells and sizes go with it.
  virtual void MoveColumn(int FromIndex, int ToIndex);
  virtual void MoveRow(int FromIndex, int ToIndex);
  // Moves the column or row to the end and drops the last one.
  virtual void DeleteColumn(int ACol);
  virtual void DeleteRow(int ARow);

  TSelectCellEvent OnSelectCell;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditText;
  TGetEditEvent OnGetEditMask;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
  friend class TInplaceEdit;

  // ---- notifications (fired synchronously) ----
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void SizeChanged(int OldColCount, int OldRowCount) {}
  // The width the grid leaves between cells and paints its lines in; a
  // descendant that draws its lines inside its cells lays them out with none.
  virtual int LayoutLineWidth() const { return FGridLineWidth; }
  // Whether the grid paints the default cell look and its lines itself.
  virtual bool PaintsDefaultCells() const { return FDefaultDrawing; }
  virtual void TopLeftChanged();
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);

  // ---- the gatekeeper of every current-cell move ----
  virtual bool SelectCell(int ACol, int ARow);
  // Moves the current cell (asking SelectCell); MoveAnchor collapses the selection, Show scrolls it into view.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  // Moves the selection's far corner (range selection), or the current cell without goRangeSelect.
  void MoveAnchor(const TGridCoord& NewAnchor);
  void ClampInView(const TGridCoord& Coord);
  void MoveTopLeft(int ALeft, int ATop);

  // ---- painting ----
  void Paint() override;
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

  // ---- editor hosting ----
  virtual TInplaceEdit* CreateEditor();
  virtual bool CanEditShow();
  virtual bool CanEditModify() { return true; }
  virtual QString GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const QString& Value);
  virtual QString GetEditMask(int ACol, int ARow);
  virtual int GetEditLimit() { return 0; }
  void ShowEditor();
  void ShowEditorChar(QChar Ch);
  void HideEditor();
  // Shows, moves or reloads the editor after the current cell or the scroll position changed.
  void UpdateEdit();
  // Writes the editor's text to its cell and hides it.
  void HideEdit();

  // ---- keyboard, mouse, wheel ----
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // Whether (X, Y) lies on a column or row border that may be dragged.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

  // ---- messages ----
  void WndProc(TMessage& Message) override;
  void Resize() override;
  // The bars' thumb positions follow TopRow and LeftCol.
  void UpdateScrollPos();
  // Shows the bars that have something to scroll and keeps the top-left cell in range.
  void UpdateScrollRange();
  // One scroll request of a bar: line, page, thumb (0..127) or an end.
  void ModifyScrollBar(bool Vertical, int ScrollCode, int Pos);

  // ---- whole blocks of row sizes (GridsRowBlocks.cpp)
  // Rotates the row heights of [First, Last) so that Middle comes first.
  void RotateRowHeights(int First, int Middle, int Last);
  // ---- whole-row blocks (GridsRowBlocks.cpp)
  // Every row height at once (RowCount becomes its size, at least one row),
  // with the effects of a RowCount change in one pass over the rows.
  void ReplaceRowHeights(std::vector<int> Heights);
  // The same, the heights edited where they lie (no second copy of a long grid's heights).
  void EditRowHeights(const std::function<void(std::vector<int>& Heights)>& Edit);

  TGridState FGridState = gsNormal;
  int FSizingIndex = -1;
  int FSizingPos = 0;
  int FSizingOfs = 0;
  int FMoveIndex = -1;
  int FMovePos = -1;

private:
  // The layout of one axis at the current scroll position.
  struct AxisInfo {
    const std::vector<int>* Sizes = nullptr;
    int LineWidth = 0;
    int FixedCount = 0;
    int First = 0;   // first scrolled cell shown (LeftCol or TopRow)
    int Extent = 0;  // client size along the axis
    int Count() const { return int(Sizes->size()); }
    int Size(int i) const { return (*Sizes)[size_t(i)]; }
    int FixedBoundary() const;
    // Start of a cell that lies in the visible part, -1 otherwise.
    int Pos(int i) const;
    // Last scrolled cell that fits whole; First - 1 when none does.
    int LastFullVisible() const;
    // Last cell that shows at least partly.
    int LastVisible() const;
    // The cell that covers the pixel, -1 when none.
    int CellAt(int pixel) const;
    // The largest First that still fills the extent.
    int MaxFirst() const;
  };
  AxisInfo ColAxis() const;
  AxisInfo RowAxis() const;
  void CheckCoord(int ACol, int ARow) const;
  TGridCoord MaxTopLeft() const;
  void SelectionMoved(const TGridRect& OldSel);
  void InvalidateRange(const TGridRect& r);
  void DrawDefaultCell(int ACol, int ARow, const TRect& r, TGridDrawState state);
  void DrawLines();
  void TimedScroll();
  int ScrollThumbOf(bool Vertical) const;
  void PlaceScrollBars();

  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  TGridCoord FTopLeft{1, 1};
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  bool FEditorMode = false;
  TInplaceEdit* FInplaceEdit = nullptr;
  TGridCoord FInplaceCell{-1, -1};
  TPoint FLastMouse;
  bool FSplitCursorShown = false;
  TCursor FCursorBeforeSplit = crDefault;
  QScrollBar* FHScroll = nullptr;
  QScrollBar* FVScroll = nullptr;
  bool FHBarOn = false;
  bool FVBarOn = false;
  bool FUpdatingScroll = false;
  TScrollInfo FHScrollInfo;
  TScrollInfo FVScrollInfo;
};

// The grid with a text and an object slot per cell. Cells of columns at and
// beyond ColCount stay stored, so hidden columns come back when ColCount is
// raised; the object slots are never freed by the grid.
class TStringGrid : public TCustomGrid {
public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  // Reads outside the store give an empty text or null; writes outside it do nothing.
  // Inline: every cell read of every grid passes here.
  QString Cells(int ACol, int ARow) const {
    if (ARow < 0 || ACol < 0 || size_t(ARow) >= FRows.size()) return QString();
    const RowStore& row = FRows[size_t(ARow)];
    return size_t(ACol) < row.Texts.size() ? row.Texts[size_t(ACol)] : QString();
  }
  void SetCells(int ACol, int ARow, const QString& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // Columns that cells may be stored in: at least ColCount, and every column ever shown.
  int StoreColCount() const { return std::max(ColCount(), FStoreCols); }

protected:
  // Writes a text without repainting the cell. A row's texts never outgrow
  // the store, so a slot that exists is a slot that may be written.
  void StoreCell(int ACol, int ARow, const QString& Value) {
    if (ARow >= 0 && ACol >= 0 && size_t(ARow) < FRows.size() && size_t(ACol) < FRows[size_t(ARow)].Texts.size())
      FRows[size_t(ARow)].Texts[size_t(ACol)] = Value;
    else
      StoreNewCell(ACol, ARow, Value);
  }
  // The write that may grow a row's texts.
  void StoreNewCell(int ACol, int ARow, const QString& Value);
  // Exchanges two rows of the store whole, texts and object slots of every
  // stored column, without notification; heights stay. Nothing outside the rows.
  void SwapStoreRows(int ARow1, int ARow2);
  // ---- whole rows and columns of the store (GridsRowBlocks.cpp)
  // ACount empty rows at AIndex with the default height; the rows below move
  // down with their cells and heights. The cost is one move of the rows below.
  void InsertStoreRows(int AIndex, int ACount);
  // Takes ACount rows out at AIndex; the rows below move up with their cells
  // (and heights when MoveHeights). Object slots of the rows taken out are
  // dropped without freeing: whoever put the objects there owns them.
  void DeleteStoreRows(int AIndex, int ACount, bool MoveHeights);
  // ACount empty columns at AIndex in every stored row; the columns to the
  // right move with their cells. Widths and ColCount are the caller's.
  void InsertStoreCols(int AIndex, int ACount);
  // Takes ACount columns out at AIndex in every stored row (slots dropped unfreed).
  void DeleteStoreCols(int AIndex, int ACount);
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;

  // ---- whole-row blocks (GridsRowBlocks.cpp)
public:
  // One row lifted out of the grid: texts and object slots of every stored
  // column, its height, and its row index (where it stood, or is to stand).
  struct TRowBlock {
    int Row = 0;
    int Height = 0;
    std::vector<QString> Texts;
    std::vector<TObject*> Objects;
  };

protected:
  // Takes the rows (ascending, distinct, inside the grid) out in one pass; the
  // rows below close up and RowCount drops by their number. One row always
  // stays: a request for every row leaves the last one.
  std::vector<TRowBlock> TakeRows(const std::vector<int>& Rows);
  // Puts rows back in one pass: each block's Row (ascending) is its index
  // afterwards; the other rows keep their order around them.
  void PutRows(std::vector<TRowBlock> Blocks);

private:
  struct RowStore {
    std::vector<QString> Texts;
    std::vector<TObject*> Objects;
  };
  bool InStore(int ACol, int ARow) const;
  std::vector<RowStore> FRows;
  int FStoreCols = 0;
};
