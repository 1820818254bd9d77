// The electronic data sheet a CANopen master needs to take the gateway in as
// a slave: the communication objects, the receive and transmit PDOs with
// their mappings from PDO_CANopen.xml, and one manufacturer object per object
// index of SDO_Server_CANopen.xml.
#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class TXmlDocument;

struct EdsPdoEntry {
  int32_t CobId = 0;
  int32_t Dimension = 8;
};

struct SDO_Sub_Type {
  uint8_t Sub = 0;
  uint8_t Quantity = 0;
  bool Readonly = false;
  QString Mnemonic;
};

struct SDO_Index {
  uint16_t Index = 0;
  std::vector<SDO_Sub_Type> Sub_Indexs;
};

// The PDO editor's row count, and so the length of the variable name lists.
inline constexpr int MaxEdsPdos = 30;

// One export's state, read through the document the main window lends.
class TEdsExport {
public:
  explicit TEdsExport(TXmlDocument& XML1) : FXML1(XML1) {}

  // The whole export; false after an error message, an old file left as it was.
  bool WriteEdsFile(const QString& Path);

  // Each false after an error message.
  bool ReadPdoTableForEds();
  bool ReadSdoServerTableForEds();
  int FindSdoIndex(int Index) const;
  void SortSdoSubIndexes();
  // The file's lines from what was read, stamped with the moment given.
  QStringList EdsFileLines(TDateTime Moment) const;

  std::vector<EdsPdoEntry> RxPdoEntries;
  std::vector<EdsPdoEntry> TxPdoEntries;
  std::vector<SDO_Index> SdoIndexes;

private:
  bool ReadPdoSection(const QString& Name, std::vector<EdsPdoEntry>& Entries);
  TXmlDocument& FXML1;
};

// "MM-DD-YYYY" and the twelve-hour "hh:mmAM"/"hh:mmPM" of the data sheet.
QString EdsDateText(TDateTime Moment);
QString EdsTimeText(TDateTime Moment);

// The entry of the main window's action: one export to Path.
void WriteEdsFile(TXmlDocument& XML1, const QString& Path);
