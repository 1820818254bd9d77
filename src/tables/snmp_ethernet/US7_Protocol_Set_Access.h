// The S7 client tables (S7_Protocol.xml): the variables the device reads from
// PLCs into its input bytes, and those it writes from its output bytes, over
// at most ten distinct PLC connections (address and port) on both pages.
#pragma once

#include "tables/snmp_ethernet/ColumnGridEditor.h"

#include <array>

class TPlexColumnGrid;
class TTabSheet;

// One PLC connection slot; -1 in every field marks a free slot.
struct TIPPort {
  int IP1 = -1, IP2 = -1, IP3 = -1, IP4 = -1, Port = -1;
  bool operator==(const TIPPort&) const = default;
};

class TFS7_Protocol_Set_Access : public TColumnGridEditor {
public:
  explicit TFS7_Protocol_Set_Access(TComponent* AOwner);

  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);
  // The slot of this connection: the first equal one, or the first free one,
  // which takes it; -1 when every slot holds another connection.
  int Check_IP_Port(int IP1, int IP2, int IP3, int IP4, int Port);

  TPlexColumnGrid* PCG_S7_Read;
  TPlexColumnGrid* PCG_S7_Write;
  TTabSheet* TS_S7_Read;
  TTabSheet* TS_S7_Write;
  int NByte_IN = 0;
  int NByte_OUT = 0;
  std::array<TIPPort, 10> array_ip_Port;

protected:
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
