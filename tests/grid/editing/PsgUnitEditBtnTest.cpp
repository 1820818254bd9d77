#include "grid/editing/PsgUnitEditBtn.h"

#include "EditorFormFixture.h"
#include "platform/Menus.h"
#include "platform/SystemProbes.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct EditBtnFixture : EditorFormFixture {
  TPsgEditBtn* Edit = nullptr;
  TPsgUnitEditBtn* Unit = nullptr;
  std::vector<TObject*> Senders;
  void SetUp() override {
    ShowForm();
    Edit = Make<TPsgEditBtn>(10, 10, 121, 21);
    Unit = Make<TPsgUnitEditBtn>(10, 50, 121, 21);
    Edit->OnClickBtn = [this](TObject* s) { Senders.push_back(s); };
    Unit->OnClickBtn = [this](TObject* s) { Senders.push_back(s); };
    Edit->SetFocus();
  }
};

}  // namespace

TEST_F(EditBtnFixture, DefaultsAndLayout) {
  EXPECT_EQ(Edit->Text(), "0");
  EXPECT_FALSE(Edit->RightAlign());
  EXPECT_TRUE(Unit->RightAlign());
  EXPECT_EQ(Unit->UnitSpace(), 20);
  EXPECT_EQ(Edit->Button()->Width(), 18);
  EXPECT_EQ(Edit->Button()->BoundsRect(), Bounds(121 - 18 - 5, 0, 18, 21 - 5));
  TRect r;
  Edit->Perform(EM_GETRECT, 0, LPARAM(&r));
  EXPECT_EQ(r, TRect(1, 1, 121 - 18 - 5, 22));
  Unit->Perform(EM_GETRECT, 0, LPARAM(&r));
  EXPECT_EQ(r.Right, 121 - 18 - 5 - 20 - 3);
  Unit->SetUnitSpace(0);  // the text has the full width up to 5 pixels before the button
  Unit->Perform(EM_GETRECT, 0, LPARAM(&r));
  EXPECT_EQ(r.Right, 121 - 18 - 5);
  Edit->SetButtonWidth(30);
  EXPECT_EQ(Edit->Button()->Width(), 30);
}

TEST_F(EditBtnFixture, TextAndUnitSplitsOffTheUnitThatEndsTheValue) {
  const struct {
    const char* Units;
    const char* Value;
    const char* Text;
    const char* UnitID;
  } cases[] = {
      {"m,mm", "5mm", "5", "mm"},
      {"mm,m", "5m", "5", "m"},
      {"m", "m5m", "keep", "old"},  // the unit occurs earlier too: no unit matches
      {"m,mm", "5in", "keep", "old"},
  };
  for (auto c : cases) {
    Unit->Units().SetCommaText(c.Units);
    Unit->SetText("keep");
    Unit->SetUnitID("old");
    Unit->SetTextAndUnit(c.Value);
    EXPECT_EQ(Unit->Text(), c.Text) << c.Value;
    EXPECT_EQ(Unit->UnitID(), c.UnitID) << c.Value;
  }
  Unit->SetText("12");
  Unit->SetUnitID("mm");
  EXPECT_EQ(Unit->TextAndUnit(), "12mm");
}

TEST_F(EditBtnFixture, UnitMenuPicksByCommandId) {
  TScriptedPopupScope popup;
  popup.Service().Answers = {1, 1, 0};
  Unit->Units().SetCommaText("m,mm");
  Unit->SetUnitID("m");
  std::vector<QString> changes;
  Unit->OnUnitChanged = [&](TObject* s, const QString& u) { changes.push_back(s == Unit ? u : "?"); };
  Unit->SideButtonClick(Unit->Button());
  EXPECT_EQ(Unit->UnitID(), "mm");
  ASSERT_EQ(popup.Service().Shown.size(), 1u);
  EXPECT_EQ(popup.Service().Shown[0].Captions, QStringList({"m", "mm"}));
  const TPoint origin = Unit->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(popup.Service().Shown[0].ScreenPos, TPoint(origin.X + 121 - 15, origin.Y + 21));
  Unit->SideButtonClick(Unit->Button());  // the unit already shown: no event
  Unit->SideButtonClick(Unit->Button());
  EXPECT_EQ(changes, std::vector<QString>({"mm", "m"}));
  EXPECT_EQ(Senders, std::vector<TObject*>(3, Unit));
  Unit->Perform(WM_COMMAND, MakeWParam(2, EN_CHANGE));
  Unit->Perform(WM_COMMAND, MakeWParam(3, 0));
  Unit->Perform(WM_COMMAND, MakeWParam(0, 0));
  EXPECT_EQ(Unit->UnitID(), "m");
  Unit->Perform(WM_COMMAND, MakeWParam(2, 0));
  EXPECT_EQ(Unit->UnitID(), "mm");
}

TEST_F(EditBtnFixture, SideButtonClicksOnLeftReleaseOnly) {
  QWidget* button = Edit->Button()->Button()->Widget();
  QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
  EXPECT_TRUE(Senders.empty());
  Unit->SetFocus();
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
  ASSERT_EQ(Senders.size(), 1u);
  EXPECT_EQ(Senders[0], Edit->Button());
  EXPECT_TRUE(Edit->Focused());  // the focus moves to the edit
}

TEST_F(EditBtnFixture, F4WithoutCtrlOrAlt) {
  const struct {
    Qt::KeyboardModifiers Mods;
    size_t Clicks;
  } cases[] = {{Qt::ControlModifier, 0}, {Qt::AltModifier, 0}, {Qt::ShiftModifier, 1}, {Qt::NoModifier, 2}};
  for (auto c : cases) {
    QTest::keyClick(Edit->Widget(), Qt::Key_F4, c.Mods);
    EXPECT_EQ(Senders.size(), c.Clicks) << int(c.Mods);
  }
  EXPECT_EQ(Senders.back(), Edit);
}

TEST_F(EditBtnFixture, EditorDisabledDropsTypingWithoutABeep) {
  Edit->EditorEnabled = false;
  Edit->SetText("ab");
  Edit->SetSelStart(2);
  const int beeps = MessageBeepCount();
  QTest::keyClicks(Edit->Widget(), "cd");
  Edit->SelectAll();
  Edit->Perform(WM_CUT);
  EXPECT_EQ(Edit->Text(), "ab");
  EXPECT_EQ(MessageBeepCount(), beeps);
}

TEST_F(EditBtnFixture, ColouredSideButtonAndTheUnitText) {
  Unit->Button()->ButtonColor = clLime;
  Unit->Button()->Invalidate();
  EXPECT_EQ(PaintedPixel(Unit->Button()->Button(), 9, 3), clLime);
  Unit->SetColor(clWhite);
  Unit->SetUnitID("mm");
  // Ink where the unit stands, nothing there without a unit.
  auto inked = [&] {
    const int right = Unit->ClientWidth() - Unit->Button()->Width() - 3;
    int ink = 0;
    for (int x = right - 20; x < right - 3; ++x)  // the side button covers the last pixels
      for (int y = 4; y < 16; ++y)
        if (PaintedPixel(Unit, x, y) != clWhite) ++ink;
    return ink;
  };
  EXPECT_GT(inked(), 0);
  Unit->SetUnitID("");
  EXPECT_EQ(inked(), 0);
}
