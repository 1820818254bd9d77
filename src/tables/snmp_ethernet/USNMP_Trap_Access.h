// The SNMP agent object table (SNMP_Trap.xml): on the read page the objects
// SNMP managers read from the device, which it can also send as traps; on the
// write page the objects managers write into it. Column 0 shows each enabled
// object's number in the MIB file.
#pragma once

#include "platform/Classes.h"
#include "tables/snmp_ethernet/ColumnGridEditor.h"

class TPlexColumnGrid;
class TTabSheet;

class TFSNMP_Trap_Access : public TColumnGridEditor {
public:
  explicit TFSNMP_Trap_Access(TComponent* AOwner);

  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);
  void PCG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
  // Numbers the enabled rows in column 0, in row order; disabled rows get none.
  static void Index_Row_Build(TPlexStringGrid* Grid);
  // True (an error) when Text holds a character other than an ASCII letter or
  // digit; a description (CheckType 1) must also start with "a" .. "z".
  static bool Check_Error_CommName_Desc(const QString& Text, int CheckType);

  TPlexColumnGrid* PCG_SNMP_Read;
  TPlexColumnGrid* PCG_SNMP_Write;
  TTabSheet* TS_SNMP_Read;
  TTabSheet* TS_SNMP_Write;
  int NByte_IN = 0;
  int NByte_OUT = 0;
  TStringList SL_Check_Desc;

protected:
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
