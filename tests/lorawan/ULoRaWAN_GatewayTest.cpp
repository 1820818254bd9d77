// The LoRaWAN gateway editor on a shown form, driven by the mouse and the
// keyboard: devices and their rules stay together whatever the rows do.
#include "lorawan/ULoRaWAN_Gateway.h"

#include "LoRaWANTestProject.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "common/tables/RowOperations.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTabBar>
#include <QTimer>
#include <QWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <set>

namespace {

const QString EUI_A = "70B3D57ED0000001", EUI_B = "70B3D57ED0000002", EUI_C = "70B3D57ED0000003";
const QString Key = "000102030405060708090A0B0C0D0E0F";

// Three devices, each with rules that name it: A (OTAA), B (ABP, disabled), C (ABP).
QString ThreeDevices() {
  const auto device = [](const QString& eui, const QString& enable, const QString& act, const QString& name) {
    return QString(
               "<LoRaWAN_Device Enable=\"%1\" DeviceEUI=\"%2\" JoinEUI=\"0000000000000000\" DeviceName=\"%3\" "
               "ActivationMethod=\"%4\" NetworkSessionKey=\"\" ApplicationSessionKey=\"\" ApplicationKey=\"\" "
               "DeviceAddress=\"26000001\" Class=\"A\" DiagTimeOut=\"1000\" RX2_Datarate=\"\" Mnemonic=\"\">"
               "<LoRaWAN_Rules><LoRaWAN_UpLink_Rules>"
               "<Rule Enable=\"Y\" Port=\"1\" StartBit=\"0\" NumberBits=\"2\" PositionBit=\"0\" Mnemonic=\"up %3\"/>"
               "</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>"
               "<Rule Enable=\"Y\" Port=\"2\" StartBit=\"0\" NumberBits=\"1\" OnChange=\"Y\" OnCommand=\"N\" "
               "OnTimer=\"N\" Time=\"\" PositionBit=\"10\" Mnemonic=\"down %3\"/>"
               "</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device>")
        .arg(enable, eui, name, act);
  };
  return "<LoRaWAN_Gateway><LoRaWAN_Devices_List>" + device(EUI_A, "Y", ActivationOTAA, "A") +
         device(EUI_B, "N", ActivationABP, "B") + device(EUI_C, "Y", ActivationABP, "C") +
         "</LoRaWAN_Devices_List></LoRaWAN_Gateway>";
}

class LoRaWANGatewayForm : public ::testing::Test {
protected:
  void SetUp() override {
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
  }
  void TearDown() override { Form.reset(); }

  TFLoRaWAN_Gateway& Open() {
    Form = std::make_unique<TFLoRaWAN_Gateway>(nullptr);
    Form->DoCreate();
    Form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Form->Widget()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    return *Form;
  }
  TPlexStringGrid* Devices() const { return Form->PSG_LoRaWAN_Device_List; }
  static void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  static void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    // The first key opens the editor, which takes the keys after it.
    for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  static void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }
  // Keys as typed, one by one, without leaving the cell.
  static void Keys(const QString& Text) {
    for (QChar c : Text) {
      QTest::keyClicks(QApplication::focusWidget(), QString(c));
      QApplication::processEvents();
    }
  }
  static void Stroke(Qt::Key AKey, Qt::KeyboardModifiers Modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), AKey, Modifiers);
    QApplication::processEvents();
  }
  // Opens the cell's list with the mouse and clicks item Index in it.
  static void PickWithMouse(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
    ClickCell(Grid, ACol, ARow);
    ClickCell(Grid, ACol, ARow);  // a click on the current cell opens its editor
    QComboBox* combo = Grid->ComboEditor()->Combo();
    ASSERT_TRUE(combo->isVisible());
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
    ASSERT_TRUE(Grid->ComboEditor()->DroppedDown());
    // The list ignores a release that comes sooner than a person's could.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(Index, 0)).center());
    QApplication::processEvents();
  }
  void ClickPageTab(int Index) const {
    auto* bar = Form->PC_LoRaWAN_Device_Rules_List->Widget()->findChild<QTabBar*>();
    ASSERT_TRUE(bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
    QApplication::processEvents();
  }
  // Cancel, then a new showing as the main window gives it: modal, with
  // Steps run inside it; Cancel closes it unless Steps did.
  void CancelAndShowModal(const std::function<void()>& Steps) const {
    Press(Form->Btn_Cancel);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    Form->SetVisible(false);
    {
      // The offscreen window system keeps a hidden window as its focus
      // window; another window taking it lets the next showing be activated.
      QWidget other;
      other.show();
      other.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      if (QTest::qWaitForWindowExposed(Form->Widget())) {
        Form->Widget()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
      }
      Steps();
      if (Form->ModalResult() == mrNone) Press(Form->Btn_Cancel);
    });
    Form->ShowModal();
    EXPECT_TRUE(ran);
  }
  // The keys every device of ThreeDevices needs for the checks to pass.
  void CompleteTheKeys() const {
    Devices()->SetCellEx(8, 1, Key);
    for (int r : {2, 3})
      for (int c : {6, 7}) Devices()->SetCellEx(c, r, Key);
  }
  // The rule mnemonics of a device, uplink then downlink.
  QStringList RuleNames(int Device) const {
    QStringList names;
    const TDeviceLoRa& d = Form->DeviceList()[size_t(Device)];
    for (const TRuleLoRa& r : d.UpLinkRules) names << r.Mnemonic;
    for (const TRuleLoRa& r : d.DownLinkRules) names << r.Mnemonic;
    return names;
  }
  QStringList ShownRuleNames() const {
    return {Form->PCG_LoRaWAN_Uplink->GetCellEx(10, 1), Form->PCG_LoRaWAN_Downlink->GetCellEx(10, 1)};
  }
  QStringList EUIs(int Rows = 4) const {
    QStringList euis;
    for (int r = 1; r <= Rows; ++r) euis << Devices()->GetCellEx(2, r);
    return euis;
  }
  void Shot(const QString& Name) const {
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      QApplication::processEvents();
      EXPECT_TRUE(SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/" + Name));
    }
  }

  TLoRaWANTestProject Project;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFLoRaWAN_Gateway> Form;
};

}  // namespace

TEST_F(LoRaWANGatewayForm, CreationBuildsTheLayoutTheGridsAndTheTexts) {
  TFLoRaWAN_Gateway& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1150);
  EXPECT_EQ(f.ClientHeight(), 660);
  EXPECT_EQ(f.BorderStyle(), bsSizeable);
  EXPECT_TRUE(f.BorderIcons & biMaximize);
  EXPECT_EQ(f.P_Title->Height(), 69);
  EXPECT_EQ(f.PLoRaWAN_Device_List->Height(), 196);
  EXPECT_EQ(f.PLoRaWAN_Device_List->Top(), 69);
  EXPECT_EQ(f.Splitter1->Top(), 69 + 196);
  EXPECT_EQ(f.P_Button->Height(), 40);
  EXPECT_EQ(f.PLoRaWAN_Rules_List->Top(), f.Splitter1->Top() + f.Splitter1->Height());
  EXPECT_EQ(f.PLoRaWAN_Rules_List->Top() + f.PLoRaWAN_Rules_List->Height(), 660 - 40);
  EXPECT_EQ(f.L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(f.Btn_PasteRow->Caption(), "Paste Row");

  TPlexStringGrid* d = Devices();
  EXPECT_EQ(d->ColCount(), 14);
  EXPECT_EQ(d->RowCount(), 1001);
  struct Column {
    int Col;
    const char* Header;
    int Width;
    TColor Color;
  };
  const Column columns[] = {{1, "Enable", 50, 0xB0D8FF},
                            {2, "Device EUI", 80, 0xFEFAE0},
                            {5, "Activation Method", 120, 0xA8FFFF},
                            {7, "Application Session Key", 150, 0xA8FFFF},
                            {9, "Device Address", 100, 0xA8FFA8},
                            {10, "Class", 60, 0xF4D6FC},
                            {11, "Diag. TimeOut", 100, 0xFFD5D5},
                            {12, "RX2 Datarate", 100, 0xFFDE91},
                            {13, "Mnemonic", 120, 0xFFFFFF}};
  for (const Column& c : columns) {
    EXPECT_EQ(d->GetCellEx(c.Col, 0), c.Header);
    EXPECT_EQ(d->ColWidths(c.Col), c.Width) << c.Col;
    EXPECT_EQ(d->Colors(c.Col, 1000), c.Color) << c.Col;
  }
  EXPECT_EQ(d->GetCellEx(0, 1000), "1000");
  bool checked = false;
  EXPECT_TRUE(d->GetCheckBoxState(1, 1000, checked) && checked);  // the showing's reset checks it

  struct RuleColumn {
    TPlexColumnGrid* Grid;
    int Col;
    const char* Header;
    int Width;
    TEditorType Editor;
  };
  const RuleColumn rules[] = {
      {f.PCG_LoRaWAN_Uplink, 1, "Enable", 50, edDataCheckBox},
      {f.PCG_LoRaWAN_Uplink, 5, "Hex", 30, edDataCheckBox},
      {f.PCG_LoRaWAN_Uplink, 6, "Value Test", 230, edNormal},
      {f.PCG_LoRaWAN_Uplink, 10, "Mnemonic", 310, edNormal},
      {f.PCG_LoRaWAN_Downlink, 3, "Start Byte", 70, edNormal},
      {f.PCG_LoRaWAN_Downlink, 6, "On CMD", 52, edDataCheckBox},
      {f.PCG_LoRaWAN_Downlink, 8, "Time (ms)", 80, edNormal},
      {f.PCG_LoRaWAN_Downlink, 10, "Mnemonic", 450, edNormal},
  };
  for (const RuleColumn& c : rules) {
    EXPECT_EQ(c.Grid->ColCount(), 11);
    EXPECT_EQ(c.Grid->RowCount(), 1025);
    EXPECT_EQ(c.Grid->GetCellEx(c.Col, 0), c.Header);
    EXPECT_EQ(c.Grid->ColWidths(c.Col), c.Width) << c.Header;
    EXPECT_EQ(c.Grid->Columns()[c.Col]->Editor(), c.Editor) << c.Header;
  }
  EXPECT_EQ(f.PCG_LoRaWAN_Downlink->Columns()[7]->Color(), TColor(0xA8FFA8));
  EXPECT_EQ(f.PCG_LoRaWAN_Uplink->GetCellEx(5, 1024), "N");
  EXPECT_EQ(f.PCG_LoRaWAN_Uplink->GetCellEx(1, 1024), "Y");
  EXPECT_EQ(f.PC_LoRaWAN_Device_Rules_List->Pages(0), f.TS_LoRaWAN_Uplink_Rules_List);
  EXPECT_EQ(f.TS_LoRaWAN_Uplink_Rules_List->Caption(), "Uplink Rules");
  EXPECT_EQ(f.TS_LoRaWAN_Downlink_Rules_List->Caption(), "Downlink Rules");
  EXPECT_FALSE(bool(d->OnGridHint));  // no cell hints in this editor
}

TEST_F(LoRaWANGatewayForm, ShowingLoadsTheDevicesAndTheActivationDecidesTheKeyColumns) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  EXPECT_EQ(EUIs(), QStringList({EUI_A, EUI_B, EUI_C, ""}));
  bool enabled = true;
  EXPECT_TRUE(d->GetCheckBoxState(1, 2, enabled) && !enabled);
  struct Row {
    int Row;
    bool SessionKeysReadOnly;
  };
  for (const Row& r : {Row{1, true}, Row{2, false}, Row{3, false}, Row{4, false}}) {
    EXPECT_EQ(d->ReadOnly(6, r.Row), r.SessionKeysReadOnly) << r.Row;
    EXPECT_EQ(d->ReadOnly(7, r.Row), r.SessionKeysReadOnly) << r.Row;
    EXPECT_EQ(d->ReadOnly(8, r.Row), !r.SessionKeysReadOnly) << r.Row;
  }
  EXPECT_FALSE(d->IsEditable(6, 1));
  EXPECT_TRUE(d->IsEditable(8, 1));

  // The rule grids follow the current device row, by mouse and by keys.
  ClickCell(d, 2, 1);
  EXPECT_EQ(ShownRuleNames(), QStringList({"up A", "down A"}));
  QTest::keyClick(d->Widget(), Qt::Key_Down);
  ASSERT_EQ(d->Row(), 2);
  EXPECT_EQ(ShownRuleNames(), QStringList({"up B", "down B"}));
  QTest::keyClick(d->Widget(), Qt::Key_Down);
  EXPECT_EQ(ShownRuleNames(), QStringList({"up C", "down C"}));
  EXPECT_EQ(f.PCG_LoRaWAN_Downlink->GetCellEx(5, 1), "Y");
  QTest::keyClick(d->Widget(), Qt::Key_Down);
  EXPECT_EQ(ShownRuleNames(), QStringList({"", ""}));
  d->SetRow(1);
  EXPECT_EQ(ShownRuleNames(), QStringList({"up A", "down A"}));
  EXPECT_EQ(f.ShownDevice(), 0);
}

// A rule grid stores into the device whose rules it shows, also when the
// device row was changed by the keyboard in between.
TEST_F(LoRaWANGatewayForm, RulesTypedInAGridBelongToTheDeviceTheyWereShownFor) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  TPlexColumnGrid* up = f.PCG_LoRaWAN_Uplink;
  ClickCell(d, 2, 2);
  TypeInto(up, 2, 2, "7");
  TypeInto(up, 7, 2, "3");
  TypeInto(up, 8, 2, "1");
  TypeInto(up, 9, 2, "20");
  TypeInto(up, 10, 2, "second of B");
  up->ToggleCheckBox(1, 2);
  EXPECT_EQ(f.Last_Grid, 1);
  ClickCell(d, 2, 3);  // leaving the rule grid stores it into B
  EXPECT_EQ(RuleNames(1), QStringList({"up B", "second of B", "down B"}));
  EXPECT_FALSE(f.DeviceList()[1].UpLinkRules[1].Enable);
  EXPECT_EQ(f.DeviceList()[1].UpLinkRules[1].Port, "7");
  EXPECT_EQ(ShownRuleNames(), QStringList({"up C", "down C"}));
  EXPECT_EQ(RuleNames(2), QStringList({"up C", "down C"}));

  // A rule row with a Start Test but no Port still counts; the first row
  // without both ends the list.
  f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
  TypeInto(up, 3, 2, "0");
  TypeInto(up, 10, 3, "below the end");
  ClickCell(d, 2, 1);
  EXPECT_EQ(RuleNames(2), QStringList({"up C", "", "down C"}));
}

TEST_F(LoRaWANGatewayForm, PickingTheActivationMakesTheKeyColumnsReadOnlyAtOnce) {
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  ClickCell(d, 5, 1);
  QTest::keyClick(d->Widget(), Qt::Key_F2);
  TGridCombo* combo = d->ComboEditor();
  ASSERT_TRUE(combo->Visible());
  EXPECT_EQ(combo->Items().CommaText(), "\"" + ActivationABP + "\",\"" + ActivationOTAA + "\"");
  ASSERT_EQ(combo->ItemIndex(), 0);
  EXPECT_TRUE(d->ReadOnly(8, 1));  // ABP opened: the application key waits
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_TRUE(d->ReadOnly(6, 1));
  EXPECT_TRUE(d->ReadOnly(7, 1));
  EXPECT_FALSE(d->ReadOnly(8, 1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_FALSE(d->ReadOnly(6, 1));
  EXPECT_TRUE(d->ReadOnly(8, 1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  ClickCell(d, 2, 1);
  EXPECT_EQ(d->GetCellEx(5, 1), ActivationOTAA);
  EXPECT_FALSE(d->IsEditable(6, 1));

  // The class and the RX2 lists.
  ClickCell(d, 12, 1);
  QTest::keyClick(d->Widget(), Qt::Key_F2);
  EXPECT_EQ(d->ComboEditor()->Items().Count(), 8);
  EXPECT_EQ(d->ComboEditor()->Items()[7], "");
  ClickCell(d, 10, 1);
  QTest::keyClick(d->Widget(), Qt::Key_F2);
  EXPECT_EQ(d->ComboEditor()->Items().CommaText(), "A,C");
  (void)f;
}

TEST_F(LoRaWANGatewayForm, DeviceRowButtonsCarryTheRulesWithTheirDevice) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();

  ClickCell(d, 2, 2);
  Dialogs->Answer(mrNo);
  Press(f.Btn_DelRow);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Are you sure to delete the Row number 2 in Devices List Grid?");
  EXPECT_EQ(EUIs(), QStringList({EUI_A, EUI_B, EUI_C, ""}));
  ClickCell(d, 2, 2);
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  EXPECT_EQ(EUIs(), QStringList({EUI_A, EUI_C, "", ""}));
  EXPECT_EQ(RuleNames(0), QStringList({"up A", "down A"}));
  EXPECT_EQ(RuleNames(1), QStringList({"up C", "down C"}));
  EXPECT_TRUE(f.DeviceList()[2].IsFree());
  EXPECT_TRUE(RuleNames(2).isEmpty());
  EXPECT_TRUE(RuleNames(999).isEmpty());
  EXPECT_EQ(ShownRuleNames(), QStringList({"up C", "down C"}));
  EXPECT_FALSE(d->ReadOnly(6, 2));  // C's ABP keys moved up with it

  ClickCell(d, 2, 1);
  Press(f.Btn_InsRow);
  EXPECT_EQ(EUIs(), QStringList({"", EUI_A, EUI_C, ""}));
  EXPECT_TRUE(RuleNames(0).isEmpty());
  EXPECT_EQ(RuleNames(1), QStringList({"up A", "down A"}));
  EXPECT_EQ(RuleNames(2), QStringList({"up C", "down C"}));
  EXPECT_EQ(ShownRuleNames(), QStringList({"", ""}));
  EXPECT_TRUE(f.DeviceList()[0].Enable);
  EXPECT_TRUE(d->ReadOnly(8, 1));  // no activation yet
  EXPECT_TRUE(d->ReadOnly(8, 1000));

  // Paste copies the cells only: the target keeps its rules.
  ClickCell(d, 2, 2);
  Press(f.Btn_CopyRow);
  EXPECT_TRUE(f.DoCopy_Dev);
  ClickCell(d, 2, 3);
  Dialogs->Answer(mrYes);
  Press(f.Btn_PasteRow);
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(TextRowAlreadyUsed));
  EXPECT_EQ(EUIs(), QStringList({"", EUI_A, EUI_A, ""}));
  EXPECT_EQ(f.DeviceList()[2].ActMethod, ActivationOTAA);
  EXPECT_EQ(RuleNames(2), QStringList({"up C", "down C"}));
  EXPECT_TRUE(d->ReadOnly(6, 3));  // the pasted activation rules the key columns
  EXPECT_EQ(Dialogs->PendingAnswers(), 0);
}

TEST_F(LoRaWANGatewayForm, RuleRowButtonsActOnTheGridLastEntered) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexColumnGrid* up = f.PCG_LoRaWAN_Uplink;
  ClickCell(Devices(), 2, 1);
  TypeInto(up, 2, 2, "5");
  TypeInto(up, 10, 2, "second");
  ClickCell(up, 2, 1);
  Press(f.Btn_CopyRow);
  EXPECT_TRUE(f.DoCopy_Up);
  EXPECT_FALSE(f.DoCopy_Dev);
  ClickCell(up, 2, 3);
  Press(f.Btn_PasteRow);
  EXPECT_EQ(RuleNames(0), QStringList({"up A", "second", "up A", "down A"}));
  ClickCell(up, 2, 1);
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1 in Uplink Grid?");
  EXPECT_EQ(RuleNames(0), QStringList({"second", "up A", "down A"}));
  ClickCell(up, 2, 1);
  Press(f.Btn_InsRow);
  EXPECT_EQ(up->GetCellEx(1, 1), "Y");
  // The empty row inserted ends the list.
  EXPECT_EQ(RuleNames(0), QStringList({"down A"}));

  f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
  TPlexColumnGrid* down = f.PCG_LoRaWAN_Downlink;
  ClickCell(down, 2, 1);
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1 in Downlink Grid?");
  EXPECT_TRUE(f.DeviceList()[0].DownLinkRules.empty());
  Press(f.Btn_PasteRow);  // the copy came from the uplink grid
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(TextCopyBeforePaste));
  EXPECT_EQ(Dialogs->PendingAnswers(), 0);
}

// Every device row goes into its slot, so the saved list is the grid's:
// a cleared device is not saved, and the devices after a gap are kept but
// neither saved nor skipped by the checks.
TEST_F(LoRaWANGatewayForm, TheDeviceListIsTheGridRowForRow) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  ClickCell(d, 2, 2);
  QTest::keyClick(d->Widget(), Qt::Key_F2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_EQ(d->GetCellEx(2, 2), "");
  Press(f.Btn_CopyRow);  // takes the focus: the grid is stored first
  EXPECT_TRUE(f.DeviceList()[1].IsFree());
  EXPECT_EQ(f.DeviceList()[2].DeviceEUI, EUI_C);

  // A needs its application key (OTAA), C its two session keys (ABP); C
  // behind the gap is still checked: its address is wrong.
  d->SetCellEx(8, 1, Key);
  d->SetCellEx(6, 3, Key);
  d->SetCellEx(7, 3, Key);
  d->SetCellEx(9, 3, "2600");
  ClickCell(d, 3, 1);
  Press(f.Btn_OK);
  ASSERT_FALSE(Dialogs->Records().empty());
  EXPECT_EQ(Dialogs->Records().back().Text, "Error Device 3!! Device Address must have 4 bytes (8 characters)");
  EXPECT_EQ(f.ModalResult(), mrNone);
  d->SetCellEx(9, 3, "26000003");
  ClickCell(d, 3, 1);
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);

  TLoRaWANDevices saved;
  ASSERT_TRUE(saved.Load_Configuration());
  EXPECT_EQ(saved.DeviceList()[0].DeviceEUI, EUI_A);
  EXPECT_EQ(saved.DeviceList()[0].AppKey, Key);
  EXPECT_TRUE(saved.DeviceList()[1].IsFree());
}

TEST_F(LoRaWANGatewayForm, AnEndNodeEditsTheRulesOfItsOneDevice) {
  Project.WriteParGen("<ParGen><LoRaWAN_Mode>end node</LoRaWAN_Mode></ParGen>");
  TFLoRaWAN_Gateway& f = Open();
  EXPECT_FALSE(f.ModeMaster());
  EXPECT_FALSE(f.PLoRaWAN_Device_List->Visible());
  EXPECT_FALSE(f.Splitter1->Visible());
  EXPECT_EQ(f.PLoRaWAN_Rules_List->Top(), 69);
  EXPECT_EQ(f.PC_LoRaWAN_Device_Rules_List->Pages(0), f.TS_LoRaWAN_Downlink_Rules_List);
  EXPECT_EQ(f.PC_LoRaWAN_Device_Rules_List->ActivePageIndex(), 0);
  EXPECT_EQ(f.TS_LoRaWAN_Downlink_Rules_List->Caption(), "Uplink Rules");
  EXPECT_EQ(f.TS_LoRaWAN_Uplink_Rules_List->Caption(), "Downlink Rules");
  EXPECT_EQ(f.DeviceList()[0].DeviceEUI, EndNodePlaceholderEUI);

  TPlexColumnGrid* down = f.PCG_LoRaWAN_Downlink;
  TypeInto(down, 2, 1, "10");
  TypeInto(down, 3, 1, "0");
  TypeInto(down, 4, 1, "4");
  TypeInto(down, 9, 1, "100");
  TypeInto(down, 10, 1, "sent up");
  down->ToggleCheckBox(7, 1);
  TypeInto(down, 8, 1, "60000");
  Shot("LoRaWAN_Gateway_end_node.png");

  // Only the rules are checked for the end node's device.
  TypeInto(down, 4, 1, "0");
  Press(f.Btn_OK);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error Device 1, DownLink Rule 1!! Number Bytes must be between 1 and 1536");
  EXPECT_EQ(f.ModalResult(), mrNone);
  TypeInto(down, 4, 1, "4");
  Press(f.Btn_OK);
  EXPECT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(f.ModalResult(), mrOk);
  TLoRaWANDevices saved;
  saved.ModeMaster = false;
  ASSERT_TRUE(saved.Load_Configuration());
  const TDeviceLoRa& device = saved.DeviceList()[0];
  EXPECT_EQ(device.DeviceEUI, EndNodePlaceholderEUI);
  EXPECT_TRUE(saved.DeviceList()[1].IsFree());
  ASSERT_EQ(device.DownLinkRules.size(), 1u);
  EXPECT_TRUE(device.DownLinkRules[0].OnTimer);
  EXPECT_EQ(device.DownLinkRules[0].Time, "60000");
  EXPECT_EQ(device.DownLinkRules[0].Mnemonic, "sent up");
}

TEST_F(LoRaWANGatewayForm, Pictures) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  ClickCell(Devices(), 2, 3);
  Shot("LoRaWAN_Gateway_uplink.png");
  f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
  ClickCell(Devices(), 2, 1);
  Shot("LoRaWAN_Gateway_downlink.png");
}

// What the user typed is on the screen and in the device list before any
// other control acts: the cell editor commits as the focus leaves the grid,
// and only then is the grid left.
TEST_F(LoRaWANGatewayForm, AValueTypedIsKeptWhateverIsClickedRightAfterIt) {
  struct Case {
    const char* Clicked;
    std::function<void()> Click;
    bool Left;  // the grid was left: the device list holds the value
  };
  const Case cases[] = {
      {"OK", [this] { Press(Form->Btn_OK); }, true},
      {"another cell", [this] { ClickCell(Devices(), 3, 2); }, false},
      {"the other grid", [this] { ClickCell(Form->PCG_LoRaWAN_Uplink, 2, 2); }, true},
      {"the page tab", [this] { ClickPageTab(1); }, true},
      {"a row button", [this] { Press(Form->Btn_CopyRow); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Clicked);
    Project.WriteDevices(ThreeDevices());
    TFLoRaWAN_Gateway& f = Open();
    CompleteTheKeys();
    ClickCell(Devices(), 4, 1);
    Keys("Meter");
    c.Click();
    EXPECT_EQ(Devices()->GetCellEx(4, 1), "Meter");
    if (c.Left) {
      EXPECT_EQ(f.DeviceList()[0].DeviceName, "Meter");
    }
    if (c.Clicked == std::string("OK")) {
      EXPECT_EQ(f.ModalResult(), mrOk);
      TLoRaWANDevices saved;
      ASSERT_TRUE(saved.Load_Configuration());
      EXPECT_EQ(saved.DeviceList()[0].DeviceName, "Meter");
    }
    EXPECT_TRUE(Dialogs->Records().empty());
    Form.reset();
  }
}

// The same for a rule, and a key of the wrong length typed and OK clicked at
// once is checked as typed: the old key is not saved.
TEST_F(LoRaWANGatewayForm, OKChecksAndSavesWhatWasTypedLast) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  CompleteTheKeys();
  ClickCell(Devices(), 2, 1);
  ClickCell(f.PCG_LoRaWAN_Uplink, 10, 1);
  Keys("renamed");
  Press(f.Btn_OK);
  ASSERT_EQ(f.ModalResult(), mrOk);
  TLoRaWANDevices saved;
  ASSERT_TRUE(saved.Load_Configuration());
  EXPECT_EQ(saved.DeviceList()[0].UpLinkRules.at(0).Mnemonic, "renamed");

  f.SetModalResult(mrNone);
  ClickCell(Devices(), 6, 2);
  Keys("0011");
  Press(f.Btn_OK);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error Device 2!! Network Session Key must have 16 bytes (32 characters)");
  EXPECT_EQ(f.ModalResult(), mrNone);
}

// A pick, by mouse, by keys or left with Escape, ends with its own cell:
// the next text typed anywhere goes where it is typed, also after Cancel
// and a new showing.
TEST_F(LoRaWANGatewayForm, ADropDownWritesOnlyItsOwnCell) {
  struct Case {
    const char* Way;
    std::function<void()> Pick;
    QString Activation;
  };
  const Case cases[] = {
      {"mouse", [this] { PickWithMouse(Devices(), 5, 1, 1); }, ActivationOTAA},
      {"keys",
       [this] {
         ClickCell(Devices(), 5, 1);
         Stroke(Qt::Key_F2);
         Stroke(Qt::Key_Down);
         Stroke(Qt::Key_Return);
       },
       ActivationOTAA},
      {"escape",
       [this] {
         ClickCell(Devices(), 5, 1);
         Stroke(Qt::Key_F2);
         Stroke(Qt::Key_Down);
         Stroke(Qt::Key_Escape);
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Way);
    Open();
    const auto pickThenType = [&] {
      c.Pick();
      EXPECT_EQ(Devices()->ReadOnly(6, 1), c.Activation == ActivationOTAA);
      TypeInto(Devices(), 4, 1, "same row");
      TypeInto(Devices(), 3, 2, "next row");
      EXPECT_EQ(Devices()->GetCellEx(4, 1), "same row");
      EXPECT_EQ(Devices()->GetCellEx(3, 2), "next row");
      EXPECT_EQ(Devices()->GetCellEx(5, 1), c.Activation);
      EXPECT_EQ(Devices()->GetCellEx(5, 2), "");
    };
    pickThenType();
    CancelAndShowModal(pickThenType);
    Form.reset();
  }
}

// A list shown on an empty cell offers its first item; leaving it without a
// pick keeps the cell empty, so the check on OK still asks for a choice.
TEST_F(LoRaWANGatewayForm, AListOpenedOnAnEmptyCellAndLeftCommitsNothing) {
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  TypeInto(d, 2, 1, "70B3D57ED0000001");
  TypeInto(d, 3, 1, "0000000000000000");
  for (int col : {5, 10}) {
    ClickCell(d, col, 1);
    ClickCell(d, col, 1);
    QComboBox* combo = d->ComboEditor()->Combo();
    ASSERT_TRUE(combo->isVisible());
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
    ASSERT_TRUE(d->ComboEditor()->DroppedDown());
    // The list stays open by itself until the user acts.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_TRUE(d->ComboEditor()->DroppedDown());
    // A press outside the list closes it, then the user clicks another cell.
    QTest::mouseClick(combo->view()->window(), Qt::LeftButton, {}, QPoint(-30, -30));
    QApplication::processEvents();
    EXPECT_FALSE(d->ComboEditor()->DroppedDown());
    ClickCell(d, 4, 2);
    EXPECT_EQ(d->GetCellEx(col, 1), "") << col;
  }
  Press(f.Btn_OK);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error Device 1!! Activation Method must be selected");
}

// The key cells an activation does not use refuse typing and look it, in the
// row where the activation was picked and after a new showing.
TEST_F(LoRaWANGatewayForm, TheKeysAnActivationDoesNotUseRefuseTyping) {
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  PickWithMouse(d, 5, 1, 1);  // OTAA
  PickWithMouse(d, 5, 2, 0);  // ABP
  struct Cell {
    int Col, Row;
    bool Refused;
  };
  const Cell cells[] = {{6, 1, true}, {7, 1, true}, {8, 1, false}, {6, 2, false}, {7, 2, false}, {8, 2, true}};
  const auto check = [&] {
    for (const Cell& c : cells) {
      SCOPED_TRACE(testing::Message() << "column " << c.Col << " row " << c.Row);
      TypeInto(d, c.Col, c.Row, "AB");
      EXPECT_EQ(d->GetCellEx(c.Col, c.Row), c.Refused ? "" : "AB");
      EXPECT_EQ(d->Colors(c.Col, c.Row) == TColor(0xA8FFFF), !c.Refused);
    }
  };
  check();
  Shot("LoRaWAN_Gateway_keys_OTAA_ABP.png");
  for (const Cell& c : cells) d->SetCellEx(c.Col, c.Row, "");
  ClickCell(d, 2, 3);
  TypeInto(d, 2, 1, "70B3D57ED0000001");
  TypeInto(d, 2, 2, "70B3D57ED0000002");
  for (int r : {1, 2}) {
    TypeInto(d, 3, r, "0000000000000000");
    TypeInto(d, 9, r, "26000001");
    TypeInto(d, 11, r, "1000");
  }
  d->SetCellEx(8, 1, Key);
  d->SetCellEx(6, 2, Key);
  d->SetCellEx(7, 2, Key);
  ClickCell(d, 2, 3);
  Press(f.Btn_OK);
  ASSERT_EQ(f.ModalResult(), mrOk) << (Dialogs->Records().empty() ? "" : Dialogs->Records()[0].Text.toStdString());
  CancelAndShowModal([&] {
    for (const Cell& c : cells) d->SetCellEx(c.Col, c.Row, "");
    check();
  });
}

// Tab and Shift+Tab in an open editor leave the cell with its text and go on
// along the row, where the next text goes.
TEST_F(LoRaWANGatewayForm, TabAndShiftTabCommitAndMoveAlongTheRow) {
  Open();
  TPlexStringGrid* d = Devices();
  ClickCell(d, 2, 1);
  Keys("70B3D57ED0000001");
  Stroke(Qt::Key_Tab);
  EXPECT_EQ(d->GetCellEx(2, 1), "70B3D57ED0000001");
  EXPECT_EQ(d->Col(), 3);
  Keys("0000000000000000");
  Stroke(Qt::Key_Tab);
  EXPECT_EQ(d->Col(), 4);
  Keys("Meter");
  Stroke(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(d->GetCellEx(4, 1), "Meter");
  EXPECT_EQ(d->GetCellEx(3, 1), "0000000000000000");
  EXPECT_EQ(d->Col(), 3);
  EXPECT_EQ(d->GetCellEx(2, 1), "70B3D57ED0000001");
}

// Delete types nothing into a cell (some keyboards send it as a DEL
// character); Backspace on a closed cell opens it emptied for typing.
TEST_F(LoRaWANGatewayForm, DeleteTypesNothingAndBackspaceEditsTheCell) {
  Open();
  TPlexStringGrid* d = Devices();
  TypeInto(d, 4, 1, "Meter");
  ClickCell(d, 4, 2);
  Stroke(Qt::Key_Up);
  ASSERT_EQ(d->Row(), 1);
  ASSERT_FALSE(d->EditMode());
  QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Delete, QString(QChar(0x7F)), {});
  QApplication::processEvents();
  Stroke(Qt::Key_Return);
  EXPECT_EQ(d->GetCellEx(4, 1), "Meter");
  ClickCell(d, 4, 2);
  Stroke(Qt::Key_Up);
  Stroke(Qt::Key_Backspace);
  Keys("Gauge");
  Stroke(Qt::Key_Return);
  EXPECT_EQ(d->GetCellEx(4, 1), "Gauge");
}

// A new showing starts at the first row of every grid, with its rules.
TEST_F(LoRaWANGatewayForm, EachShowingStartsAtTheFirstRow) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexStringGrid* d = Devices();
  ClickCell(d, 2, 3);
  for (int i = 0; i < 40; ++i) Stroke(Qt::Key_Down);
  ClickCell(f.PCG_LoRaWAN_Uplink, 3, 4);
  ASSERT_GT(d->TopRow(), 1);
  CancelAndShowModal([&] {
    for (TPlexStringGrid* grid : {d, static_cast<TPlexStringGrid*>(f.PCG_LoRaWAN_Uplink)}) {
      EXPECT_EQ(grid->Row(), 1);
      EXPECT_EQ(grid->TopRow(), 1);
      EXPECT_EQ(grid->LeftCol(), 1);
    }
    EXPECT_EQ(ShownRuleNames(), QStringList({"up A", "down A"}));
  });
}

// Paste Row and Delete Row show their rows at once, not at the next page change.
TEST_F(LoRaWANGatewayForm, RowButtonsRepaintTheRuleGridAtOnce) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  TPlexColumnGrid* up = f.PCG_LoRaWAN_Uplink;
  ClickCell(Devices(), 2, 1);
  ClickCell(up, 2, 1);
  Press(f.Btn_CopyRow);
  ClickCell(up, 2, 2);
  std::set<int> paintedRows;  // of the mnemonic column, away from the current cell
  up->OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush&, TFont&) {
    if (ACol == 10) paintedRows.insert(ARow);
  };
  QApplication::processEvents();
  paintedRows.clear();
  Press(f.Btn_PasteRow);
  QApplication::processEvents();
  EXPECT_TRUE(paintedRows.count(2));
  paintedRows.clear();
  ClickCell(up, 2, 1);
  QApplication::processEvents();
  paintedRows.clear();
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  QApplication::processEvents();
  EXPECT_TRUE(paintedRows.count(1) && paintedRows.count(2));
  EXPECT_EQ(up->GetCellEx(10, 1), "up A");
  EXPECT_EQ(Dialogs->PendingAnswers(), 0);
}

// However the user drags the window, every button of the bottom row stays in
// sight, OK and Cancel on the right edge, and a cut header or value ends in "...".
TEST_F(LoRaWANGatewayForm, ResizedFromOutsideTheButtonsStayReachable) {
  Project.WriteDevices(ThreeDevices());
  TFLoRaWAN_Gateway& f = Open();
  QWidget* window = f.Widget();
  const auto inSight = [window](TControl* button) {
    const QRect r(button->Widget()->mapTo(window, QPoint(0, 0)), button->Widget()->size());
    return button->Widget()->isVisible() && window->rect().contains(r);
  };
  for (QSize size : {QSize(200, 150), QSize(1600, 900), QSize(700, 300)}) {
    SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
    window->resize(size);
    QApplication::processEvents();
    EXPECT_GE(window->width(), 580);
    for (TControl* b : {f.Btn_DelRow, f.Btn_InsRow, f.Btn_CopyRow, f.Btn_PasteRow, f.Btn_OK, f.Btn_Cancel})
      EXPECT_TRUE(inSight(b)) << b->Name.toStdString();
    EXPECT_EQ(f.Btn_Cancel->Left() + f.Btn_Cancel->Width(), f.ClientWidth() - 8);
    // Some rows of the rules are left below the device list.
    EXPECT_GE(f.PCG_LoRaWAN_Uplink->Height(), 60);
  }
  window->resize(200, 150);
  QApplication::processEvents();
  Shot("LoRaWAN_Gateway_smallest.png");
  // The smallest size still works: OK checks and saves.
  CompleteTheKeys();
  ClickCell(Devices(), 2, 1);
  ClickCell(f.PCG_LoRaWAN_Uplink, 10, 1);
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
}
