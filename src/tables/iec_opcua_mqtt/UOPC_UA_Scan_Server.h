// The dialog that lists the variables a remote OPC UA server offers, found by
// the outside search library, so that the user ticks those to read and to write.
#pragma once

#include "common/UOpcUa_Records.h"
#include "platform/Forms.h"

#include <QString>

#include <vector>

class TLabel;
class TLbButton;
class TPanel;
class TPlexColumnGrid;
class TTimer;

// One variable found by a scan: the record as the library filled it, and owned
// copies of its texts, so that nothing of the library is used once it is freed.
// The record's text pointers are cleared; read the copies instead.
struct TOPC_UA_Scan_Result {
  opcua_structure Record{};
  QString DisplayName;
  QString StringName;
  QString ByteString;
};

// The entry points of the search library, as the dialog calls them.
using TOpcUaClientBegin = int32_t (*)(opcua_server_to_discover);
using TOpcUaReturnVariable = int32_t (*)(opcua_structure*, int32_t);

class TFOPC_UA_Scan_Server : public TForm {
public:
  explicit TFOPC_UA_Scan_Server(TComponent* AOwner);

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);
  void Timer_ScanTimer(TObject* Sender);
  void Show_Variables_List();
  void Erase_Table();
  void Btn_SelectAllReadClick(TObject* Sender);
  void Btn_ClearAllReadClick(TObject* Sender);

  // The server to scan, filled by the editor before each showing; its texts
  // belong to the editor and live until the dialog has closed.
  opcua_server_to_discover Server{};
  // The results of the last scan; entry i is row i + 1 of the table.
  std::vector<TOPC_UA_Scan_Result> List_Var;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* LWaiting;
  TPlexColumnGrid* PCG_OPC_UA_Scan_Var;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_SelectAllRead;
  TLbButton* Btn_ClearAllRead;
  TLbButton* Btn_SelectAllWrite;
  TLbButton* Btn_ClearAllWrite;
  TTimer* Timer_Scan;

private:
  void Scan();
  void SetColumn(int ACol, const QString& Value);
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
