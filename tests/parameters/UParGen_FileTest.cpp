#include "ParGenFixture.h"

#include "parameters/UParGen_File.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"

#include <random>
#include <utility>
#include <vector>

namespace {
using TNamedValues = std::vector<std::pair<QString, QString>>;

// What a new project's ParGen.xml holds, element by element.
const TNamedValues NewProjectFile = {
    {"Select_Device", "0"},
    {"Eth_Conn_Device_Name", ""},
    {"Eth_Conn_DHCP_Cable", "0"},
    {"Eth_Conn_DHCP_WiFi", "0"},
    {"Eth_Conn_Enable_DNS", "0"},
    {"Eth_Conn_Primary_DNS1", "8"},
    {"Eth_Conn_Primary_DNS2", "8"},
    {"Eth_Conn_Primary_DNS3", "8"},
    {"Eth_Conn_Primary_DNS4", "8"},
    {"Eth_Conn_Secondary_DNS1", "8"},
    {"Eth_Conn_Secondary_DNS2", "8"},
    {"Eth_Conn_Secondary_DNS3", "8"},
    {"Eth_Conn_Secondary_DNS4", "8"},
    {"LoRaWAN_Mode", "Gateway"},
    {"LoRaWAN_RF_Band", "EU868"},
    {"LoRaWAN_Server_Address", DefaultLoRaWANServerAddress},
    {"LoRaWAN_Server_Port_Up", "1780"},
    {"LoRaWAN_Server_Port_Down", "1780"},
    {"LoRaWAN_KeepAlive_Interval", "10"},
    {"LoRaWAN_Network_Type", "Private"},
    {"LoRaWAN_Adaptive_DataRate", "0"},
    {"LoRaWAN_DataRate", "0 -\tLoRa: SF12/125kHz 250 [bit/s]"},
    {"LoRaWAN_Transmission_Type", "Unconfirmed"},
    {"LoRaWAN_Join_EUI", ""},
    {"LoRaWAN_Activation_Method", "Activation by Personalization [ABP]"},
    {"LoRaWAN_Device_Address", ""},
    {"LoRaWAN_Network_Session_Key", ""},
    {"LoRaWAN_Application_Session_Key", ""},
    {"LoRaWAN_Application_Key", ""},
    {"LoRaWAN_Class", "A"},
    {"LoRaWAN_Diagostic_Position", "0"},
    {"LoRaWAN_RX2_Datarate", "SF12BW125"},
    {"LoRaWAN_Frequency_Sub_Band", "1"},
    {"Modbus_TCP_Slave_IP1", "192"},
    {"Modbus_TCP_Slave_IP2", "168"},
    {"Modbus_TCP_Slave_IP3", "0"},
    {"Modbus_TCP_Slave_IP4", "5"},
    {"Modbus_TCP_Slave_SM1", "255"},
    {"Modbus_TCP_Slave_SM2", "255"},
    {"Modbus_TCP_Slave_SM3", "255"},
    {"Modbus_TCP_Slave_SM4", "0"},
    {"Modbus_TCP_Slave_GAT1", "192"},
    {"Modbus_TCP_Slave_GAT2", "168"},
    {"Modbus_TCP_Slave_GAT3", "0"},
    {"Modbus_TCP_Slave_GAT4", "1"},
    {"Modbus_TCP_Slave_EN_GAT", "0"},
    {"Modbus_TCP_Slave_Port", "502"},
    {"WiFi_Type", "0"},
    {"WiFi_IP1", "192"},
    {"WiFi_IP2", "168"},
    {"WiFi_IP3", "0"},
    {"WiFi_IP4", "100"},
    {"WiFi_SM1", "255"},
    {"WiFi_SM2", "255"},
    {"WiFi_SM3", "255"},
    {"WiFi_SM4", "0"},
    {"WiFi_EN_Gateway", "0"},
    {"WiFi_GAT1", "192"},
    {"WiFi_GAT2", "168"},
    {"WiFi_GAT3", "0"},
    {"WiFi_GAT4", "1"},
    {"WiFi_IP2_IP1", "192"},
    {"WiFi_IP2_IP2", "168"},
    {"WiFi_IP2_IP3", "0"},
    {"WiFi_IP2_IP4", "110"},
    {"WiFi_IP2_SM1", "255"},
    {"WiFi_IP2_SM2", "255"},
    {"WiFi_IP2_SM3", "255"},
    {"WiFi_IP2_SM4", "0"},
    {"WiFi_IP2_EN_Gateway", "0"},
    {"WiFi_IP2_GAT1", "192"},
    {"WiFi_IP2_GAT2", "168"},
    {"WiFi_IP2_GAT3", "0"},
    {"WiFi_IP2_GAT4", "1"},
    {"WiFi_SSID", ""},
    {"WiFi_PWD", ""},
    {"WiFi_Secure_Type", "0"},
    {"WiFi_EN_DHCP", "0"},
    {"WiFi_DHCP_First_IP1", "192"},
    {"WiFi_DHCP_First_IP2", "168"},
    {"WiFi_DHCP_First_IP3", "0"},
    {"WiFi_DHCP_First_IP4", "200"},
    {"WiFi_DHCP_SM1", "255"},
    {"WiFi_DHCP_SM2", "255"},
    {"WiFi_DHCP_SM3", "255"},
    {"WiFi_DHCP_SM4", "0"},
    {"WiFi_Lease_Time", "86400"},
    {"WiFi_Max_Client", "0"},
    {"WiFi_Channel", "1"},
};

class ParGenFileTest : public ParGenFixture {
protected:
  // The file's elements in document order.
  TNamedValues WrittenValues() {
    TXmlDocument doc;
    EXPECT_TRUE(doc.LoadFromFile(ParGenFile));
    TNamedValues values;
    for (const TXmlNode& e : doc.Root().ChildElements()) values.emplace_back(e.NodeName(), e.Text());
    return values;
  }
  QString Written(const QString& name) {
    for (const auto& [n, v] : WrittenValues())
      if (n == name) return v;
    return "<missing>";
  }
  void ShowWith(const QByteArray& elements) {
    WriteFile("<Par_Gen>" + elements + "</Par_Gen>");
    ShowForm();
  }
  void PressOK() {
    Form->SetModalResult(mrNone);
    Form->Btn_OKClick(nullptr);
    ASSERT_EQ(Form->ModalResult(), mrOk);
  }
};
}  // namespace

TEST_F(ParGenFileTest, NewProjectWritesEveryDefaultInOrderWithTheVersionComment) {
  ShowForm();
  PressOK();
  EXPECT_EQ(WrittenValues(), NewProjectFile);
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(ParGenFile));
  EXPECT_EQ(doc.Root().NodeName(), "Par_Gen");
  EXPECT_EQ(doc.TopLevelComments(), std::vector<QString>{"SW_VERSION = 1.007"});
  const QByteArray bytes = FileBytes();
  EXPECT_TRUE(bytes.startsWith("<Par_Gen>")) << "no declaration before the root";
  EXPECT_GT(bytes.indexOf("<!--SW_VERSION = 1.007-->"), bytes.indexOf("</Par_Gen>")) << "the comment follows the root";
}

TEST_F(ParGenFileTest, WhatWasWrittenComesBackUnchanged) {
  ShowForm();
  Form->CB_Select_Device_Device->SetItemIndex(1);
  Form->E_EthConn_Device_Name->SetText("gateway-7");
  Form->CB_EthConn_Enable_DNS->SetChecked(true);
  Form->CB_LoRaWAN_RF_Band->SetItemIndex(1);
  Form->Change_LoRaWAN_DataRate();
  Form->CB_LoRaWAN_DataRate->SetItemIndex(5);
  Form->CB_LoRaWAN_RX2_Datarate->SetItemIndex(3);
  Form->CB_LoRaWAN_FreqSubBand->SetItemIndex(7);
  Form->CB_LoRaWAN_Activation_Method->SetItemIndex(1);
  Form->E_ModbusTCPSlave_IP4->SetText("$C0");
  Form->CB_WiFi2_Type->SetItemIndex(1);
  Form->CB_WiFi2_En_DHCP->SetChecked(true);
  Form->E_WiFi2_SSID->SetText("plant <floor> & \"north\"");
  Form->CB_WiFi2_Channel->SetItemIndex(11);
  PressOK();
  const TNamedValues first = WrittenValues();
  Form->Hide();
  ShowForm();
  EXPECT_EQ(Form->CB_LoRaWAN_DataRate->Text(), "8  -\tLoRa: SF12/500kHz 980 [bit/s]");
  EXPECT_EQ(Form->CB_LoRaWAN_Activation_Method->ItemIndex(), 1);
  EXPECT_EQ(Form->E_WiFi2_SSID->Text(), "plant <floor> & \"north\"");
  PressOK();
  EXPECT_EQ(WrittenValues(), first);
}

// Each row: the elements of the file, the element to look at after OK, the
// value written back for it, or the message that refuses OK.
struct OddValue {
  const char* Stored;
  const char* Element;
  const char* WrittenBack;
  int RefusedWith = 0;
};

TEST_F(ParGenFileTest, OddStoredValuesAreReadAsTheFormatSays) {
  const OddValue cases[] = {
      {"<WiFi_Type>7</WiFi_Type>", "WiFi_Type", "-1"},
      {"<WiFi_Type>$1</WiFi_Type>", "WiFi_Type", "1"},
      {"<WiFi_Channel>abc</WiFi_Channel>", "WiFi_Channel", "1"},
      {"<WiFi_Channel>0x0B</WiFi_Channel>", "WiFi_Channel", "11"},
      {"<Select_Device>two</Select_Device>", "Select_Device", "0"},
      {"<LoRaWAN_RF_Band>us915</LoRaWAN_RF_Band>", "LoRaWAN_RF_Band", "US915"},
      {"<LoRaWAN_RF_Band>EU433</LoRaWAN_RF_Band>", "LoRaWAN_RF_Band", "", 1396},
      {"<LoRaWAN_RF_Band>KR920</LoRaWAN_RF_Band>", "LoRaWAN_DataRate", ""},
      {"<LoRaWAN_RF_Band>KR920</LoRaWAN_RF_Band>", "LoRaWAN_RX2_Datarate", "SF12BW125"},
      {"<LoRaWAN_RF_Band>US915</LoRaWAN_RF_Band><LoRaWAN_RX2_Datarate>SF9BW500</LoRaWAN_RX2_Datarate>",
       "LoRaWAN_RX2_Datarate", "SF9BW500"},
      {"<LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band><LoRaWAN_RX2_Datarate>SF9BW500</LoRaWAN_RX2_Datarate>",
       "LoRaWAN_RX2_Datarate", ""},
      {"<LoRaWAN_DataRate>3 -\tLoRa: SF9/125kHz 1760 [bit/s]</LoRaWAN_DataRate>", "LoRaWAN_DataRate",
       "3 -\tLoRa: SF9/125kHz 1760 [bit/s]"},
      {"<LoRaWAN_Network_Type>PUBLIC</LoRaWAN_Network_Type>", "LoRaWAN_Network_Type", "Public"},
      {"<LoRaWAN_Network_Type>Both</LoRaWAN_Network_Type>", "LoRaWAN_Network_Type", "", 1397},
      {"<LoRaWAN_Mode>End Node</LoRaWAN_Mode>", "LoRaWAN_Mode", "Gateway"},
      {"<LoRaWAN_Activation_Method>Over-the-Air Activation [OTAA]</LoRaWAN_Activation_Method>",
       "LoRaWAN_Activation_Method", "Over-the-Air Activation [OTAA]"},
      {"<LoRaWAN_Activation_Method>over-the-air activation [otaa]</LoRaWAN_Activation_Method>",
       "LoRaWAN_Activation_Method", "Over-the-Air Activation [OTAA]"},
      {"<LoRaWAN_Activation_Method>OTA</LoRaWAN_Activation_Method>", "LoRaWAN_Activation_Method",
       "Activation by Personalization [ABP]"},
      {"<WiFi_EN_DHCP>word</WiFi_EN_DHCP>", "WiFi_EN_DHCP", "0"},
      {"<WiFi_EN_DHCP>01</WiFi_EN_DHCP>", "WiFi_EN_DHCP", "1"},
      {"<WiFi_EN_DHCP>2</WiFi_EN_DHCP>", "WiFi_EN_DHCP", "0"},
      {"<Eth_Conn_Enable_DNS>yes</Eth_Conn_Enable_DNS>", "Eth_Conn_Enable_DNS", "0"},
      {"<Eth_Conn_Enable_DNS>01</Eth_Conn_Enable_DNS>", "Eth_Conn_Enable_DNS", "0"},
      {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", "Eth_Conn_Enable_DNS", "1"},
      {"<Eth_Conn_Primary_DNS1></Eth_Conn_Primary_DNS1>", "Eth_Conn_Primary_DNS1", ""},
      {"<Eth_Conn_Primary_DNS1/>", "Eth_Conn_Primary_DNS1", ""},
      {"<Modbus_TCP_Slave_Port>502</Modbus_TCP_Slave_Port><Modbus_TCP_Slave_Port>9</Modbus_TCP_Slave_Port>",
       "Modbus_TCP_Slave_Port", "502"},
      {"<Modbus_TCP_Slave_Port>5<b>0</b>3</Modbus_TCP_Slave_Port>", "Modbus_TCP_Slave_Port", "503"},
      {"<modbus_tcp_slave_port>9</modbus_tcp_slave_port>", "Modbus_TCP_Slave_Port", "502"},
      {"<Eth_Conn_Device_Name>a-device-name-of-forty-characters-long!!</Eth_Conn_Device_Name>", "Eth_Conn_Device_Name",
       "a-device-name-of-forty-characte"},
      {"<Unknown>x</Unknown><WiFi_Lease_Time> 3600 </WiFi_Lease_Time>", "WiFi_Lease_Time", " 3600 "},
  };
  for (const OddValue& c : cases) {
    SCOPED_TRACE(c.Stored);
    ShowWith(c.Stored);
    if (c.RefusedWith) {
      Dialogs->ClearRecords();
      Form->SetModalResult(mrNone);
      Form->Btn_OKClick(nullptr);
      EXPECT_EQ(Form->ModalResult(), mrNone);
      ASSERT_EQ(Dialogs->Records().size(), 1u);
      EXPECT_EQ(Dialogs->Records()[0].Text, LangText(c.RefusedWith));
    } else {
      PressOK();
      EXPECT_EQ(Written(c.Element), c.WrittenBack);
      EXPECT_EQ(int(WrittenValues().size()), ParGenElementCount);
    }
    Form->Hide();
  }
}

TEST_F(ParGenFileTest, TheRootIsTheFirstElementWhateverItsName) {
  WriteFile(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by hand -->\n"
      "<Settings><Modbus_TCP_Slave_Port>1502</Modbus_TCP_Slave_Port></Settings>");
  ShowForm();
  EXPECT_EQ(Form->E_ModbusTCPSlave_Port->Text(), "1502");
}

TEST_F(ParGenFileTest, ADamagedFileGivesDefaultsForWhatCannotBeReadAndIsLeftAlone) {
  const QByteArray full =
      "<Par_Gen><Modbus_TCP_Slave_Port>1502</Modbus_TCP_Slave_Port>"
      "<WiFi_SSID>north</WiFi_SSID><WiFi_Lease_Time>3600</WiFi_Lease_Time></Par_Gen>";
  struct Damage {
    const char* What;
    QByteArray Bytes;
    const char* Port;
    const char* Ssid;
  };
  const Damage cases[] = {
      {"cut inside an element", full.left(full.indexOf("</WiFi_SSID>") - 2), "1502", ""},
      {"cut after an element", full.left(full.indexOf("<WiFi_Lease_Time>")), "1502", "north"},
      {"mismatched tags", "<Par_Gen><Modbus_TCP_Slave_Port>1502</Port></Par_Gen>", "502", ""},
      {"empty", "", "502", ""},
      {"no XML at all", QByteArray("\x00\xff\xfe binary", 10), "502", ""},
      {"only a declaration", "<?xml version=\"1.0\"?>", "502", ""},
  };
  for (const Damage& c : cases) {
    SCOPED_TRACE(c.What);
    WriteFile(c.Bytes);
    ShowForm();
    EXPECT_EQ(Form->E_ModbusTCPSlave_Port->Text(), c.Port);
    EXPECT_EQ(Form->E_WiFi2_SSID->Text(), c.Ssid);
    EXPECT_EQ(Form->E_WiFi2_Lease_Time->Text(), "86400");
    EXPECT_FALSE(Form->Is_Change);
    Form->Btn_CancelClick(nullptr);
    Form->Hide();
    EXPECT_EQ(FileBytes(), c.Bytes) << "the user's file stays as it was until OK";
  }
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(ParGenFileTest, AFileThatCannotBeWrittenKeepsTheFormOpen) {
  ParGenFile = Dir.path() + "/missing-folder/ParGen.xml";
  ShowForm();
  Form->Btn_OKClick(nullptr);
  EXPECT_EQ(Form->ModalResult(), mrNone);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains("missing-folder/ParGen.xml"));
  EXPECT_FALSE(QFile::exists(ParGenFile));
}

TEST_F(ParGenFileTest, OverlongTextsAreBoundedToTheirDeviceFields) {
  const QString longText(100, QChar('w'));
  ShowWith(("<Eth_Conn_Device_Name>" + longText + "</Eth_Conn_Device_Name><WiFi_SSID>" + longText +
            "</WiFi_SSID><WiFi_PWD>" + longText + "</WiFi_PWD>")
               .toUtf8());
  PressOK();
  EXPECT_EQ(Written("Eth_Conn_Device_Name").size(), 31);
  EXPECT_EQ(Written("WiFi_SSID").size(), 32);
  EXPECT_EQ(Written("WiFi_PWD").size(), 64);
}

namespace {

// A value within the rules of a text element: what its check accepts and the
// device can store.
QString RandomTextFor(const QString& name, std::mt19937& rng) {
  const auto number = [&rng](int low, int high) {
    return QString::number(std::uniform_int_distribution<int>(low, high)(rng));
  };
  const auto hex = [&rng](int digits) {
    QString s;
    for (int i = 0; i < digits; ++i) s += QString::number(rng() % 16, 16).toUpper();
    return s;
  };
  const auto latin1 = [&rng](int maxLength) {
    // Blanks, XML's own markup characters and the upper half of the code page.
    static const QString alphabet = QString::fromUtf8(" aZ09<>&\"'-_.\u00a0\u00e9\u00ff\t");
    QString s;
    const int n = int(rng() % unsigned(maxLength + 1));
    for (int i = 0; i < n; ++i) s += alphabet[int(rng() % unsigned(alphabet.size()))];
    return s;
  };
  if (name.contains("_Port")) {
    QString port;
    do port = number(0, 65535);
    while (name.startsWith("Modbus") && port == "10000");
    return port;
  }
  if (name == "LoRaWAN_KeepAlive_Interval") return number(0, 10000000);
  if (name == "LoRaWAN_Diagostic_Position") return number(0, 1536);
  if (name == "WiFi_Lease_Time") return number(1, 99999999);
  if (name == "LoRaWAN_Join_EUI") return hex(16);
  if (name == "LoRaWAN_Device_Address") return hex(8);
  if (name.endsWith("_Key")) return hex(32);
  if (name == "LoRaWAN_Server_Address")
    return rng() % 2 ? number(1, 223) + ".0." + number(0, 255) + "." + number(1, 254)
                     : "lns" + number(0, 99) + ".plant-" + hex(2).toLower() + ".example";
  if (name == "Eth_Conn_Device_Name" || name == "WiFi_SSID" || name == "WiFi_PWD") return latin1(12);
  return number(0, 255);  // the octets of the addresses, masks and gateways
}

}  // namespace

// Random values within each field's rules go through OK, a new show and OK
// again unchanged; the texts are written as they were typed.
TEST_F(ParGenFileTest, RandomValuesWithinTheRulesComeBackAsWritten) {
  ShowForm();
  std::mt19937 rng(20261210);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    const auto controls = ParGenElementControls(*Form);
    std::vector<std::pair<QString, QString>> typed;
    for (size_t i = 0; i < ParGenElements.size(); ++i) {
      const TParGenElement& e = ParGenElements[i];
      switch (e.Kind) {
        case TParGenKind::Text: {
          const QString text = RandomTextFor(QString::fromLatin1(e.Name), rng);
          static_cast<TEdit*>(controls[i])->SetText(text);
          typed.emplace_back(QString::fromLatin1(e.Name), text);
          break;
        }
        case TParGenKind::Box:
        case TParGenKind::BoxByNumber: static_cast<TCheckBox*>(controls[i])->SetChecked(rng() % 2 == 1); break;
        case TParGenKind::Index:
        case TParGenKind::Item: {
          auto* combo = static_cast<TComboBox*>(controls[i]);
          if (combo->Items().Count() == 0) break;  // a list the chosen band leaves empty
          combo->SetItemIndex(int(rng() % unsigned(combo->Items().Count())));
          if (combo == Form->CB_LoRaWAN_RF_Band) Form->Change_LoRaWAN_DataRate();
          break;
        }
        case TParGenKind::Fixed: break;
      }
    }
    PressOK();
    const TNamedValues first = WrittenValues();
    for (const auto& [name, text] : typed) EXPECT_EQ(Written(name), text) << name.toStdString();
    Form->Hide();
    ShowForm();
    PressOK();
    EXPECT_EQ(WrittenValues(), first);
    Form->Hide();
    ShowForm();
  }
}
