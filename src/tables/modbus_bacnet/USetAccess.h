// The Modbus master on a serial line: its read and write polling tables,
// kept in ModbusM_SetAccess.xml.
#pragma once

#include "tables/modbus_bacnet/ModbusMasterForm.h"

#include <vector>

class TFSetAccess : public TModbusMasterForm {
public:
  explicit TFSetAccess(TComponent* AOwner);

  // A pick in the read grid's Topic list is remembered for its row.
  void ComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);
  // The topic index of a read row: the remembered Index when it still names
  // Topic, else the first entry equal to Topic, else -1.
  int Get_Index_From_Topic(const QString& Topic, int Index) const;

  // One entry per data row of the read grid: the Topic item last chosen, -1 for none.
  std::vector<int> ComboItem_Topic;

protected:
  void FillPositionLists() override;
  QString TopicToFile(int ARow) const override;
  void TopicFromFile(int ARow, const QString& Value) override;
};

extern TFSetAccess* FSetAccess;
