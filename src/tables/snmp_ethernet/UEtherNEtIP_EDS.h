// The EtherNet/IP EDS import dialog: lists the connections of a slave's EDS
// file and lets the user pick one; with OK the grid's current row is the pick.
// A file without a usable connection closes the dialog with a message.
#pragma once

#include "platform/Forms.h"
#include "tables/snmp_ethernet/EdsConnections.h"

#include <vector>

class TLabel;
class TLbButton;
class TPanel;
class TPlexColumnGrid;
class TTimer;

class TFEtherNEtIP_EDS : public TForm {
public:
  explicit TFEtherNEtIP_EDS(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void ShowDatainGrid();
  void TCloseTimer(TObject* Sender);

  // Set by the caller before the dialog is shown.
  QString EDS_FileName;
  std::vector<TConnData> List_Conn;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TPlexColumnGrid* PCG;
  TTimer* TClose;
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
