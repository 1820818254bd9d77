// The main window: a launcher whose numbered steps create or open a project,
// set the parameters, edit the LoRaWAN tables and update the device. Its
// creation starts the shell (texts, folders, settings, language, last project).
#pragma once

#include "platform/Forms.h"

#include <QString>

#include <memory>

class TLabel;
class TLinkLabel;
class TShape;
class TTimer;
class TSaveDialog;
class TXmlDocument;
class TLbButton;

class TFQuilloreFirmWare : public TForm {
public:
  explicit TFQuilloreFirmWare(TComponent* AOwner);
  ~TFQuilloreFirmWare() override;

  // The single click handler of every button.
  void Btn_Click(TObject* Sender);
  void Set_Lang();
  // Translates every form again after a new language was loaded.
  void Change_Language();
  void Save_Setting();
  void Set_Files();
  void Create_New_Project();
  void Open_Project();
  // Shows the options dialog; on OK writes the settings and switches the update timer.
  void Show_Options();
  void Update_Device();
  void BACnet_EDE_File();
  void Build_EDS_File();
  void PROFINET_XML();
  void SNMP_MIB_File();
  void PROFIBUS_GSD_File();
  // BACnet_Type of ParGen.xml by the common conversion; 0 without the file or the element.
  int Get_Type_BACnet();
  void Timer_UpdateTimer(TObject* Sender);
  void L_VelmorClick(TObject* Sender);
  void LL_UpdateLinkClick(TObject* Sender, const QString& Link);

  // The settings file's document; also lent to the image builder and the file writers.
  TXmlDocument& XML1() { return *FXML1; }

  TLbButton* Btn_Info;
  TLbButton* Btn_Opz;
  TLbButton* Btn_Close;
  TLbButton* Btn_New;
  TLbButton* Btn_Open;
  TLbButton* Btn_Prm_Gen;
  TLbButton* Btn_LoRaWAN_Access;
  TLbButton* Btn_CreateBin;
  TLbButton* Btn_Modbus_Set_Access;
  TLbButton* Btn_BACnet_SetAccess;
  TLbButton* Btn_BACnet_EDE_File;
  TLbButton* Btn_CAN_Rec_Frame;
  TLbButton* Btn_CAN_Send_Frame;
  TLbButton* Btn_PDO_CANopen;
  TLbButton* Btn_SDO_Client_CANopen;
  TLbButton* Btn_SDO_Server_CANopen;
  TLbButton* Btn_CANopen_EDS;
  TLbButton* Btn_DNet_Net;
  TLbButton* Btn_DNet_Offset;
  TLbButton* Btn_DMX_Default;
  TLbButton* Btn_IEC61850_Client;
  TLbButton* Btn_TLS_List_Certificates;
  TLbButton* Btn_IEC61850_Access;
  TLbButton* Btn_MQTT_Set_Topic;
  TLbButton* Btn_OPC_UA_Client_Access;
  TLbButton* Btn_OPC_UA_Server_Access;
  TLbButton* Btn_SNMP_Manager_Access;
  TLbButton* Btn_SNMP_Trap;
  TLbButton* Btn_SNMP_MIB;
  TLbButton* Btn_PROFINET_XML;
  TLbButton* Btn_EtherNetIP_Access;
  TLbButton* Btn_S7_Protocol_Access;
  TLbButton* Btn_KNX_Access;
  TLbButton* Btn_PROFIBUS_GSD;

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Begin;
  TLabel* L_Step_1;
  TLabel* L_Step_2;
  TLabel* L_Step_3;
  TLabel* L_Step_4;
  TLabel* L_Step_5;
  TLabel* L_Step_6;
  TLabel* L_Step_7;
  TLabel* L_Step_8;
  TLabel* L_Name_Conf;
  TLabel* L_Name_Conf_L2;
  TLabel* L_Velmor;
  TLinkLabel* LL_Update;
  TShape* Shape1;
  TShape* Shape2;
  TTimer* Timer_Update;
  TSaveDialog* SD1;
  TSaveDialog* SaveEDS;
  TSaveDialog* SaveMIB;

private:
  void CreateControls();
  void CreateButtons();
  void Set_Button_Texts();
  void Hide_Protocol_Buttons();
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Reset_Layout();
  void Layout_Model();
  void Setup_Folders();
  void Read_Setting();
  void Reopen_Last_Project();
  void Show_Project_Lines();
  void Switch_Update_Timer();

  std::unique_ptr<TXmlDocument> FXML1;
};

extern TFQuilloreFirmWare* FQuilloreFirmWare;
