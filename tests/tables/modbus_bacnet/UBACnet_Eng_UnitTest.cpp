// The engineering-unit table and its chooser, driven as the user drives it.
#include "EditorTestKit.h"

#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/BACnetUnits.h"
#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

#include <QComboBox>
#include <QTimer>

#include <set>

namespace {

class EngUnitTest : public EditorTest {};

// Picks item Index of a list-only box with the keyboard, as the user does.
void Choose(TComboBox* Box, int Index) {
  QComboBox* combo = Box->Combo();
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Home);
  while (Box->ItemIndex() < Index) QTest::keyClick(combo, Qt::Key_Down);
  QApplication::processEvents();
}

}  // namespace

TEST_F(EngUnitTest, EveryCodeHasItsNameAndOneCategory) {
  const std::pair<int, const char*> names[] = {{0, "square-meters"},
                                               {62, "degrees-Celsius"},
                                               {51, "housepower"},
                                               {77, "feet-per-meters"},
                                               {103, "radiants"},
                                               {207, "per-mille"},
                                               {236, "minutes-per-degree-kelvin"},
                                               {237, "unknown"},
                                               {-1, "unknown"},
                                               {65535, "unknown"}};
  for (const auto& [code, name] : names) EXPECT_EQ(Desc_Unit(code), name) << code;

  const int counts[] = {1, 4, 10, 35, 15, 5, 4, 1, 6, 2, 7, 7, 5, 9, 8, 12, 9, 9, 1, 9, 6, 13, 59};
  ASSERT_EQ(EngUnitCategories().size(), std::size(counts));
  std::multiset<int> codes;
  for (size_t i = 0; i < std::size(counts); ++i) {
    EXPECT_EQ(int(EngUnitCategories()[i].Codes.size()), counts[i]) << i;
    for (int code : EngUnitCategories()[i].Codes) codes.insert(code);
  }
  for (int code = 0; code < EngUnitCount; ++code) EXPECT_EQ(codes.count(code), 1u) << code;
  EXPECT_EQ(codes.size(), size_t(EngUnitCount));
  EXPECT_EQ(QString::fromUtf16(EngUnitCategories()[22].Name), "Other");
}

TEST_F(EngUnitTest, TheChooserGivesTheCodeOfTheListedUnitAndKeepsItsCategory) {
  auto form = Create<TFBACnet_Eng_Unit>();
  EXPECT_EQ(form->Caption(), "Select the BACnet Engineering Unit");
  EXPECT_EQ(form->ClientWidth(), 548);
  EXPECT_EQ(form->ClientHeight(), 306);
  EXPECT_EQ(form->E_Selected_EU->Width(), 49);
  EXPECT_EQ(form->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
  EXPECT_EQ(form->CB_Select_Type->Items().Count(), 23);
  const auto steps = [&] {
    ASSERT_TRUE(WaitActive(*form));
    EXPECT_EQ(form->CB_Select_Unit->Items()[0], "meters-per-second-per-second");
    Choose(form->CB_Select_Type, 22);
    EXPECT_EQ(form->CB_Select_Unit->Items().Count(), 59);
    EXPECT_EQ(form->CB_Select_Unit->ItemIndex(), 0);
    Choose(form->CB_Select_Unit, 29);
    Press(form->Btn_Select_Eng_Unit);
    EXPECT_EQ(form->E_Selected_EU->Text(), "207");
    EXPECT_EQ(form->Label5->Caption(), "-> per-mille");
    Choose(form->CB_Select_Type, 7);
    Press(form->Btn_Select_Eng_Unit);
    EXPECT_EQ(form->E_Selected_EU->Text(), "153");
    EXPECT_EQ(form->Label5->Caption(), "-> newton");
    Choose(form->CB_Select_Type, 17);
    Choose(form->CB_Select_Unit, 3);
    Shot(*form, "BACnetEngUnit");
    Press(form->Btn_Cancel);
  };
  QTimer::singleShot(0, [&] {
    steps();
    if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);

  QTimer::singleShot(0, [&] {
    EXPECT_EQ(form->CB_Select_Type->Text(), "Time");
    EXPECT_EQ(form->CB_Select_Unit->Text(), "years");
    form->SetModalResult(mrOk);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);

  // Outside its lists the button gives 0.
  form->CB_Select_Unit->SetItemIndex(-1);
  form->Btn_Select_Eng_UnitClick(form->Btn_Select_Eng_Unit);
  EXPECT_EQ(form->E_Selected_EU->Text(), "0");
  EXPECT_EQ(form->Label5->Caption(), "-> square-meters");
}
