// The LoRaWAN gateway editor: the end devices the gateway accepts, with their
// keys, and for the device of the current row its uplink and downlink rules.
// The values live in the device list; the grids are views of it, copied back
// whenever a grid loses the focus and after every row button. OK checks the
// list and writes LoRaWAN_Gateway.xml from it.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "lorawan/LoRaWANDevices.h"
#include "platform/Classes.h"

#include <QChar>
#include <QString>

#include <span>

class TLabel;
class TPanel;
class TPageControl;
class TPlexColumnGrid;
class TPlexStringGrid;
class TSplitter;
class TTabSheet;

class TFLoRaWAN_Gateway : public TTableEditorForm {
public:
  explicit TFLoRaWAN_Gateway(TComponent* AOwner);
  ~TFLoRaWAN_Gateway() override;

  void Set_Lang() override;

  // The handlers, public so the main window's road and the tests reach them.
  void FormShow(TObject* Sender);
  void Grid_Enter(TObject* Sender);
  void Grid_Exit(TObject* Sender);
  void PSG_LoRaWAN_Device_ListClickCell(TObject* Sender, int ARow, int ACol);
  void PSG_LoRaWAN_Device_ListComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                          const QString& ASelection);
  void Btn_OKClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);

  void Save_Device_List();
  void Save_UpLink_Rules_List();
  void Save_DownLink_Rules_List();
  // Both rule grids emptied, then filled with the rules of the current device.
  void Show_Rules_Data();
  bool Check_Data();

  std::span<TDeviceLoRa> DeviceList() { return Model.DeviceList(); }
  bool ModeMaster() const { return Model.ModeMaster; }
  // The device whose rules the rule grids show (and store into), -1 for none.
  int ShownDevice() const { return FShownDevice; }

  TPanel* PLoRaWAN_Device_List;
  TLabel* LLoRaWAN_Device_List_Title;
  TPlexStringGrid* PSG_LoRaWAN_Device_List;
  TSplitter* Splitter1;
  TPanel* PLoRaWAN_Rules_List;
  TLabel* LLoRaWAN_Rules_List_Title;
  TPageControl* PC_LoRaWAN_Device_Rules_List;
  TTabSheet* TS_LoRaWAN_Uplink_Rules_List;
  TTabSheet* TS_LoRaWAN_Downlink_Rules_List;
  TPlexColumnGrid* PCG_LoRaWAN_Uplink;
  TPlexColumnGrid* PCG_LoRaWAN_Downlink;

  TLoRaWANDevices Model;
  TStringList Act_Meth_SL;
  TStringList Class_SL;
  // 0 device list, 1 uplink rules, 2 downlink rules: the grid last entered.
  int Last_Grid = 0;
  bool DoCopy_Dev = false;
  bool DoCopy_Up = false;
  bool DoCopy_Down = false;

protected:
  void Init_Tables() override;

private:
  void Init_Table();
  void Init_Rule_Grid(TPlexColumnGrid* Grid, bool DownLink);
  void CreateLayout();
  void Clear_Devices_Table();
  void Reset_Grid_Positions();
  void Clear_Rules_Tables();
  void Show_Data_Devices_Table();
  void Show_Rules_Of(int Device);
  void Apply_Activation(int ARow, const QString& Activation);
  void Set_Page_Captions();
  void Save_Rules_List(bool DownLink);
  TPlexColumnGrid* Rule_Grid(bool DownLink) const;
  // The device row that the grid's current row stands for, in gateway or end-node mode.
  int Current_Device() const;
  void Refill_Rules_For_Row(int ARow);

  int FShownDevice = -1;
};

extern TFLoRaWAN_Gateway* FLoRaWAN_Gateway;
