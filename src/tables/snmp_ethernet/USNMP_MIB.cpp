#include "tables/snmp_ethernet/USNMP_MIB.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/MakerData.h"
#include "tables/snmp_ethernet/TextLinesFile.h"

std::vector<bool> MibReadIsInteger;
std::vector<bool> MibWriteIsInteger;

namespace {
constexpr int TextOverwrite = 1505;
constexpr int DataBlocks = 8;

TStringList& ObjectList(TStringList*& List) {
  if (!List) List = new TStringList;
  return *List;
}

void LoadSection(const TXmlNode& Root, const QString& Section, TStringList& Objects, std::vector<bool>& IsInteger) {
  const TXmlNode node = Root.ChildNode(Section);
  if (node.IsNull()) return;
  for (const TXmlNode& row : node.ChildElements()) {
    QString enable;
    if (!row.ReadAttribute("Enable", enable) || enable.toUpper() != "Y") continue;
    IsInteger.push_back(row.AttributeDef("Type", QString()).toUpper() == "INT");
    Objects.Add(row.AttributeDef("Description", QString()));
  }
}

const char* Syntax(bool Integer) { return Integer ? "SYNTAX INTEGER" : "SYNTAX OCTET STRING"; }

// The objects of one direction: name, kind, description and their parent node.
void AddObjects(QStringList& Lines, const TStringList& Objects, const std::vector<bool>& IsInteger, bool Read) {
  const QString access = Read ? "read-only" : "read-write";
  const QString parent = Read ? "bufferinval" : "bufferoutval";
  for (int i = 0; i < Objects.Count(); ++i) {
    const QString n = QString::number(i + 1);
    const QString d = Objects[i];
    const QString name = d.isEmpty() ? parent + n : d;
    Lines << name + " OBJECT-TYPE " + Syntax(IsInteger[size_t(i)]) + " MAX-ACCESS " + access +
                 " STATUS current DESCRIPTION \"" + d + "\" ::= { " + parent + " " + n + " }";
  }
}

void AddBlocks(QStringList& Lines, bool Read) {
  const QString node = Read ? "bufferin" : "bufferout";
  const QString access = Read ? "read-only" : "read-write";
  for (int k = 1; k <= DataBlocks; ++k) {
    const QString ks = QString::number(k);
    Lines << node + "blk" + ks + " OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + access +
                 " STATUS current DESCRIPTION \"data block n." + ks + "\" ::= { " + node + " " + ks + " }";
  }
}

QStringList ModuleHead() {
  return {"GATEWAY DEFINITIONS ::= BEGIN",
          "IMPORTS",
          "       MODULE-IDENTITY,OBJECT-TYPE",
          "         FROM SNMPv2-SMI",
          "         DisplayString, TimeStamp",
          "         FROM SNMPv2-TC",
          "         enterprises",
          "         FROM RFC1155-SMI;",
          "",
          "identity MODULE-IDENTITY",
          "    LAST-UPDATED \"201701310000Z\"",
          "    ORGANIZATION \"" + MakerName + "\"",
          "    CONTACT-INFO",
          "\t \"" + MakerStreet,
          "    " + MakerPostalCode + " " + MakerTown,
          "    " + MakerCountry,
          "    email:    " + MakerEmail + "\"",
          "    DESCRIPTION",
          "\t\"MIB objects for agent module \"",
          "    REVISION     \"201701310000Z\"",
          "    DESCRIPTION",
          "\t\"Corrected notification \"",
          "    REVISION     \"200202060000Z\"",
          "    DESCRIPTION",
          "\t\"First draft\"",
          "    ::= { velmor 2 }",
          "velmor          OBJECT IDENTIFIER ::= { enterprises 58317 }",
          "gateway OBJECT IDENTIFIER::= { velmor 1 }",
          "application OBJECT IDENTIFIER::= { gateway 1 }",
          "data OBJECT IDENTIFIER::= { application 1 }",
          "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= "
          "{ data 1}",
          "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= "
          "{ data 2}",
          "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= "
          "{ data 3}"};
}
}  // namespace

bool LoadMibObjects() {
  TStringList& read = ObjectList(MibReadObjects);
  TStringList& write = ObjectList(MibWriteObjects);
  read.Clear();
  write.Clear();
  MibReadIsInteger.clear();
  MibWriteIsInteger.clear();
  if (!FileExists(SNMPTrapFile)) return true;
  TXmlDocument XML1;
  if (!XML1.LoadFromFile(SNMPTrapFile)) {
    MessageDlg(XML1.ErrorText(), mtError, {mbOK});
    return false;
  }
  const TXmlNode root = XML1.Root();
  LoadSection(root, "SNMP_Trap_Read", read, MibReadIsInteger);
  LoadSection(root, "SNMP_Trap_Write", write, MibWriteIsInteger);
  return true;
}

QStringList MibFileLines() {
  const TStringList& read = ObjectList(MibReadObjects);
  const TStringList& write = ObjectList(MibWriteObjects);
  // The flags follow the lists; lists filled elsewhere count as strings.
  MibReadIsInteger.resize(size_t(read.Count()), false);
  MibWriteIsInteger.resize(size_t(write.Count()), false);
  QStringList lines = ModuleHead();
  lines << "bufferin OBJECT IDENTIFIER::= { data 4 }";
  AddBlocks(lines, true);
  lines << " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }";
  AddObjects(lines, read, MibReadIsInteger, true);
  lines << "bufferout OBJECT IDENTIFIER::= { data 5 }";
  AddBlocks(lines, false);
  lines << " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }";
  AddObjects(lines, write, MibWriteIsInteger, false);
  lines << "traps OBJECT IDENTIFIER::= { application 2 }";
  lines << " trapsval OBJECT IDENTIFIER::= { traps 1 }";
  for (int i = 0; i < read.Count(); ++i) {
    const QString n = QString::number(i + 1);
    lines << "trapval" + n + " NOTIFICATION-TYPE " + Syntax(MibReadIsInteger[size_t(i)]) +
                 " MAX-ACCESS read-only STATUS current DESCRIPTION \"" + read[i] + "\" ::= { trapsval " + n + " }";
  }
  lines << "END";
  return lines;
}

bool WriteMibFile(const QString& Path) {
  if (WriteTextLines(Path, MibFileLines(), TLinesEncoding::Ansi)) return true;
  MessageDlg(CannotCreateFileText(Path), mtError, {mbOK});
  return false;
}

void CreateMibFile(TSaveDialog& SaveMIB) {
  SaveMIB.InitialDir = ProjectFolder;
  if (!SaveMIB.Execute()) return;
  const QString path = SaveMIB.FileName;
  if (FileExists(path) && MessageDlg(LangText(TextOverwrite), mtConfirmation, mbYesNo) != mrYes) return;
  if (!LoadMibObjects()) return;
  WriteMibFile(path);
}
