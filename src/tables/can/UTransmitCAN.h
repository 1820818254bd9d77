// The CAN frames the gateway sends on the bus (CAN_Send_Frames.xml): up to
// 512 frames, each with its identifier format, length, when it is sent (on a
// data change, on command, on a timer) and the positions of the byte array
// its data bytes are taken from.
#pragma once

#include "tables/can/CanTableForm.h"

class TPlexColumnGrid;
class TXmlNode;

class TFTransmitCAN : public TCanTableForm {
public:
  explicit TFTransmitCAN(TComponent* AOwner);

  TPlexColumnGrid* PCG_CAN_Transmit;
  // One header hint per data column.
  TStringList* Hint_TransmitCAN = nullptr;
  // The size of the byte array the positions refer to.
  int MAX_Byte = 2500;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
  void AfterShow() override;

private:
  void RowLoaded(const TXmlNode& Row, int ARow);
};

extern TFTransmitCAN* FTransmitCAN;
