// Validation of an edited value: what handlers and notifiers see, and the
// state a raising handler leaves; the rich-text exchange of a cell.
#include "grid/core/PlexStringGrid.h"

#include "EditingGridFixture.h"
#include "grid/editing/RichTextStore.h"
#include "grid/editing/ShowModified.h"

#include <stdexcept>

namespace {
// Tells what the footer calculation finds in cell (1, 1).
class TFooterGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::TPlexStringGrid;
  void CalcFooter(int ACol) override { FooterSaw.append(WideCells(1, 1)); }
  QStringList FooterSaw;
};

struct ValidationTest : EditingGridFixture {
  TPlexStringGrid* MakeGrid(TComponent* Owner) override { return new TFooterGrid(Owner); }
  QStringList& FooterSaw() { return static_cast<TFooterGrid*>(Grid)->FooterSaw; }
  // An edit of cell (1, 1) that awaits validation, as the text editor leaves it.
  void StartEdit(const QString& Old) {
    Grid->SetCells(1, 1, Old);
    Grid->ShowCellEdit();
  }
};

TEST_F(ValidationTest, FooterAndNotifiersReadTheNewText) {
  QStringList notified;
  Grid->OnCellsChanged = [&](TObject*, const TRect&) { notified.append(Grid->Cells(1, 1)); };
  StartEdit("old");
  FooterSaw().clear();
  EXPECT_TRUE(Grid->ValidateCell("new"));
  // The change notification recalculates the footer too; every recalculation sees the new text.
  ASSERT_FALSE(FooterSaw().isEmpty());
  for (const QString& seen : FooterSaw()) EXPECT_EQ(seen, "new");
  EXPECT_EQ(notified, QStringList{"new"});
  EXPECT_TRUE(Grid->Modified);
}

// Each accepted change marks its own row, whether ShowModified shows the marks or not.
TEST_F(ValidationTest, TypedEditsMarkTheirOwnRowsModified) {
  for (bool shown : {false, true}) {
    SCOPED_TRACE(shown);
    Grid->ClearModifiedRows();
    Grid->ShowModified().Enabled = shown;
    // Row 4 refuses its value and puts the old text back: not a change.
    Grid->OnCellValidate = [](TObject*, int, int ARow, QString& Value, bool& Valid) {
      if (ARow != 4) return;
      Valid = false;
      Value = "same";
    };
    for (int row : {1, 3, 4}) {
      Grid->SetCells(2, row, "same");
      Grid->SetCol(2);
      Grid->SetRow(row);
      Grid->SetFocus();
      QApplication::processEvents();
      QTest::keyClicks(Grid->Widget(), "n");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QApplication::processEvents();
    }
    Grid->OnCellValidate = nullptr;
    if (Grid->EditMode()) Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(2, 1), "n");
    EXPECT_EQ(Grid->Cells(2, 3), "n");
    EXPECT_EQ(Grid->Cells(2, 4), "same");
    for (int row = 0; row < Grid->RowCount(); ++row)
      EXPECT_EQ(Grid->GetRowModified(row), row == 1 || row == 3) << "row " << row;
    EXPECT_EQ(Grid->ModifiedRowCount(), 2);
  }
}

// The wide check marks the edited row only while ShowModified is on.
TEST_F(ValidationTest, WideEditsMarkTheirRowWhenShowModifiedIsOn) {
  for (bool shown : {false, true}) {
    SCOPED_TRACE(shown);
    Grid->ClearModifiedRows();
    Grid->ShowModified().Enabled = shown;
    Grid->SetWideCells(1, 3, "old");
    Grid->SetCol(1);
    Grid->SetRow(3);
    Grid->SetFocus();
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QApplication::processEvents();
    EXPECT_TRUE(Grid->ValidateCellWide("new"));
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->GetRowModified(3), shown);
    EXPECT_FALSE(Grid->GetRowModified(0));
    EXPECT_EQ(Grid->ModifiedRowCount(), shown ? 1 : 0);
  }
}

TEST_F(ValidationTest, UnchangedValueFiresNothingUnlessAlwaysValidate) {
  int validations = 0, changes = 0;
  Grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
  Grid->OnCellsChanged = [&](TObject*, const TRect&) { ++changes; };
  StartEdit("same");
  EXPECT_TRUE(Grid->ValidateCell("same"));
  EXPECT_EQ(validations, 0);
  Grid->AlwaysValidate = true;
  Grid->HideInplaceEdit();
  StartEdit("same");
  EXPECT_TRUE(Grid->ValidateCell("same"));
  EXPECT_EQ(validations, 1);
  EXPECT_EQ(changes, 0);
}

TEST_F(ValidationTest, RaisingHandlerRestoresTheNavigationAndEndsTheValidation) {
  Grid->Navigation().AdvanceOnEnter = true;
  Grid->OnCellValidate = [](TObject*, int, int, QString&, bool&) { throw std::runtime_error("handler"); };
  StartEdit("old");
  EXPECT_THROW(Grid->ValidateCell("new"), std::runtime_error);
  EXPECT_TRUE(Grid->Navigation().AdvanceOnEnter);
  EXPECT_EQ(Grid->Cells(1, 1), "old");
  // Not stuck validating: the next edit is validated again.
  Grid->OnCellValidate = nullptr;
  Grid->HideInplaceEdit();
  StartEdit("old");
  EXPECT_TRUE(Grid->ValidateCell("next"));
  EXPECT_EQ(Grid->Cells(1, 1), "next");
}

TEST_F(ValidationTest, RefusedWideValueRecalculatesTheFooterOverTheOldText) {
  Grid->OnCellValidateWide = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  Grid->SetWideCells(1, 1, "old");
  Grid->ShowCellEdit();
  FooterSaw().clear();
  EXPECT_FALSE(Grid->ValidateCellWide("new"));
  EXPECT_EQ(FooterSaw(), QStringList{"old"});
  EXPECT_EQ(Grid->WideCells(1, 1), "old");
}

TEST_F(ValidationTest, InvokedFocusChangeIsSpentByTheNextFocusGain) {
  FocusOther();
  Grid->SetInvokedFocusChange(true);
  Grid->SetFocus();
  QApplication::processEvents();
  EXPECT_FALSE(Grid->InvokedFocusChange());
}

// Keeps the rich text the way a rich edit does: characters, saved as 7-bit
// rich text with \uN escapes and read back from it.
class TByteRichStore : public IRichTextStore {
public:
  void ClearRichText() override { Content.clear(); }
  void LoadRichText(const QByteArray& Stream) override {
    Content.clear();
    const QByteArray body = Stream.mid(7, Stream.size() - 8);  // inside "{\rtf1 " ... "}"
    for (int i = 0; i < body.size(); ++i) {
      if (body.mid(i, 2) == "\\u") {
        const int end = body.indexOf('?', i);
        Content += QChar(char16_t(body.mid(i + 2, end - i - 2).toInt()));
        i = end;
      } else {
        Content += QChar(uchar(body[i]));
      }
    }
  }
  QByteArray SaveRichText() override {
    QByteArray out = "{\\rtf1 ";
    for (QChar c : Content)
      out += c.unicode() < 128 ? QByteArray(1, char(c.unicode())) : "\\u" + QByteArray::number(c.unicode()) + "?";
    return out + "}";
  }
  QString Content;
};

TEST_F(ValidationTest, RichTextRoundTripKeepsEveryCharacter) {
  TByteRichStore edited, reloaded;
  edited.Content = QString::fromUtf8("é€ü");
  Grid->RichToCell(2, 2, edited);
  Grid->CellToRich(2, 2, reloaded);
  EXPECT_EQ(reloaded.Content, edited.Content);
  Grid->SetCells(2, 2, QString());
  reloaded.Content = "x";
  Grid->CellToRich(2, 2, reloaded);
  EXPECT_TRUE(reloaded.Content.isEmpty());
}
}  // namespace
