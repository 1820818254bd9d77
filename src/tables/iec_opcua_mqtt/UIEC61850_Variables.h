// The variables the gateway offers as an IEC 61850 server
// (IEC61850_Variables.xml): one column grid of up to 50 rows, checked on OK.
#pragma once

#include "common/tables/TableEditorForm.h"

class TPlexColumnGrid;

class TFIEC61850_Variables : public TTableEditorForm {
public:
  explicit TFIEC61850_Variables(TComponent* AOwner);

  void Set_Lang() override;

  TPlexColumnGrid* PCG;
  // The size of the internal data array, set at every showing; positions run
  // from 0 to NByte_IN - 1.
  int NByte_IN = 0;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
  void SetColumnHeader(int Table, int ACol, const QString& Text) override;
};

extern TFIEC61850_Variables* FIEC61850_Variables;
