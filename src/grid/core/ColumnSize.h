// Saved column sizes, stretching of a column and sizing in step with another grid.
#pragma once

#include "grid/foundation/GridPersistent.h"

#include <QString>

#include <functional>

enum TColumnSizeLocation { clRegistry, clIniFile };
// Which rows automatic column sizing measures.
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TColumnSize*>(Source);
    if (!s) return;
    Save = s->Save;
    Key = s->Key;
    Section = s->Section;
    Location = s->Location;
    StretchColumn = s->StretchColumn;
    StretchAll = s->StretchAll;
    Synchronized = s->Synchronized;
    SynchWithGrid = s->SynchWithGrid;
    SynchNormalCellsOnly = s->SynchNormalCellsOnly;
    Rows = s->Rows;
    FStretch = s->FStretch;
  }

  bool Stretch() const { return FStretch; }
  // The grid stretches the column at once when it has a parent.
  void SetStretch(bool Value) {
    FStretch = Value;
    if (OnStretchChange) OnStretchChange();
  }

  bool Save = false;
  QString Key;
  QString Section;
  TColumnSizeLocation Location = clRegistry;
  int StretchColumn = -1;
  bool StretchAll = false;
  bool Synchronized = false;
  bool SynchWithGrid = false;
  bool SynchNormalCellsOnly = false;
  TAutoSizeRows Rows = arAll;
  std::function<void()> OnStretchChange;

private:
  bool FStretch = false;
};
