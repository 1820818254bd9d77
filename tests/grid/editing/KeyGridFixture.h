// A shown string grid whose timer runs on a manual clock, with the moves of
// the editors reachable and the data features' search answered from a script.
#pragma once

#include "EditingGridFixture.h"
#include "platform/Timers.h"

#include <map>

class TKeyGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::MoveToNextCell;
  using TPlexStringGrid::NavigateFromEditor;
  using TPlexStringGrid::TPlexStringGrid;
  bool HasNodes() override { return Nodes || TPlexStringGrid::HasNodes(); }
  int SearchColumnText(int ACol, const QString& Text) override {
    Searches.append(Text);
    const auto it = SearchAnswers.find(Text);
    return it == SearchAnswers.end() ? -1 : it->second;
  }
  bool Nodes = false;
  std::map<QString, int> SearchAnswers;
  QStringList Searches;
};

struct KeyGridFixture : EditingGridFixture {
  // Made before SetUp creates the grid's window, so the grid timer runs on it.
  TManualClockScope Clock;
  TPlexStringGrid* MakeGrid(TComponent* Owner) override { return new TKeyGrid(Owner); }
  TKeyGrid& G() { return *static_cast<TKeyGrid*>(Grid); }
  void Press(Qt::Key Key, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
    QTest::keyClick(Grid->Widget(), Key, Mods);
    QApplication::processEvents();
  }
  void SetOption(TGridOption Option, bool On) {
    TGridOptions o = Grid->Options();
    if (On)
      o.Include(Option);
    else
      o.Exclude(Option);
    Grid->SetOptions(o);
  }
  TPoint Cur() const { return TPoint(Grid->Col(), Grid->Row()); }
  void At(int ACol, int ARow) {
    if (Grid->EditMode()) Grid->HideInplaceEdit();
    Grid->SetFocus();
    QApplication::processEvents();
    Grid->MoveToColRow(ACol, ARow);
  }
  void FillColumn(int ACol) {
    for (int r = Grid->FixedRows(); r < Grid->RowCount(); ++r) Grid->SetCells(ACol, r, QString("r%1").arg(r));
  }
};
