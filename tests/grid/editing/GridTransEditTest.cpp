#include "grid/editing/GridTransCombo.h"
#include "grid/editing/GridTransEdit.h"

#include "EditorFormFixture.h"
#include "platform/SystemProbes.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A grid as far as the fixed-cell editors see it: validation by a script,
// the cell store and the current cell recorded.
class TFakeGrid : public TCustomControl, public IFixedCellEditHost {
public:
  using TCustomControl::TCustomControl;
  std::function<void(QString&, bool&)> Validate;
  std::vector<QString> Log;
  std::map<std::pair<int, int>, QString> Cells;
  int CurCol = -1, CurRow = -1;

  void FixedCellValidate(int ACol, int ARow, QString& Value, bool& Valid) override {
    Log.push_back(QString("validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
    if (Validate) Validate(Value, Valid);
  }
  void FixedCellEditingDone() override { Log.push_back("done"); }
  void StoreFixedCellText(int ACol, int ARow, const QString& Value) override {
    Log.push_back("store");
    Cells[{ACol, ARow}] = Value;
  }
  void FocusFixedCell(int ACol, int ARow) override {
    CurCol = ACol;
    CurRow = ARow;
  }
};

struct TransFixture : EditorFormFixture {
  TFakeGrid* Grid = nullptr;
  TEdit* Other = nullptr;
  void SetUp() override {
    ShowForm();
    Grid = Make<TFakeGrid>(0, 0, 300, 150);
    Other = Make<TEdit>(10, 200, 80, 21);
  }
  template <class T>
  T* Start(const QString& text) {
    auto* e = new T(Grid);  // owned by the grid, as the grid makes them
    e->SetParent(Grid);
    e->SetBounds(10, 0, 100, 21);
    e->Col = 3;
    e->Row = 0;
    e->SetText(text);
    e->Show();
    e->SetFocus();
    return e;
  }
};

}  // namespace

TEST_F(TransFixture, AcceptedTextIsStoredInFourSteps) {
  auto* edit = Start<TGridTransEdit>("Name");
  EXPECT_TRUE(edit->StopEdit());
  EXPECT_EQ(Grid->Log, std::vector<QString>({"validate 3,0 Name", "done", "store"}));
  EXPECT_EQ((Grid->Cells[{3, 0}]), "Name");
  EXPECT_FALSE(edit->Visible());
}

TEST_F(TransFixture, RewrittenTextGoesToTheHeaderCell) {
  Grid->Validate = [](QString& v, bool&) { v = v.toUpper(); };
  auto* combo = Start<TGridTransCombo>("kw");
  Other->SetFocus();  // leaving ends the edit
  EXPECT_EQ((Grid->Cells[{3, 0}]), "KW");
  EXPECT_FALSE(combo->Visible());
}

TEST_F(TransFixture, RefusedTextKeepsTheEditorOpenWithTheFocus) {
  Grid->Validate = [](QString&, bool& valid) { valid = false; };
  auto* edit = Start<TGridTransEdit>("bad");
  int exits = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  EXPECT_FALSE(edit->StopEdit());
  EXPECT_TRUE(edit->Focused());
  QTest::mouseClick(Other->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QApplication::processEvents();
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(Grid->CurCol, 3);
  EXPECT_EQ(Grid->CurRow, 0);
  EXPECT_TRUE(Grid->Cells.empty());
}

TEST_F(TransFixture, EnterIsSilentAndKeepsTheEditOpen) {
  for (int kind = 0; kind < 2; ++kind) {
    TWinControl* editor = kind == 0 ? static_cast<TWinControl*>(Start<TGridTransEdit>("a"))
                                    : static_cast<TWinControl*>(Start<TGridTransCombo>("a"));
    Grid->Log.clear();  // starting the second editor ended the first
    const int beeps = MessageBeepCount();
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    EXPECT_TRUE(editor->Visible()) << kind;
    EXPECT_EQ(editor->Text(), "a") << kind;
    EXPECT_EQ(MessageBeepCount(), beeps);
    EXPECT_TRUE(Grid->Log.empty());
  }
}

TEST(TransEdit, WithoutAGridStopEditOnlyHides) {
  TForm form(nullptr);
  auto* edit = new TGridTransEdit(&form);
  edit->SetParent(&form);
  edit->Show();
  EXPECT_TRUE(edit->StopEdit());
  EXPECT_FALSE(edit->Visible());
}
