// The grid's sort options: column, direction, glyphs and header colours, and
// the sort state as a short text ("u3", "d0", "i;u1;d2").
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Graphics.h"

#include <QString>

#include <memory>

class TPlexStringGrid;

enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };

inline constexpr const char* SInvalidSortSpecifier = "Invalid sort settings specifier";
inline constexpr const char* SSortRowTooBig = "Sort row should be smaller than number of fixed rows";

class TSortSettings : public TGridPersistent {
public:
  explicit TSortSettings(TPlexStringGrid* AGrid);
  ~TSortSettings() override;
  // Copies everything but IgnoreCase and SortOnVirtualCells.
  void Assign(const TGridPersistent* Source) override;

  QString SaveToString() const;
  void LoadFromString(const QString& Value);
  void Remove();
  void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

  bool Show() const { return FShow; }
  void SetShow(bool Value);
  int Row() const { return FRow; }
  // Raises EPlexGridError when the row is not a fixed row of the grid.
  void SetRow(int Value);
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value);
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value);
  TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value);
  TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value);
  TBitmap& UpGlyph() { return *FUpGlyph; }
  void SetUpGlyph(const TBitmap& Value) { FUpGlyph->Assign(Value); }
  TBitmap& DownGlyph() { return *FDownGlyph; }
  void SetDownGlyph(const TBitmap& Value) { FDownGlyph->Assign(Value); }
  TBitmap& IndexUpGlyph() { return *FIndexUpGlyph; }
  void SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
  TBitmap& IndexDownGlyph() { return *FIndexDownGlyph; }
  void SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }
  TPlexStringGrid* Grid() const { return FGrid; }

  int Column = -1;
  TSortDirection Direction = sdAscending;
  bool IndexShow = false;
  TColor IndexColor = 0x0000FFFF;
  TIndexSortKey IndexSortKey = ikShift;
  bool Full = true;
  bool SingleColumn = false;
  bool IgnoreBlanks = false;
  TSortBlankPosition BlankPos = blFirst;
  bool AutoFormat = true;
  bool IgnoreCase = false;
  TSortDirection InitSortDirection = sdAscending;
  bool FixedCols = false;
  bool NormalCellsOnly = false;
  bool UndoSort = false;
  bool AutoSortForGrouping = true;
  bool SortOnVirtualCells = true;
  bool AutoColumnMerge = false;

private:
  void RepaintHeaderRow();
  void SetHeaderColour(TColor& Field, TColor Value);

  TPlexStringGrid* FGrid;
  bool FShow = false;
  int FRow = 0;
  TColor FHeaderColor = clNone;
  TColor FHeaderColorTo = clNone;
  TColor FHeaderMirrorColor = clNone;
  TColor FHeaderMirrorColorTo = clNone;
  std::unique_ptr<TBitmap> FUpGlyph;
  std::unique_ptr<TBitmap> FDownGlyph;
  std::unique_ptr<TBitmap> FIndexUpGlyph;
  std::unique_ptr<TBitmap> FIndexDownGlyph;
};
