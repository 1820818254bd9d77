// The KNX telegram table (KNX_SetAccess.xml): per row a telegram the device
// exchanges, its addresses, service, priority, format, when it is sent and
// where its data lies in the device's byte array.
#pragma once

#include "tables/snmp_ethernet/ColumnGridEditor.h"

class TPlexColumnGrid;

class TFKNXAccess : public TColumnGridEditor {
public:
  explicit TFKNXAccess(TComponent* AOwner);

  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);
  // Moves the rows below ARow up one, every data column with them (hidden
  // ones too), and clears the last row; column 0 keeps its numbers.
  void Delete_Row(int ARow, TPlexStringGrid* Grid);

  TPlexColumnGrid* PCG_KNX_in_Write;
  int Max_Num_Byte = 0;

protected:
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
  void DeleteTableRow(int Table, int ARow) override;

private:
  QChar FSeparator = u',';
};

extern TFKNXAccess* FKNXAccess;
