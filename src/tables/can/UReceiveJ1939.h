// The J1939 parameter groups the gateway receives into its input area (J1939_Rec_Frames.xml).
#pragma once

#include "tables/can/PgnTableForm.h"

class TFReceiveJ1939 : public TPgnTableForm {
public:
  explicit TFReceiveJ1939(TComponent* AOwner);

  TStringList* Hint_ReceiveJ1939 = nullptr;

protected:
  void Init_Tables() override;
};

extern TFReceiveJ1939* FReceiveJ1939;
