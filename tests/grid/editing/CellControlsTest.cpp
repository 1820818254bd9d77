#include "EditingGridFixture.h"
#include "grid/editing/ControlCombo.h"
#include "grid/editing/ControlEdit.h"
#include "grid/editing/PlexRichEdit.h"
#include "grid/foundation/PsgHTMLEControls.h"
#include "platform/RichText.h"
#include "platform/Screenshot.h"

#include <QComboBox>
#include <QLineEdit>

#include <cstdlib>

namespace {

const QString CellForm = QStringLiteral(
    "Name <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"bob\" WIDTH=\"60\"> "
    "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\"> "
    "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"30\"> "
    "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"\" WIDTH=\"60\" MAXLEN=\"5\"> "
    "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"zzz\" WIDTH=\"80\">");

struct CellControlsTest : EditingGridFixture {
  QStringList Done;
  void SetUp() override {
    EditingGridFixture::SetUp();
    Grid->SetColWidths(1, 380);
    Grid->SetRowHeights(1, 34);
    Grid->SetCells(1, 1, CellForm);
    Grid->OnControlEditDone = [this](TObject*, int ARow, int ACol, const QString& Id, const QString& Type,
                                     const QString& Value) {
      Done << QString("%1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(Id, Type, Value);
    };
    Grid->SetRow(1);
    Grid->SetCol(1);
  }
  QString Value(const QString& Id) {
    QString v;
    GetHtmlControlValue(Grid->Cells(1, 1), Id, v);
    return v;
  }
  QLineEdit* Line() { return Grid->ControlEdit()->LineEdit(); }
  void Type(QWidget* W, const char* Text) {
    QTest::keyClicks(W, Text);
    QApplication::processEvents();
  }
  void Press(QWidget* W, Qt::Key K) {
    QTest::keyClick(W, K);
    QApplication::processEvents();
  }
};

TEST_F(CellControlsTest, EnterWritesTheEditIntoTheTagAndReturnsToTheGrid) {
  Grid->EditNextCellControl(1, 1, QString());
  ASSERT_TRUE(Grid->CtrlEditing());
  EXPECT_TRUE(Grid->ControlEdit()->Visible());
  EXPECT_EQ(Grid->ControlEdit()->Text(), "bob");
  EXPECT_EQ(Grid->ControlEdit()->PasswordChar(), QChar());
  Line()->selectAll();
  Type(Line(), "alice");
  Press(Line(), Qt::Key_Return);
  EXPECT_FALSE(Grid->CtrlEditing());
  EXPECT_FALSE(Grid->ControlEdit()->Visible());
  EXPECT_TRUE(Grid->Focused());
  EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
  EXPECT_EQ(Value("n"), "alice");
  EXPECT_EQ(Done, QStringList{"1,1 n EDIT alice"});
  // A second exit notification finds no edit and does nothing.
  Grid->ControlEdit()->Perform(WM_KILLFOCUS);
  EXPECT_EQ(Done.size(), 1);
}

TEST_F(CellControlsTest, EnterOrF2OnTheCellStartsItsFirstControl) {
  // Under goEditing, and with editing started by the key under RangeSelectAndEdit.
  struct Case {
    Qt::Key Key;
    bool GoEditing;
  };
  for (const Case c : {Case{Qt::Key_Return, true}, Case{Qt::Key_F2, true}, Case{Qt::Key_Return, false}}) {
    SCOPED_TRACE(QString("key %1 goEditing %2").arg(c.Key).arg(c.GoEditing).toStdString());
    TGridOptions options = Grid->Options();
    if (c.GoEditing)
      options.Include(goEditing);
    else
      options.Exclude(goEditing);
    Grid->SetOptions(options);
    Grid->MouseActions().RangeSelectAndEdit = !c.GoEditing;
    Grid->SetCells(1, 1, CellForm);
    Done.clear();
    Grid->SetFocus();
    QApplication::processEvents();
    Press(Grid->Widget(), c.Key);
    ASSERT_TRUE(Grid->CtrlEditing());
    EXPECT_TRUE(Grid->ControlEdit()->Visible());
    EXPECT_TRUE(Grid->ControlEdit()->Focused());
    EXPECT_EQ(Grid->ControlEdit()->Text(), "bob");
    // The cell's own text editor stays shut: the tags are not typed over.
    EXPECT_FALSE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
    Line()->selectAll();
    Type(Line(), "alice");
    Press(Line(), Qt::Key_Return);
    EXPECT_FALSE(Grid->CtrlEditing());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
    EXPECT_EQ(Value("n"), "alice");
    EXPECT_EQ(Done, QStringList{"1,1 n EDIT alice"});
  }
}

TEST_F(CellControlsTest, PasswordShowsStarsAndStoresThePlainText) {
  Grid->EditNextCellControl(1, 1, "n");
  Grid->EditNextCellControl(1, 1, "c");  // skips the check box and the button
  ASSERT_TRUE(Grid->ControlEdit()->Visible());
  EXPECT_EQ(Grid->ControlEdit()->PasswordChar(), QChar('*'));
  Type(Line(), "secret");  // five at most
  EXPECT_EQ(Line()->text(), "secre");
  EXPECT_EQ(Line()->displayText().size(), 5);
  EXPECT_FALSE(Line()->displayText().contains('s'));
  Press(Line(), Qt::Key_Return);
  EXPECT_EQ(Value("p"), "secre");
  EXPECT_TRUE(Grid->Cells(1, 1).contains("MAXLEN=\"5\""));
}

TEST_F(CellControlsTest, TabWalksTheTextControlsOfTheCell) {
  Grid->EditNextCellControl(1, 1, QString());
  Type(Line(), "!");
  Press(Line(), Qt::Key_Tab);
  // The check box and the button are passed over.
  EXPECT_EQ(Value("n"), "bob!");
  EXPECT_TRUE(Grid->ControlEdit()->Visible());
  EXPECT_EQ(Grid->ControlEdit()->PasswordChar(), QChar('*'));
  Type(Line(), "pw");
  Press(Line(), Qt::Key_Tab);
  EXPECT_EQ(Value("p"), "pw");
  EXPECT_FALSE(Grid->ControlEdit()->Visible());
  EXPECT_TRUE(Grid->ControlCombo()->Visible());
  EXPECT_EQ(Done, (QStringList{"1,1 n EDIT bob!", "1,1 p PASSWORD pw"}));
  EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
  // With automatic advance Tab leaves for the next cell instead.
  Grid->Navigation().SetAdvanceAuto(true);
  Grid->EditNextCellControl(1, 1, QString());
  Press(Line(), Qt::Key_Tab);
  EXPECT_FALSE(Grid->CtrlEditing());
  EXPECT_EQ(Grid->Col(), 2);
}

TEST_F(CellControlsTest, ComboOpensWithItsValueAndTheHandlersList) {
  bool editable = true;
  int seen = -1;
  Grid->OnControlComboList = [&](TObject*, int ARow, int ACol, const QString& Id, const QString& Type,
                                 const QString& Value, TStringList& Values, bool& Edit, int& DropCount) {
    EXPECT_EQ(QString("%1,%2 %3 %4 %5").arg(ACol).arg(ARow).arg(Id, Type, Value), "1,1 k COMBO zzz");
    EXPECT_EQ(DropCount, 8);
    seen = Values.Count();  // the grid does not clear the list
    Values.Clear();
    Values.Add("one");
    Values.Add("two");
    Edit = editable;
  };
  QStringList selected;
  Grid->OnControlComboSelect = [&](TObject*, int, int, int Index, const QString& Id, const QString& Value) {
    selected << QString("%1 %2 %3").arg(Index).arg(Id, Value);
  };
  Grid->EditNextCellControl(1, 1, "p");
  TControlCombo* combo = Grid->ControlCombo();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Text(), "zzz");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Style(), csDropDown);
  combo->SetDroppedDown(false);
  combo->SetItemIndex(1);
  Grid->ControlCombo()->OnSelect(combo);
  EXPECT_EQ(selected, QStringList{"1 k two"});
  combo->Perform(WM_KILLFOCUS);
  EXPECT_EQ(Value("k"), "two");
  // Edit set to false: only the items can be picked.
  editable = false;
  Grid->SetCells(1, 1, CellForm);
  Grid->EditNextCellControl(1, 1, "p");
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_FALSE(combo->Combo()->isEditable());
  combo->SetDroppedDown(false);
  combo->Perform(WM_KILLFOCUS);
  EXPECT_EQ(Value("k"), "");
}

TEST_F(CellControlsTest, ScreenshotOfARichCellAndAnOpenControl) {
  TRichFormat bold;
  bold.Bold = true;
  bold.Color = RGBColor(200, 0, 0);
  TRichFormat up;
  up.OffsetTwips = RichSuperscriptOffset;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{QString::fromUtf8("é € "), bold}, TRichRun{QString::fromUtf8("Ω"), up},
                     TRichRun{QString::fromUtf8(" 中 😀"), {}}}};
  Grid->SetColWidths(2, 80);
  Grid->SetRowHeights(2, 34);
  Grid->SetCells(1, 2, QString::fromLatin1(WriteRichText(doc)));
  Grid->EditNextCellControl(1, 1, QString());
  Grid->Repaint();
  QApplication::processEvents();
  EXPECT_TRUE(Grid->ControlEdit()->Visible());
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid_rich_cell_and_control_edit.png");
}

}  // namespace
