#include "tables/snmp_ethernet/UProfinetXML.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/MakerData.h"
#include "tables/snmp_ethernet/TextLinesFile.h"

#include <initializer_list>
#include <utility>

int ProfinetInputSize = 1438;
int ProfinetOutputSize = 1438;
QString ProfinetStationName;

namespace {
constexpr int DefaultSize = 1438;
constexpr int TextOverwrite = 4808;
const QString DefaultStation = "SERIAL";
const QString ProfileNamespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

using TAttributes = std::initializer_list<std::pair<const char*, QString>>;

QString Escaped(const QString& Value) {
  QString out;
  for (QChar c : Value) {
    switch (c.unicode()) {
      case u'&': out += "&amp;"; break;
      case u'<': out += "&lt;"; break;
      case u'>': out += "&gt;"; break;
      case u'"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

QString AttributeText(TAttributes Attributes) {
  QString text;
  for (const auto& [name, value] : Attributes) text += QString(" %1=\"%2\"").arg(name, Escaped(value));
  return text;
}

// The template's lines, one element a line, indented by one tab per level.
class TGsdmlLines {
public:
  void Open(const char* Tag, TAttributes Attributes = {}) {
    Add(QString("<%1%2>").arg(Tag, AttributeText(Attributes)));
    ++FDepth;
  }
  void Close(const char* Tag) {
    --FDepth;
    Add(QString("</%1>").arg(Tag));
  }
  void Leaf(const char* Tag, TAttributes Attributes) { Add(QString("<%1%2/>").arg(Tag, AttributeText(Attributes))); }
  void Text(const char* Tag, const QString& Text) { Add(QString("<%1>%2</%1>").arg(Tag, Text)); }
  void Comment(const QString& Text) { Add("<!-- " + Text + " -->"); }
  void Add(const QString& Line) { FLines << QString(FDepth, u'\t') + Line; }
  QStringList Lines() const { return FLines; }

private:
  QStringList FLines;
  int FDepth = 0;
};

struct TExternalText {
  const char* Id;
  const char* Value;
};
constexpr TExternalText ExternalTexts[] = {
    {"IDT_INFO_Device", "Velmor Gateways"},
    {"IDT_NAME_DAP1", "LoRaWANGateway"},
    {"IDT_INFO_DAP1", "Profinet LoRaWAN Gateway Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device LoRaWAN"},
    {"IDT_NAME_FAP", "FAP for LoRaWAN"},
    {"IDT_INFO_FAP", "Description of FAP for LoRaWAN"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "LoRaWAN Device "},
    {"IDT_INFO_M_PB1", "Description of LoRaWAN"},
    {"IDT_NAME_S_PB1", "Module of a LoRaWAN"},
    {"IDT_INFO_S_PB1", "Description of module of a LoRaWAN"},
    {"IDT_PB_Input", "Digital input LoRaWAN"},
    {"IDT_PB_InputBit0", "Digital input bit LoRaWAN"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
// The last texts name their value first.
constexpr int ValueFirstTexts = 3;

void AddHeader(TGsdmlLines& x) {
  x.Open("ProfileHeader");
  x.Text("ProfileIdentification", "PROFINET Device Profile");
  x.Text("ProfileRevision", "1.00");
  x.Text("ProfileName", "Device Profile for PROFINET Devices");
  x.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
  x.Text("ProfileClassID", "Device");
  x.Open("ISO15745Reference");
  x.Text("ISO15745Part", "4");
  x.Text("ISO15745Edition", "1");
  x.Text("ProfileTechnology", "GSDML");
  x.Close("ISO15745Reference");
  x.Close("ProfileHeader");
}

void AddModuleInfo(TGsdmlLines& x, const char* Name, const char* Info) {
  x.Open("ModuleInfo");
  x.Leaf("Name", {{"TextId", Name}});
  x.Leaf("InfoText", {{"TextId", Info}});
  x.Close("ModuleInfo");
}

void AddAccessPoint(TGsdmlLines& x) {
  const QString& station = ProfinetStationName;
  x.Open("DeviceAccessPointList");
  x.Open("DeviceAccessPointItem", {{"PNIO_Version", "V2.3"},
                                   {"RequiredSchemaVersion", "V2.25"},
                                   {"ID", "IDD_1"},
                                   {"PhysicalSlots", "0..4"},
                                   {"ModuleIdentNumber", "0x00000001"},
                                   {"MinDeviceInterval", "64"},
                                   {"ImplementationType", station},
                                   {"DNS_CompatibleName", station},
                                   {"FixedInSlots", "0"},
                                   {"ObjectUUID_LocalIndex", "1"},
                                   {"MultipleWriteSupported", "true"},
                                   {"MaxSupportedRecordSize", "8192"},
                                   {"ParameterizationSpeedupSupported", "true"},
                                   {"PowerOnToCommReady", "350"},
                                   {"DeviceAccessSupported", "true"},
                                   {"SharedDeviceSupported", "true"},
                                   {"CheckDeviceID_Allowed", "false"},
                                   {"NameOfStationNotTransferable", "true"}});
  x.Open("ModuleInfo");
  x.Leaf("Name", {{"TextId", "IDT_NAME_DAP1"}});
  x.Leaf("InfoText", {{"TextId", "IDT_INFO_DAP1"}});
  x.Leaf("VendorName", {{"Value", MakerName}});
  x.Leaf("OrderNumber", {{"Value", "DVZ9KAV"}});
  x.Close("ModuleInfo");
  x.Open("SubslotList");
  x.Leaf("SubslotItem", {{"SubslotNumber", "0"}, {"TextId", "IDT_SUBSLOT_1"}});
  x.Leaf("SubslotItem", {{"SubslotNumber", "32768"}, {"TextId", "IDT_SUBSLOT_Interface"}});
  x.Leaf("SubslotItem", {{"SubslotNumber", "32769"}, {"TextId", "IDT_SUBSLOT_Port1"}});
  x.Leaf("SubslotItem", {{"SubslotNumber", "32770"}, {"TextId", "IDT_SUBSLOT_Port2"}});
  x.Close("SubslotList");
  x.Leaf("IOConfigData", {{"MaxInputLength", "1440"}, {"MaxOutputLength", "1440"}, {"MaxDataLength", "2880"}});
  x.Open("UseableModules");
  x.Leaf("ModuleItemRef", {{"ModuleItemTarget", "IDM_1"}, {"FixedInSlots", "1"}});
  x.Close("UseableModules");
  x.Open("VirtualSubmoduleList");
  x.Open("VirtualSubmoduleItem", {{"ID", "IDS_V1"}, {"SubmoduleIdentNumber", "0x00000000"}});
  x.Leaf("IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
  AddModuleInfo(x, "IDT_NAME_VS1", "IDT_INFO_VS1");
  x.Close("VirtualSubmoduleItem");
  x.Close("VirtualSubmoduleList");
  x.Open("SystemDefinedSubmoduleList");
  x.Open("InterfaceSubmoduleItem", {{"ID", "IDS_I"},
                                    {"SubmoduleIdentNumber", "0x00000001"},
                                    {"SubslotNumber", "32768"},
                                    {"TextId", "IDT_NAME_IS"},
                                    {"SupportedRT_Classes", "RT_CLASS_1"},
                                    {"SupportedProtocols", "SNMP;LLDP"},
                                    {"SupportedMibs", "MIB2"}});
  x.Open("ApplicationRelations");
  x.Leaf("TimingProperties", {{"SendClock", "32"}, {"ReductionRatio", "1 2 4 8 16 32 64 128 256 512"}});
  x.Close("ApplicationRelations");
  x.Close("InterfaceSubmoduleItem");
  for (const auto& [id, subslot, text] :
       {std::tuple{"IDS_P1", "32769", "IDT_NAME_PS1"}, std::tuple{"IDS_P2", "32770", "IDT_NAME_PS2"}})
    x.Leaf("PortSubmoduleItem", {{"ID", id},
                                 {"SubmoduleIdentNumber", "0x00000002"},
                                 {"SubslotNumber", subslot},
                                 {"TextId", text},
                                 {"MaxPortRxDelay", "350"},
                                 {"MaxPortTxDelay", "160"}});
  x.Close("SystemDefinedSubmoduleList");
  x.Comment("This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters).");
  x.Add("<!-- FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/-->");
  x.Close("DeviceAccessPointItem");
  x.Close("DeviceAccessPointList");
}

void AddModule(TGsdmlLines& x) {
  x.Open("ModuleList");
  x.Comment("The \"normal\" module carrying the FAP.");
  x.Open("ModuleItem", {{"ID", "IDM_1"}, {"ModuleIdentNumber", "0x00000001"}});
  x.Open("ModuleInfo");
  x.Leaf("Name", {{"TextId", "IDT_NAME_M1"}});
  x.Leaf("InfoText", {{"TextId", "IDT_INFO_M1"}});
  x.Leaf("OrderNumber", {{"Value", "12345-0040-M"}});
  x.Close("ModuleInfo");
  x.Open("VirtualSubmoduleList");
  x.Open("VirtualSubmoduleItem", {{"ID", "IDM_1"}, {"SubmoduleIdentNumber", "0x00000001"}});
  x.Open("IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
  // The device's output bytes are what the controller reads as its input.
  const auto dataItem = [](int Length, const char* Text) {
    return "<DataItem" +
           AttributeText({{"DataType", "OctetString"}, {"Length", QString::number(Length)}, {"TextId", Text}}) + "/>";
  };
  x.Add("<Input>" + dataItem(ProfinetOutputSize, "IDT_Input_1") + "</Input>");
  x.Add("<Output>" + dataItem(ProfinetInputSize, "IDT_Output_1") + "</Output>");
  x.Close("IOData");
  x.Open("RecordDataList");
  x.Open("ParameterRecordDataItem", {{"Index", "128"}, {"Length", "2"}});
  x.Leaf("Name", {{"TextId", "IDT_NAME_M1_IDT_REF_channel"}});
  x.Leaf("Const", {{"ByteOffset", "0"}, {"Data", "0x00,0x00"}});
  x.Leaf("Ref", {{"TextId", "IDT_REF_reaction_to_cpu_stop"},
                 {"Visible", "true"},
                 {"DataType", "BitArea"},
                 {"ByteOffset", "0"},
                 {"BitOffset", "0"},
                 {"BitLength", "2"},
                 {"DefaultValue", "2"},
                 {"AllowedValues", "0..2"},
                 {"ValueItemTarget", "IDV_reaction_to_cpu_stop"},
                 {"ID", "IDT_REF_reaction_to_cpu_stop"}});
  x.Open("MenuList");
  x.Open("MenuItem", {{"ID", "IDT_NAME_M1_IDT_REF_channel"}});
  x.Leaf("Name", {{"TextId", "IDT_NAME_M1_IDT_REF_channel"}});
  x.Leaf("MenuRef", {{"MenuTarget", "IDT_NAME_M1_Base_Parameters"}});
  x.Close("MenuItem");
  x.Open("MenuItem", {{"ID", "IDT_NAME_M1_Base_Parameters"}});
  x.Leaf("Name", {{"TextId", "IDT_NAME_M1_Base_Parameters"}});
  x.Leaf("ParameterRef", {{"ParameterTarget", "IDT_REF_reaction_to_cpu_stop"}});
  x.Close("MenuItem");
  x.Close("MenuList");
  x.Close("ParameterRecordDataItem");
  x.Close("RecordDataList");
  AddModuleInfo(x, "IDT_NAME_M1", "IDT_INFO_M1");
  x.Close("VirtualSubmoduleItem");
  x.Close("VirtualSubmoduleList");
  x.Close("ModuleItem");
  x.Close("ModuleList");
}

void AddLists(TGsdmlLines& x) {
  x.Open("ValueList");
  x.Open("ValueItem", {{"ID", "IDV_reaction_to_cpu_stop"}});
  x.Open("Assignments");
  x.Leaf("Assign", {{"TextId", "IDT_ASSIGN_do_set_substitude_values"}, {"Content", "0"}});
  x.Leaf("Assign", {{"TextId", "IDT_ASSIGN_do_values_will_hold"}, {"Content", "1"}});
  x.Leaf("Assign", {{"TextId", "IDT_ASSIGN_do_continue_counting"}, {"Content", "2"}});
  x.Close("Assignments");
  x.Close("ValueItem");
  x.Close("ValueList");
  x.Open("CategoryList");
  for (const auto& [id, text, info] : {std::tuple{"IDC_DI", "IDT_CATEGORY_DI", "IDT_INFO_DI"},
                                       std::tuple{"IDC_DO", "IDT_CATEGORY_DO", "IDT_INFO_DO"}}) {
    x.Open("CategoryItem", {{"ID", id}, {"TextId", text}});
    x.Leaf("InfoText", {{"TextId", info}});
    x.Close("CategoryItem");
  }
  x.Close("CategoryList");
  x.Open("ExternalTextList");
  x.Open("PrimaryLanguage");
  const int valueFirst = int(std::size(ExternalTexts)) - ValueFirstTexts;
  for (int i = 0; i < int(std::size(ExternalTexts)); ++i) {
    const TExternalText& t = ExternalTexts[i];
    if (i < valueFirst)
      x.Leaf("Text", {{"TextId", t.Id}, {"Value", t.Value}});
    else
      x.Leaf("Text", {{"Value", t.Value}, {"TextId", t.Id}});
  }
  x.Close("PrimaryLanguage");
  x.Close("ExternalTextList");
}

int SizeElement(const TXmlNode& Root, const char* Name) {
  const TXmlNode node = Root.ChildNode(Name);
  return node.IsNull() ? DefaultSize : StrToIntDef(node.Text(), DefaultSize);
}
}  // namespace

void ReadProfinetSettings() {
  // Every call starts over, so a project never gets an earlier project's name.
  ProfinetInputSize = DefaultSize;
  ProfinetOutputSize = DefaultSize;
  ProfinetStationName.clear();
  if (FileExists(ParGenFile)) {
    TXmlDocument XML1;
    if (XML1.LoadFromFile(ParGenFile)) {
      const TXmlNode root = XML1.Root();
      ProfinetInputSize = SizeElement(root, "PROFINET_NB_IN");
      ProfinetOutputSize = SizeElement(root, "PROFINET_NB_OUT");
      if (const TXmlNode name = root.ChildNode("PROFINET_NAME_STA"); !name.IsNull()) ProfinetStationName = name.Text();
    }
  }
  if (ProfinetStationName.trimmed().isEmpty()) ProfinetStationName = DefaultStation;
}

QStringList GsdmlFileLines() {
  TGsdmlLines x;
  x.Add("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  x.Comment("A fieldbus integration example.");
  x.Open("ISO15745Profile", {{"xmlns", ProfileNamespace},
                             {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
                             {"xsi:schemaLocation", ProfileNamespace + " ../xsd/GSDML-DeviceProfile-v2.31.xsd"}});
  AddHeader(x);
  x.Open("ProfileBody");
  x.Open("DeviceIdentity", {{"VendorID", "0x2C4E"}, {"DeviceID", "0x0D71"}});
  x.Leaf("InfoText", {{"TextId", "IDT_INFO_Device"}});
  x.Leaf("VendorName", {{"Value", MakerName}});
  x.Close("DeviceIdentity");
  x.Open("DeviceFunction");
  x.Leaf("Family", {{"MainFamily", "Gateway"}, {"ProductFamily", "DVZ9KAV"}});
  x.Close("DeviceFunction");
  x.Open("ApplicationProcess");
  AddAccessPoint(x);
  AddModule(x);
  AddLists(x);
  x.Close("ApplicationProcess");
  x.Close("ProfileBody");
  x.Close("ISO15745Profile");
  return x.Lines();
}

bool WriteGsdmlFile(const QString& Path) {
  ReadProfinetSettings();
  if (WriteTextLines(Path, GsdmlFileLines(), TLinesEncoding::Utf8Bom)) return true;
  MessageDlg(CannotCreateFileText(Path), mtError, {mbOK});
  return false;
}

void CreateGsdmlFile(const QString& FileName) {
  TSaveDialog dialog(nullptr);
  dialog.InitialDir = ProjectFolder;
  dialog.Filter = "PROFINET XML (*.xml)|" + FileName;
  dialog.FileName = FileName;
  if (!dialog.Execute()) return;
  // The chosen name only picks the folder: the file keeps its composed name.
  QString folder = ExtractFilePath(dialog.FileName);
  if (folder.isEmpty()) folder = ProjectFolder;
  const QString path = IncludeTrailingPathDelimiter(folder) + FileName;
  if (FileExists(path) && MessageDlg(LangText(TextOverwrite), mtConfirmation, mbYesNo) != mrYes) return;
  WriteGsdmlFile(path);
}
