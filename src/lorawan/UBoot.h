// The device-update form: pings the device, writes the update tool's parameter
// file and runs the tool. Form_Type 1 is the update over Ethernet, 0 the serial one.
#pragma once

#include "platform/Forms.h"

#include <QString>

#include <memory>

class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;
class TXmlDocument;
struct TIcmpEchoReply;
struct TProgramRun;

class TFBoot : public TForm {
public:
  explicit TFBoot(TComponent* AOwner);
  ~TFBoot() override;

  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();
  void Btn_UpdateClick(TObject* Sender);
  // True when the device answered the last echo request with data.
  bool Send_Ping();
  void PingReply(const TIcmpEchoReply& AReplyStatus);
  // Writes Ethernet_Update.xml into the program folder; false when it could not be written.
  bool Compile_XML_Parameter_New_Boot();
  void update_ComPort();
  void Btn_COM_ListClick(TObject* Sender);

  // The four octet edits joined with ".".
  QString IpAddressText() const;
  static QString UpdateParameterFile();
  static QString UpdateToolFile();

  int Form_Type = 0;
  // 0 no reply handled, 1 a reply with data, 2 a reply without data (also a time-out).
  int ping_res = 0;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_IP_Address;
  TLabel* L_IP_Address;
  TEdit* E_IP1;
  TEdit* E_IP2;
  TEdit* E_IP3;
  TEdit* E_IP4;
  TPanel* P_Eth_Search;
  TLabel* L_List_Device;
  TLbButton* Btn_Search;
  TCheckBox* CB_Search_Own_Devices;
  TPanel* P_Serial;
  TLabel* L_COM_Port;
  TComboBox* CB_COM_Port;
  TLbButton* Btn_COM_List;
  TPanel* P_Options;
  TLabel* L_Update_Option;
  TComboBox* CB_Update_Options;
  TCheckBox* CB_Update_Option_Read_Back;
  TPanel* P_Button;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Update;

private:
  void CreateTitle();
  void CreateAddressPanel();
  void CreateSearchPanel();
  void CreateSerialPanel();
  void CreateOptionsPanel();
  void CreateButtons();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Show_Ethernet();
  void Show_Serial();
  void Restore_Options();
  void E_IPKeyPress(TObject* Sender, QChar& Key);
  void Update_By_Ethernet();
  void Report_Update_Tool(const TProgramRun& run);

  std::unique_ptr<TXmlDocument> XML1;
  bool FUpdating = false;
};

extern TFBoot* FBoot;
