// The OPC UA client table (OPC_UA_Client.xml): the remote servers above, and on
// two pages the variables the gateway reads from and writes to the server
// selected. The tables are views of the model; a variable table is copied into
// the model when it loses the focus, and OK checks the model and writes it.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Model.h"

#include <QByteArray>

#include <memory>

class TPlexColumnGrid;
class TSplitter;

class TFOPC_UA_Client_Access : public TTableEditorForm {
public:
  explicit TFOPC_UA_Client_Access(TComponent* AOwner);
  ~TFOPC_UA_Client_Access() override;

  void Set_Lang() override;
  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);

  void Show_OPC_UA_Server_List();
  void Erase_OPC_UA_Var_R_List();
  void Erase_OPC_UA_Var_W_List();
  void Show_OPC_UA_Var_List();
  void Save_Variable_in_Read();
  void Save_Variable_in_Write();
  void Delete_Server_Var_OPC_UA();

  void PCG_OPC_UA_ServerClickCell(TObject* Sender, int ARow, int ACol);
  void PCG_OPC_UA_ServerDblClickCell(TObject* Sender, int ARow, int ACol);
  void PCG_OPC_UA_Var_Enter(TObject* Sender);
  void PCG_OPC_UA_Var_Exit(TObject* Sender);
  void ServerGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);

  void Add_Server();
  void Modify_Server();
  void Delete_Server();
  void Scan_Server();
  void Add_Variables_In_Read();
  void Add_Variables_In_Write();
  void Btn_OKClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);
  void Btn_AutoPositionClick(TObject* Sender);

  // Bytes a variable of the data type occupies in the data area; 0 for an unknown type.
  static int GetLenVarType(const QString& VarType);
  struct TStartPositions {
    int Read = 0;
    int Write = 0;
  };
  // First free bytes after the variables of the server just before the selected one.
  TStartPositions Start_Position() const;
  // The server table's current row minus 1; -1 when that is no server.
  int SelectedServer() const;

  TOPC_UA_Server_List OPC_UA_Server_List;
  std::unique_ptr<TStringList> Hint_Server_List;
  int Ind_Server = -1;

  TPanel* P_OPC_UA_Server_List;
  TLabel* L_Server_List_Title;
  TPlexColumnGrid* PCG_OPC_UA_Server;
  TPanel* P_Server_Buttons;
  TLbButton* Btn_Add_Server;
  TLbButton* Btn_Modify_Server;
  TLbButton* Btn_Delete_Server;
  TLbButton* Btn_Scan_Server;
  TSplitter* Splitter1;
  TPanel* P_OPC_UA_Var_List;
  TLabel* L_Variables_List_Title;
  TPageControl* PC_OPC_UA_Vars;
  TTabSheet* TS_OPC_UA_Var_Read;
  TTabSheet* TS_OPC_UA_Var_Write;
  TPlexColumnGrid* PCG_OPC_UA_Var_R;
  TPlexColumnGrid* PCG_OPC_UA_Var_W;
  TLbButton* Btn_AutoPosition;

protected:
  void SetColumnHeader(int Table, int ACol, const QString& Text) override;

private:
  void CreateServerPanel();
  void CreateVariablePanel();
  void InitVarGrid(TPlexColumnGrid* Grid, bool Write);
  void EraseVarGrid(TPlexColumnGrid* Grid);
  void ShowVariables(TPlexColumnGrid* Grid, const TOPC_UA_Variable_List& List, bool Write);
  void SaveVariables(TPlexColumnGrid* Grid, TOPC_UA_Variable_List& List, bool Write);
  // The row buttons' store: the table of the page shown into the selected server.
  void StoreActiveTable();
  void AddScanResults(int Column, TOPC_UA_Variable_List& List, int OverflowText);
  // Read list, or write list, of a scan: ask, then append the ticked results.
  void TakeScanResults(bool Write);
  TPlexColumnGrid* ActiveVarGrid() const;
  bool ReadChecks(int S, int V, const TOPC_UA_Variable& Var) const;
  bool WriteChecks(int S, int V, const TOPC_UA_Variable& Var) const;

  // The server table's row whose variables the tables show.
  int FShownServerRow = -1;
  // The server's texts handed to the scan dialog, kept while it is shown.
  QByteArray FScanTexts[5];
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;
