// The gateway's BACnet server objects: the read page maps objects onto the
// input byte area, the write page onto the output byte area. Kept in
// BACnet_Slave.xml, from which the EDE file is written.
#pragma once

#include "common/tables/TableEditorForm.h"

class TPageControl;
class TPlexColumnGrid;
class TTabSheet;

class TFBACnetSlaveSetAccess : public TTableEditorForm {
public:
  static constexpr int AreaBytes = 1500;

  explicit TFBACnetSlaveSetAccess(TComponent* AOwner);

  void Set_Lang() override;
  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);
  // A double click on an Eng. Unit cell opens the unit chooser on it; every
  // double click then sizes a column as in every table.
  void GridDblClickCell(TObject* Sender, int ARow, int ACol);
  void PCG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);

  // The object limit of both tables together, decided at each show.
  int MaxObjects() const { return Desc_Lenght ? 1000 : 2000; }

  TPageControl* PageControl1;
  TTabSheet* TS_BACnet_in_Read;
  TTabSheet* TS_BACnet_in_Write;
  TPlexColumnGrid* PCG_BACnet_in_Read;
  TPlexColumnGrid* PCG_BACnet_in_Write;
  // ParGen.xml's BACnet_Desc_Chars_Limit is "1": long names, 1000 objects.
  bool Desc_Lenght = false;
  bool Do_Copy_Read() const { return Do_Copy.at(0); }
  bool Do_Copy_Write() const { return Do_Copy.at(1); }
  int NByte_IN = AreaBytes;
  int NByte_OUT = AreaBytes;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;

private:
  bool Read_Desc_Lenght();
  TPlexColumnGrid* ColumnGrid(int Table) const { return Table == 0 ? PCG_BACnet_in_Read : PCG_BACnet_in_Write; }
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
