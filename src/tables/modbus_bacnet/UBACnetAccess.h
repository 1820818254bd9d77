// The gateway's BACnet client: the objects of remote devices it reads and
// writes, with routed destinations and their places in the data area, kept in
// BACnet_Master_Access.xml; rows can come from a device's EDE file.
#pragma once

#include "common/tables/TableEditorForm.h"

#include <QString>

class TLbButton;
class TOpenDialog;
class TPageControl;
class TPlexColumnGrid;
class TTabSheet;

enum class TBACnetTable { Read, Write };

// The rule tables of the client editor.
int Check_Object_Type(const QString& Text, TBACnetTable Table);
int Check_Property(const QString& Text, TBACnetTable Table, int ObjectType);
bool Check_Data_Type(const QString& DataType, int ObjectType, int Property);
QString Aspected_Data_Type_Value(int ObjectType, int Property);
int Check_Num_Byte_Max(const QString& DataType);
QString Get_ObjType_EDE(int Type);
QString Get_DataType_EDE(int Type);
int Get_NumByte_EDE(int Type);

class TFBACnetAccess : public TTableEditorForm {
public:
  static constexpr int Rows = 513;
  static constexpr int AreaBytes = 1440;

  explicit TFBACnetAccess(TComponent* AOwner);

  void Set_Lang() override;
  void PCG1GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  QString Str_Hint_Read(int ARow, int ACol) const;
  QString Str_Hint_Write(int ARow, int ACol) const;
  void Btn_Import_CSVClick(TObject* Sender);
  // The byte list of an "M1".."M8" destination; true when it failed (with its
  // message, but none for an empty text).
  bool Check_Dest_Add(const QString& Text, int Count, TBACnetTable Table, int ARow);

  TPageControl* PageControl1;
  TTabSheet* TS_BACnet_Read;
  TTabSheet* TS_BACnet_Write;
  TPlexColumnGrid* PCG1;
  TPlexColumnGrid* PCG2;
  TLbButton* Btn_Import_CSV;
  TOpenDialog* OD_EDE_File;
  int App_BACnet_Type = 0;

protected:
  void Init_Tables() override;
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;

private:
  bool Fail(int Table, int ARow, const QString& Text);
  bool CheckKey(int Table, int ARow, const QString& Key);
  bool CheckDestination(int Table, int ARow, int FirstColumn);
  void Read_BACnet_Type();
  void Import();
  int KeyColumn() const;
};

extern TFBACnetAccess* FBACnetAccess;
