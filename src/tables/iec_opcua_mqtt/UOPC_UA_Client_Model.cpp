#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Model.h"

#include "common/UOpcUa_Codes.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"

#include <QStringView>

namespace {

constexpr int IdNumeric = 0, IdString = 3, IdGuid = 4, IdByteString = 5;

const QString Root = QStringLiteral("OPC_UA_Client");
const QString ServerList = QStringLiteral("OPC_UA_Server_List");
const QString ServerElement = QStringLiteral("OPC_UA_Server");
const QString Variables = QStringLiteral("OPC_UA_Variables");
const QString ReadSection = QStringLiteral("OPC_UA_Read_Var");
const QString WriteSection = QStringLiteral("OPC_UA_Write_Var");
const QString VariableElement = QStringLiteral("Variable");

// The nine text attributes of a server, in the file's order after Enable.
struct TServerText {
  const char16_t* Name;
  QString TOPC_UA_Server::* Field;
};
constexpr TServerText ServerTexts[] = {
    {u"ServerAddress", &TOPC_UA_Server::ServerAddress},   {u"Authorization", &TOPC_UA_Server::Authorization},
    {u"UserName", &TOPC_UA_Server::UserName},             {u"Password", &TOPC_UA_Server::Password},
    {u"Certificate", &TOPC_UA_Server::Certificate},       {u"PrivateKey", &TOPC_UA_Server::PrivateKey},
    {u"SecurityType", &TOPC_UA_Server::SecurityType},     {u"SecurityPolicy", &TOPC_UA_Server::SecurityPolicy},
    {u"Mnemonic", &TOPC_UA_Server::Mnemonic},
};

struct TFlagAttribute {
  const char16_t* Name;
  QString TOPC_UA_Variable::* Field;
};
constexpr TFlagAttribute Flags[] = {
    {u"OnChange", &TOPC_UA_Variable::OnChange},
    {u"OnCMD", &TOPC_UA_Variable::OnCMD},
    {u"OnTimer", &TOPC_UA_Variable::OnTimer},
};

QString Name(const char16_t* text) { return QString::fromUtf16(text); }

bool IsHexPrefix(QStringView s) {
  return s.startsWith(u'$') || s.startsWith(u"0x", Qt::CaseInsensitive) || s.startsWith(u'x', Qt::CaseInsensitive);
}

// A numeric identifier: hexadecimal keeps its 32 bits; decimal covers both the
// signed and the unsigned range so that every value written reads back.
uint32_t ParseNumeric(const QString& text) {
  QStringView rest(text);
  while (!rest.isEmpty() && rest.front() == u' ') rest = rest.mid(1);
  if (IsHexPrefix(rest)) {
    int value = 0;
    return TryStrToInt(text, value) ? uint32_t(value) : 0;
  }
  int64_t value = 0;
  if (!TryStrToInt64(text, value) || value < INT32_MIN || value > int64_t(UINT32_MAX)) return 0;
  return uint32_t(value);
}

// One part of a GUID, read as "0x" followed by the part; 0 when malformed.
uint32_t GuidPart(const QString& part) {
  int value = 0;
  return TryStrToInt(QStringLiteral("0x") + part, value) ? uint32_t(value) : 0;
}

void ParseGuid(TOPC_UA_Variable& v, const QString& text) {
  QString rest = text.trimmed();
  const auto group = [&rest] {
    const qsizetype dash = rest.indexOf(u'-');
    QString part;
    if (dash >= 0) {
      part = rest.left(dash);
      rest = rest.mid(dash + 1);
    } else {
      part = rest;
      rest.clear();
    }
    return GuidPart(part);
  };
  // Byte 1 skips one more character: the "-" between the fourth and fifth group.
  const auto byte = [&rest](qsizetype skip) {
    QString part;
    if (rest.size() > 2) {
      part = rest.left(2);
      rest = rest.mid(skip);
    } else {
      part = rest;
      rest.clear();
    }
    return uint8_t(GuidPart(part));
  };
  v.guide1 = group();
  v.guide2 = uint16_t(group());
  v.guide3 = uint16_t(group());
  for (int i = 0; i < 8; ++i) v.guide4[i] = byte(i == 1 ? 3 : 2);
}

QString FlagToFile(const QString& flag) { return flag == QLatin1String("Y") ? QStringLiteral("1") : QStringLiteral("0"); }

QString Attr(const TXmlNode& node, const QString& name, const QString& def = QString()) {
  return node.AttributeDef(name, def);
}

void WriteVariable(TXmlNode parent, const TOPC_UA_Variable& v, bool readList) {
  TXmlNode node = parent.AddChild(VariableElement);
  node.SetAttribute(QStringLiteral("Enable"), v.Enable ? QStringLiteral("1") : QStringLiteral("0"));
  node.SetAttribute(QStringLiteral("DisplayName"), v.DispalyName);
  node.SetAttribute(QStringLiteral("NodeType"), v.NodeType());
  node.SetAttribute(QStringLiteral("NodeID"), v.NodeID());
  node.SetAttribute(QStringLiteral("VarType"), v.VarType());
  node.SetAttribute(QStringLiteral("NameSpaceIndex"), QString::number(v.nameSpaceIndex));
  node.SetAttribute(QStringLiteral("VarArray"), readList ? v.VarArray : QStringLiteral("Var"));
  node.SetAttribute(QStringLiteral("Start"), readList ? v.Start : QStringLiteral("0"));
  node.SetAttribute(QStringLiteral("Length"), readList ? v.Len : QStringLiteral("0"));
  for (const TFlagAttribute& flag : Flags) node.SetAttribute(Name(flag.Name), FlagToFile(v.*flag.Field));
  node.SetAttribute(QStringLiteral("Time"), v.Time);
  node.SetAttribute(QStringLiteral("Position"), v.Position);
  node.SetAttribute(QStringLiteral("Mnemonic"), v.Mnemonic);
}

std::unique_ptr<TOPC_UA_Variable> ReadVariable(const TXmlNode& node) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->Enable = Attr(node, QStringLiteral("Enable")) == QLatin1String("1");
  v->DispalyName = Attr(node, QStringLiteral("DisplayName"));
  v->SetNodeType(Attr(node, QStringLiteral("NodeType")));
  v->SetNodeID(Attr(node, QStringLiteral("NodeID")));
  v->SetVarType(Attr(node, QStringLiteral("VarType")));
  v->nameSpaceIndex = uint16_t(StrToIntDef(Attr(node, QStringLiteral("NameSpaceIndex")), 0));
  v->VarArray = Attr(node, QStringLiteral("VarArray"), QStringLiteral("Variable"));
  v->Start = Attr(node, QStringLiteral("Start"), QStringLiteral("0"));
  v->Len = Attr(node, QStringLiteral("Length"), QStringLiteral("0"));
  for (const TFlagAttribute& flag : Flags)
    (*v).*flag.Field = Attr(node, Name(flag.Name)) == QLatin1String("1") ? QStringLiteral("Y") : QStringLiteral("N");
  v->Time = Attr(node, QStringLiteral("Time"));
  v->Position = Attr(node, QStringLiteral("Position"));
  v->Mnemonic = Attr(node, QStringLiteral("Mnemonic"));
  return v;
}

void ReadVariables(const TXmlNode& section, TOPC_UA_Variable_List& list) {
  if (!section) return;
  for (const TXmlNode& node : section.ChildElements()) list.push_back(ReadVariable(node));
}

}  // namespace

TOPC_UA_Server::~TOPC_UA_Server() {
  for (TOPC_UA_Variable_List* list : {&Var_List_R, &Var_List_W})
    while (!list->empty()) list->pop_back();
}

QString TOPC_UA_Variable::NodeType() const { return OpcUaIdTypeName(identifierType); }

void TOPC_UA_Variable::SetNodeType(const QString& value) { identifierType = uint16_t(OpcUaIdTypeCode(value)); }

QString TOPC_UA_Variable::NodeID() const {
  opcua_structure record{};
  record.identifierType = identifierType;
  record.numeric = numeric;
  record.guide1 = guide1;
  record.guide2 = guide2;
  record.guide3 = guide3;
  for (int i = 0; i < 8; ++i) record.guide4[i] = guide4[i];
  switch (identifierType) {
    case IdString: return stringname;
    case IdByteString: return byteString;
    default: return OpcUaNodeIdText(record);
  }
}

void TOPC_UA_Variable::SetNodeID(const QString& value) {
  switch (identifierType) {
    case IdNumeric: numeric = ParseNumeric(value); break;
    case IdString: stringname = value; break;
    case IdGuid: ParseGuid(*this, value); break;
    case IdByteString: byteString = value; break;
    default: break;
  }
}

QString TOPC_UA_Variable::VarType() const {
  const QString name = dataType >= 1 ? OpcUaDataTypeName(dataType) : QString();
  return name.isEmpty() ? OpcUaDataTypeName(0) : name;
}

void TOPC_UA_Variable::SetVarType(const QString& value) {
  const QString upper = UpperCase(value);
  dataType = 0;
  for (const TOpcUaCodeText& entry : OpcUaDataTypeTable)
    if (upper == UpperCase(QLatin1String(entry.Text))) {
      dataType = entry.Code;
      return;
    }
}

void LoadOPCUAClientFile(const QString& path, TOPC_UA_Server_List& servers) {
  servers.clear();
  TXmlDocument doc;
  if (!FileExists(path) || !doc.LoadFromFile(path)) return;
  // The root is found by its name, so a declaration or anything else before it is passed over.
  TXmlNode root = doc.Root();
  if (root.NodeName() != Root) return;
  const TXmlNode list = root.ChildNode(ServerList);
  if (!list) return;
  for (const TXmlNode& node : list.ChildElements()) {
    auto server = std::make_unique<TOPC_UA_Server>();
    server->Enable = Attr(node, QStringLiteral("Enable")) == QLatin1String("1");
    for (const TServerText& text : ServerTexts) (*server).*text.Field = Attr(node, Name(text.Name));
    const TXmlNode variables = node.ChildNode(Variables);
    if (variables) {
      ReadVariables(variables.ChildNode(ReadSection), server->Var_List_R);
      ReadVariables(variables.ChildNode(WriteSection), server->Var_List_W);
    }
    servers.push_back(std::move(server));
  }
}

bool WriteOPCUAClientFile(const QString& path, const TOPC_UA_Server_List& servers) {
  TXmlDocument doc;
  TXmlNode list = doc.CreateRoot(Root).AddChild(ServerList);
  for (const auto& server : servers) {
    TXmlNode node = list.AddChild(ServerElement);
    node.SetAttribute(QStringLiteral("Enable"), server->Enable ? QStringLiteral("1") : QStringLiteral("0"));
    for (const TServerText& text : ServerTexts) node.SetAttribute(Name(text.Name), (*server).*text.Field);
    TXmlNode variables = node.AddChild(Variables);
    TXmlNode read = variables.AddChild(ReadSection);
    for (const auto& v : server->Var_List_R) WriteVariable(read, *v, true);
    TXmlNode write = variables.AddChild(WriteSection);
    for (const auto& v : server->Var_List_W) WriteVariable(write, *v, false);
  }
  return doc.SaveToFile(path);
}
