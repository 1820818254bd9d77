// The gateway's own BACnet EDE file: the engineering-data list of the objects
// it serves as a BACnet server, taken from both tables of BACnet_Slave.xml, in
// the semicolon-separated layout that BACnet client tools import.
#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class TXmlDocument;

// One object line of the file, fields in file order.
struct TBACnet_EDE_Obj {
  QString Keyname;
  QString DevObjInstance;
  QString ObjectName;
  QString ObjectType;
  QString ObjectInstance;
  QString Description;
  QString UnitCode;
};

// The standard object type number of a trimmed, upper-cased Data_Type; 0 for any other text.
int EDE_Object_Type_Code(const QString& TypeText);
// "hh:mm:ss dd/mm/yyyy" of the given moment.
QString Get_TimeStamp_Text(TDateTime Moment);

// One export: reads the device settings and the objects through the document
// the main window lends, then writes the file. Nothing lasts to the next export.
class TEdeExport {
public:
  explicit TEdeExport(TXmlDocument& XML1) : FXML1(XML1) {}

  // The whole export; false after an error message, a file already there untouched.
  bool Create_EDE_File(const QString& FileName);

  void Reset_Instance_Counters();
  void Read_EDE_Device_Settings();
  // False after an error message when BACnet_Slave.xml lacks a section or a row an attribute.
  bool Load_BACnet_Slave_Objects();
  // The instance of the next object of that type: 0, 1, 2 ... per counted type.
  int Next_Object_Instance(int TypeCode);
  // The file's lines, stamped with the moment given.
  QStringList EdeFileLines(TDateTime Moment) const;
  bool Write_EDE_File(const QString& FileName) const;

  const std::vector<TBACnet_EDE_Obj>& Objects() const { return EDE_Object_List; }
  const QString& DeviceInstance() const { return EDE_Device_Instance; }
  bool LongNames() const { return EDE_Long_Names; }

private:
  TXmlDocument& FXML1;
  std::vector<TBACnet_EDE_Obj> EDE_Object_List;
  QString EDE_Device_Instance;
  bool EDE_Long_Names = false;
  std::array<uint32_t, 18> FCounters{};
};

// The entry of the main window's action: one export to FileName.
void Export_EDE_File(TXmlDocument& XML1, const QString& FileName);
