// The 4-row tables the row operations and the table file are tried on: real
// columns 0 row number, 1 Enable, 2 key, 3 value, 4 a hidden column, 5 extra.
// The column-grid table keeps its Enable as a data check box ("Y"/"N" text);
// its string-grid twin has check-box graphics in columns 1 and 5.
#pragma once

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class TableGridFixture : public ::testing::Test {
protected:
  static constexpr int DataRows = 4;
  static constexpr int RealColumns = 6;
  static constexpr int HiddenColumn = 4;

  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    Column = MakeGrid();
    Column->AddCheckBoxColumn(1, false, true);
    Strings = MakeGrid();
    Strings->AddCheckBoxColumn(1, false, false);
    Strings->AddCheckBoxColumn(5, false, false);
  }
  void TearDown() override {
    Column.reset();
    Strings.reset();
    ResetShellState();
  }

  static std::unique_ptr<TPlexStringGrid> MakeGrid(int Columns = RealColumns) {
    auto grid = std::make_unique<TPlexStringGrid>(nullptr);
    grid->SetColCount(Columns);
    grid->SetRowCount(DataRows + 1);
    if (Columns > HiddenColumn + 1) grid->HideColumn(HiddenColumn);
    return grid;
  }

  // Row r of the column-grid table from its texts, columns 1 to 5.
  static void PutRow(TPlexStringGrid& Grid, int ARow, const QStringList& Texts) {
    for (int c = 1; c <= int(Texts.size()); ++c) Grid.SetCellEx(c, ARow, Texts[c - 1]);
  }
  static QStringList RowTexts(TPlexStringGrid& Grid, int ARow) {
    QStringList texts;
    for (int c = 1; c < Grid.ColCount() + Grid.NumHiddenColumns(); ++c) texts << Grid.GetCellEx(c, ARow);
    return texts;
  }
  // The keys (column 2) of rows 1 to 4.
  static QStringList Keys(TPlexStringGrid& Grid) {
    QStringList keys;
    for (int r = 1; r <= DataRows; ++r) keys << Grid.GetCellEx(2, r);
    return keys;
  }
  // A, B, C, D in both tables, each row's texts naming it.
  void FillABCD() {
    const QStringList names{"A", "B", "C", "D"};
    for (int r = 1; r <= DataRows; ++r) {
      const QString n = names[r - 1];
      PutRow(*Column, r, {r % 2 ? "Y" : "N", n, n + "1", n + "h", n + "x"});
      Strings->SetCellEx(2, r, n);
      Strings->SetCellEx(3, r, n + "1");
      Strings->SetCellEx(4, r, n + "h");
      Strings->SetCheckBoxState(1, r, r % 2);
      Strings->SetCheckBoxState(5, r, r == 2);
    }
  }
  static bool Checked(TPlexStringGrid& Grid, int ACol, int ARow) {
    bool state = false;
    EXPECT_TRUE(Grid.GetCheckBoxState(ACol, ARow, state)) << ACol << "," << ARow;
    return state;
  }

  TScriptedDialogScope Dialogs;
  std::unique_ptr<TPlexStringGrid> Column;
  std::unique_ptr<TPlexStringGrid> Strings;
};
