#include "ParGenFixture.h"

#include "common/button/LbButton.h"
#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"

#include <QFile>

namespace {

class ParGenTextsTest : public ParGenFixture {
protected:
  // A language file with these lines, applied as a language change does.
  void ChangeLanguage(const QByteArray& lines) {
    const QString path = Dir.path() + "/Test.lng";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines);
    f.close();
    ASSERT_TRUE(LoadLanguageFile(path));
    Form->Set_Lang();
  }
};

}  // namespace

TEST_F(ParGenTextsTest, DefaultTextsOfLiveAndOtherPanels) {
  EXPECT_EQ(Form->Caption(), "Set Communication");
  EXPECT_EQ(Form->Btn_OK->Hint(), "Confirm and Save the current configuration");
  EXPECT_EQ(Form->E_EthConn_Pri_DNS_IP3->Hint(), "Insert Third byte of Primary DNS");
  EXPECT_EQ(Form->CB_WiFi2_Type->Hint(), " ");
  EXPECT_EQ(Form->E_WiFi2_IP2_GAT4->Hint(), "Insert Fourth byte of Default Gateway (IP2)");
  EXPECT_EQ(Form->CB_LoRaWAN_FreqSubBand->Hint(), "Select the Frequency Sub-Band og LoRaWAN");
  EXPECT_EQ(Form->L_LoRaWAN_Diag_Pos->Caption(), "Diagnostic Position");
  EXPECT_EQ(Form->CB_WiFi2_Channel->Items().Count(), 12);
  EXPECT_EQ(Form->CB_WiFi2_Channel->Items()[0], "Auto Search");
  // The other panels take their ids row by row: caption, box hint, input hints.
  EXPECT_EQ(Form->Other_Control("L_Ethernet_IP")->Caption(), LangText(426));
  EXPECT_EQ(Form->Other_Control("E_Ethernet_IP1")->Hint(), LangText(427));
  EXPECT_EQ(Form->Other_Control("CB_Ethernet_En_GAT")->Hint(), LangText(437));
  EXPECT_EQ(Form->Other_Control("E_Ethernet_UDP_Port")->Hint(), LangText(445));
  EXPECT_EQ(Form->Other_Control("L_IEC61850_Server_Port")->Caption(), LangText(661)) << "port before the address";
  EXPECT_EQ(Form->Other_Control("E_IEC61850_Server_GAT4")->Hint(), LangText(680));
  EXPECT_EQ(Form->Other_Control("E_PROFIBUS_NByte_Out")->Hint(), LangText(1363));
  EXPECT_EQ(Form->Other_Control("E_SNMP_Manager_NameStation")->Hint(), LangText(920));
}

TEST_F(ParGenTextsTest, ALanguageFileChangesTheTextsItReplacesAndNothingElse) {
  Form->CB_WiFi2_Secure_Type->SetItemIndex(2);
  ChangeLanguage(
      "STR1339 =Indirizzo Server\r\n"
      "STR1337 =LoRaWAN (it)\r\n"
      "STR736 =Punto di Accesso\r\n"
      "STR404 =Conferma\r\n"
      "STR427 =Primo byte\r\n");
  EXPECT_EQ(Form->L_LoRaWAN_Server_Address->Caption(), "Indirizzo Server");
  EXPECT_EQ(Form->Btn_OK->Hint(), "Conferma");
  EXPECT_EQ(Form->CB_WiFi2_Type->Items()[0], "Punto di Accesso");
  EXPECT_EQ(Form->Other_Control("E_Ethernet_IP1")->Hint(), "Primo byte");
  // Untouched texts keep their defaults.
  EXPECT_EQ(Form->L_LoRaWAN_RF_Band->Caption(), "RF Band");
  EXPECT_EQ(Form->Btn_OK->Caption(), "OK");
  EXPECT_EQ(Form->CB_WiFi2_Type->Items()[1], "Station");
  EXPECT_EQ(Form->Other_Control("E_Ethernet_IP2")->Hint(), "Insert Second byte of IP Address");
  // The panel captions were numbered at creation and keep their language.
  EXPECT_EQ(Form->CP_LoRaWAN->Caption(), "3. LoRaWAN");
  // The refilled Wi-Fi lists stand on their first item.
  EXPECT_EQ(Form->CB_WiFi2_Secure_Type->ItemIndex(), 0);
}
