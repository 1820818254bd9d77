// The Modbus TCP master: its read and write polling tables, each rule naming
// its slave by IP address and port, kept in ModbusTCPM_SetAccess.xml.
#pragma once

#include "tables/modbus_bacnet/ModbusMasterForm.h"

class TFModbus_TCP_Master_Set_Access : public TModbusMasterForm {
public:
  explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);

  void Set_Lang() override;
  void FormShow(TObject* Sender);
  // Header hints by displayed column: the read list leaves out the hidden Topic.
  void PCG_Modbus_WriteGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  // True when the text is not a dotted address of four numbers 0..255.
  static bool Check_IP_Address(const QString& IP_Address);
  // The first entry of List_Publish_Topic equal to Topic, -1 when none.
  int Get_Index_From_Topic(const QString& Topic) const;

protected:
  bool InvalidAddress(const QString& Text) const override { return Check_IP_Address(Text); }
  QString TopicToFile(int ARow) const override;
  void TopicFromFile(int ARow, const QString& Value) override;
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
