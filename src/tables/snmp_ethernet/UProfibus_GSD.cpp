#include "tables/snmp_ethernet/UProfibus_GSD.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/MakerData.h"
#include "tables/snmp_ethernet/TextLinesFile.h"

int GsdInputLength = 0;
int GsdOutputLength = 0;

namespace {
constexpr int TextOverwrite = 1503, TextNoParameters = 1504;
constexpr int ModuleBytes = 64;
constexpr int BoxWidth = 85;
const QString Model = "DVZ9KAU";
const QString Function = "PROFIBUS Slave / LoRaWAN Gateway - Converter";

const QString BoxLine = ";* " + QString(80, u'=') + " *";
const QString EmptyBoxLine = ";*" + QString(82, u' ') + "*";
const QString ClosingLine = ";" + QString(84, u'*');

QString Rule(int Length) { return ";" + QString(Length - 1, u'='); }
// A section: its rule, its title filled to the rule's length, the rule, an empty line.
QStringList Section(const QString& Title, int Length) {
  const QString head = ";==== " + Title + " ";
  return {Rule(Length), head + QString(std::max(0, Length - int(head.size())), u'='), Rule(Length), ""};
}
// A line of the header box: the text padded so that "*" closes it at the box's width.
QString BoxText(const QString& Lead, const QString& Text) {
  const QString line = Lead + Text;
  return line + QString(std::max(0, BoxWidth - 1 - int(line.size())), u' ') + "*";
}

QStringList Header() {
  const QString indent = ";*" + QString(11, u' ');
  return {";",
          ";***************** " + Function + " *********************",
          BoxLine,
          EmptyBoxLine,
          BoxText(";* Vendor:    ", MakerLegalName),
          BoxText(indent, MakerStreet),
          BoxText(indent, MakerPostalCode + " " + MakerTown),
          BoxText(indent, MakerProvince + " - " + MakerCountry),
          BoxText(indent, "Tel. : " + MakerPhone),
          BoxText(indent, "FAX. : " + MakerFax),
          BoxText(indent, "eMail: " + MakerEmail),
          EmptyBoxLine,
          BoxLine,
          EmptyBoxLine,
          BoxText(";* Function:       ", Function),
          EmptyBoxLine,
          EmptyBoxLine,
          BoxText(";* Order Number : ", Model),
          EmptyBoxLine,
          EmptyBoxLine,
          ClosingLine,
          "",
          "",
          "#Profibus_DP",
          "",
          ""};
}

QStringList PrmTexts() {
  QStringList lines = Section("Prm-Text-Def-List", 85);
  lines << "PrmText=1"
        << "Text(0)=\"disable\""
        << "Text(1)=\"enable\""
        << "EndPrmText"
        << ""
        << "PrmText  = 2"
        << "Text(0)  = \"clock up\""
        << "Text(1)  = \"clock down\""
        << "EndPrmText"
        << ""
        << "PrmText  = 3";
  for (int n = 1; n <= 5; ++n) lines << QString("Text(%1)  = \"%2\"").arg(n).arg(10 * n);
  lines << "EndPrmText"
        << ""
        << "";
  return lines;
}

struct TExtUserPrm {
  const char* Head;
  std::initializer_list<const char*> Body;
};
const TExtUserPrm ExtUserPrms[] = {
    {"ExtUserPrmData=1 \"[SlotNumber]\"", {"Unsigned8 0 0-32"}},
    {"ExtUserPrmData=2 \"Diagnostic Alarm\"", {"Bit(0) 0 0-1", "Prm_Text_Ref=1"}},
    {"ExtUserPrmData=3 \"Process Alarm\"", {"Bit(1) 0 0-1", "Prm_Text_Ref=1"}},
    {"ExtUserPrmData=4 \"Counter mode\"", {"Unsigned8 0 0-1", "Prm_Text_Ref=2"}},
    {"ExtUserPrmData=5 \"Counter timebase (ms)\"", {"Unsigned8 1 1-5", "Prm_Text_Ref=3"}},
    {"ExtUserPrmData=6 \"Counter high-limit\"", {"Unsigned16 65535 0-65535"}},
    {"ExtUserPrmData=7 \"Counter low-limit\"", {"Unsigned16 0 0-65535"}},
};

QStringList ExtUserPrmData() {
  QStringList lines = Section("Ext-User-Prm-Data-Def-List", 86);
  for (const TExtUserPrm& prm : ExtUserPrms) {
    lines << prm.Head;
    for (const char* line : prm.Body) lines << line;
    lines << "EndExtUserPrmData"
          << "";
  }
  lines << "";
  return lines;
}

constexpr const char* Baudrates[] = {"9.6", "19.2", "45.45", "93.75", "187.5", "500", "1.5M", "3M", "6M", "12M"};
constexpr int MaxTsdr[] = {15, 15, 15, 15, 15, 15, 20, 35, 50, 95};

QStringList Keywords() {
  QStringList lines = Section("General DP Keywords", 86);
  lines << "GSD_Revision = 5"
        << "Vendor_Name = \"" + MakerWebName + "\""
        << "Model_Name = \"" + Model + "\""
        << "Revision = \"1.00\""
        << "Ident_Number = 0xB7C2"
        << "Protocol_Ident = 0"
        << "Station_Type = 0"
        << "FMS_supp = 0"
        << "Hardware_Release = \"V1.00\""
        << "Software_Release = \"V1.00\""
        << "Redundancy = 0"
        << "Repeater_Ctrl_Sig = 2"
        << "24V_Pins = 0"
        << ""
        << "";
  lines << Section("Supported baudrates", 79);
  for (const char* rate : Baudrates) lines << QString("%1_supp = 1").arg(rate);
  lines << "";
  for (size_t i = 0; i < std::size(Baudrates); ++i) lines << QString("MaxTsdr_%1=%2").arg(Baudrates[i]).arg(MaxTsdr[i]);
  lines << ""
        << "";
  return lines;
}

int ModuleCount(int Length) { return Length > 0 ? (Length + ModuleBytes - 1) / ModuleBytes : 0; }

QStringList SlaveValues() {
  QStringList lines = Section("Slave specific values", 79);
  lines << "OrderNumber=\"" + Model + "\""
        << "Slave_Family = 9@" + MakerWebName + "@" + Model << "Implementation_Type = \"VPC3+\""
        << "Info_Text=\"" + MakerWebName + ": " + Function + "\""
        << "Bitmap_Device = \"DPV0_1N\""
        << "Bitmap_SF=\"DPV0_1S\""
        << ""
        << "Freeze_Mode_supp=1"
        << "Sync_Mode_supp=1"
        << "Fail_Safe=1"
        << "Auto_Baud_supp=1"
        << "Set_Slave_Add_supp=0"
        << ""
        << "Min_Slave_Intervall=6"
        << ""
        << "Modular_Station=1";
  const int in = GsdInputLength, out = GsdOutputLength;
  lines << "Max_Module=" + QString::number(ModuleCount(GsdInputLength) + ModuleCount(GsdOutputLength))
        << "Modul_Offset=1"
        << "Max_Input_Len=" + QString::number(in) << "Max_Output_Len=" + QString::number(out)
        << "Max_Data_Len=" + QString::number(in + out);
  lines << "Max_Diag_Data_Len=15"
        << ""
        << "WD_Base_1ms_supp = 1"
        << "Publisher_supp = 1"
        << "";
  lines << Section("User-Prm-Data", 79);
  lines << "Max_User_Prm_Data_Len = 12"
        << "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00"
        << "";
  lines << Section("Modulstatus", 79);
  for (int slot = 1; slot <= 2; ++slot) {
    const int area = 22 + 2 * slot;
    lines << QString("Unit_Diag_Area = %1 - %2").arg(area).arg(area + 1);
    const QString name = QString("Slot %1: ").arg(slot);
    lines << "Value(1)= \"" + name + "Module error\""
          << "Value(2)= \"" + name + "Wrong module\""
          << "Value(3)= \"" + name + "No module\""
          << "Unit_Diag_Area_End";
  }
  lines << ""
        << "";
  return lines;
}

QString HH(int Value) { return QString("%1").arg(Value, 2, 16, QChar('0')).toUpper(); }

// The modules of one direction, numbered on from k.
void AddModules(QStringList& Lines, int Length, bool Input, int& k) {
  const QString start = Input ? "Module=\"DI  (PORT" : "Module=\"DO  (PORT";
  const QString id = Input ? "0x42" : "0x82";
  for (int rest = Length; rest > 0; rest -= ModuleBytes, ++k) {
    if (rest > ModuleBytes)
      Lines << start + QString::number(k) + ")    \" " + id + ",0x3F,0x00,0x" + HH(k);
    else
      Lines << start + QString::number(k) + ")    \" " + id + ",0x" + HH(rest - 1) + ",0x00,0x" + HH(k);
    Lines << QString::number(k) << "EndModule";
  }
}

QStringList Modules() {
  QStringList lines = Section("Module-Definition-List", 79);
  int k = 1;
  AddModules(lines, GsdInputLength, true, k);
  AddModules(lines, GsdOutputLength, false, k);
  lines << ""
        << ""
        << ""
        << "SlotDefinition";
  for (int s = 1; s < k; ++s) lines << QString("Slot(%1) = \"Slot %1\" %1 %1").arg(s);
  lines << "EndSlotDefinition"
        << ""
        << ""
        << ""
        << "";
  return lines;
}

int LengthElement(const TXmlNode& Root, const char* Name) {
  const TXmlNode node = Root.ChildNode(Name);
  return node.IsNull() ? 0 : StrToIntDef(node.Text(), 0);
}
}  // namespace

QString GsdFileName(const QString& Chosen) {
  const qsizetype at = Chosen.toLower().indexOf(".gsd");
  return at >= 0 && at + 4 == Chosen.size() ? Chosen : Chosen + ".gsd";
}

QStringList GsdFileLines() { return Header() + PrmTexts() + ExtUserPrmData() + Keywords() + SlaveValues() + Modules(); }

bool WriteGsdFile(const QString& Path) {
  if (WriteTextLines(Path, GsdFileLines(), TLinesEncoding::Ansi)) return true;
  MessageDlg(CannotCreateFileText(Path), mtError, {mbOK});
  return false;
}

void CreateGsdFile() {
  if (!FileExists(ParGenFile)) {
    MessageDlg(LangText(TextNoParameters), mtError, {mbOK});
    return;
  }
  GsdInputLength = 0;
  GsdOutputLength = 0;
  {
    TXmlDocument XML1;
    if (!XML1.LoadFromFile(ParGenFile)) {
      MessageDlg(XML1.ErrorText(), mtError, {mbOK});
      return;
    }
    // The slave's input is what the device puts out, and the other way round.
    GsdInputLength = LengthElement(XML1.Root(), "PROFINET_NB_OUT");
    GsdOutputLength = LengthElement(XML1.Root(), "PROFINET_NB_IN");
  }
  TSaveDialog dialog(nullptr);
  dialog.InitialDir = ProjectFolder;
  dialog.Filter = "Generic Station Description (*.gsd)|*.gsd";
  if (!dialog.Execute()) return;
  const QString path = GsdFileName(dialog.FileName);
  if (FileExists(path) && MessageDlg(LangText(TextOverwrite), mtConfirmation, mbYesNo) != mrYes) return;
  WriteGsdFile(path);
}
