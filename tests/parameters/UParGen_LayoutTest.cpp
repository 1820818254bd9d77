#include "ParGenFixture.h"

#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <vector>

namespace {

// Pixels of the control's picture dark enough to be text in black ink.
int InkPixels(TControl* c) {
  const QImage shot = c->Widget()->grab().toImage();
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) n += QColor(shot.pixel(x, y)).lightness() <= 60;
  return n;
}

class ParGenLayoutTest : public ParGenFixture {
protected:
  void SetUp() override {
    ParGenFixture::SetUp();
    ShowForm();
  }
  // The visible panels, top to bottom.
  std::vector<TCategoryPanel*> VisiblePanels() const {
    std::vector<TCategoryPanel*> shown;
    for (int i = 0; i < Form->CPG->PanelCount(); ++i)
      if (Form->CPG->Panels(i)->Visible()) shown.push_back(Form->CPG->Panels(i));
    std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
    return shown;
  }
  // Changes a combo as the user does: the change event relays the form out.
  void Pick(TComboBox* combo, int index) {
    combo->SetItemIndex(index);
    Form->On_Change(combo);
  }
};

// T of a labelled row: the label at T, its input 3 pixels above, at 191 and 238 wide.
void ExpectRow(const TControl* label, const TControl* input, int T) {
  EXPECT_TRUE(label->Visible());
  EXPECT_TRUE(input->Visible());
  EXPECT_EQ(label->Top(), T);
  EXPECT_EQ(label->Left(), 14);
  EXPECT_EQ(input->Top(), T - 3);
  EXPECT_EQ(input->Left(), 191);
  EXPECT_EQ(input->Width(), 238);
}

void ExpectOctets(std::initializer_list<const TControl*> octets, int top) {
  int i = 0;
  for (const TControl* octet : octets) {
    EXPECT_TRUE(octet->Visible());
    EXPECT_EQ(octet->Top(), top);
    EXPECT_EQ(octet->Left(), 191 + 61 * i++);
    EXPECT_EQ(octet->Width(), 55);
  }
}

}  // namespace

TEST_F(ParGenLayoutTest, ServedModelShowsItsFivePanelsNumberedInOrder) {
  const auto shown = VisiblePanels();
  const std::vector<TCategoryPanel*> expected = {Form->CP_Select_Device, Form->CP_Ethernet_Connection, Form->CP_LoRaWAN,
                                                 Form->CP_Modbus_TCP_Slave, Form->CP_WiFi2};
  ASSERT_EQ(shown, expected);
  const char* captions[] = {"1. Select Device", "2. Ethernet Connection", "3. LoRaWAN", "4. Modbus TCP Slave",
                            "5. Wi-Fi"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(shown[size_t(i)]->Caption(), captions[i]);
    EXPECT_EQ(shown[size_t(i)]->TabOrder, i);
  }
}

TEST_F(ParGenLayoutTest, NewProjectHeightsAndRows) {
  EXPECT_EQ(Form->CP_Select_Device->Height(), 67);
  EXPECT_EQ(Form->CP_Ethernet_Connection->Height(), 206);
  EXPECT_EQ(Form->CP_LoRaWAN->Height(), 151);
  EXPECT_EQ(Form->CP_Modbus_TCP_Slave->Height(), 150);
  EXPECT_TRUE(Form->CP_WiFi2->Collapsed());
  EXPECT_FALSE(Form->CP_WiFi2->Enabled());
  EXPECT_EQ(Form->CP_WiFi2->FullHeight(), 291);
  // The panels lie one below the other without gaps.
  const auto shown = VisiblePanels();
  for (size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i]->Top(), shown[i - 1]->Top() + shown[i - 1]->Height());

  ExpectRow(Form->L_Select_Device_Device, Form->CB_Select_Device_Device, 12);
  ExpectRow(Form->L_EthConn_Device_Name, Form->E_EthConn_Device_Name, 12);
  EXPECT_EQ(Form->CB_EthConn_En_DHCP_Cable->Top(), 40);
  EXPECT_EQ(Form->CB_EthConn_Enable_DNS->Top(), 96);
  ExpectOctets({Form->E_EthConn_Sec_DNS_IP1, Form->E_EthConn_Sec_DNS_IP2, Form->E_EthConn_Sec_DNS_IP3,
                Form->E_EthConn_Sec_DNS_IP4},
               149);
  EXPECT_FALSE(Form->CB_EthConn_En_DHCP_WiFi->Enabled()) << "only an Ethernet cable";

  EXPECT_FALSE(Form->CB_LoRaWAN_Mode->Visible());
  ExpectRow(Form->L_LoRaWAN_RF_Band, Form->CB_LoRaWAN_RF_Band, 12);
  ExpectRow(Form->L_LoRaWAN_Network_Type, Form->CB_LoRaWAN_Network_Type, 40);
  ExpectRow(Form->L_LoRaWAN_Diag_Pos, Form->E_LoRaWAN_Diag_Pos, 68);
  ExpectRow(Form->L_LoRaWAN_RX2_Datarate, Form->CB_LoRaWAN_RX2_Datarate, 96);
  for (const TControl* hidden : std::initializer_list<const TControl*>{
           Form->E_LoRaWAN_Server_Address, Form->E_LoRaWAN_Server_Port_Up, Form->E_LoRaWAN_Server_Port_Down,
           Form->E_LoRaWAN_KeepAlive_Interval, Form->CB_LoRaWAN_Adaptive_DataRate, Form->CB_LoRaWAN_DataRate,
           Form->E_LoRaWAN_Join_EUI, Form->E_LoRaWAN_Application_Key, Form->CB_LoRaWAN_Class,
           Form->CB_LoRaWAN_FreqSubBand})
    EXPECT_FALSE(hidden->Visible());

  ExpectOctets(
      {Form->E_ModbusTCPSlave_IP1, Form->E_ModbusTCPSlave_IP2, Form->E_ModbusTCPSlave_IP3, Form->E_ModbusTCPSlave_IP4},
      9);
  ExpectOctets({Form->E_ModbusTCPSlave_GAT1, Form->E_ModbusTCPSlave_GAT2, Form->E_ModbusTCPSlave_GAT3,
                Form->E_ModbusTCPSlave_GAT4},
               66);
  ExpectRow(Form->L_ModbusTCPSlave_Port, Form->E_ModbusTCPSlave_Port, 96);
}

TEST_F(ParGenLayoutTest, LoRaWANSubBandRowOnlyForUS915) {
  Pick(Form->CB_LoRaWAN_RF_Band, 1);
  ExpectRow(Form->L_LoRaWAN_FreqSubBand, Form->CB_LoRaWAN_FreqSubBand, 124);
  EXPECT_EQ(Form->CP_LoRaWAN->Height(), 179);
  Pick(Form->CB_LoRaWAN_RF_Band, 2);
  EXPECT_FALSE(Form->CB_LoRaWAN_FreqSubBand->Visible());
  EXPECT_EQ(Form->CP_LoRaWAN->Height(), 151);
}

TEST_F(ParGenLayoutTest, LoRaWANEndNodeRows) {
  Form->CB_LoRaWAN_Mode->SetItemIndex(1);
  Form->Move_GroupBoxs();
  EXPECT_EQ(Form->CB_LoRaWAN_Adaptive_DataRate->Top(), 68);
  ExpectRow(Form->L_LoRaWAN_Activation_Method, Form->CB_LoRaWAN_Activation_Method, 180);
  ExpectRow(Form->L_LoRaWAN_Application_Session_Key, Form->E_LoRaWAN_Application_Session_Key, 264);
  ExpectRow(Form->L_LoRaWAN_Class, Form->CB_LoRaWAN_Class, 292);
  EXPECT_EQ(Form->CP_LoRaWAN->Height(), 347);
  Pick(Form->CB_LoRaWAN_Activation_Method, 1);
  EXPECT_FALSE(Form->E_LoRaWAN_Device_Address->Visible());
  ExpectRow(Form->L_LoRaWAN_Application_Key, Form->E_LoRaWAN_Application_Key, 208);
  EXPECT_EQ(Form->CP_LoRaWAN->Height(), 291);
}

TEST_F(ParGenLayoutTest, WiFiRowsFollowTypeSecurityAndDhcp) {
  Pick(Form->CB_Select_Device_Device, 1);
  EXPECT_FALSE(Form->CP_WiFi2->Collapsed());
  EXPECT_TRUE(Form->CP_WiFi2->Enabled());
  struct TWiFiCase {
    int Type, Security;
    bool Dhcp;
    int Channel, Height;
  };
  const TWiFiCase cases[] = {
      {0, 0, false, 236, 291}, {0, 1, false, 264, 319}, {0, 0, true, 320, 375}, {0, 2, true, 348, 403}};
  for (const TWiFiCase& c : cases) {
    SCOPED_TRACE(c.Channel);
    Form->CB_WiFi2_En_DHCP->SetChecked(c.Dhcp);
    Pick(Form->CB_WiFi2_Secure_Type, c.Security);
    Pick(Form->CB_WiFi2_Type, c.Type);
    ExpectOctets({Form->E_WiFi2_IP1_IP1, Form->E_WiFi2_IP1_IP2, Form->E_WiFi2_IP1_IP3, Form->E_WiFi2_IP1_IP4}, 37);
    ExpectRow(Form->L_WiFi2_SSID, Form->E_WiFi2_SSID, 124);
    ExpectRow(Form->L_WiFi2_Channel, Form->CB_WiFi2_Channel, c.Channel);
    EXPECT_EQ(Form->E_WiFi2_Password->Visible(), c.Security > 0);
    EXPECT_EQ(Form->E_WiFi2_Lease_Time->Visible(), c.Dhcp);
    EXPECT_FALSE(Form->E_WiFi2_IP2_IP1->Visible());
    EXPECT_EQ(Form->CP_WiFi2->Height(), c.Height);
  }
  Pick(Form->CB_WiFi2_Type, 1);
  EXPECT_FALSE(Form->L_WiFi2_IP1->Visible()) << "one protocol side";
  ExpectRow(Form->L_WiFi2_Password, Form->E_WiFi2_Password, 152);
  EXPECT_FALSE(Form->CB_WiFi2_Channel->Visible());
  EXPECT_EQ(Form->CP_WiFi2->Height(), 206);
  Form->CB_EthConn_En_DHCP_WiFi->SetChecked(true);
  EXPECT_FALSE(Form->E_WiFi2_IP1_GAT4->Enabled());
  EXPECT_FALSE(Form->CB_WiFi2_IP1_En_GAT->Enabled());
  Pick(Form->CB_WiFi2_Type, 0);
  EXPECT_TRUE(Form->E_WiFi2_IP1_GAT4->Enabled()) << "an access point's address is its own";
}

TEST_F(ParGenLayoutTest, DhcpForTheCableGreysTheSlaveAddressButNotItsPort) {
  Form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
  EXPECT_FALSE(Form->E_ModbusTCPSlave_IP1->Enabled());
  EXPECT_FALSE(Form->CB_ModbusTCPSlave_En_GAT->Enabled());
  EXPECT_FALSE(Form->E_ModbusTCPSlave_GAT4->Enabled());
  EXPECT_TRUE(Form->E_ModbusTCPSlave_Port->Enabled());
  // Greyed as the user sees it: no black ink in the address or the gateway box.
  QApplication::processEvents();
  for (TControl* c :
       {static_cast<TControl*>(Form->E_ModbusTCPSlave_IP1), static_cast<TControl*>(Form->CB_ModbusTCPSlave_En_GAT)})
    EXPECT_EQ(InkPixels(c), 0) << c->Name.toStdString();
  EXPECT_GT(InkPixels(Form->E_ModbusTCPSlave_Port), 0);
  Form->CB_EthConn_En_DHCP_Cable->SetChecked(false);
  EXPECT_TRUE(Form->E_ModbusTCPSlave_SM3->Enabled());
  EXPECT_GT(InkPixels(Form->E_ModbusTCPSlave_IP1), 0);
}

TEST_F(ParGenLayoutTest, AnExpandedWiFiPanelIsExpandedAgainByTheNextRelayout) {
  Pick(Form->CB_Select_Device_Device, 1);
  Form->CP_WiFi2->SetCollapsed(true);
  Form->CP_LoRaWAN->SetCollapsed(true);
  Pick(Form->CB_LoRaWAN_RF_Band, 3);
  EXPECT_FALSE(Form->CP_WiFi2->Collapsed());
  EXPECT_TRUE(Form->CP_LoRaWAN->Collapsed());
  Pick(Form->CB_Select_Device_Device, 0);
  EXPECT_TRUE(Form->CP_WiFi2->Collapsed());
}

// Other models of the family, laid out on the same form.
TEST_F(ParGenLayoutTest, BACnetModelOrderAndRules) {
  for (int i = 0; i < Form->CPG->PanelCount(); ++i) Form->CPG->Panels(i)->Hide();
  Form->Order_TAB_Panels_Z9KAF();
  Form->RePosition_Objects_Z9KAF();
  const auto shown = VisiblePanels();
  const std::vector<TCategoryPanel*> expected = {Form->CP_Select_Device, Form->CP_Ethernet_Connection,
                                                 Form->CP_LoRaWAN,       Form->CP_BACnet_Master,
                                                 Form->CP_Ethernet,      Form->CP_WiFi2};
  ASSERT_EQ(shown, expected);
  EXPECT_EQ(Form->CP_BACnet_Master->Caption(), "4. BACnet Master");
  EXPECT_EQ(Form->CP_BACnet_Master->Height(), 262);
  EXPECT_TRUE(Form->CP_Ethernet->Collapsed()) << "BACnet/IP";
  EXPECT_FALSE(Form->CP_Ethernet->Enabled());
  EXPECT_EQ(Form->CP_Ethernet->FullHeight(), 123);
  EXPECT_FALSE(Form->Other_Control("E_Ethernet_TCP_Port")->Visible());

  Pick(Form->CB_BACnet_Master_Type, 1);
  Form->RePosition_Objects_Z9KAF();
  EXPECT_FALSE(Form->CP_Ethernet->Collapsed()) << "BACnet MS/TP";
  EXPECT_FALSE(Form->Other_Control("E_BACnet_IP_Master_IP1")->Visible());
  EXPECT_EQ(Form->Other_Control("L_BACnet_MSTP_Master_Baudrate")->Top(), 40);
  EXPECT_EQ(Form->Other_Control("CB_BACnet_MSTP_Master_Baudrate")->Top(), 37);
  EXPECT_EQ(Form->Other_Control("E_BACnet_MSTP_Master_Device_Instance")->Top(), 205);
  EXPECT_EQ(Form->CP_BACnet_Master->Height(), 262);
}

TEST_F(ParGenLayoutTest, OtherPanelHeightsFromTheirLastRows) {
  struct TPanelCase {
    void (TFParGen::*Layout)();
    TCategoryPanel* TFParGen::*Panel;
    int Height;
  };
  const TPanelCase cases[] = {
      {&TFParGen::RePosition_Object_Modbus_Master, &TFParGen::CP_Modbus_Master, 206},
      {&TFParGen::RePosition_Object_Modbus_Slave, &TFParGen::CP_Modbus_Slave, 205},
      {&TFParGen::RePosition_Object_CAN, &TFParGen::CP_CAN, 67},
      {&TFParGen::RePosition_Object_NMEA2000, &TFParGen::CP_NMEA2000, 121},
      {&TFParGen::RePosition_Object_PROFINET, &TFParGen::CP_PROFINET, 234},
      {&TFParGen::RePosition_Object_BACnet_Slave, &TFParGen::CP_BACnet_Slave, 261},
      {&TFParGen::RePosition_Object_TLS, &TFParGen::CP_TLS, 65},
      {&TFParGen::RePosition_Object_TLS_Server, &TFParGen::CP_TLS_Server, 65},
      {&TFParGen::RePosition_Object_MQTT, &TFParGen::CP_MQTT, 292},
      {&TFParGen::RePosition_Object_SNMP_Agent, &TFParGen::CP_SNMP_Agent, 232},
      {&TFParGen::RePosition_Object_S7comm, &TFParGen::CP_S7_Protocol, 123},
      {&TFParGen::RePosition_Object_KNX, &TFParGen::CP_KNX, 94},
  };
  for (const TPanelCase& c : cases) {
    (Form.get()->*c.Layout)();
    EXPECT_EQ((Form.get()->*c.Panel)->Height(), c.Height);
  }
}

TEST_F(ParGenLayoutTest, OtherPanelRowsMoveWithTheirBoxes) {
  // TLS with both authentications: the client rows start 56 below the server certificate edit.
  Form->CB_TLS_Enable->SetChecked(true);
  Form->CB_TLS_En_Server_Auth->SetChecked(true);
  Form->CB_TLS_En_Client_Auth->SetChecked(true);
  Form->RePosition_Object_TLS();
  EXPECT_EQ(Form->Other_Control("L_TLS_Client_Cert")->Top(), 63 + 56);
  EXPECT_EQ(Form->CP_TLS->Height(), 229);
  // MQTT with the will and the connection message.
  Form->CB_MQTT_WillFlag->SetChecked(true);
  Form->CB_MQTT_PublishTopicConnection->SetChecked(true);
  Form->RePosition_Object_MQTT();
  EXPECT_EQ(Form->CB_MQTT_PublishTopicConnection->Top(), 292);
  EXPECT_EQ(Form->CP_MQTT->Height(), 488);
  // SNMP agent version 3 with authority and privacy.
  Form->CB_SNMP_Agent_Version3->SetChecked(true);
  Form->CB_SNMP_Agent_SecurityLevel->SetItemIndex(2);
  Form->RePosition_Object_SNMP_Agent();
  EXPECT_EQ(Form->CP_SNMP_Agent->Height(), 403);
  // BACnet slave MS/TP: the description box after the network row.
  Form->CB_BACnet_Slave_Type->SetItemIndex(1);
  Form->RePosition_Object_BACnet_Slave();
  EXPECT_EQ(Form->Other_Control("CB_BACnet_Slave_Desc_32_Chars")->Top(), 264);
  EXPECT_EQ(Form->CP_BACnet_Slave->Height(), 317);
  // DHCP for the cable greys the octets, and the gateway box only where the panel says so.
  Form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
  Form->RePosition_Object_Ethernet();
  Form->RePosition_Object_S7comm();
  EXPECT_FALSE(Form->Other_Control("E_Ethernet_IP1")->Enabled());
  EXPECT_FALSE(Form->Other_Control("CB_Ethernet_En_GAT")->Enabled());
  EXPECT_FALSE(Form->Other_Control("E_S7_Protocol_GAT4")->Enabled());
  EXPECT_TRUE(Form->Other_Control("CB_S7_Protocol_En_GAT")->Enabled());
}
