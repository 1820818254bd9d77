// The CANopen process data objects (PDO_CANopen.xml): up to 30 receive PDOs
// whose data bytes go to positions of the input area and 30 transmit PDOs
// whose data bytes come from positions of the output area.
#pragma once

#include "tables/can/CanOpenTableForm.h"

class TFSet_PDO_Access : public TCanOpenTableForm {
public:
  explicit TFSet_PDO_Access(TComponent* AOwner);

  bool Do_Copy_Receive_PDO() const { return Do_Copy[0]; }
  bool Do_Copy_Transmit_PDO() const { return Do_Copy[1]; }
  TTabSheet* TS_Receive_PDO;
  TTabSheet* TS_Transmit_PDO;
  TStringList* Hint_PDO_Receive = nullptr;
  TStringList* Hint_PDO_Transmit = nullptr;

protected:
  void Init_Tables() override;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
