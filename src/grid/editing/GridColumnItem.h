// One column definition of the column grid: header, width, looks, editor kind
// and its lists. A form sets up its columns through these instead of events;
// the grid answers its per-cell questions from the definition of the column.
#pragma once

#include "grid/core/PlexStringGridEvents.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

#include <QString>

#include <memory>

class TGridColumnCollection;
class TPlexColumnGrid;
class TPopupMenu;

enum TColumnPopupType {
  cpFixedCellsRClick,
  cpFixedCellsLClick,
  cpNormalCellsRClick,
  cpNormalCellsLClick,
  cpAllCellsRClick,
  cpAllCellsLClick
};

// What a new definition starts with; the fonts and the colour of a definition
// inside a collection come from its grid instead.
namespace GridColumnDefaults {
constexpr int Width = 50;
constexpr int DropDownCount = 8;
constexpr int SpinStep = 1;
constexpr const char* CheckTrue = "Y";
constexpr const char* CheckFalse = "N";
constexpr TColor BorderPenColor = clSilver;
constexpr TColor PrintBorderPenColor = clBlack;
constexpr TColor PrintColor = clWhite;
constexpr TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
}  // namespace GridColumnDefaults

class TGridColumnItem : public TObject {
public:
  // With a null collection the definition stands alone (no grid: width 0).
  explicit TGridColumnItem(TGridColumnCollection* Collection);
  ~TGridColumnItem() override;
  TGridColumnItem(const TGridColumnItem&) = delete;
  TGridColumnItem& operator=(const TGridColumnItem&) = delete;

  TGridColumnCollection* Collection() const { return FCollection; }
  int Index() const;
  TPlexColumnGrid* Grid() const;
  QString GetDisplayName() const;

  // Copies the values only: no width, cell, repaint or update follows.
  // Sources of another class are ignored.
  void Assign(const TObject* Source);
  // As Assign, but colour and font come from the grid, and the column's own
  // texts and lists (combo items, drop-down count, header font, header, name, tag) stay.
  void AssignVisuals(const TObject* Source);

  // ---- properties with an effect on the grid
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  TPen& BorderPen() { return *FBorderPen; }
  void SetBorderPen(const TPen& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TStringList& ComboItems() { return *FComboItems; }
  void SetComboItems(const TStringList& Value) { FComboItems->Assign(Value); }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  TStringList& Filter() { return *FFilter; }
  void SetFilter(const TStringList& Value) { FFilter->Assign(Value); }
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  QString FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString& Value);
  TFont& Font() { return *FFont; }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  QString Header() const { return FHeader; }
  void SetHeader(const QString& Value);
  // Stores the header without touching the grid (headers copied from the grid's list).
  void StoreHeader(const QString& Value) { FHeader = Value; }
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  TFont& HeaderFont() { return *FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  TPen& PrintBorderPen() { return *FPrintBorderPen; }
  void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen->Assign(Value); }
  TFont& PrintFont() { return *FPrintFont; }
  void SetPrintFont(const TFont& Value);
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  // The grid's width of the column, hidden columns too; 0 without a grid.
  int Width() const;
  void SetWidth(int Value);
  // Stores a width the grid already has (the grid's own sizing).
  void StoreWidth(int Value) { FWidth = Value; }
  int StoredWidth() const { return FWidth; }

  // ---- properties stored without further effect
  int AutoMinSize = 0;
  int AutoMaxSize = 0;
  QString CheckFalse = GridColumnDefaults::CheckFalse;
  QString CheckTrue = GridColumnDefaults::CheckTrue;
  TPopupMenu* ColumnPopup = nullptr;
  TColumnPopupType ColumnPopupType = GridColumnDefaults::ColumnPopupType;
  int DropDownCount = GridColumnDefaults::DropDownCount;
  int EditLength = 0;
  // The column's custom editor component (a reference; the grid forgets it when it goes).
  TComponent* EditLink = nullptr;
  QString EditMask;
  bool FilterCaseSensitive = false;
  int MinSize = 0;
  int MaxSize = 0;
  QString Name;
  bool PrintBorderCustom = true;
  TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  TColor PrintColor = GridColumnDefaults::PrintColor;
  bool PrintFontCustom = true;
  bool ReadOnly = false;
  TSortStyle SortStyle = ssAutomatic;
  QString SortPrefix;
  QString SortSuffix;
  int SpinMax = 0;
  int SpinMin = 0;
  int SpinStep = GridColumnDefaults::SpinStep;
  int Tag = 0;
  // The column's position when the organisation was last set; not streamed.
  int DefIdx = 0;

  // ---- the grid's cells of this column, by row
  QString Rows(int ARow);
  void SetRows(int ARow, const QString& Value);
  int Ints(int ARow);
  void SetInts(int ARow, int Value);
  double Floats(int ARow);
  void SetFloats(int ARow, double Value);

private:
  void CopyFrom(TGridColumnItem& Source, bool VisualsOnly);
  void Update();
  void RepaintGrid();

  TGridColumnCollection* FCollection;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TFont> FPrintFont;
  std::unique_ptr<TPen> FBorderPen;
  std::unique_ptr<TPen> FPrintBorderPen;
  std::unique_ptr<TStringList> FComboItems;
  std::unique_ptr<TStringList> FFilter;
  TAlignment FAlignment = taLeftJustify;
  TCellBorders FBorders;
  TColor FColor = 0;
  TEditorType FEditor = edNormal;
  bool FFixed = false;
  QString FFloatFormat;
  QString FHeader;
  TAlignment FHeaderAlignment = taLeftJustify;
  bool FPassword = false;
  bool FShowBands = false;
  int FWidth = GridColumnDefaults::Width;
};
