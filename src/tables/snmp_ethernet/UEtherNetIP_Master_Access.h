// The EtherNet/IP slave connection table (EtherNetIP_Master_Rules.xml): up to
// ten slaves the device polls, with their byte areas, poll time and the
// instances, connection points and header formats of both directions, which
// can be taken from a slave's EDS file.
#pragma once

#include "tables/snmp_ethernet/ColumnGridEditor.h"

class TFEtherNEtIP_EDS;
class TLbButton;
class TOpenDialog;
class TPlexColumnGrid;

class TFEtherNetIP_Master_Access : public TColumnGridEditor {
public:
  explicit TFEtherNetIP_Master_Access(TComponent* AOwner);

  void Set_Lang() override;
  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);
  void Btn_Import_EDSClick(TObject* Sender);
  // A comma-separated list of hexadecimal bytes: 1 a piece that is no byte,
  // 2 fewer than Count pieces, 0 valid. No rule of the table uses it.
  static int Err_Check_Data_Path(const QString& Text, int Count);

  TPlexColumnGrid* PCG;
  TLbButton* Btn_Import_EDS;
  TOpenDialog* OD_EDS;
  int Num_Byte_In = 0;
  int Num_Byte_Out = 0;

protected:
  bool CheckRow(int Table, int ARow) override;

private:
  TFEtherNEtIP_EDS& EdsDialog();
  int FTotalIn = 0;
  int FTotalOut = 0;
  TFEtherNEtIP_EDS* FOwnEdsDialog = nullptr;
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
