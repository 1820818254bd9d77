// The first grid class of the system: the platform string grid with per-cell
// properties in the object slots, merged cells, display-text hooks and its
// own grid lines. The string grid derives from it and reaches its cells
// through GetCellEx, SetCellEx and GetCellProperties.
#pragma once

#include "grid/foundation/CellProperties.h"
#include "grid/foundation/PlexGridUndoRedo.h"
#include "platform/BiDi.h"
#include "platform/Grids.h"

#include <QString>

#include <functional>
#include <memory>

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

// The string grid with objects; adds nothing of its own.
class TObjStringGrid : public TStringGrid {
public:
  using TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid, public IUndoRedoGrid {
public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // ---- cell store ----
  bool HasCellProperties(int ACol, int ARow) const;
  // Created on first use; never null. Outside the store the answer is a
  // scratch object with the defaults that is not kept.
  TCellProperties* GetCellProperties(int ACol, int ARow);
  // Frees what the slot held and keeps Value (the grid owns it from now on).
  void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
  // While no cell has properties and no row takes display hooks, a cell is
  // just its stored text: that path stays inline, the rest is out of line.
  QString GetCellEx(int ACol, int ARow) override {
    if (!FHasCellProps && ARow >= FNormalRowCount) return Cells(ACol, ARow);
    return GetMergedCellEx(ACol, ARow);
  }
  void SetCellEx(int ACol, int ARow, const QString& Value) override {
    if (FHasCellProps || FHideLastRow)
      SetMergedCellEx(ACol, ARow, Value);
    else
      StoreCell(ACol, ARow, Value);
  }
  QString GetGridCell(int ACol, int ARow) const { return Cells(ACol, ARow); }
  void SetGridCell(int ACol, int ARow, const QString& Value) { StoreCell(ACol, ARow, Value); }
  TObject* GetGridObject(int ACol, int ARow) const { return Objects(ACol, ARow); }
  void SetGridObject(int ACol, int ARow, TObject* Value) { SetObjects(ACol, ARow, Value); }
  uintptr_t GetObjectEx(int ACol, int ARow) const;
  void SetObjectEx(int ACol, int ARow, uintptr_t Value);
  TObject* GetGraphicObjectEx(int ACol, int ARow) const;
  static TObject* GetPropsGraphic(const TCellProperties* Props) { return Props ? Props->GraphicObject : nullptr; }
  void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
  void FreeCellPropsRange(int ACol1, int ARow1, int ACol2, int ARow2);
  void FreeCellProps(int ACol, int ARow);
  void FreeAllCellProps();
  void ClearColCells(int ACol);
  void ClearRowCells(int ARow);
  void ClearCellSlot(int ACol, int ARow);
  void RepaintCell(int ACol, int ARow) override;

  // ---- merged cells ----
  virtual void MergeCells(int ACol, int ARow, int AColCount, int ARowCount);
  virtual void SplitCells(int ACol, int ARow);
  TPoint BaseCell(int ACol, int ARow) const;
  bool IsBaseCell(int ACol, int ARow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  TPoint CellSpan(int ACol, int ARow) const;
  TPoint CellExt(int ACol, int ARow) const;
  TRect FullCell(int ACol, int ARow) const;
  bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  bool ColSpanIdentical(int ACol1, int ACol2) const;
  void MoveToBaseCell();

  // ---- geometry ----
  TRect VirtualCellRect(int ACol, int ARow) const;
  // The rectangle of the cell or of its whole block.
  TRect CellRect(int ACol, int ARow) const override;
  TPoint CellSize(int ACol, int ARow) const;
  int FixedColsWidth() const;
  int FixedRowsHeight() const;

  // ---- virtual operations for descendants, trivial here ----
  virtual bool IsFixed(int ACol, int ARow) { return false; }
  virtual int GetNodeIndent(int ARow) { return 0; }
  virtual bool HasNodes() { return false; }
  virtual void DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  virtual void LastRowCellChanged() {}
  virtual void GetDisplText(int ACol, int ARow, QString& Value);
  virtual void GetDisplWideText(int ACol, int ARow, QString& Value);
  virtual void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                        TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HAlign,
                                        TVAlignment& VAlign, bool& WordWrap, TCellGradientDirection& GradientDirection);
  virtual void CellTextChanged(int ACol, int ARow) {}
  virtual bool HasCustomCellBorders() { return false; }
  virtual bool UsesVclStyles() { return false; }
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool SelectionColours,
                                   bool RemapColumn, TBrush& ABrush, TColor& ColorTo, TColor& MirrorColor,
                                   TColor& MirrorColorTo, TFont& AFont, TAlignment& HAlign, TVAlignment& VAlign,
                                   bool& WordWrap, TCellGradientDirection& GradientDirection) {}
  int DisplColIndex(int ACol) override { return ACol; }
  virtual int TotalColCount() const { return ColCount(); }

  // ---- looks ----
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  int MergeCount() const { return FMergeCount; }
  // The linked undo/redo component; linking sets its grid to this one.
  TPlexGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TPlexGridUndoRedo* Value);

  // What the undo/redo component needs of the grid.
  TComponent* GridComponent() override { return this; }
  int CurrentCol() override { return Col(); }
  void MoveCurrentCell(int ACol, int ARow) override;
  void InvalidateGrid() override { Invalidate(); }
  int PaintID() const { return FPaintID; }
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);

  // ---- painting ----
  // The paint core on any canvas; the cell's rectangle is computed again.
  void PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  // The paint core with the given rectangle, without the content: a header
  // cell painted into the picture of a dragged column.
  void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

protected:
  friend class TCellProperties;
  // Creates the properties of an empty slot with the grid's defaults.
  TCellProperties* CreateCellProperties(int ACol, int ARow, bool SetCalcType);
  bool InCellStore(int ACol, int ARow) const;
  // The cell's properties when it has some, else null.
  TCellProperties* PropsOf(int ACol, int ARow) const;
  // The base cell of a merged cell, kept inside the store whatever the encoding says.
  TPoint SafeBaseCell(int ACol, int ARow, const TCellProperties* Props) const;
  QString GetMergedCellEx(int ACol, int ARow);
  void SetMergedCellEx(int ACol, int ARow, const QString& Value);

  void KeyDown(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void Paint() override;
  // The grid draws its lines inside its cells and paints every cell itself.
  int LayoutLineWidth() const override { return 0; }
  bool PaintsDefaultCells() const override { return false; }
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  QString GetEditText(int ACol, int ARow) override { return TObjStringGrid::GetEditText(ACol, ARow); }
  void SetEditText(int ACol, int ARow, const QString& Value) override {
    TObjStringGrid::SetEditText(ACol, ARow, Value);
  }

  TColor FGridLineColor = 0xC0C0C0;
  TColor FGridFixedLineColor = 0x808080;
  int FPaintID = 1;
  bool FHideLastRow = false;
  int FNormalRowCount = 0;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  int FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  bool FHasCellProps = false;
  int FMergeCount = 0;
  bool FDestroying = false;
  TPlexGridUndoRedo* FUndoRedo = nullptr;
  // Hears of the linked component's end; the component drops its own link
  // with the grid first, so the grid cannot be told directly.
  TComponent* FUndoRedoWatch = nullptr;

private:
  // The colours that the paint core fills a cell with.
  struct TCellLook {
    TColor Brush = clNone;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TCellGradientDirection Direction = GradientVertical;
  };
  void PaintCellCore(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);
  bool PaintBlockOfNonBaseCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  bool ClipUnderFixedArea(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect);
  TCellLook QueryCellLook(TCanvas& ACanvas, int ACol, int ARow, TGridDrawState& AState);
  void ApplyRowColours(int ACol, int ARow, TGridDrawState AState, bool Full, TCellLook& Look) const;
  void PaintBackground(TCanvas& ACanvas, int ACol, const TRect& ARect, TGridDrawState AState, const TCellLook& Look);
  void PaintSelectionFrame(TCanvas& ACanvas, int ACol, const TRect& ARect);
  int SelectionEndKind(int ACol) const;
  void PaintGridLines(TCanvas& ACanvas, int ACol, const TRect& ARect, bool Fixed, TColor BrushColor);
  // Frees the slot's properties and a cell graphic they own; reads the slot
  // directly, so it also serves rows that are just leaving the grid.
  void FreeSlotProps(int ACol, int ARow);
  TBiDiMode FBiDiMode = bdLeftToRight;
  std::unique_ptr<TCellProperties> FScratchProps;
};
