#include "ParGenFixture.h"

#include "common/button/LbButton.h"
#include "platform/CategoryPanels.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace {
class ParGenFormTest : public ParGenFixture {
protected:
  void SetUp() override {
    ParGenFixture::SetUp();
    ShowForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
  }
  // Types into whichever control has the focus, as the keyboard does.
  static void Type(const QString& keys) {
    for (QChar c : keys) QTest::keyClicks(QApplication::focusWidget(), QString(c));
  }
  static void Enter(TEdit* e) {
    e->SetFocus();
    e->SelectAll();
  }
  static bool HasFocus(TEdit* e) { return QApplication::focusWidget() == e->LineEdit(); }
};
}  // namespace

TEST_F(ParGenFormTest, TypingAnAddressMovesThroughTheOctetsOnEachPoint) {
  Enter(Form->E_ModbusTCPSlave_IP1);
  Form->E_ModbusTCPSlave_IP1->Clear();
  Type("192.168.0.5");
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP1->Text(), "192");
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP2->Text(), "168");
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP3->Text(), "0");
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP4->Text(), "5");
  Type(".");
  EXPECT_TRUE(HasFocus(Form->E_ModbusTCPSlave_SM1));
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP4->Text(), "5");
  Type("255");
  EXPECT_EQ(Form->E_ModbusTCPSlave_SM1->Text(), "255") << "the entered octet was replaced";
}

TEST_F(ParGenFormTest, APointWithoutAReachableNextOctetIsDroppedAndTheFocusStays) {
  Enter(Form->E_EthConn_Sec_DNS_IP4);
  Type("1.");
  EXPECT_TRUE(HasFocus(Form->E_EthConn_Sec_DNS_IP4));
  EXPECT_EQ(Form->E_EthConn_Sec_DNS_IP4->Text(), "1");

  Form->E_ModbusTCPSlave_IP2->SetEnabled(false);
  Enter(Form->E_ModbusTCPSlave_IP1);
  Type("10.");
  EXPECT_TRUE(HasFocus(Form->E_ModbusTCPSlave_IP1));
  EXPECT_EQ(Form->E_ModbusTCPSlave_IP1->Text(), "10");

  Form->E_ModbusTCPSlave_IP2->SetEnabled(true);
  Form->E_ModbusTCPSlave_IP2->Hide();
  Type(".");
  EXPECT_TRUE(HasFocus(Form->E_ModbusTCPSlave_IP1));
}

TEST_F(ParGenFormTest, OctetEditsTakeAnyOtherCharacter) {
  Enter(Form->E_EthConn_Pri_DNS_IP1);
  Type("ab-9 ");
  EXPECT_EQ(Form->E_EthConn_Pri_DNS_IP1->Text(), "ab-9 ");
}

TEST_F(ParGenFormTest, HexFieldsTakeHexDigitsAndControlCharactersOnly) {
  struct HexCase {
    const char* Typed;
    const char* Kept;
  };
  const HexCase cases[] = {
      {"0123456789", "0123456789"},
      {"abcdefABCDEF", "abcdefABCDEF"},
      {"G", ""},
      {"g.Z:-x", ""},
      {"A B", "A B"},  // the blank is a control character here
      {"12\b3", "13"},
  };
  for (TEdit* e : {Form->E_LoRaWAN_Join_EUI, Form->E_LoRaWAN_Device_Address, Form->E_LoRaWAN_Network_Session_Key,
                   Form->E_LoRaWAN_Application_Session_Key, Form->E_LoRaWAN_Application_Key}) {
    for (const HexCase& c : cases) {
      SCOPED_TRACE(c.Typed);
      e->Clear();
      QTest::keyClicks(e->LineEdit(), c.Typed);
      EXPECT_EQ(e->Text(), QString(c.Kept).left(e->MaxLength()));
    }
  }
}

TEST_F(ParGenFormTest, TextsStopAtTheLengthOfTheirDeviceField) {
  const struct {
    TEdit* Edit;
    int Length;
  } fields[] = {{Form->E_EthConn_Device_Name, 31},   {Form->E_WiFi2_SSID, 32},
                {Form->E_WiFi2_Password, 64},        {Form->E_LoRaWAN_Join_EUI, 16},
                {Form->E_LoRaWAN_Device_Address, 8}, {Form->E_LoRaWAN_Application_Key, 32}};
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->Move_GroupBoxs();
  for (const auto& f : fields) {
    f.Edit->Clear();
    QTest::keyClicks(f.Edit->LineEdit(), QString(80, QChar('A')));
    EXPECT_EQ(f.Edit->Text().size(), f.Length);
  }
}

TEST_F(ParGenFormTest, CancelWithoutAChangeClosesWithoutAQuestion) {
  EXPECT_FALSE(Form->Is_Change);
  Form->Btn_Cancel->Click();
  EXPECT_EQ(Form->ModalResult(), mrCancel);
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(ParGenFormTest, CancelAfterAChangeAsksAndNoKeepsTheFormAsItIs) {
  Enter(Form->E_ModbusTCPSlave_Port);
  Type("7");
  ASSERT_TRUE(Form->Is_Change);
  Dialogs->Answer(mrNo);
  Form->Btn_Cancel->Click();
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  const TDialogRequest& asked = Dialogs->Records()[0];
  EXPECT_EQ(asked.Text, "Do you want to exit without saving changes?");
  EXPECT_EQ(asked.Type, mtConfirmation);
  EXPECT_EQ(asked.Buttons, mbYesNo);
  EXPECT_EQ(Form->ModalResult(), mrNone);
  EXPECT_EQ(Form->E_ModbusTCPSlave_Port->Text(), "7");
  EXPECT_TRUE(Form->Is_Change);

  Dialogs->Answer(mrYes);
  Form->Btn_Cancel->Click();
  EXPECT_EQ(Form->ModalResult(), mrCancel);
  EXPECT_FALSE(QFile::exists(ParGenFile));
}

TEST_F(ParGenFormTest, ShownModallyOKWritesTheFileAndCancelLeavesIt) {
  Form->Hide();
  QTimer::singleShot(0, [this] { Form->Btn_OK->Click(); });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  ASSERT_TRUE(QFile::exists(ParGenFile));
  const QByteArray written = FileBytes();

  QTimer::singleShot(0, [this] {
    Form->E_ModbusTCPSlave_Port->SetText("1502");
    Dialogs->Answer(mrYes);
    Form->Btn_Cancel->Click();
  });
  EXPECT_EQ(Form->ShowModal(), mrCancel);
  EXPECT_EQ(FileBytes(), written);
  EXPECT_EQ(Dialogs->Records().size(), 1u);
}

TEST_F(ParGenFormTest, TheClientWidthSnapsBackTo460) {
  EXPECT_EQ(Form->ClientWidth(), 460);
  EXPECT_EQ(Form->ClientHeight(), 700);
  Form->SetClientWidth(800);
  EXPECT_EQ(Form->ClientWidth(), 460);
  Form->SetClientHeight(500);
  EXPECT_EQ(Form->ClientHeight(), 500);
}

TEST_F(ParGenFormTest, AResizeByTheWindowSystemKeepsTheWidthAndShowsMorePanelsWhenTaller) {
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->Move_GroupBoxs();
  QWidget* window = Form->Widget();
  window->resize(800, 400);  // a drag of the window's corner
  QApplication::processEvents();
  EXPECT_EQ(window->width(), 460);
  EXPECT_EQ(Form->ClientWidth(), 460);
  EXPECT_EQ(Form->ClientHeight(), 400);
  EXPECT_EQ(Form->CPG->Height(), 400 - 69 - 40);
  EXPECT_EQ(Form->P_Button->Top(), 400 - 40);
  EXPECT_GT(Form->CPG->ScrollRange(), 0);
  window->resize(460, 1000);
  QApplication::processEvents();
  EXPECT_EQ(Form->ClientHeight(), 1000);
  EXPECT_EQ(Form->CPG->Height(), 1000 - 69 - 40);
  EXPECT_EQ(Form->CPG->ScrollRange(), 0);
}

TEST_F(ParGenFormTest, OkAndCancelAreDrawnInTheHouseColour) {
  QApplication::processEvents();
  for (TLbButton* b : {Form->Btn_OK, Form->Btn_Cancel}) {
    const QImage face = b->Widget()->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(3, 3)), QColor(0xF8, 0xF7, 0xED)) << b->Caption().toStdString();
    EXPECT_EQ(QColor(face.pixel(b->Width() - 4, b->Height() - 4)), QColor(0xF8, 0xF7, 0xED));
    EXPECT_EQ(QColor(face.pixel(b->Width() - 1, 5)), QColor(0x80, 0x80, 0x80));  // the frame's shadow side
  }
}

TEST_F(ParGenFormTest, TheWheelScrollsThePanelsOnlyOverThem) {
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->Move_GroupBoxs();
  Form->SetClientHeight(400);
  QApplication::processEvents();
  ASSERT_GT(Form->CPG->ScrollRange(), 100);
  const int lines = WheelScrollLines();
  const TPoint overPanels = Form->CPG->ClientToScreen(TPoint(100, 100));
  bool handled = false;
  Form->FormMouseWheel(Form.get(), {}, -120, overPanels, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(Form->CPG->ScrollPos(), lines * Form->CPG->VertScrollIncrement);
  Form->FormMouseWheel(Form.get(), {}, 120, overPanels, handled);
  EXPECT_EQ(Form->CPG->ScrollPos(), 0);

  for (TControl* outside : {static_cast<TControl*>(Form->P_Title), static_cast<TControl*>(Form->P_Button)}) {
    handled = true;
    Form->FormMouseWheel(Form.get(), {}, -120, outside->ClientToScreen(TPoint(5, 5)), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(Form->CPG->ScrollPos(), 0);
  }
}

TEST_F(ParGenFormTest, AWheelOverAnEditInAPanelScrollsTheGroup) {
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->Move_GroupBoxs();
  Form->SetClientHeight(400);
  QApplication::processEvents();
  QWidget* target = Form->E_EthConn_Device_Name->Widget();
  QWheelEvent we(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  we.setTimestamp(4321);
  QApplication::sendEvent(target, &we);
  EXPECT_EQ(Form->CPG->ScrollPos(), WheelScrollLines() * Form->CPG->VertScrollIncrement);
}

TEST_F(ParGenFormTest, TheServedModelShowsItsFivePanelsNumbered) {
  std::vector<QString> captions;
  for (int i = 0; i < Form->CPG->PanelCount(); ++i)
    if (Form->CPG->Panels(i)->Visible()) captions.push_back(Form->CPG->Panels(i)->Caption());
  EXPECT_EQ(captions, std::vector<QString>({"2. Ethernet Connection", "4. Modbus TCP Slave", "5. Wi-Fi",
                                            "1. Select Device", "3. LoRaWAN"}));
  const TCategoryPanel* inOrder[] = {Form->CP_Select_Device, Form->CP_Ethernet_Connection, Form->CP_LoRaWAN,
                                     Form->CP_Modbus_TCP_Slave, Form->CP_WiFi2};
  int top = 0;
  for (const TCategoryPanel* p : inOrder) {
    EXPECT_EQ(p->Top(), top) << p->Caption().toStdString();
    top += p->Height();
  }
  EXPECT_EQ(Form->CP_Select_Device->Height(), 67);
  EXPECT_EQ(Form->CP_Ethernet_Connection->Height(), 206);
  EXPECT_EQ(Form->CP_Modbus_TCP_Slave->Height(), 150);
  EXPECT_TRUE(Form->CP_WiFi2->Collapsed());
  EXPECT_FALSE(Form->CP_WiFi2->Enabled());
  EXPECT_EQ(Form->P_Title->Height(), 69);
  EXPECT_EQ(Form->P_Button->Height(), 40);
  EXPECT_EQ(Form->Btn_OK->BoundsRect(), Bounds(217, 6, 110, 28));
  EXPECT_EQ(Form->Btn_Cancel->BoundsRect(), Bounds(333, 6, 110, 28));
  EXPECT_EQ(Form->CPG->Top(), 69);
  EXPECT_EQ(Form->CPG->Height(), 700 - 69 - 40);
  EXPECT_EQ(Form->L_SW_Code->Caption(), "CFZ9KAD");

  // A picture to look at: QUILLORE_SHOTS names the folder.
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    Form->CB_Select_Device_Device->SetItemIndex(1);
    Form->Move_GroupBoxs();
    QApplication::processEvents();
    EXPECT_TRUE(SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/ParGen.png"));
  }
}
