// The default level of every DMX channel (DMX_Default_Values.xml): one row per
// channel of the project's DMX side, every row checked and written.
#pragma once

#include "tables/can/CanTableForm.h"

class TFDMXDefVal : public TCanTableForm {
public:
  explicit TFDMXDefVal(TComponent* AOwner);

  // The channel count of ParGen.xml; 512 without a usable one.
  static int DMX_Num_Channels();

  TPlexColumnGrid* PCG_DMX_Def_Val;
  TStringList* Hint = nullptr;

protected:
  void Init_Tables() override;
  void BeforeShow() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
};

extern TFDMXDefVal* FDMXDefVal;
