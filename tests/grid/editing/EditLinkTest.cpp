#include "grid/editing/EditLink.h"

#include "EditingGridFixture.h"
#include "platform/Application.h"

#include <QImage>
#include <QPainter>
#include <cstdlib>

namespace {

// An application's link: a list of three values, wired as the contract asks.
class TListLink : public TEditLink {
public:
  using TEditLink::TEditLink;
  TListBox* List = nullptr;
  int Created = 0;
  TWinControl* GetEditControl() override { return List; }
  void CreateEditor(TWinControl* AParent) override {
    ++Created;
    if (!List) {
      List = new TListBox(this);  // owned by the link
      for (const char* item : {"alpha", "beta", "gamma"}) List->Items().Add(item);
      List->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
      List->OnExit = [this](TObject* Sender) { EditExit(Sender); };
    }
    List->SetParent(AParent);
  }
  void DestroyEditor() override {
    delete List;
    List = nullptr;
  }
  QString GetEditorValue() override { return List && List->ItemIndex() >= 0 ? List->Items()[List->ItemIndex()] : ""; }
  void SetEditorValue(const QString& s) override { List->SetItemIndex(List->Items().IndexOf(s)); }
};

struct EditLinkTest : EditingGridFixture {
  TListLink* Link = nullptr;
  void SetUp() override {
    EditingGridFixture::SetUp();
    Link = new TListLink(Form.get());
    Grid->SetEditLink(Link);
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edCustom; };
    Grid->SetCells(1, 1, "beta");
    Grid->SetCells(2, 1, "gamma");
  }
  void Open(int ACol = 1, int ARow = 1) {
    Grid->SetRow(ARow);
    Grid->SetCol(ACol);
    Grid->ShowInplaceEdit();
    QApplication::processEvents();
  }
  void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) {
    QTest::keyClick(Link->List->Widget(), K, M);
    QApplication::processEvents();
  }
};

TEST(EditLink, StartsFromItsDefaults) {
  TEditLink link(nullptr);
  EXPECT_EQ(link.Grid(), nullptr);
  EXPECT_FALSE(link.WantKeyLeftRight || link.WantKeyUpDown || link.WantKeyHomeEnd || link.WantKeyPriorNext ||
               link.WantKeyReturn || link.WantKeyEscape || link.WantReturns || link.WantTabs);
  EXPECT_EQ(link.EditStyle, esInplace);
  EXPECT_EQ(link.PopupWidth, 0);
  EXPECT_EQ(link.PopupHeight, 0);
  EXPECT_EQ(link.PopupLeft, -1);
  EXPECT_EQ(link.PopupTop, -1);
  EXPECT_FALSE(link.AutoPopupWidth);
  EXPECT_FALSE(link.Subclassed());
  EXPECT_EQ(link.GetEditControl(), nullptr);
  EXPECT_EQ(link.GetEditorValue(), "");
}

TEST_F(EditLinkTest, OpensOverTheCellWithTheCellsValue) {
  Open();
  ASSERT_NE(Link->List, nullptr);
  EXPECT_EQ(Link->Grid(), Grid);
  EXPECT_EQ(Link->EditCell(), TPoint(1, 1));
  EXPECT_TRUE(Link->List->Visible());
  EXPECT_TRUE(Link->List->Focused());
  EXPECT_EQ(Link->GetEditorValue(), "beta");
  const TRect cell = Grid->CellRect(1, 1);
  EXPECT_EQ(Link->List->Left(), cell.Left);
  EXPECT_EQ(Link->List->Top(), cell.Top);
  EXPECT_EQ(Link->List->Parent(), Grid);
}

TEST_F(EditLinkTest, ArrowsLeaveOrStayByTheWantFlags) {
  Link->WantKeyUpDown = true;
  Open();
  Key(Qt::Key_Down);
  EXPECT_EQ(Link->GetEditorValue(), "gamma");
  EXPECT_TRUE(Link->List->Visible());
  EXPECT_EQ(Grid->Row(), 1);
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  EXPECT_EQ(Link->GetEditorValue(), "alpha");
  // Right is not kept: the value is committed and the grid moves on.
  Key(Qt::Key_Right);
  EXPECT_EQ(Grid->Cells(1, 1), "alpha");
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_FALSE(Link->List->Visible());
  EXPECT_TRUE(Grid->Focused());
}

TEST_F(EditLinkTest, AltWithAnyKeyCommitsAndEscapeRestores) {
  Link->WantKeyUpDown = true;
  Open();
  Key(Qt::Key_Down);
  Key(Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(Grid->Cells(1, 1), "gamma");
  EXPECT_FALSE(Link->List->Visible());
  EXPECT_EQ(Grid->Col(), 1);
  // Escape writes back what the cell held when the edit began.
  Open();
  Key(Qt::Key_Up);
  EXPECT_EQ(Link->GetEditorValue(), "beta");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Grid->Cells(1, 1), "gamma");
  EXPECT_FALSE(Link->List->Visible());
  EXPECT_TRUE(Grid->Focused());
}

TEST_F(EditLinkTest, EnterCommitsAndAdvancesOnlyWithAdvanceOnEnter) {
  Open();
  Key(Qt::Key_Return);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Grid->Row(), 1);
  Grid->Navigation().AdvanceOnEnter = true;
  Open();
  Key(Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(1, 1), "beta");
  EXPECT_NE(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
}

// A refused value: the closing key, the link's style and AdvanceOnEnter.
struct TRefusedCase {
  const char* Name;
  TEditStyle Style;
  bool AdvanceOnEnter;
  Qt::Key Closing;
  Qt::KeyboardModifiers Modifiers;
};

const TRefusedCase RefusedCases[] = {
    {"inplace, Alt", esInplace, false, Qt::Key_X, Qt::AltModifier},
    {"inplace, Enter", esInplace, false, Qt::Key_Return, Qt::NoModifier},
    {"inplace, Enter advancing", esInplace, true, Qt::Key_Return, Qt::NoModifier},
    {"inplace, Right", esInplace, true, Qt::Key_Right, Qt::NoModifier},
    {"popup, Alt", esPopup, false, Qt::Key_X, Qt::AltModifier},
    {"popup, Enter", esPopup, false, Qt::Key_Return, Qt::NoModifier},
    {"popup, Enter advancing", esPopup, true, Qt::Key_Return, Qt::NoModifier},
    {"popup, Right", esPopup, true, Qt::Key_Right, Qt::NoModifier},
};

TEST_F(EditLinkTest, ARefusedValueReopensTheSameCellAndTheNextValueIsKept) {
  for (const TRefusedCase& c : RefusedCases) {
    SCOPED_TRACE(c.Name);
    Grid->SetCells(1, 1, "beta");
    Grid->SetCells(1, 2, "");
    Grid->SetCells(2, 1, "gamma");
    Link->EditStyle = c.Style;
    Link->PopupWidth = 120;
    Link->PopupHeight = 80;
    Link->WantKeyUpDown = true;
    Grid->Navigation().AdvanceOnEnter = c.AdvanceOnEnter;
    QList<TPoint> checked;
    Grid->OnCellValidate = [&checked](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
      checked.append(TPoint(ACol, ARow));
      Valid = Value != "alpha";
    };
    Open();
    Key(Qt::Key_Up);
    Key(c.Closing, c.Modifiers);
    EXPECT_EQ(Grid->Cells(1, 1), "beta");
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
    ASSERT_NE(Link->List, nullptr);
    ASSERT_TRUE(Link->List->Visible());
    EXPECT_TRUE(Link->List->Enabled());
    EXPECT_EQ(Link->GetEditorValue(), "beta");
    EXPECT_TRUE(Grid->EditMode());
    // The reopened control goes on editing the same cell: an accepted value
    // lands there, also after a key the control had no use for (Down past its last item).
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
    ASSERT_NE(Link->List, nullptr);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(1, 1), "gamma");
    EXPECT_EQ(Grid->Cells(1, 2), "");
    EXPECT_EQ(Grid->Cells(2, 1), "gamma");
    if (c.AdvanceOnEnter) {
      // Enter moved on, and the editor opens at the new cell.
      EXPECT_NE(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
      EXPECT_EQ(Link->EditCell(), TPoint(Grid->RealColIndex(Grid->Col()), Grid->Row()));
      Key(Qt::Key_Escape);
    } else {
      EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
      EXPECT_FALSE(Grid->EditMode());
      if (Link->List) {
        EXPECT_FALSE(Link->List->Visible());
      }
      EXPECT_TRUE(Grid->Focused());
    }
    EXPECT_EQ(checked, QList<TPoint>({TPoint(1, 1), TPoint(1, 1)}));
    Grid->OnCellValidate = nullptr;
    Grid->SetRow(3);
    Grid->SetCol(3);
  }
  if (Link->PopupForm()) delete Link->PopupForm();
}

// Leaving an open link by a real click or by Escape, with a value the
// validation accepts or refuses. A refused value never reaches the cell; a
// click on another cell does not move away from it, and the editor is open
// there again with the cell's text. The pop-up loses the activation before
// the click arrives: in the same batch of input, or once that change has settled.
enum TLeave { lvCell, lvCellLate, lvControl, lvEscape };

TEST_F(EditLinkTest, LeavingByClickOrEscapeKeepsOrRefusesTheValue) {
  struct TCase {
    const char* Name;
    TEditStyle Style;
    bool Refusing;
    TLeave Leave;
  };
  const TCase cases[] = {
      {"inplace, accepted, other cell", esInplace, false, lvCell},
      {"inplace, refused, other cell", esInplace, true, lvCell},
      {"inplace, accepted, other control", esInplace, false, lvControl},
      {"inplace, refused, other control", esInplace, true, lvControl},
      {"inplace, refused, Escape", esInplace, true, lvEscape},
      {"popup, accepted, other cell", esPopup, false, lvCell},
      {"popup, refused, other cell", esPopup, true, lvCell},
      {"popup, refused, other cell after the activation settled", esPopup, true, lvCellLate},
      {"popup, accepted, other control", esPopup, false, lvControl},
      {"popup, refused, other control", esPopup, true, lvControl},
      {"popup, accepted, Escape", esPopup, false, lvEscape},
      {"popup, refused, Escape", esPopup, true, lvEscape},
  };
  Link->PopupWidth = 120;
  Link->PopupHeight = 80;
  Link->WantKeyUpDown = true;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Grid->SetCells(1, 1, "beta");
    Link->EditStyle = c.Style;
    int checked = 0;
    Grid->OnCellValidate = [&](TObject*, int, int, QString&, bool& Valid) {
      ++checked;
      Valid = !c.Refusing;
    };
    Open();
    Key(Qt::Key_Up);
    ASSERT_EQ(Link->GetEditorValue(), "alpha");
    if (c.Leave == lvEscape) {
      Key(Qt::Key_Escape);
    } else {
      QWidget* target = c.Leave == lvControl ? Other->Widget() : Grid->Widget();
      const TRect other = Grid->CellRect(3, 3);
      const QPoint at = c.Leave == lvControl ? QPoint(5, 5) : QPoint(other.Left + 5, other.Top + 5);
      QCursor::setPos(target->mapToGlobal(at));
      // The click's window takes the activation first, as on the desktop.
      QApplication::setActiveWindow(Form->Widget());
      if (c.Leave == lvCellLate) QApplication::processEvents();
      QTest::mouseClick(target, Qt::LeftButton, {}, at);
      QApplication::processEvents();
    }
    const bool refused = c.Refusing && c.Leave != lvEscape;
    EXPECT_EQ(Grid->Cells(1, 1), c.Refusing || c.Leave == lvEscape ? "beta" : "alpha");
    // Escape gives back the text from before the edit: nothing to check.
    EXPECT_EQ(checked, c.Leave == lvEscape ? 0 : 1);
    const bool staysOpen = refused && (c.Leave == lvCell || c.Leave == lvCellLate);
    const bool moved = !c.Refusing && c.Leave == lvCell;
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), moved ? TPoint(3, 3) : TPoint(1, 1));
    EXPECT_EQ(Grid->EditMode(), staysOpen);
    if (staysOpen) {
      ASSERT_NE(Link->List, nullptr);
      EXPECT_TRUE(Link->List->Visible());
      EXPECT_TRUE(Link->List->Focused());
      EXPECT_EQ(Link->GetEditorValue(), "beta");
      EXPECT_EQ(Link->EditCell(), TPoint(1, 1));
      if (c.Style == esPopup) {
        EXPECT_TRUE(Link->PopupForm()->Visible());
        EXPECT_EQ(Link->List->Parent(), Link->PopupForm());
        // A picture to look at: the pop-up over the grid, where the desktop shows it.
        if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
          QImage shot = Form->Widget()->grab().toImage();
          QPainter painter(&shot);
          QWidget* popup = Link->PopupForm()->Widget();
          painter.drawPixmap(Form->Widget()->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
          painter.end();
          EXPECT_TRUE(shot.save(QString(shots) + "/edit_link_popup_reopened_" + QString::number(c.Leave) + ".png"));
        }
      }
      // The editor goes on serving its cell: an accepted value lands there.
      Grid->OnCellValidate = nullptr;
      Key(Qt::Key_Down);
      Key(Qt::Key_Return);
      EXPECT_EQ(Grid->Cells(1, 1), "gamma");
      EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
      EXPECT_FALSE(Grid->EditMode());
    } else if (Link->List) {
      EXPECT_FALSE(Link->List->Visible());
    }
    if (c.Style == esPopup) {
      EXPECT_FALSE(Link->PopupForm()->Visible());
    }
    EXPECT_TRUE(c.Leave == lvControl ? Other->Focused() : Grid->Focused());
    Grid->OnCellValidate = nullptr;
    Grid->SetFocus();
    Grid->SetCol(1);
    Grid->SetRow(1);
    QApplication::processEvents();
  }
  if (Link->PopupForm()) delete Link->PopupForm();
}

// The pop-up form outlives a link freed while its reopening is queued.
TEST_F(EditLinkTest, ALinkFreedWithItsReopenQueuedLeavesThePopupAlone) {
  Link->EditStyle = esPopup;
  Link->PopupWidth = 120;
  Link->PopupHeight = 80;
  Link->WantKeyUpDown = true;
  Grid->OnCellValidate = [](TObject*, int, int, QString&, bool& Valid) { Valid = false; };
  Open();
  Key(Qt::Key_Up);
  TForm* popup = Link->PopupForm();
  ASSERT_NE(popup, nullptr);
  const TRect other = Grid->CellRect(3, 3);
  QCursor::setPos(Grid->Widget()->mapToGlobal(QPoint(other.Left + 5, other.Top + 5)));
  QApplication::setActiveWindow(Form->Widget());
  delete Link;
  Link = nullptr;
  QApplication::processEvents();
  EXPECT_FALSE(popup->Visible());
  EXPECT_EQ(Grid->EditLink(), nullptr);
  EXPECT_EQ(Grid->Cells(1, 1), "beta");
  popup->Show();
  QApplication::setActiveWindow(popup->Widget());
  QApplication::setActiveWindow(Form->Widget());
  QApplication::processEvents();
  delete popup;
}

// The focus going to another control of the form: the value is checked as
// the text editor's is, and a refused one leaves the cell as it was.
TEST_F(EditLinkTest, FocusToAnotherControlChecksTheValue) {
  Link->WantKeyUpDown = true;
  for (const bool refusing : {false, true}) {
    SCOPED_TRACE(refusing);
    Grid->SetCells(1, 1, "beta");
    int checked = 0;
    Grid->OnCellValidate = [&](TObject*, int, int, QString&, bool& Valid) {
      ++checked;
      Valid = !refusing;
    };
    Open();
    Key(Qt::Key_Up);
    FocusOther();
    EXPECT_EQ(Grid->Cells(1, 1), refusing ? "beta" : "alpha");
    EXPECT_EQ(checked, 1);
    EXPECT_FALSE(Link->List->Visible());
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_TRUE(Other->Focused());
    Grid->OnCellValidate = nullptr;
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

// Keys that leave the control and move on write the value into the edited
// cell only, never into the cell the grid moved to.
TEST_F(EditLinkTest, KeysThatMoveOnWriteOnlyTheEditedCell) {
  struct TCase {
    const char* Name;
    TEditStyle Style;
    Qt::Key Key;
    TPoint To;
  };
  const TCase cases[] = {
      {"inplace, Down", esInplace, Qt::Key_Down, TPoint(1, 2)}, {"inplace, Tab", esInplace, Qt::Key_Tab, TPoint(2, 1)},
      {"popup, Down", esPopup, Qt::Key_Down, TPoint(1, 2)},     {"popup, Right", esPopup, Qt::Key_Right, TPoint(2, 1)},
      {"popup, Tab", esPopup, Qt::Key_Tab, TPoint(2, 1)},       {"popup, Enter", esPopup, Qt::Key_Return, TPoint(2, 1)},
  };
  TGridOptions options = Grid->Options();
  options.Include(goTabs);
  Grid->SetOptions(options);
  Grid->Navigation().AdvanceOnEnter = true;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Grid->SetCells(1, 1, "alpha");
    Grid->SetCells(2, 1, "gamma");
    Grid->SetCells(1, 2, "gamma");
    Link->EditStyle = c.Style;
    Link->PopupWidth = 120;
    Link->PopupHeight = 80;
    Open();
    ASSERT_NE(Link->List, nullptr);
    Key(Qt::Key_Escape);
    // Opened again, the control holds "alpha"; the key takes it out.
    Open();
    Key(c.Key);
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), c.To);
    EXPECT_EQ(Grid->Cells(1, 1), "alpha");
    EXPECT_EQ(Grid->Cells(2, 1), "gamma");
    EXPECT_EQ(Grid->Cells(1, 2), "gamma");
    if (Grid->EditMode()) {
      EXPECT_EQ(Link->GetEditorValue(), "gamma");
      Key(Qt::Key_Escape);
    }
  }
  if (Link->PopupForm()) delete Link->PopupForm();
}

TEST_F(EditLinkTest, TheDialogCodeFilterLivesFromFocusToCommit) {
  TGridOptions options = Grid->Options();
  options.Include(goTabs);
  Grid->SetOptions(options);
  Open();
  EXPECT_TRUE(Link->Subclassed());
  const LRESULT asked = Link->List->Perform(WM_GETDLGCODE);
  EXPECT_EQ(asked & (DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS), DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
  Key(Qt::Key_Return);
  EXPECT_FALSE(Link->Subclassed());
  EXPECT_FALSE(Link->List->HasMessageFilter());
  EXPECT_EQ(Link->List->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
}

TEST_F(EditLinkTest, TabCommitsAndWalksOnWithGoTabs) {
  // Without goTabs the value is committed and the grid keeps its cell.
  Open();
  Key(Qt::Key_Tab);
  EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(1, 1));
  EXPECT_FALSE(Link->List->Visible());
  EXPECT_TRUE(Grid->Focused());
  // With goTabs it goes to the next cell and edits there.
  TGridOptions options = Grid->Options();
  options.Include(goTabs);
  Grid->SetOptions(options);
  Open();
  Key(Qt::Key_Tab);
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_TRUE(Link->List->Visible());
  EXPECT_EQ(Link->GetEditorValue(), "gamma");
  // TabToNextAtEnd takes the grid's own road at the end of a row as well.
  Grid->Navigation().TabToNextAtEnd = true;
  Key(Qt::Key_Tab);
  EXPECT_EQ(Grid->Col(), 3);
  EXPECT_TRUE(Link->List->Visible());
}

int GridForms() {
  int n = 0;
  for (int i = 0; i < Application()->ComponentCount(); ++i) n += Application()->Components(i)->Name == "gridform";
  return n;
}

TEST_F(EditLinkTest, PopupOpensAtTheCellWhenEitherPositionIsUnset) {
  // A form of that name left by someone else is freed first.
  auto* stale = new TForm(Application());
  stale->Name = "gridform";
  ASSERT_EQ(GridForms(), 1);
  Link->EditStyle = esPopup;
  Link->PopupWidth = 120;
  Link->PopupHeight = 80;
  Link->PopupLeft = 300;
  Link->PopupTop = -1;
  Open();
  TForm* popup = Link->PopupForm();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(GridForms(), 1);
  EXPECT_EQ(popup->Name, "gridform");
  EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
  EXPECT_EQ(popup->BorderStyle(), bsNone);
  const TPoint corner = Grid->ClientToScreen(TPoint(Grid->CellRect(1, 1).Left, Grid->CellRect(1, 1).Top));
  EXPECT_EQ(TPoint(popup->Left(), popup->Top()), corner);
  EXPECT_EQ(popup->Width(), 120);
  EXPECT_EQ(Link->List->Parent(), popup);
  EXPECT_EQ(Link->List->Width(), 120 - Grid->GridLineWidth());
  Key(Qt::Key_Return);
  EXPECT_FALSE(popup->Visible());
  EXPECT_EQ(Link->List, nullptr);
  // Both set: the form goes there; it is reused.
  Link->PopupTop = 200;
  Open();
  EXPECT_EQ(Link->PopupForm(), popup);
  EXPECT_EQ(TPoint(popup->Left(), popup->Top()), TPoint(300, 200));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Grid->Cells(1, 1), "beta");
  delete popup;
}

}  // namespace
