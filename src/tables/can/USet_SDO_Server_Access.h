// The objects the gateway serves as a CANopen SDO server
// (SDO_Server_CANopen.xml): up to 500 objects a client reads, their bytes
// taken from the byte area, and 500 it writes, their bytes placed there.
#pragma once

#include "tables/can/CanOpenTableForm.h"

class TFSet_SDO_Server_Access : public TCanOpenTableForm {
public:
  explicit TFSet_SDO_Server_Access(TComponent* AOwner);

  bool Do_Copy_SDO_Read() const { return Do_Copy[0]; }
  bool Do_Copy_SDO_Write() const { return Do_Copy[1]; }
  TTabSheet* TS_SDO_Read;
  TTabSheet* TS_SDO_Write;
  // Named as the client's lists, as the form always had them.
  TStringList* Hint_SDO_Client_Read = nullptr;
  TStringList* Hint_SDO_Client_Write = nullptr;

protected:
  void Init_Tables() override;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
