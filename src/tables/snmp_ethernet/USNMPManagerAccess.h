// The SNMP manager table (SNMP_Manager.xml): the requests the device sends as
// an SNMP manager to remote agents, one row each, with the SNMPv3 security
// settings of the row's agent.
#pragma once

#include "tables/snmp_ethernet/ColumnGridEditor.h"

class TPlexColumnGrid;

class TFSNMPManagerAccess : public TColumnGridEditor {
public:
  explicit TFSNMPManagerAccess(TComponent* AOwner);

  // Every enabled row by its rules, then no two enabled rows asking the same
  // agent for the same object.
  bool Controllo_Dati() override;
  void FormShow(TObject* Sender);

  TPlexColumnGrid* PCG_SNMP;

protected:
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;

private:
  bool CheckDuplicates();
  bool CheckVersion3(int ARow);
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
