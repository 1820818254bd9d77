// Row, cell and notification hooks: the keyboard's row deletion, the text
// saved for a cell, the old value before an edit and the change notifiers.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/GridChangeNotifier.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records the row removals that the row operations would carry out.
class TRowLogGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::TPlexStringGrid;
  std::vector<int> Removed;
  void RemoveRows(int ARow, int ACount) override { Removed.push_back(ARow); }
};

TEST(PlexStringGridNotify, DeletingTheOnlyNormalRowClearsIt) {
  TRowLogGrid g(nullptr);
  g.SetRowCount(2);
  g.SetCellEx(1, 1, "x");
  std::vector<int> fired;
  g.OnAutoDeleteRow = [&](TObject*, int r) {
    fired.push_back(r);
    EXPECT_EQ(g.GetCellEx(1, 1), "");  // the event comes after the row is gone
  };
  g.AutoDeleteRow(1);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_TRUE(g.Removed.empty());
  EXPECT_EQ(fired, std::vector<int>{1});
  // A form that keeps its fixed rows always lets the row go.
  g.FixedRowAlways = true;
  g.AutoDeleteRow(1);
  EXPECT_EQ(g.Removed, std::vector<int>{1});
  g.FixedRowAlways = false;
  g.SetRowCount(5);
  g.AutoDeleteRow(3);
  EXPECT_EQ(g.Removed, (std::vector<int>{1, 3}));
}

TEST(PlexStringGridNotify, AnEmptyCheckBoxCellSavesItsCheckText) {
  TPlexStringGrid g(nullptr);
  for (int r : {1, 2}) {
    auto* box = new TCellGraphic();
    box->CellType = ctCheckBox;
    box->CellBoolean = r == 1;
    g.SetGraphicObjectEx(1, r, box);
    g.SetCellEx(1, r, "");
    QString saved = "stale";
    g.DoSaveCell(1, r, saved);
    EXPECT_EQ(saved, r == 1 ? "Y" : "N");
  }
  g.OnSaveCell = [](TObject*, int, int, QString& v) { v += "!"; };
  g.SetCellEx(2, 2, "<b>bold</b>");
  g.SaveWithHTML = false;
  QString saved;
  g.DoSaveCell(2, 2, saved);
  EXPECT_EQ(saved, "bold!");
}

// An empty box saves its own state: a tri-state box by its three states, and
// below hidden rows the box of the row saved, not the one a hidden row further down.
TEST(PlexStringGridNotify, EmptyBoxesSaveTheirOwnState) {
  TPlexStringGrid g(nullptr);
  const TCheckBoxState states[] = {cbChecked, cbUnchecked, cbGrayed};
  for (int r = 1; r <= 3; ++r) g.AddCheckBox(1, r, states[r - 1]);
  for (int r = 1; r <= 3; ++r) {
    QString saved;
    g.DoSaveCell(1, r, saved);
    EXPECT_EQ(saved, r == 1 ? "Y" : "N") << "tri-state row " << r;
  }
  for (int r = 1; r < g.RowCount(); ++r) g.AddCheckBox(2, r, r % 2 == 1, false);
  g.HideRow(2);
  g.HideRow(4);  // the real row 5 is now displayed as row 3
  for (int d = 1; d < g.RowCount(); ++d) {
    const int real = g.RealRowIndex(d);
    QString saved;
    g.DoSaveCell(2, d, saved);
    EXPECT_EQ(saved, real % 2 == 1 ? "Y" : "N") << "displayed row " << d << ", real row " << real;
  }
}

// A rich-text cell saves its plain text, or its rich text on one line with SaveWithRTF.
TEST(PlexStringGridNotify, RichTextCellsSaveTheirPlainTextUnlessAskedForRichText) {
  TPlexStringGrid g(nullptr);
  const QString rich = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\r\n\\f0\\fs16 Plain \\b bold\\b0  end\\par\r\n}";
  g.SetCellEx(1, 1, rich);
  QString saved;
  g.DoSaveCell(1, 1, saved);
  EXPECT_EQ(saved.trimmed(), "Plain bold end");
  g.SaveWithRTF = true;
  g.DoSaveCell(1, 1, saved);
  EXPECT_TRUE(saved.startsWith("{\\rtf1"));
  EXPECT_FALSE(saved.contains('\r') || saved.contains('\n'));
  EXPECT_EQ(saved.size(), rich.size() - 4);
}

// The selection-changed hook marks the grid's selection as changed; selecting rows by code clears the mark.
TEST(PlexStringGridNotify, TheSelectionChangedHookSetsTheFlag) {
  TPlexStringGrid g(nullptr);
  std::vector<int> reported;
  g.OnSelectionChanged = [&](TObject*, int, int, int, int ABottom) { reported.push_back(ABottom); };
  EXPECT_FALSE(g.SelectionChangedFlag());
  g.DoSelectionChanged(1, 2, 3, 4);
  EXPECT_TRUE(g.SelectionChangedFlag());
  EXPECT_EQ(reported, std::vector<int>{4});
  g.SelectRows(2, 1);
  EXPECT_FALSE(g.SelectionChangedFlag());
}

class TLoggingNotifier : public TGridChangeNotifier {
public:
  TLoggingNotifier(TPlexStringGrid& Grid, std::vector<QString>& Log, QString Name)
      : TGridChangeNotifier(nullptr), FGrid(Grid), FLog(Log), FName(std::move(Name)) {}
  void CellsChanged(const TRect& R) override {
    FLog.push_back(QString("%1 %2,%3 footer %4").arg(FName).arg(R.Left).arg(R.Top).arg(FGrid.FeatureCalls().size()));
  }

private:
  TPlexStringGrid& FGrid;
  std::vector<QString>& FLog;
  QString FName;
};

TEST(PlexStringGridNotify, NotifiersHearOfChangesAfterTheEventBeforeTheFooter) {
  TPlexStringGrid g(nullptr);
  std::vector<QString> log;
  g.OnCellsChanged = [&log](TObject*, const TRect& R) { log.push_back(QString("event %1,%2").arg(R.Left).arg(R.Top)); };
  TLoggingNotifier first(g, log, "first");
  auto second = std::make_unique<TLoggingNotifier>(g, log, "second");
  g.RegisterNotifier(&first);
  g.RegisterNotifier(second.get());
  g.RegisterNotifier(&first);
  TLoggingNotifier stranger(g, log, "stranger");
  g.UnRegisterNotifier(&stranger);
  g.ClearFeatureCalls();
  g.DoCellsChanged(TRect(1, 2, 3, 4));
  EXPECT_EQ(log, (std::vector<QString>{"event 1,2", "first 1,2 footer 0", "second 1,2 footer 0"}));
  EXPECT_EQ(g.FeatureCalls(), std::vector<QString>{"CalcFooter -1"});
  // A notifier that is freed leaves the list; one unregistered hears nothing more.
  second.reset();
  g.UnRegisterNotifier(&first);
  log.clear();
  g.DoCellsChanged(TRect(0, 0, 1, 1));
  EXPECT_EQ(log, std::vector<QString>{"event 0,0"});
}

}  // namespace
