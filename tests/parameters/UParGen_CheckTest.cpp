#include "ParGenFixture.h"

#include "common/button/LbButton.h"
#include "platform/StdCtrls.h"

#include <QFile>
#include <QTest>

#include <functional>

namespace {

class ParGenCheckTest : public ParGenFixture {
protected:
  void SetUp() override {
    ParGenFixture::SetUp();
    ShowForm();  // no file yet: every default, which passes the chain
  }
  // OK as the user presses it; the shown messages.
  QStringList PressOK() {
    Dialogs->ClearRecords();
    Form->Btn_OK->Click();
    QStringList shown;
    for (const TDialogRequest& r : Dialogs->Records()) {
      EXPECT_EQ(r.Type, mtError);
      EXPECT_EQ(r.Buttons, (TMsgDlgButtons{mbOK}));
      shown << r.Text;
    }
    return shown;
  }
};

using TChange = std::function<void(TFParGen&)>;

struct TCheckCase {
  const char* What;
  TChange Change;
  // The message shown, or null when the form saves.
  const char* Message;
};

void Octets(std::initializer_list<TEdit*> edits, std::initializer_list<const char*> texts) {
  auto t = texts.begin();
  for (TEdit* e : edits) e->SetText(*t++);
}

// The LoRaWAN rows that an end-node layout shows, shown here on their own.
void ShowNodeRows(TFParGen& f) {
  for (TControl* c : std::initializer_list<TControl*>{
           f.E_LoRaWAN_Server_Port_Up, f.E_LoRaWAN_Server_Port_Down, f.E_LoRaWAN_KeepAlive_Interval,
           f.CB_LoRaWAN_DataRate, f.CB_LoRaWAN_Transmission_Type, f.E_LoRaWAN_Join_EUI, f.CB_LoRaWAN_Activation_Method,
           f.E_LoRaWAN_Device_Address, f.E_LoRaWAN_Network_Session_Key, f.E_LoRaWAN_Application_Session_Key,
           f.E_LoRaWAN_Application_Key})
    c->Show();
  f.E_LoRaWAN_Server_Port_Up->SetText("1700");
  f.E_LoRaWAN_Server_Port_Down->SetText("1700");
  f.E_LoRaWAN_KeepAlive_Interval->SetText("10");
  f.E_LoRaWAN_Join_EUI->SetText("0011223344556677");
  f.E_LoRaWAN_Device_Address->SetText("26011BDA");
  f.E_LoRaWAN_Network_Session_Key->SetText(QString(32, 'A'));
  f.E_LoRaWAN_Application_Session_Key->SetText(QString(32, 'B'));
  f.E_LoRaWAN_Application_Key->SetText(QString(32, 'C'));
}

TChange Station = [](TFParGen& f) { f.CB_WiFi2_Type->SetItemIndex(1); };

// The server address row, shown as the layouts with a network server show it.
void ServerAddress(TFParGen& f, const char* text) {
  f.E_LoRaWAN_Server_Address->Show();
  f.E_LoRaWAN_Server_Address->SetText(QString::fromUtf8(text));
}

}  // namespace

// One failing value per rule, in the chain's order, and the values that pass.
TEST_F(ParGenCheckTest, EachRuleStopsTheSaveWithItsMessage) {
  const TCheckCase cases[] = {
      {"defaults", [](TFParGen&) {}, nullptr},
      {"DNS off: bad octets are not looked at",
       [](TFParGen& f) {
         Octets({f.E_EthConn_Pri_DNS_IP1, f.E_EthConn_Sec_DNS_IP4}, {"300", ""});
       },
       nullptr},
      {"primary DNS octet 3",
       [](TFParGen& f) {
         f.CB_EthConn_Enable_DNS->SetChecked(true);
         f.E_EthConn_Pri_DNS_IP3->SetText("300");
       },
       "Error Primary DNS!! DNS 3 must be between 0 and 255"},
      {"secondary DNS octet 1 empty",
       [](TFParGen& f) {
         f.CB_EthConn_Enable_DNS->SetChecked(true);
         f.E_EthConn_Sec_DNS_IP1->SetText("");
       },
       "Error Secondary DNS!! DNS 1 must be between 0 and 255"},
      {"no RF band, before any later failure",
       [](TFParGen& f) {
         f.CB_LoRaWAN_RF_Band->SetItemIndex(-1);
         f.E_ModbusTCPSlave_Port->SetText("10000");
       },
       "Error LoRaWAN!! RF Band cannot be empty"},
      {"device name beyond one byte per character",
       [](TFParGen& f) { f.E_EthConn_Device_Name->SetText(QString::fromUtf8("gate\u0100way")); },
       "Error!! Device Name (Hostname) holds a character the device cannot store"},
      {"Wi-Fi password beyond one byte per character, Latin-1 SSID kept",
       [](TFParGen& f) {
         f.E_WiFi2_SSID->SetText(QString::fromUtf8("caf\u00e9"));
         f.E_WiFi2_Password->SetText(QString::fromUtf8("\u0a0a"));
       },
       "Error!! Password holds a character the device cannot store"},
      {"hidden server address is not checked", [](TFParGen& f) { f.E_LoRaWAN_Server_Address->SetText("a b"); },
       nullptr},
      {"server address as an IP address", [](TFParGen& f) { ServerAddress(f, "10.0.0.5"); }, nullptr},
      {"server address as a host name", [](TFParGen& f) { ServerAddress(f, "lns-1.plant.example"); }, nullptr},
      {"server address with a quote", [](TFParGen& f) { ServerAddress(f, "a\",\"b.example"); },
       "Error LoRaWAN!! Server Address must be a host name or an IP address"},
      {"server address with a backslash", [](TFParGen& f) { ServerAddress(f, "a\\b"); },
       "Error LoRaWAN!! Server Address must be a host name or an IP address"},
      {"server address empty", [](TFParGen& f) { ServerAddress(f, ""); },
       "Error LoRaWAN!! Server Address must be a host name or an IP address"},
      {"server address with an empty label", [](TFParGen& f) { ServerAddress(f, "a..b"); },
       "Error LoRaWAN!! Server Address must be a host name or an IP address"},
      {"server address not a dotted address", [](TFParGen& f) { ServerAddress(f, "10.0.0.256"); },
       "Error LoRaWAN!! Server Address must be a host name or an IP address"},
      {"hidden server port is not checked", [](TFParGen& f) { f.E_LoRaWAN_Server_Port_Up->SetText("x"); }, nullptr},
      {"node rows shown and valid", ShowNodeRows, nullptr},
      {"server port up", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Server_Port_Up->SetText("65536"); },
       "Error LoRaWAN!! Server Port Up must be between 0 and 65535"},
      {"server port down", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Server_Port_Down->SetText("-1"); },
       "Error LoRaWAN!! Server Port Down must be between 0 and 65535"},
      {"keep-alive", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_KeepAlive_Interval->SetText("10000001"); },
       "Error LoRaWAN!! KeepAlive Interval must be between 0 and 10000000"},
      {"network type", [](TFParGen& f) { f.CB_LoRaWAN_Network_Type->SetItemIndex(-1); },
       "Error LoRaWAN!! Network Type cannot be empty"},
      {"diagnostic position 1536 passes", [](TFParGen& f) { f.E_LoRaWAN_Diag_Pos->SetText("1536"); }, nullptr},
      {"diagnostic position 1537", [](TFParGen& f) { f.E_LoRaWAN_Diag_Pos->SetText("1537"); },
       "Error LoRaWAN!! Diagnostic Position must be between 0 and 1536"},
      {"data rate", [](TFParGen& f) { ShowNodeRows(f), f.CB_LoRaWAN_DataRate->SetItemIndex(-1); },
       "Error LoRaWAN!! DataRate cannot be empty"},
      {"transmission type", [](TFParGen& f) { ShowNodeRows(f), f.CB_LoRaWAN_Transmission_Type->SetItemIndex(-1); },
       "Error LoRaWAN!! Transmission Type cannot be empty"},
      {"join EUI of 16 with blanks passes",
       [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Join_EUI->SetText("00112233 4455667"); }, nullptr},
      {"join EUI short", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Join_EUI->SetText("001122334455667"); },
       "Error LoRaWAN!! Join EUI must have 8 bytes"},
      {"activation method", [](TFParGen& f) { ShowNodeRows(f), f.CB_LoRaWAN_Activation_Method->SetItemIndex(-1); },
       "Error LoRaWAN!! Activation Method cannot be empty"},
      {"device address", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Device_Address->SetText("26011BD"); },
       "Error LoRa!! Device Address must have 4 bytes"},
      {"network session key",
       [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Network_Session_Key->SetText(QString(31, 'A')); },
       "Error LoRa!! Network Session Key must have 16 bytes"},
      {"application session key",
       [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Application_Session_Key->SetText(QString(16, 'A')); },
       "Error LoRa!! Application Session Key must have 16 bytes"},
      {"application key", [](TFParGen& f) { ShowNodeRows(f), f.E_LoRaWAN_Application_Key->SetText(""); },
       "Error LoRa!! Application Key must have 16 bytes"},
      {"hexadecimal octets pass",
       [](TFParGen& f) {
         Octets({f.E_ModbusTCPSlave_IP1, f.E_ModbusTCPSlave_IP2}, {"$C0", "0xA8"});
       },
       nullptr},
      {"slave address: letters", [](TFParGen& f) { f.E_ModbusTCPSlave_IP1->SetText("abc"); },
       "Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255"},
      {"slave mask: 256", [](TFParGen& f) { f.E_ModbusTCPSlave_SM4->SetText("256"); },
       "Error Modbus TCP Slave!! SUBNET Mask 4 must be between 0 and 255"},
      {"gateway off: not looked at", [](TFParGen& f) { f.E_ModbusTCPSlave_GAT2->SetText("999"); }, nullptr},
      {"gateway on: hexadecimal too big",
       [](TFParGen& f) {
         f.CB_ModbusTCPSlave_En_GAT->SetChecked(true);
         f.E_ModbusTCPSlave_GAT2->SetText("0x100");
       },
       "Error Modbus TCP Slave!! GATEWAY IP 2 must be between 0 and 255"},
      {"port 10000", [](TFParGen& f) { f.E_ModbusTCPSlave_Port->SetText("10000"); },
       "Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000"},
      {"port 65536", [](TFParGen& f) { f.E_ModbusTCPSlave_Port->SetText("65536"); },
       "Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000"},
      {"port 65535 passes", [](TFParGen& f) { f.E_ModbusTCPSlave_Port->SetText("65535"); }, nullptr},
      {"port 0 passes", [](TFParGen& f) { f.E_ModbusTCPSlave_Port->SetText("0"); }, nullptr},
      {"access point address: non-Latin digit", [](TFParGen& f) { f.E_WiFi2_IP1_IP4->SetText(QString(QChar(0xFF19))); },
       "Error WiFi!! IP Address 4 must be between 0 and 255"},
      {"access point mask: huge number", [](TFParGen& f) { f.E_WiFi2_IP1_SM1->SetText("99999999999999999999"); },
       "Error WiFi!! SubNet Mask 1 must be between 0 and 255"},
      {"access point gateway: exponent",
       [](TFParGen& f) {
         f.CB_WiFi2_IP1_En_GAT->SetChecked(true);
         f.E_WiFi2_IP1_GAT1->SetText("1e3");
       },
       "Error WiFi!! Gateway 1 must be between 0 and 255"},
      {"DHCP first address: blank after the number",
       [](TFParGen& f) {
         f.CB_WiFi2_En_DHCP->SetChecked(true);
         f.E_WiFi2_DHCP_First_IP2->SetText("168 ");
       },
       "Error WiFi!! DHCP First IP Address 2 must be between 0 and 255"},
      {"DHCP mask",
       [](TFParGen& f) {
         f.CB_WiFi2_En_DHCP->SetChecked(true);
         f.E_WiFi2_DHCP_SM3->SetText("+");
       },
       "Error WiFi!! DHCP SUBNET Mask 3 must be between 0 and 255"},
      {"lease time 0",
       [](TFParGen& f) {
         f.CB_WiFi2_En_DHCP->SetChecked(true);
         f.E_WiFi2_Lease_Time->SetText("0");
       },
       "Error WiFi!! Lease Time must be between 1 and 99999999 seconds"},
      {"lease time 99999999 passes",
       [](TFParGen& f) {
         f.CB_WiFi2_En_DHCP->SetChecked(true);
         f.E_WiFi2_Lease_Time->SetText("99999999");
       },
       nullptr},
      {"station: lease time not looked at", [](TFParGen& f) { Station(f), f.E_WiFi2_Lease_Time->SetText("0"); },
       nullptr},
      {"station address", [](TFParGen& f) { Station(f), f.E_WiFi2_IP1_IP1->SetText("-5"); },
       "Error WiFi - IP Address 1 !! IP Address 1 must be between 0 and 255"},
      {"station mask", [](TFParGen& f) { Station(f), f.E_WiFi2_IP1_SM2->SetText("$FFFFFFFF"); },
       "Error WiFi - IP Address 1 !! SubNet Mask 2 must be between 0 and 255"},
      {"station gateway",
       [](TFParGen& f) {
         Station(f);
         f.CB_WiFi2_IP1_En_GAT->SetChecked(true);
         f.E_WiFi2_IP1_GAT4->SetText("256");
       },
       "Error WiFi - IP Address 1 !! Gateway 4 must be between 0 and 255"},
      {"no Wi-Fi type counts as station",
       [](TFParGen& f) {
         f.CB_WiFi2_Type->SetItemIndex(-1);
         f.E_WiFi2_IP1_IP1->SetText("");
       },
       "Error WiFi - IP Address 1 !! IP Address 1 must be between 0 and 255"},
      {"station, address disabled by DHCP for Wi-Fi",
       [](TFParGen& f) {
         Station(f);
         f.E_WiFi2_IP1_IP1->SetEnabled(false);
         f.E_WiFi2_IP1_IP1->SetText("x");
       },
       nullptr},
      {"station, second address shown",
       [](TFParGen& f) {
         Station(f);
         f.E_WiFi2_IP2_IP1->Show();
         f.E_WiFi2_IP2_IP2->SetText("999");
       },
       "Error WiFi - IP Address 2 !! IP Address 2 must be between 0 and 255"},
      {"station, second mask",
       [](TFParGen& f) {
         Station(f);
         f.E_WiFi2_IP2_IP1->Show();
         f.E_WiFi2_IP2_SM1->SetText("");
       },
       "Error WiFi - IP Address 2 !! SubNet Mask 1 must be between 0 and 255"},
      {"station, second gateway",
       [](TFParGen& f) {
         Station(f);
         f.E_WiFi2_IP2_IP1->Show();
         f.CB_WiFi2_IP2_En_GAT->SetChecked(true);
         f.E_WiFi2_IP2_GAT3->SetText("300");
       },
       "Error WiFi - IP Address 2 !! Gateway 3 must be between 0 and 255"},
      {"Wi-Fi checked whatever the device type",
       [](TFParGen& f) {
         f.CB_Select_Device_Device->SetItemIndex(0);
         f.E_WiFi2_IP1_IP1->SetText("300");
       },
       "Error WiFi!! IP Address 1 must be between 0 and 255"},
  };
  for (const TCheckCase& c : cases) {
    SCOPED_TRACE(c.What);
    QFile::remove(ParGenFile);
    Form->FormShow(nullptr);  // back to the defaults from the missing file
    Form->SetModalResult(mrNone);
    c.Change(*Form);
    const QStringList shown = PressOK();
    if (c.Message) {
      EXPECT_EQ(shown, QStringList{QString::fromUtf8(c.Message)});
      EXPECT_FALSE(QFile::exists(ParGenFile)) << "nothing is saved";
      EXPECT_EQ(Form->ModalResult(), mrNone) << "the form stays open";
    } else {
      EXPECT_TRUE(shown.isEmpty()) << shown.join(" | ").toStdString();
      EXPECT_TRUE(QFile::exists(ParGenFile));
      EXPECT_EQ(Form->ModalResult(), mrOk);
    }
  }
}

TEST_F(ParGenCheckTest, EnterOnARefusalShowsItOnce) {
  Form->E_ModbusTCPSlave_Port->SetText("10000");
  Dialogs->ClearRecords();
  Form->Btn_OK->SetFocus();
  QTest::keyClick(Form->Btn_OK->Widget(), Qt::Key_Return);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  // The release of the Enter that closed the message reaches OK again.
  QTest::keyRelease(Form->Btn_OK->Widget(), Qt::Key_Return);
  EXPECT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Form->ModalResult(), mrNone);
}

TEST_F(ParGenCheckTest, MessagesComeInTheChosenLanguage) {
  LanguageTexts->SetStrings(1091, "Porta non valida");
  Form->E_ModbusTCPSlave_Port->SetText("10000");
  EXPECT_EQ(PressOK(), QStringList{"Porta non valida"});
  // A translated text whose placeholder does not fit still shows, without a fault.
  LanguageTexts->SetStrings(1408, "Posizione %s %d %d");
  Form->E_ModbusTCPSlave_Port->SetText("502");
  Form->E_LoRaWAN_Diag_Pos->SetText("2000");
  const QStringList shown = PressOK();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Posizione"));
}

TEST_F(ParGenCheckTest, StationWithDhcpForWiFiSkipsTheDisabledAddress) {
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->CB_WiFi2_Type->SetItemIndex(1);
  Form->CB_EthConn_En_DHCP_WiFi->SetChecked(true);  // the click relays the form out
  EXPECT_FALSE(Form->E_WiFi2_IP1_IP1->Enabled());
  Form->E_WiFi2_IP1_IP1->SetText("not an octet");
  EXPECT_TRUE(PressOK().isEmpty());
}
