#include "tables/modbus_bacnet/UBACnet_EDE_File.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/TextLinesFile.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::pair<const char16_t*, int> ObjectTypes[] = {
    {u"ANALOG INPUT", 0},        {u"ANALOG OUT", 1},
    {u"ANALOG VALUE", 2},        {u"BINARY INPUT", 3},
    {u"BINARY OUT", 4},          {u"BINARY VALUE", 5},
    {u"MULTI STATE INPUT", 13},  {u"MULTI STATE OUTPUT", 14},
    {u"MULTI STATE VALUE", 19},  {u"LIFE SAFETY POINT", 21},
    {u"LIFE SAFETY ZONE", 22},   {u"ACCUMULATOR", 23},
    {u"ACCESS DOOR", 30},        {u"CHARACTERSTRING VALUE", 40},
    {u"DATETIME VALUE", 44},     {u"INTEGER VALUE", 45},
    {u"LARGE ANALOG VALUE", 46}, {u"POSITIVE INTEGER VALUE", 48},
};
// The type numbers that keep an instance counter, one counter each in this order.
constexpr int CountedTypes[] = {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 30, 40, 44, 45, 46, 48};

constexpr const char16_t* Sections[] = {u"BACnet_in_Read", u"BACnet_in_Write"};
constexpr const char16_t* RowAttributes[] = {u"Data_Type", u"Eng_Unit", u"Mnemonic"};

QString TwoDigits(int Value) { return QString::number(Value).rightJustified(2, u'0'); }

// The part of the project line between the vendor and the project name: empty in this model.
QString Get_EDE_Name_Part() { return QString(); }

void ShowError(const QString& Text) { MessageDlg(Text, mtError, {mbOK}); }

}  // namespace

int EDE_Object_Type_Code(const QString& TypeText) {
  for (const auto& [name, code] : ObjectTypes)
    if (TypeText == QString::fromUtf16(name)) return code;
  return 0;
}

QString Get_TimeStamp_Text(TDateTime Moment) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDate(Moment, year, month, day);
  DecodeTime(Moment, hour, minute, second, msec);
  return TwoDigits(hour) + ":" + TwoDigits(minute) + ":" + TwoDigits(second) + " " + TwoDigits(day) + "/" +
         TwoDigits(month) + "/" + TwoDigits(year);
}

void TEdeExport::Reset_Instance_Counters() { FCounters.fill(0); }

int TEdeExport::Next_Object_Instance(int TypeCode) {
  const auto* at = std::find(std::begin(CountedTypes), std::end(CountedTypes), TypeCode);
  if (at == std::end(CountedTypes)) return 0;
  return int(FCounters[size_t(at - std::begin(CountedTypes))]++);
}

void TEdeExport::Read_EDE_Device_Settings() {
  EDE_Device_Instance.clear();
  EDE_Long_Names = false;
  if (!FileExists(ParGenFile) || !FXML1.LoadFromFile(ParGenFile)) return;
  const TXmlNode root = FXML1.Root();
  const auto text = [&](const char* Key, QString& Value) {
    if (const TXmlNode node = root.ChildNode(QString::fromLatin1(Key))) Value = node.Text();
  };
  QString type;
  text("BACnet_Type", type);
  text(StrToIntDef(type, 0) == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE", EDE_Device_Instance);
  QString limit;
  text("BACnet_Desc_Chars_Limit", limit);
  EDE_Long_Names = limit == "1";
}

bool TEdeExport::Load_BACnet_Slave_Objects() {
  if (!FileExists(BACnetSlaveFile)) return true;
  if (!FXML1.LoadFromFile(BACnetSlaveFile)) {
    ShowError(FXML1.ErrorText());
    return false;
  }
  const TXmlNode root = FXML1.Root();
  for (const char16_t* name : Sections) {
    const QString section = QString::fromUtf16(name);
    const TXmlNode node = root.ChildNode(section);
    if (!node) {
      ShowError(Format("The file \"%s\" has no section \"%s\".", {BACnetSlaveFile, section}));
      return false;
    }
    int row = 0;
    for (const TXmlNode& element : node.ChildElements()) {
      ++row;
      std::array<QString, 3> values;
      for (size_t a = 0; a < values.size(); ++a) {
        const QString attribute = QString::fromUtf16(RowAttributes[a]);
        if (!element.ReadAttribute(attribute, values[a])) {
          ShowError(Format("Row %d of section \"%s\" in \"%s\" has no attribute \"%s\".",
                           {row, section, BACnetSlaveFile, attribute}));
          return false;
        }
      }
      const auto& [dataType, engUnit, mnemonic] = values;
      const int type = EDE_Object_Type_Code(dataType.trimmed().toUpper());
      TBACnet_EDE_Obj object;
      object.DevObjInstance = EDE_Device_Instance;
      object.ObjectName = mnemonic.left(EDE_Long_Names ? 32 : 16);
      object.ObjectType = QString::number(type);
      object.ObjectInstance = QString::number(Next_Object_Instance(type));
      object.Keyname = EDE_Device_Instance + "_" + mnemonic + "_" + object.ObjectInstance;
      object.Description = object.ObjectName;
      object.UnitCode = engUnit;
      EDE_Object_List.push_back(std::move(object));
    }
  }
  return true;
}

QStringList TEdeExport::EdeFileLines(TDateTime Moment) const {
  QStringList lines{
      "PROJECT_NAME; " + MakerName + "-" + Get_EDE_Name_Part() + "-" + ProjectName + ";;;;;;",
      "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
      "TIMESTAMP_OF_LAST_CHANGE;" + Get_TimeStamp_Text(Moment) + ";;;;;;",
      "AUTHOR_OF_LAST_CHANGE;" + MakerName + ";;;;;;",
      "VERSION_OF_LAYOUT;2;;;;;;",
      "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
      "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;",
  };
  for (const TBACnet_EDE_Obj& o : EDE_Object_List)
    lines << o.Keyname + ";" + o.DevObjInstance + ";" + o.ObjectName + ";" + o.ObjectType + ";" + o.ObjectInstance +
                 ";" + o.Description + ";" + o.UnitCode + ";";
  return lines;
}

bool TEdeExport::Write_EDE_File(const QString& FileName) const {
  if (WriteTextLines(FileName, EdeFileLines(Now()), TLinesEncoding::Ansi)) return true;
  ShowError(CannotCreateFileText(FileName));
  return false;
}

bool TEdeExport::Create_EDE_File(const QString& FileName) {
  EDE_Object_List.clear();
  Reset_Instance_Counters();
  Read_EDE_Device_Settings();
  const bool written = Load_BACnet_Slave_Objects() && Write_EDE_File(FileName);
  EDE_Object_List.clear();
  return written;
}

void Export_EDE_File(TXmlDocument& XML1, const QString& FileName) { TEdeExport(XML1).Create_EDE_File(FileName); }
