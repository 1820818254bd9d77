// The SDO requests the gateway sends as a CANopen client
// (SDO_Client_CANopen.xml): up to 256 objects of other nodes read into the
// input area and 256 written from the output area.
#pragma once

#include "tables/can/CanOpenTableForm.h"

class TFSet_SDO_Client_Access : public TCanOpenTableForm {
public:
  explicit TFSet_SDO_Client_Access(TComponent* AOwner);

  bool Do_Copy_SDO_Read() const { return Do_Copy[0]; }
  bool Do_Copy_SDO_Write() const { return Do_Copy[1]; }
  TTabSheet* TS_SDO_Read;
  TTabSheet* TS_SDO_Write;
  TStringList* Hint_SDO_Client_Read = nullptr;
  TStringList* Hint_SDO_Client_Write = nullptr;

protected:
  void Init_Tables() override;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
