// The CAN frames the gateway takes from the bus (CAN_Rec_Frames.xml): up to
// 512 frames, each with its identifier format, length, a time-out and the
// positions of the byte array that receive its data bytes.
#pragma once

#include "tables/can/CanTableForm.h"

class TPlexColumnGrid;

class TFReceiveCAN : public TCanTableForm {
public:
  explicit TFReceiveCAN(TComponent* AOwner);

  TPlexColumnGrid* PCG_CAN_Receive;
  // One header hint per data column.
  TStringList* Hint_ReceiveCAN = nullptr;
  // The size of the byte array the positions refer to.
  int MAX_Byte = 2000;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
  void AfterShow() override;
};

extern TFReceiveCAN* FReceiveCAN;
