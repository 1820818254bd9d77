// Which panels the served model shows, in which order, and the rows of each.
#include "parameters/UParGen.h"

#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

#include <initializer_list>
#include <utility>

namespace {
// Panel height: the bottom of its last control, the header and a margin.
void FitHeight(TCategoryPanel* panel, const TControl* last) {
  panel->SetHeight(last->Top() + last->Height() + panel->HeaderHeight() + 12);
}

void ShowInOrder(std::initializer_list<std::pair<TCategoryPanel*, int>> panels) {
  int top = 0, number = 1;
  for (auto [panel, titleId] : panels) {
    panel->Show();
    panel->SetTop(top);
    top += panel->Height();
    panel->SetCaption(QString::number(number) + ". " + LangText(titleId));
    panel->TabOrder = number - 1;
    ++number;
  }
}
}  // namespace

void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_Z9KAD(); }

void TFParGen::Move_GroupBoxs() { RePosition_Objects_Z9KAD(); }

void TFParGen::Order_TAB_Panels_Z9KAD() {
  ShowInOrder({{CP_Select_Device, 1035},
               {CP_Ethernet_Connection, 406},
               {CP_LoRaWAN, 1337},
               {CP_Modbus_TCP_Slave, 502},
               {CP_WiFi2, 733}});
}

void TFParGen::RePosition_Objects_Z9KAD() {
  RePosition_Object_Select_Device();
  RePosition_Object_Ethernet_Connection();
  RePosition_Object_LoRaWAN();
  RePosition_Object_Modbus_TCP_Slave();
  RePosition_Object_WiFi2();
  switch (CB_Select_Device_Device->ItemIndex()) {
    case 0:
      CP_WiFi2->SetCollapsed(true);
      CP_WiFi2->SetEnabled(false);
      break;
    case 1:
      CP_WiFi2->SetEnabled(true);
      CP_WiFi2->SetCollapsed(false);
      break;
    default: break;
  }
}

void TFParGen::RePosition_Object_Select_Device() { FitHeight(CP_Select_Device, CB_Select_Device_Device); }

void TFParGen::RePosition_Object_Ethernet_Connection() { FitHeight(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4); }

void TFParGen::RePosition_Object_LoRaWAN() { FitHeight(CP_LoRaWAN, CB_LoRaWAN_FreqSubBand); }

void TFParGen::RePosition_Object_Modbus_TCP_Slave() { FitHeight(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port); }

void TFParGen::RePosition_Object_WiFi2() { FitHeight(CP_WiFi2, CB_WiFi2_Channel); }
