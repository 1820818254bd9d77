#include "tables/can/UEds.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/TextLinesFile.h"

#include <utility>

namespace {

const QString EdsFileNameText = "CANopen_LoRaWAN_Gateway.eds";
const QString ProductText = "CANopen / LoRaWAN Gateway - Converter";
const QString ProductNumber = "KAK";
const QString OrderCode = "DVZ9KAK";

constexpr const char* RxPdoVarNames[MaxEdsPdos] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                   "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                   "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr const char* TxPdoVarNames[MaxEdsPdos] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                   "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                   "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

constexpr const char* DeviceInfoFlags[] = {"BaudRate_10=1",       "BaudRate_20=1",       "BaudRate_50=1",
                                           "BaudRate_125=1",      "BaudRate_250=1",      "BaudRate_500=1",
                                           "BaudRate_800=0",      "BaudRate_1000=1",     "DynamicChannelsSupported=0",
                                           "GroupMessaging=0",    "LSS_Supported=0",     "Granularity=0",
                                           "SimpleBootUpSlave=1", "SimpleBootUpMaster=0"};

// The communication objects every data sheet declares, as they stand; the
// last one is not followed by an empty line.
struct TFixedObject {
  const char* Section;
  const char* Head;  // "SubNumber=n" of an object with sub-objects, else nullptr
  const char* Name;
  const char* ObjectType;
  const char* DataType;
  const char* Access;
  const char* Default;  // nullptr: no default value line
};
constexpr TFixedObject FixedObjects[] = {
    {"1000", nullptr, "Device Type", "0x07", "0x0007", "const", "0x000101A4"},
    {"1001", nullptr, "Error Register", "0x07", "0x0005", "ro", "0x00"},
    {"1005", nullptr, "COB-ID SYNC", "0x07", "0x0007", "rw", "0x80000080"},
    {"1006", nullptr, "Communication Cycle Period", "0x07", "0x0007", "rw", "0x00000000"},
    {"1008", nullptr, "Manufacturer Device Name", "0x07", "0x0009", "const", "s1"},
    {"1014", nullptr, "COB-ID EMCY", "0x07", "0x0007", "ro", "$NODEID+0x80"},
    {"1016", "SubNumber=3", "Heartbeat Consumer Entries", "0x08", nullptr, nullptr, nullptr},
    {"1016sub0", nullptr, "Number of Entries", "0x07", "0x0005", "ro", "0x02"},
    {"1016sub1", nullptr, "Consumer Heartbeat Time 1", "0x07", "0x0007", "rw", "0x00000000"},
    {"1016sub2", nullptr, "Consumer Heartbeat Time 2", "0x07", "0x0007", "rw", "0x00000000"},
    {"1017", nullptr, "Producer Heartbeat Time", "0x07", "0x0006", "rw", "0x000003E8"},
    {"1018", "SubNumber=5", "Identity Object", "0x09", nullptr, nullptr, nullptr},
    {"1018sub0", nullptr, "number of entries", "0x07", "0x0005", "ro", "0x4"},
    {"1018sub1", nullptr, "Vendor Id", "0x07", "0x0007", "ro", nullptr},
    {"1018sub2", nullptr, "Product Code", "0x07", "0x0007", "ro", nullptr},
    {"1018sub3", nullptr, "Revision number", "0x07", "0x0007", "ro", nullptr},
    {"1018sub4", nullptr, "Serial number", "0x07", "0x0007", "ro", nullptr},
    {"1029", "SubNumber=2", "Error Behaviour", "0x08", nullptr, nullptr, nullptr},
    {"1029sub0", nullptr, "Number of Entries", "0x07", "0x0005", "ro", "1"},
    {"1029sub1", nullptr, "Communication Error", "0x07", "0x0005", "rw", "0x0"},
    {"1280", "SubNumber=4", "Client SDO Parameter 1", "0x09", nullptr, nullptr, nullptr},
    {"1280sub0", nullptr, "Number of Entries", "0x07", "0x0005", "ro", "0x03"},
    {"1280sub1", nullptr, "COB-ID Client -> Server", "0x07", "0x0007", "rw", nullptr},
    {"1280sub2", nullptr, "COB-ID Server -> Client", "0x07", "0x0007", "rw", nullptr},
    {"1280sub3", nullptr, "Node ID of the SDO Server", "0x07", "0x0005", "rw", nullptr},
};

constexpr int OptionalFixed[] = {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280};

QString Hex(int64_t Value, int Digits) {
  return QString::number(uint64_t(Value) & 0xFFFFFFFFu, 16).toUpper().rightJustified(Digits, u'0');
}
QString Two(int Value) { return QString::number(Value).rightJustified(2, u'0'); }

QString ObjectSection(int Index) { return "[" + Hex(Index, 4) + "]"; }
QString SubSection(int Index, int Sub) {
  return "[" + Hex(Index, 4) + "sub" + QString::number(Sub, 16).toUpper() + "]";
}

// A plain sub-object: name, 0x07 type, data type, access, default, no mapping.
QStringList Variable(const QString& Section, const QString& Name, const QString& DataType, const QString& Access,
                     const QString& Default, bool Mapped = false) {
  return {Section,
          "ParameterName=" + Name,
          "ObjectType=0x07",
          "DataType=" + DataType,
          "AccessType=" + Access,
          "DefaultValue=" + Default,
          Mapped ? "PDOMapping=1" : "PDOMapping=0",
          ""};
}
QStringList Record(int Index, int SubNumber, const QString& Name, const QString& ObjectType) {
  return {ObjectSection(Index), "SubNumber=" + QString::number(SubNumber), "ParameterName=" + Name,
          "ObjectType=" + ObjectType};
}

QStringList Communication(int Base, const char* Side, const std::vector<EdsPdoEntry>& Pdos) {
  QStringList lines;
  for (int i = 0; i < int(Pdos.size()); ++i) {
    const int index = Base + i;
    lines << Record(index, 4, QString(Side) + " PDO Communication Parameter " + QString::number(i + 1), "0x09") << "";
    lines << Variable(SubSection(index, 0), "Number of Entries", "0x0005", "ro", "0x03")
          << Variable(SubSection(index, 1), "COB-ID", "0x0007", "rw", "0x" + Hex(Pdos[size_t(i)].CobId, 8))
          << Variable(SubSection(index, 2), "Transmission Type", "0x0005", "rw", "0xFE")
          << Variable(SubSection(index, 3), "Inhibit Time", "0x0006", "rw", "0x0");
  }
  return lines;
}

QStringList Mapping(int Base, int Mapped, bool Receive, const std::vector<EdsPdoEntry>& Pdos) {
  QStringList lines;
  for (int i = 0; i < int(Pdos.size()); ++i) {
    const int index = Base + i, d = Pdos[size_t(i)].Dimension;
    const QString name =
        Receive ? QString("Receive PDO Mapping Parameter") : "Transmit PDO Mapping Parameter " + QString::number(i + 1);
    lines << Record(index, d + 1, name, "0x09") << "";
    lines << Variable(SubSection(index, 0), "Number of Entries", "0x0005", "ro", "0x" + Hex(d, 2));
    for (int j = 1; j <= d; ++j)
      lines << Variable(SubSection(index, j), "Mapping Entry " + QString::number(j), "0x0007", "ro",
                        "0x" + Hex(Mapped + i, 4) + Hex(j, 2) + "08");
  }
  return lines;
}

QStringList Data(int Base, bool Receive, const std::vector<EdsPdoEntry>& Pdos) {
  QStringList lines;
  for (int i = 0; i < int(Pdos.size()); ++i) {
    const int index = Base + i, d = Pdos[size_t(i)].Dimension;
    lines << Record(index, d + 1, (Receive ? "RPDO" : "TPDO") + QString::number(i + 1), "0x08") << "";
    lines << Variable(SubSection(index, 0), "Number of Entries", "0x0005", Receive ? "ro" : "rw", "0x" + Hex(d, 2));
    const QString var = Receive ? RxPdoVarNames[i] : TxPdoVarNames[i];
    for (int j = 1; j <= d; ++j)
      lines << Variable(SubSection(index, j), var + QString::number(j), "0x0005", Receive ? "rww" : "rwr", "0x00",
                        true);
  }
  return lines;
}

QStringList Manufacturer(const SDO_Index& Object) {
  const std::vector<SDO_Sub_Type>& subs = Object.Sub_Indexs;
  const bool generated = subs.front().Sub != 0;
  QStringList lines = Record(Object.Index, int(subs.size()) + (generated ? 1 : 0), "App Vars", "0x9");
  lines << "";
  if (generated)
    lines << SubSection(Object.Index, 0) << "ParameterName=Largest Sub-Index supported"
          << "ObjectType=0x7"
          << "DataType=0x0005"
          << "AccessType=ro"
          << "DefaultValue=0x" + Hex(subs.back().Sub, 2) << "PDOMapping=0"
          << "";
  for (const SDO_Sub_Type& s : subs) {
    const int digits = s.Quantity == 1 ? 2 : s.Quantity == 2 ? 4 : 8;
    const QString type = s.Quantity == 1 ? "0x0005" : s.Quantity == 2 ? "0x0006" : "0x0007";
    lines << SubSection(Object.Index, s.Sub) << "ParameterName=Application Variable"
          << "ObjectType=0x7"
          << "DataType=" + type << "LowLimit=0x" + QString(digits, u'0') << "HighLimit=0x" + QString(digits, u'F')
          << "DefaultValue=0x" + QString(digits, u'0') << (s.Readonly ? "AccessType=ro" : "AccessType=rw")
          << "PDOMapping=0"
          << "";
  }
  return lines;
}

void ShowError(const QString& Text) { MessageDlg(Text, mtError, {mbOK}); }

QString MissingSectionText(const QString& File, const QString& Section) {
  return Format("The file \"%s\" has no section \"%s\".", {File, Section});
}
QString MissingAttributeText(const QString& File, const QString& Section, int Row, const QString& Attribute) {
  return Format("Row %d of section \"%s\" in \"%s\" has no attribute \"%s\".", {Row, Section, File, Attribute});
}

}  // namespace

QString EdsDateText(TDateTime Moment) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Moment, year, month, day);
  return Two(month) + "-" + Two(day) + "-" + QString::number(year);
}

QString EdsTimeText(TDateTime Moment) {
  int hour = 0, minute = 0, second = 0, msec = 0;
  DecodeTime(Moment, hour, minute, second, msec);
  bool pm = hour > 12;
  if (hour > 12)
    hour -= 12;
  else if (hour == 12 && minute > 0) {
    hour = 0;
    pm = true;
  }
  return Two(hour) + ":" + Two(minute) + (pm ? "PM" : "AM");
}

bool TEdsExport::ReadPdoSection(const QString& Name, std::vector<EdsPdoEntry>& Entries) {
  const TXmlNode section = FXML1.Root().ChildNode(Name);
  if (!section) {
    ShowError(MissingSectionText(PDOCANopenFile, Name));
    return false;
  }
  const std::vector<TXmlNode> rows = section.ChildElements();
  // The variable names and the editor stop at this many PDOs a direction.
  if (rows.size() > size_t(MaxEdsPdos)) {
    ShowError(Format("The section \"%s\" of \"%s\" holds %d PDOs; at most %d fit.",
                     {Name, PDOCANopenFile, int(rows.size()), MaxEdsPdos}));
    return false;
  }
  int row = 0;
  for (const TXmlNode& element : rows) {
    ++row;
    QString cobId, dimension;
    for (const auto& [attribute, value] : {std::pair<QString, QString*>{"COB-ID", &cobId}, {"Dimension", &dimension}})
      if (!element.ReadAttribute(attribute, *value)) {
        ShowError(MissingAttributeText(PDOCANopenFile, Name, row, attribute));
        return false;
      }
    // The editor's own conversion, so that every text it accepts ("x201") reads as it meant.
    EdsPdoEntry entry;
    entry.CobId = StrToIntDef(cobId, 0);
    entry.Dimension = StrToIntDef(dimension, 8);
    Entries.push_back(entry);
  }
  return true;
}

bool TEdsExport::ReadPdoTableForEds() {
  RxPdoEntries.clear();
  TxPdoEntries.clear();
  if (!FileExists(PDOCANopenFile)) return true;
  if (!FXML1.LoadFromFile(PDOCANopenFile)) {
    ShowError(FXML1.ErrorText());
    return false;
  }
  const bool read = ReadPdoSection("Receive_PDO", RxPdoEntries) && ReadPdoSection("Transmit_PDO", TxPdoEntries);
  FXML1.Clear();
  return read;
}

int TEdsExport::FindSdoIndex(int Index) const {
  for (int i = 0; i < int(SdoIndexes.size()); ++i)
    if (SdoIndexes[size_t(i)].Index == Index) return i;
  return -1;
}

bool TEdsExport::ReadSdoServerTableForEds() {
  if (!FileExists(SDOServerCANopenFile)) return true;
  if (!FXML1.LoadFromFile(SDOServerCANopenFile)) {
    ShowError(FXML1.ErrorText());
    return false;
  }
  for (const QString& name : {QString("SDO_Read"), QString("SDO_Write")}) {
    const TXmlNode section = FXML1.Root().ChildNode(name);
    if (!section) {
      ShowError(MissingSectionText(SDOServerCANopenFile, name));
      return false;
    }
    int row = 0;
    for (const TXmlNode& element : section.ChildElements()) {
      ++row;
      int numbers[3] = {};
      const QString attributes[3] = {"Index", "SubIndex", "NByte"};
      for (int a = 0; a < 3; ++a) {
        QString text;
        if (!element.ReadAttribute(attributes[a], text)) {
          ShowError(MissingAttributeText(SDOServerCANopenFile, name, row, attributes[a]));
          return false;
        }
        if (!TryStrToInt(text, numbers[a])) {
          ShowError(Format("Row %d of section \"%s\" in \"%s\": \"%s\" of %s is not a number.",
                           {row, name, SDOServerCANopenFile, text, attributes[a]}));
          return false;
        }
      }
      SDO_Sub_Type sub;
      sub.Sub = uint8_t(numbers[1]);
      sub.Quantity = uint8_t(numbers[2]);
      sub.Readonly = name == "SDO_Read";
      const int at = FindSdoIndex(uint16_t(numbers[0]));
      if (at < 0)
        SdoIndexes.push_back({uint16_t(numbers[0]), {sub}});
      else
        SdoIndexes[size_t(at)].Sub_Indexs.push_back(sub);
    }
  }
  return true;
}

void TEdsExport::SortSdoSubIndexes() {
  for (SDO_Index& object : SdoIndexes) {
    std::vector<SDO_Sub_Type>& subs = object.Sub_Indexs;
    for (bool swapped = true; swapped;) {
      swapped = false;
      for (size_t i = 1; i < subs.size(); ++i)
        if (subs[i].Sub < subs[i - 1].Sub) {
          std::swap(subs[i], subs[i - 1]);
          swapped = true;
        }
    }
  }
}

QStringList TEdsExport::EdsFileLines(TDateTime Moment) const {
  const QString date = EdsDateText(Moment), time = EdsTimeText(Moment);
  const int rx = int(RxPdoEntries.size()), tx = int(TxPdoEntries.size());
  QStringList lines{"[FileInfo]",
                    "FileName=" + EdsFileNameText,
                    "FileVersion=1",
                    "FileRevision=0",
                    "EDSVersion=4.0",
                    "Description=" + ProductText,
                    "CreationTime=" + time,
                    "CreationDate=" + date,
                    "CreatedBy=" + MakerName,
                    "ModificationTime=" + time,
                    "ModificationDate=" + date,
                    "ModifiedBy=" + MakerName,
                    "",
                    "[DeviceInfo]",
                    "VendorName=" + MakerName,
                    "VendorNumber=0x00",
                    "ProductName=" + ProductText,
                    "ProductNumber=" + ProductNumber,
                    "RevisionNumber=0x0",
                    "OrderCode=" + OrderCode};
  for (const char* flag : DeviceInfoFlags) lines << flag;
  lines << "NrOfRXPDO=" + QString::number(rx) << "NrOfTXPDO=" + QString::number(tx) << "";
  lines << "[Comments]"
        << "Lines=0"
        << ""
        << "[DummyUsage]";
  for (int n = 1; n <= 7; ++n) lines << QString("Dummy%1=0").arg(n, 4, 10, QChar(u'0'));
  lines << ""
        << "[MandatoryObjects]"
        << "SupportedObjects=3"
        << "1=0x1000"
        << "2=0x1001"
        << "3=0x1018"
        << "";

  lines << "[OptionalObjects]"
        << "SupportedObjects=" + QString::number(3 * rx + 3 * tx + 8);
  int number = 0;
  const auto listed = [&](int Index) { lines << QString::number(++number) + "=0x" + Hex(Index, 4); };
  for (int index : OptionalFixed) listed(index);
  for (const auto& [base, count] :
       {std::pair{0x1400, rx}, {0x1600, rx}, {0x1800, tx}, {0x1A00, tx}, {0x7000, rx}, {0x7050, tx}})
    for (int i = 0; i < count; ++i) listed(base + i);
  lines << "";

  lines << "[ManufacturerObjects]"
        << "SupportedObjects=" + QString::number(SdoIndexes.size());
  for (size_t k = 0; k < SdoIndexes.size(); ++k) lines << QString::number(k + 1) + "=0x" + Hex(SdoIndexes[k].Index, 4);
  lines << "";

  for (const TFixedObject& o : FixedObjects) {
    if (&o != std::begin(FixedObjects)) lines << "";
    lines << "[" + QString(o.Section) + "]";
    if (o.Head) lines << o.Head;
    lines << "ParameterName=" + QString(o.Name) << "ObjectType=" + QString(o.ObjectType);
    if (!o.DataType) continue;
    lines << "DataType=" + QString(o.DataType) << "AccessType=" + QString(o.Access);
    if (o.Default) lines << "DefaultValue=" + QString(o.Default);
    lines << "PDOMapping=0";
  }

  lines << Communication(0x1400, "Receive", RxPdoEntries) << Mapping(0x1600, 0x7000, true, RxPdoEntries)
        << Communication(0x1800, "Transmit", TxPdoEntries) << Mapping(0x1A00, 0x7050, false, TxPdoEntries)
        << Data(0x7000, true, RxPdoEntries) << Data(0x7050, false, TxPdoEntries);
  for (const SDO_Index& object : SdoIndexes) lines << Manufacturer(object);
  lines << "";
  return lines;
}

bool TEdsExport::WriteEdsFile(const QString& Path) {
  SdoIndexes.clear();
  if (!ReadPdoTableForEds() || !ReadSdoServerTableForEds()) return false;
  SortSdoSubIndexes();
  if (WriteTextLines(Path, EdsFileLines(Now()), TLinesEncoding::Ansi)) return true;
  ShowError(CannotCreateFileText(Path));
  return false;
}

void WriteEdsFile(TXmlDocument& XML1, const QString& Path) { TEdsExport(XML1).WriteEdsFile(Path); }
