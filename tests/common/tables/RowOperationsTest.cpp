// The shared row actions on a column-grid table and its string-grid twin.
#include "common/tables/RowOperations.h"

#include "TableGridFixture.h"

#include <functional>

namespace {
using RowOperationsTest = TableGridFixture;

QStringList Row(const char* a, const char* b, const char* c, const char* d, const char* e) { return {a, b, c, d, e}; }
}  // namespace

TEST_F(RowOperationsTest, DeleteMovesTheRowsBelowUpWithTheirHiddenColumnAndClearsTheLast) {
  FillABCD();
  ASSERT_EQ(Column->ColCount(), 5);
  ASSERT_EQ(Column->NumHiddenColumns(), 1);
  GridDeleteRow(2, Column.get());
  EXPECT_EQ(Keys(*Column), QStringList({"A", "C", "D", ""}));
  EXPECT_EQ(RowTexts(*Column, 2), Row("Y", "C", "C1", "Ch", "Cx"));
  EXPECT_EQ(RowTexts(*Column, 4), Row("", "", "", "", ""));
  EXPECT_EQ(Column->GetCellEx(0, 2), "");  // column 0 is never touched
  EXPECT_EQ(Column->GetCellEx(2, 0), "");  // nor is row 0

  GridDeleteRow(4, Column.get());
  GridDeleteRow(3, Column.get());
  EXPECT_EQ(Keys(*Column), QStringList({"A", "C", "", ""}));
}

TEST_F(RowOperationsTest, InsertPushesTheLastRowOutAndTheNewRowIsEnabledWhenAsked) {
  FillABCD();
  GridInsertRow(2, Column.get(), true);
  EXPECT_EQ(Keys(*Column), QStringList({"A", "", "B", "C"}));
  EXPECT_EQ(RowTexts(*Column, 2), Row("Y", "", "", "", ""));
  EXPECT_EQ(RowTexts(*Column, 3), Row("N", "B", "B1", "Bh", "Bx"));

  GridInsertRow(4, Column.get(), false);
  EXPECT_EQ(RowTexts(*Column, 4), Row("", "", "", "", ""));
}

TEST_F(RowOperationsTest, ARowOutsideTheDataRowsChangesNothing) {
  FillABCD();
  GridCopyRow(Column.get(), 1);
  for (int row : {0, -1, DataRows + 1}) {
    GridDeleteRow(row, Column.get());
    GridInsertRow(row, Column.get(), true);
    GridPasteRow(Column.get(), row, false);
    StringGridDeleteRow(row, Strings.get(), true);
    StringGridInsertRow(row, Strings.get(), true);
    StringGridPasteRow(Strings.get(), row, false);
    GridCopyRow(Column.get(), row);
  }
  EXPECT_EQ(Keys(*Column), QStringList({"A", "B", "C", "D"}));
  EXPECT_EQ(Keys(*Strings), QStringList({"A", "B", "C", "D"}));
  EXPECT_EQ(RowClipboard->Strings(1), "A");
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(RowOperationsTest, CopyAndPasteCarryEveryDataColumnOverAnEmptyRowWithoutAQuestion) {
  FillABCD();
  GridCopyRow(Column.get(), 2);
  EXPECT_EQ(RowClipboard->Count(), 5);
  GridDeleteRow(4, Column.get());
  // Only the data check box holds something: the row does not count as used.
  Column->SetCellEx(1, 4, "Y");
  Column->SetCellEx(3, 4, "  \t");
  GridPasteRow(Column.get(), 4, true);
  EXPECT_EQ(RowTexts(*Column, 4), Row("N", "B", "B1", "Bh", "Bx"));
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(RowOperationsTest, RefusedPastesChangeNothing) {
  FillABCD();
  auto narrow = MakeGrid(4);
  PutRow(*narrow, 1, {"Y", "Z", "Z1"});
  struct Case {
    const char* Name;
    std::function<void()> Copy;
    bool Copied;
    TModalResult Answer;
    int Message;
  } cases[] = {
      {"not copied", [&] { GridCopyRow(Column.get(), 1); }, false, mrNone, TextCopyBeforePaste},
      {"other width", [&] { GridCopyRow(narrow.get(), 1); }, true, mrNone, TextCopyValuesError},
      {"used, No", [&] { GridCopyRow(Column.get(), 1); }, true, mrNo, TextRowAlreadyUsed},
  };
  for (const Case& c : cases) {
    Dialogs->ClearRecords();
    c.Copy();
    const QStringList clipboard = RowClipboard->Text().split('\n');
    if (c.Answer != mrNone) Dialogs->Answer(c.Answer);
    GridPasteRow(Column.get(), 3, c.Copied);
    EXPECT_EQ(RowTexts(*Column, 3), Row("Y", "C", "C1", "Ch", "Cx")) << c.Name;
    EXPECT_EQ(RowClipboard->Text().split('\n'), clipboard) << c.Name;
    ASSERT_EQ(Dialogs->Records().size(), 1u) << c.Name;
    EXPECT_EQ(Dialogs->Records()[0].Text, LangText(c.Message)) << c.Name;
    EXPECT_EQ(Dialogs->Records()[0].Type, c.Message == TextRowAlreadyUsed ? mtConfirmation : mtError);
  }
  Dialogs->Answer(mrYes);
  GridPasteRow(Column.get(), 3, true);
  EXPECT_EQ(Keys(*Column), QStringList({"A", "B", "A", "D"}));
}

TEST_F(RowOperationsTest, StringGridCopyRecordsCheckBoxesAsYAndN) {
  FillABCD();
  StringGridCopyRow(Strings.get(), 2);
  EXPECT_EQ(RowClipboard->Count(), 5);
  EXPECT_EQ(RowClipboard->Strings(0), "N");
  EXPECT_EQ(RowClipboard->Strings(1), "B");
  EXPECT_EQ(RowClipboard->Strings(3), "Bh");
  EXPECT_EQ(RowClipboard->Strings(4), "Y");
  EXPECT_EQ(RowClipboardCheckFlags, std::vector<bool>({true, false, false, false, true}));
  // A column-grid copy leaves the flags as they are.
  GridCopyRow(Column.get(), 1);
  EXPECT_EQ(RowClipboardCheckFlags.size(), 5u);
}

TEST_F(RowOperationsTest, StringGridPasteAsksForBlanksOnlyAndSetsOnlyAnExactYChecked) {
  FillABCD();
  StringGridCopyRow(Strings.get(), 1);
  RowClipboard->SetStrings(0, "y");
  RowClipboard->SetStrings(4, "Y");
  StringGridDeleteRow(4, Strings.get(), false);
  Strings->SetCellEx(3, 4, " ");
  Strings->SetReadOnly(2, 4, true);
  Dialogs->Answer(mrYes);
  StringGridPasteRow(Strings.get(), 4, true);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, LangText(TextRowAlreadyUsed));
  EXPECT_FALSE(Checked(*Strings, 1, 4));
  EXPECT_TRUE(Checked(*Strings, 5, 4));
  EXPECT_EQ(Strings->GetCellEx(2, 4), "A");
  EXPECT_EQ(Strings->GetCellEx(4, 4), "Ah");
  EXPECT_TRUE(Strings->ReadOnly(2, 4));  // the target keeps its flags
}

TEST_F(RowOperationsTest, StringGridDeleteAndInsertMoveStatesAndReadOnlyFlags) {
  FillABCD();
  Strings->SetReadOnly(3, 3, true);
  Strings->SetReadOnly(4, 4, true);
  StringGridDeleteRow(2, Strings.get(), true);
  EXPECT_EQ(Keys(*Strings), QStringList({"A", "C", "D", ""}));
  EXPECT_TRUE(Checked(*Strings, 1, 2));  // C was checked
  EXPECT_TRUE(Strings->ReadOnly(3, 2));
  EXPECT_FALSE(Strings->ReadOnly(3, 3));
  EXPECT_TRUE(Strings->ReadOnly(4, 3));
  // The emptied last row: Enable on, other boxes off, every cell editable.
  EXPECT_TRUE(Checked(*Strings, 1, 4));
  EXPECT_FALSE(Checked(*Strings, 5, 4));
  for (int c = 1; c < RealColumns; ++c) EXPECT_FALSE(Strings->ReadOnly(c, 4)) << c;

  StringGridInsertRow(1, Strings.get(), false);
  EXPECT_EQ(Keys(*Strings), QStringList({"", "A", "C", "D"}));
  EXPECT_FALSE(Checked(*Strings, 1, 1));
  EXPECT_TRUE(Checked(*Strings, 1, 2));
  EXPECT_TRUE(Strings->ReadOnly(3, 3));
  EXPECT_TRUE(Strings->ReadOnly(4, 4));
  EXPECT_EQ(Strings->GetCellEx(4, 4), "Dh");
}

TEST_F(RowOperationsTest, EnterMovesToTheNextDataCellAndIsAlwaysConsumedWhenTheOptionIsOn) {
  struct Case {
    bool Option;
    int Col, Row;
    int ToCol, ToRow;
    bool Consumed;
  } cases[] = {
      {true, 2, 2, 3, 2, true}, {true, 4, 2, 1, 3, true}, {true, 4, 4, 1, 1, true},
      {true, 0, 3, 0, 3, true}, {true, 2, 0, 2, 0, true}, {false, 2, 2, 2, 2, false},
  };
  // Lets the current cell stand in column 0 and row 0.
  Column->SetFixedCols(0);
  Column->SetFixedRows(0);
  for (const Case& c : cases) {
    EnableJumpFieldTables = c.Option;
    Column->SetCol(c.Col);
    Column->SetRow(c.Row);
    QChar key(13);
    GridEnterKeyAdvance(Column.get(), key);
    EXPECT_EQ(Column->Col(), c.ToCol) << c.Col << "," << c.Row;
    EXPECT_EQ(Column->Row(), c.ToRow) << c.Col << "," << c.Row;
    EXPECT_EQ(key, c.Consumed ? QChar(0) : QChar(13));
  }
  QChar other('a');
  GridEnterKeyAdvance(Column.get(), other);
  EXPECT_EQ(other, QChar('a'));
}

TEST_F(RowOperationsTest, ADoubleClickSizesAColumnOnlyOnTheHeaderAndWithTheOption) {
  Column->SetCellEx(2, 1, "a rather long text for a narrow column");
  Column->SetColWidths(2, 20);
  Column->SetColWidths(0, 20);
  GridAutoSizeColumn(Column.get(), 0, 2);
  EXPECT_EQ(Column->ColWidths(2), 20);  // the option is off
  DoubleClickAutoSize = true;
  GridAutoSizeColumn(Column.get(), 1, 2);
  EXPECT_EQ(Column->ColWidths(2), 20);  // a data row is left to the grid
  GridAutoSizeColumn(Column.get(), 0, 2);
  EXPECT_GT(Column->ColWidths(2), 100);
  Column->SetCellEx(0, 3, "row number 3 of many");
  GridAutoSizeColumn(Column.get(), 0, 0);
  EXPECT_GT(Column->ColWidths(0), 20);
}
