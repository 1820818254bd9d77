// The DeviceNet slaves the gateway polls as master (DNETM_Net.xml): up to 64
// node IDs with their input and output byte counts. The byte-offset editor
// reads the same file.
#pragma once

#include "tables/can/CanTableForm.h"

class TFDNet : public TCanTableForm {
public:
  explicit TFDNet(TComponent* AOwner);

  TPlexColumnGrid* PSG;
  TStringList* Hint_DeviceNet = nullptr;

protected:
  void Init_Tables() override;
  bool CheckRow(int Table, int ARow) override;
};

extern TFDNet* FDNet;
