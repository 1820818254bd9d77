// The grid of almost every table editor: a string grid whose columns are
// described by column definitions. The grid answers its per-cell questions
// from the definition of the cell's column first, then the string grid's
// own handling and its event have their say.
// One class; its implementation is split over PlexColumnGrid*.cpp by concern.
#pragma once

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/GridColumnCollection.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

class TCellGraphic;

using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

namespace PlexColumnGridVersion {
constexpr int Number = 0x03010301;
constexpr const char* Date = "Aug, 2012";
}  // namespace PlexColumnGridVersion

class TPlexColumnGrid : public TPlexStringGrid {
public:
  explicit TPlexColumnGrid(TComponent* AOwner);
  ~TPlexColumnGrid() override;

  // ================= life cycle and the definitions (PlexColumnGrid.cpp)
  void Loaded() override;
  TGridColumnCollection& Columns() { return *FColumns; }
  // Copies the given definitions.
  void SetColumns(const TGridColumnCollection& Value);
  TGridColumnItem* GetColumnByName(const QString& AName) const;
  // One definition per real column: added like the left neighbour, or freed from the end.
  void UpdateColumnCount();
  // ColumnHeaders from the definitions; an empty header takes the text in row 0.
  void UpdateColumnHeaders();
  // ColumnHeaders cleared and filled with every definition's header.
  void RebuildColumnHeaders();
  // Set only while a column move carries its definition along.
  bool ColumnMoving() const { return FColumnMoving; }
  int GetVersionNr() const override;
  QString GetVersionString() const override;
  void InsertCols(int ACol, int ACount) override;
  void RemoveCols(int ACol, int ACount) override;
  void Group(int ColIndex) override;
  void UnGroup() override;
  void ChangeScale(int M, int D) override;
  bool AutoFilterDisplay = false;
  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMoved OnAfterColumnMoved;

  // ================= the string grid's hooks, answered from the definitions (PlexColumnGridHooks.cpp)
  void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
  void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
  void DoGetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
  void DoGetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
  void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void DoGetFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix) override;
  void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) override;
  void DoIsFixedCell(int ACol, int ARow, bool& IsFixed) override;
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  bool DoHasComboBox(int ACol, int ARow) override;
  void DoGetCheckTrue(int ACol, int ARow, QString& Value) override;
  void DoGetCheckFalse(int ACol, int ARow, QString& Value) override;
  bool DoGetColumnFilter(int Column) override;
  void DoFilterSelect(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition) override;
  void DoUpdateColumnSize(int ACol, int& AWidth) override;
  void DoUpdateAutoColumnSize(int ACol, int& AWidth) override;
  void ColumnHeadersChanged() override;
  void CellsLoaded() override;
  QString GetCellFloatFormat(int ACol, int ARow) override;
  QString GetFormattedCell(int ACol, int ARow) override;
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  void GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HAlign, TVAlignment& VAlign,
                                bool& WordWrap, TCellGradientDirection& GradientDirection) override;

  // ================= persistence (PlexColumnGridPersistence.cpp)
  // The definitions as a self-describing binary stream, at the stream's position.
  void SaveColumnsToStream(QIODevice& Stream);
  // Reads the whole stream first: a stream that cannot be read changes nothing.
  void LoadColumnsFromStream(QIODevice& Stream);
  // Keys "CP" + position in an INI file: the organisation index shown at each position.
  void SaveColumnPositions(const QString& Key, const QString& Section);
  void LoadColumnPositions(const QString& Key, const QString& Section);
  void SaveColPositions() override;
  void LoadColPositions() override;

protected:
  // Makes the definitions; a descendant may make its own collection.
  virtual void CreateColumns();
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void ColWidthsChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  int GetEditLimit() override;
  QString GetEditMask(int ACol, int ARow) override;

  std::unique_ptr<TGridColumnCollection> FColumns;

private:
  // The definition of a real column, or null beyond the definitions.
  TGridColumnItem* Definition(int ACol) const {
    return FColumns && ACol >= 0 && ACol < FColumns->Count() ? FColumns->At(ACol) : nullptr;
  }
  bool IsNormalCell(int ACol, int ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }
  bool IsInnerCell(int ACol, int ARow) const;
  void ShowColumnPopup(TMouseButton Button, int X, int Y);

  std::unique_ptr<TGridColumnItem> FGroupStore;
  std::unique_ptr<TCellGraphic> FCheckGraphic;
  bool FColumnMoving = false;
  // Set while the string grid inserts or removes columns itself: the
  // definitions then go in or out at the same place, not at the end.
  bool FColumnsFollowInsertion = false;
};
