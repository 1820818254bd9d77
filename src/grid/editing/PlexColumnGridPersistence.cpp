// The column grid's definitions in a stream, and the order of its columns in
// an INI file.
#include "grid/editing/PlexColumnGrid.h"

#include "grid/core/ColumnSize.h"
#include "grid/editing/PlexColumnGridIO.h"
#include "platform/IniFiles.h"

#include <memory>
#include <vector>

namespace {
QString PositionKey(int Position) { return "CP" + QString::number(Position); }

// Assign leaves out the popup type and the two print flags; a stream that
// dropped them would lose what the form set, so they travel here too.
void CopyStreamOnly(const TGridColumnCollection& From, TGridColumnCollection& To) {
  for (int i = 0; i < From.Count() && i < To.Count(); ++i) {
    To.Items(i)->ColumnPopupType = From.Items(i)->ColumnPopupType;
    To.Items(i)->PrintBorderCustom = From.Items(i)->PrintBorderCustom;
    To.Items(i)->PrintFontCustom = From.Items(i)->PrintFontCustom;
  }
}
}  // namespace

void TPlexColumnGrid::SaveColumnsToStream(QIODevice& Stream) {
  TPlexColumnGridIO io(nullptr);
  // The copy takes each column's current width from the grid.
  io.Items().Assign(*FColumns);
  CopyStreamOnly(*FColumns, io.Items());
  io.WriteToStream(Stream);
}

// The whole stream is read apart from the grid first; only a stream read in
// full sets widths, headers and the definitions.
void TPlexColumnGrid::LoadColumnsFromStream(QIODevice& Stream) {
  TPlexColumnGridIO io(nullptr);
  io.ReadFromStream(Stream, Owner() ? Owner() : this);
  FColumns->NoRecursiveUpdate = true;
  const TGridColumnCollection& read = io.Items();
  for (int i = 0; i < read.Count(); ++i) {
    if (i < AllColCount()) SetAllColWidths(i, read.Items(i)->Width());
    if (FixedRows() > 0 && i < AllColCount()) SetCellEx(i, 0, read.Items(i)->Header());
  }
  FColumns->Assign(read);
  CopyStreamOnly(read, *FColumns);
  RebuildColumnHeaders();
  FColumns->NoRecursiveUpdate = false;
  Invalidate();
}

void TPlexColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
  TIniFile ini(Key);
  for (int n = 0; n < FColumns->Count(); ++n) ini.WriteInteger(Section, PositionKey(n), FColumns->Items(n)->DefIdx);
}

// Only a full set of keys that is a permutation of the positions is applied;
// anything else leaves the grid as it is, like a missing key.
void TPlexColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
  const int count = FColumns->Count();
  std::vector<int> positions(size_t(count), -1);
  std::vector<bool> seen(size_t(count), false);
  {
    const TIniFile ini(Key);
    for (int n = 0; n < count; ++n) {
      const int v = ini.ReadInteger(Section, PositionKey(n), -1);
      if (v < 0 || v >= count || seen[size_t(v)]) return;
      seen[size_t(v)] = true;
      positions[size_t(n)] = v;
    }
  }
  // Back to the natural order first, by the organisation the definitions carry.
  FColumns->ResetOrganization();
  for (int n = 0; n < count; ++n) FColumns->Items(positions[size_t(n)])->DefIdx = n;
  FColumns->ResetOrganization();
  for (int n = 0; n < count; ++n) FColumns->Items(n)->DefIdx = positions[size_t(n)];
}

void TPlexColumnGrid::SaveColPositions() {
  if (ColumnSize().Location == clIniFile)
    SaveColumnPositions(ColumnSize().Key, ColumnSize().Section);
  else
    TPlexStringGrid::SaveColPositions();
}

void TPlexColumnGrid::LoadColPositions() {
  if (ColumnSize().Location == clIniFile)
    LoadColumnPositions(ColumnSize().Key, ColumnSize().Section);
  else
    TPlexStringGrid::LoadColPositions();
}
