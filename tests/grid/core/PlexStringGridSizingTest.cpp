// Sizing columns and rows: the stretch column, auto size with its margins,
// fitting columns into the width, numbering, swapping and the column order.
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/PlexObj.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct TShownGrid {
  TForm Form{nullptr};
  TPlexStringGrid* Grid;
  TShownGrid() {
    Form.SetClientWidth(440);
    Form.SetClientHeight(300);
    Grid = new TPlexStringGrid(&Form);
    Grid->SetParent(&Form);
    Grid->SetBounds(10, 10, 400, 250);
    Form.Show();
    QApplication::processEvents();
  }
};

// The width AutoSizeCol gives column 1 of a fresh grid set up by Prepare.
template <class F>
int AutoWidth(F Prepare, int Padding = 0) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(6);
  Prepare(g);
  g.AutoSizeCol(1, Padding);
  return g.ColWidths(1);
}

}  // namespace

TEST(PlexStringGridSizing, ARowGrownWhileTypingBringsTheEditorBackIntoView) {
  for (const bool sizeWhileTyping : {true, false}) {
    SCOPED_TRACE(sizeWhileTyping);
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetRowCount(4);
    g.SetWordWrap(true);
    g.SizeWhileTyping().Height = sizeWhileTyping;
    TGridOptions options = g.Options();
    options.Include(goEditing);
    g.SetOptions(options);
    g.FocusCell(1, 3);
    g.ShowInplaceEdit();
    ASSERT_TRUE(g.EditMode());
    TInplaceEdit* editor = g.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    // Thirty typed lines make the last row taller than the room left for it;
    // the cell being edited is measured with the editor's text.
    const QString typed = QStringList(30, "line").join('\n');
    editor->SetText(typed);
    editor->SetSelStart(0);
    ASSERT_EQ(g.TopRow(), 1);
    g.AutoSizeRow(3);
    ASSERT_LT(g.VisibleRowCount() + g.FixedRows(), g.RowCount());
    EXPECT_EQ(g.TopRow(), sizeWhileTyping ? 3 : 1);
    EXPECT_EQ(editor->SelStart(), sizeWhileTyping ? typed.length() : 0);
    EXPECT_TRUE(editor->Visible());
  }
}

TEST(PlexStringGridSizing, ArrowColorColoursTheFourMoveArrows) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  std::vector<TArrowWindow*> arrows;
  for (int i = 0; i < g.ComponentCount(); ++i)
    if (auto* a = dynamic_cast<TArrowWindow*>(g.Components(i))) arrows.push_back(a);
  ASSERT_EQ(arrows.size(), 4u);
  EXPECT_EQ(g.ArrowColor(), clLime);
  g.SetArrowColor(clRed);
  EXPECT_EQ(g.ArrowColor(), clRed);
  for (TArrowWindow* a : arrows) {
    EXPECT_EQ(a->Color(), clRed);
    EXPECT_FALSE(a->Visible());
  }
}

TEST(PlexStringGridSizing, AutoSizeMeasuresTheRowsColumnSizeNames) {
  // A long text in each kind of row: only the measured rows widen the column.
  const auto fill = [](TPlexStringGrid& g) {
    g.SetFixedFooters(2);
    g.SetCellEx(1, 0, QString(30, 'H'));
    g.SetCellEx(1, 3, QString(10, 'N'));
    g.SetCellEx(1, 4, QString(60, 'F'));
    g.SetCellEx(1, 5, QString(60, 'F'));
  };
  const int all = AutoWidth([&](TPlexStringGrid& g) { fill(g); });
  const int normal = AutoWidth([&](TPlexStringGrid& g) {
    fill(g);
    g.ColumnSize().Rows = arNormal;
  });
  const int fixed = AutoWidth([&](TPlexStringGrid& g) {
    fill(g);
    g.ColumnSize().Rows = arFixed;
  });
  const int onlyNormalText = AutoWidth([](TPlexStringGrid& g) { g.SetCellEx(1, 3, QString(10, 'N')); });
  const int onlyHeaderText = AutoWidth([](TPlexStringGrid& g) { g.SetCellEx(1, 0, QString(30, 'H')); });
  EXPECT_EQ(normal, onlyNormalText) << "rows FixedRows .. RowCount - 3";
  EXPECT_EQ(fixed, onlyHeaderText);
  EXPECT_GT(all, normal);
}

TEST(PlexStringGridSizing, AutoSizeAddsTheGlyphsBesideTheText) {
  const auto text = [](TPlexStringGrid& g) {
    for (int r = 1; r < 6; ++r) g.SetCellEx(1, r, "value");
  };
  const int plain = AutoWidth(text);
  const int combo = AutoWidth([&](TPlexStringGrid& g) {
    text(g);
    g.ControlLook().SetDropDownAlwaysVisible(true);
    g.OnHasComboBox = [](TObject*, int, int, bool& Has) { Has = true; };
  });
  // The header shows the sort glyph; its (bold) text is the widest either way.
  const auto sortedBy = [&](int Column) {
    return AutoWidth([&](TPlexStringGrid& g) {
      text(g);
      g.SetCellEx(1, 0, "value");
      g.SortSettings().SetShow(true);
      g.SortSettings().Column = Column;
    });
  };
  EXPECT_EQ(combo, plain + 16);
  EXPECT_EQ(sortedBy(1), sortedBy(2) + 10);
  // The margins: the text padding (two offsets) and both line widths.
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, "value");
  EXPECT_EQ(plain, g.GetCellTextSize(1, 1, false, false).cx + 2 * g.XYOffset.X + 2 * (g.GridLineWidth() + 1));
}

// Rows fit their cells in the zoomed fonts the cells are drawn in.
TEST(PlexStringGridSizing, AutoSizeRowMeasuresTheZoomedText) {
  const auto height = [](int Zoom) {
    TPlexStringGrid g(nullptr);
    g.SetWordWrap(true);
    g.SetColWidths(1, 120);
    g.SetCells(1, 1, "a text that takes a few lines in its narrow column");
    g.Zoom(Zoom);
    g.AutoSizeRow(1);
    EXPECT_EQ(g.RowHeights(1),
              g.GetCellTextSize(1, 1, false, true).cy + g.GetVertTextPadding() + 2 * g.GridLineWidth());
    return g.RowHeights(1);
  };
  EXPECT_GT(height(6), height(0) + 6);
}

// Without word wrap the rows are sized by lines, and only multi-line cells show more than one.
TEST(PlexStringGridSizing, AutoSizeRowsCountLinesOfMultiLineCellsOnly) {
  struct Case {
    bool Multiline;
    const char* Texts[2];
    int Lines;
  };
  const Case cases[] = {
      {false, {"one\r\ntwo\r\nthree", "x"}, 1},
      {true, {"one\r\ntwo\r\nthree", "x"}, 3},
      {true, {"one", "a\r\nb"}, 2},
      {true, {"", ""}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Texts[0]);
    TPlexStringGrid g(nullptr);
    g.SetWordWrap(false);
    g.Multilinecells = c.Multiline;
    g.SetCells(1, 1, c.Texts[0]);
    g.SetCells(2, 1, c.Texts[1]);
    EXPECT_EQ(g.GetMaxLinesInRow(1), c.Lines);
    g.AutoSizeRows(false, 4);
    TPlexStringGrid one(nullptr);
    one.SetRowLinesHeight(1, c.Lines, 4);
    EXPECT_EQ(g.RowHeights(1), one.RowHeights(1));
  }
  TPlexStringGrid none(nullptr);
  none.Multilinecells = true;
  none.SetColCount(0);
  EXPECT_EQ(none.GetMaxLinesInRow(1), 1);
}

TEST(PlexStringGridSizing, AutoSizeGrowOnlyAndPadding) {
  struct Case {
    const char* Name;
    int Start;
    bool GrowOnly;
    int Padding;
  };
  const int natural = AutoWidth([](TPlexStringGrid& g) { g.SetCellEx(1, 2, "some text"); });
  const Case cases[] = {
      {"narrows a wide column", 300, false, 0},
      {"grow only keeps a wide column", 300, true, 0},
      {"grow only widens a narrow column", 5, true, 0},
      {"padding adds its pixels", 300, false, 8},
  };
  const int expected[] = {natural, 300, natural, natural + 8};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(AutoWidth(
                  [&](TPlexStringGrid& g) {
                    g.SetCellEx(1, 2, "some text");
                    g.SetColWidths(1, c.Start);
                    g.SizeGrowOnly = c.GrowOnly;
                  },
                  c.Padding),
              expected[i])
        << c.Name;
  }
  // The size event has the last word before the limits.
  EXPECT_EQ(AutoWidth([](TPlexStringGrid& g) {
              g.SetCellEx(1, 2, "some text");
              g.OnUpdateColumnSize = [](TObject*, int ACol, int& AWidth) { AWidth = 77 + ACol; };
            }),
            78);
  // The limits hold for the padded width too.
  EXPECT_EQ(AutoWidth(
                [](TPlexStringGrid& g) {
                  g.SetCellEx(1, 2, "some text");
                  g.MaxColWidth = 20;
                },
                8),
            20);
}

TEST(PlexStringGridSizing, AutoFitColumnsShareTheRoom) {
  TPlexStringGrid g(nullptr);
  g.SetBorderStyle(bsNone);
  g.SetScrollBars(ssNone);
  g.SetOptions(TGridOptions{goFixedHorzLine, goHorzLine});
  g.SetFixedCols(0);
  g.SetColCount(3);
  g.SetRowCount(2);
  g.SetBounds(0, 0, 600, 100);
  const int widths[] = {50, 100, 150};
  for (int c = 0; c < 3; ++c) g.SetColWidths(c, widths[c]);
  g.AutoFitColumns(false);
  EXPECT_EQ((std::vector<int>{g.ColWidths(0), g.ColWidths(1), g.ColWidths(2)}), (std::vector<int>{100, 200, 300}));
  // Columns that fill the room already stay as they are.
  g.AutoFitColumns(false);
  EXPECT_EQ((std::vector<int>{g.ColWidths(0), g.ColWidths(1), g.ColWidths(2)}), (std::vector<int>{100, 200, 300}));
}

TEST(PlexStringGridSizing, AutoNumberColRunsEitherWay) {
  for (TSortDirection dir : {sdAscending, sdDescending}) {
    TPlexStringGrid g(nullptr);
    g.SetRowCount(5);
    g.AutoNumberDirection = dir;
    g.AutoNumberCol(1);
    std::vector<QString> texts;
    for (int r = 0; r < 5; ++r) texts.push_back(g.GetCellEx(1, r));
    const std::vector<QString> up = {"", "1", "2", "3", "4"}, down = {"", "4", "3", "2", "1"};
    EXPECT_EQ(texts, dir == sdAscending ? up : down);
  }
}

TEST(PlexStringGridSizing, ResetColumnOrderPutsMovedColumnsBack) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  g.SetColumnOrder();
  for (int c = 0; c < 5; ++c) g.SetCellEx(c, 0, QString("c%1").arg(c));
  g.MoveColumn(1, 4);
  g.MoveColumn(3, 1);
  EXPECT_NE(g.GetCellEx(1, 0), "c1");
  EXPECT_EQ(g.ColumnAtPosition(4), 1) << "position 4 holds the initial column 1";
  g.ResetColumnOrder();
  for (int c = 0; c < 5; ++c) EXPECT_EQ(g.GetCellEx(c, 0), QString("c%1").arg(c));
  for (int c = 0; c < 5; ++c) EXPECT_EQ(g.ColumnPosition(c), c);

  TPlexStringGrid fresh(nullptr);
  fresh.ResetColumnOrder();
  EXPECT_EQ(fresh.ColumnOrder().Count(), fresh.ColCount()) << "an empty list is only filled";
}

TEST(PlexStringGridSizing, AllColumnSizeScalesTheOtherColumns) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  for (int c = 0; c < 4; ++c) g.SetColWidths(c, 30 + 10 * c);
  g.MouseActions().AllColumnSize = true;
  std::vector<int> ended;
  g.OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
  // As the mouse leaves it: column 2 is being sized from its 50 pixels.
  g.SetColWidths(2, 50);
  g.Colclicked = 2;
  g.Colclickedsize = 50;
  g.ColSized = true;
  g.SetColWidths(2, 100);
  EXPECT_EQ(g.ColWidths(0), 30) << "fixed column";
  EXPECT_EQ(g.ColWidths(1), 80);
  EXPECT_EQ(g.ColWidths(3), 120);
  EXPECT_EQ(ended, std::vector<int>{2});
  EXPECT_EQ(g.Colclicked, -1);
  EXPECT_FALSE(g.ColSized);
}

TEST(PlexStringGridSizing, SwapColumnsKeepsPropertiesWithTheirTexts) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetCellEx(1, 1, "red");
  g.SetColors(1, 1, clRed);
  g.SetCellEx(2, 1, "plain");
  g.SetColWidths(1, 40);
  g.SetColWidths(2, 90);
  g.SortSettings().Column = 1;
  g.SwapColumns(1, 2);
  EXPECT_EQ(g.GetCellEx(2, 1), "red");
  EXPECT_EQ(g.Colors(2, 1), clRed);
  EXPECT_EQ(g.GetCellEx(1, 1), "plain");
  EXPECT_NE(g.Colors(1, 1), clRed);
  EXPECT_EQ(g.ColWidths(1), 90);
  EXPECT_EQ(g.ColWidths(2), 40);
  EXPECT_EQ(g.SortSettings().Column, 2);
}

TEST(PlexStringGridSizing, StretchFillsTheClientWidth) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetColCount(4);
  for (int c = 0; c < 4; ++c) g.SetColWidths(c, 50);
  g.ColumnSize().SetStretch(true);
  EXPECT_EQ(g.ColWidths(3), g.ClientWidth() - 150 - 1);
  // Others wider than the room: the stretched column falls back to the default width.
  g.ColumnSize().SetStretch(false);
  for (int c = 0; c < 3; ++c) g.SetColWidths(c, 200);
  g.ColumnSize().SetStretch(true);
  g.StretchColumn(-1);
  EXPECT_EQ(g.ColWidths(3), g.DefaultColWidth());
}

TEST(PlexStringGridSizing, StoredStretchColumnOutOfRangeNeverRaisesOnResizeOrPaint) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetColCount(8);
  g.ColumnSize().StretchColumn = 7;
  g.ColumnSize().SetStretch(true);
  EXPECT_NO_THROW(g.SetColCount(4));
  EXPECT_NO_THROW(g.SetColWidths(1, 30));
  EXPECT_NO_THROW(g.SetBounds(10, 10, 380, 220));
  EXPECT_NO_THROW(g.Perform(WM_SIZE));
  EXPECT_NO_THROW({
    s.Form.SetClientWidth(500);
    g.Repaint();
    QApplication::processEvents();
  });
  try {
    g.StretchColumn(9);
    ADD_FAILURE() << "a direct call out of range raises";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Stretch column index out of range");
  }
}

TEST(PlexStringGridSizing, SizingFromFixedCellsAsksFirst) {
  for (bool allow : {true, false}) {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    TGridOptions options = g.Options();
    options.Include(goColSizing);
    g.SetOptions(options);
    std::vector<int> asked;
    g.OnColumnSize = [&](TObject*, int ACol, bool& Allow) {
      asked.push_back(ACol);
      Allow = allow;
    };
    const TRect header = g.CellRect(1, 0);
    QTest::mouseMove(g.Widget(), QPoint(header.Left + 5, header.Bottom + 10));
    QTest::mouseMove(g.Widget(), QPoint(header.Right - 1, header.Top + 5));
    QApplication::processEvents();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), 1);
    EXPECT_EQ(g.Cursor(), allow ? crHSplit : crDefault) << allow;
  }
}
