// The J1939 parameter groups the gateway sends from its output area (J1939_Send_Frames.xml).
#pragma once

#include "tables/can/PgnTableForm.h"

class TXmlNode;

class TFTransmitJ1939 : public TPgnTableForm {
public:
  explicit TFTransmitJ1939(TComponent* AOwner);

  TStringList* Hint_TransmitJ1939 = nullptr;

protected:
  void Init_Tables() override;

private:
  void RowLoaded(const TXmlNode& Row, int ARow);
};

extern TFTransmitJ1939* FTransmitJ1939;
