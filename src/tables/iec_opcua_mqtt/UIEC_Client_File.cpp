#include "tables/iec_opcua_mqtt/UIEC_Client_File.h"

#include "common/LangFormat.h"
#include "common/tables/TableCells.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "platform/XmlWriter.h"

const std::array<const char16_t*, IecDaColumnCount> IecDaAttributes{
    u"Index",    u"bType",   u"fc",      u"Reference", u"StartByte", u"NumByte",   u"IPAddress", u"Port",
    u"OnChange", u"OnCMD",   u"OnTimer", u"Time",      u"Position",  u"StartBit",  u"ReadWrite", u"Convertion",
    u"MoltFact", u"Mnemonic"};

const std::array<const char16_t*, IecDataSetColumnCount> IecDataSetAttributes{
    u"Index", u"Reference", u"GooseName", u"EnGoose", u"IPAddress", u"Port", u"Time", u"Mnemonic"};

namespace {
const QString RootName = QStringLiteral("IEC_68850_Client");
const QString VersionComment = QStringLiteral("SW_VERSION = 1.000");

struct TByteCountRule {
  const char16_t* bType;
  const char16_t* NumByte;
};
// "TIMESTAMP" counts one byte, as the gateway reads it.
constexpr TByteCountRule ByteCountRules[]{
    {u"FLOAT32", u"4"}, {u"INT32U", u"4"},  {u"INT32", u"4"},   {u"QUALITY", u"4"},   {u"FLOAT64", u"8"},
    {u"INT64", u"8"},   {u"INT8U", u"1"},   {u"INT8", u"1"},    {u"BOOLEAN", u"1"},   {u"TIMESTAMP", u"1"},
    {u"ENUM", u"1"},    {u"INT16U", u"2"},  {u"INT16", u"2"},
};

bool IsWholeNumber(const QString& Text) {
  return TableCellInt(Text) != -1 || TableTrim(Text) == u"-1";
}

QString MissingAttribute(const QString& Path, const QString& Section, int Row, const QString& Attribute) {
  return QString("Error in file \"%1\": row %2 of %3 has no attribute \"%4\".").arg(Path).arg(Row).arg(Section, Attribute);
}

// A catalog name that stays inside the catalog folder.
bool IsPlainFileName(const QString& Name) {
  return !Name.isEmpty() && !Name.contains(u'/') && !Name.contains(u'\\') && Name != u"." && Name != u"..";
}

std::unique_ptr<TIEC_Device> ReadCatalogEntry(const TXmlNode& Item, const QString& CatalogFolder, bool& Read) {
  const QString fileName = Item.AttributeDef("FileName", "");
  const QString path = CatalogFolder + "/" + fileName;
  Read = false;
  if (IsPlainFileName(fileName) && FileExists(path)) {
    try {
      auto device = std::make_unique<TIEC_Device>(path);
      Read = true;
      return device;
    } catch (const ESclError&) {
    }
  }
  auto placeholder = std::make_unique<TIEC_Device>();
  placeholder->Name = Item.AttributeDef("Name", "");
  placeholder->FileName = fileName;
  return placeholder;
}
}  // namespace

TIEC_DataSet* Get_DataSet(const TIecDeviceList& List_IEC_Dev, int Index, const QString& Reference) {
  if (Index < 0 || Index >= int(List_IEC_Dev.size())) return nullptr;
  for (const auto& ld : List_IEC_Dev[size_t(Index)]->List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& dataSet : ln->List_DataSet)
        if (dataSet->Reference == Reference) return dataSet.get();
  return nullptr;
}

bool IecFixedByteCounts(const QString& bType, QString& StartByte, QString& NumByte) {
  const QString upper = bType.toUpper();
  for (const TByteCountRule& rule : ByteCountRules)
    if (upper == QString::fromUtf16(rule.bType)) {
      StartByte = "0";
      NumByte = QString::fromUtf16(rule.NumByte);
      return true;
    }
  return false;
}

void Set_Start_Num_Byte(std::vector<TIecDaRow>& Rows) {
  for (TIecDaRow& row : Rows)
    IecFixedByteCounts(row[IecDaColBType - 1], row[IecDaColStartByte - 1], row[IecDaColNumByte - 1]);
}

bool IecRowsFilled(int Rows, const QString& FirstIndex) { return Rows > 1 || (Rows == 1 && !FirstIndex.isEmpty()); }

bool LoadIecClientFile(const QString& Path, const QString& CatalogFolder, TIecClientData& Data, QStringList& Messages) {
  Data = TIecClientData();
  if (!FileExists(Path)) return true;
  TXmlDocument XML1;
  if (!XML1.LoadFromFile(Path)) {
    Messages << XML1.ErrorText();
    return false;
  }
  TXmlNode root = XML1.Root();
  if (!root.IsNull() && root.NodeName() != RootName) root = TXmlNode();

  QStringList unread;
  for (const TXmlNode& item : root.ChildNode("List_ICD_Files").ChildElements()) {
    bool read = false;
    Data.List_IEC_Dev.push_back(ReadCatalogEntry(item, CatalogFolder, read));
    if (!read) unread << Data.List_IEC_Dev.back()->FileName;
  }
  if (!unread.isEmpty()) Messages << LangFormat(TextSclFilesNotRead, {unread.join(", ")});

  const std::vector<TXmlNode> daItems = root.ChildNode("List_DA_Selected").ChildElements();
  for (size_t i = 0; i < daItems.size(); ++i) {
    TIecDaRow row;
    for (int c = 0; c < IecDaColumnCount; ++c) {
      const QString attribute = QString::fromUtf16(IecDaAttributes[size_t(c)]);
      if (daItems[i].ReadAttribute(attribute, row[size_t(c)])) continue;
      if (c + 1 == IecDaColStartByte || c + 1 == IecDaColNumByte) continue;
      Set_Start_Num_Byte(Data.DaRows);
      Messages << MissingAttribute(Path, "List_DA_Selected", int(i) + 1, attribute);
      return false;
    }
    Data.DaRows.push_back(row);
  }
  Set_Start_Num_Byte(Data.DaRows);

  const std::vector<TXmlNode> dataSetItems = root.ChildNode("List_DataSet_Selected").ChildElements();
  for (size_t i = 0; i < dataSetItems.size(); ++i) {
    const TXmlNode& item = dataSetItems[i];
    TIecDataSetRow row;
    for (int c = 0; c < IecDataSetColumnCount; ++c) {
      const QString attribute = QString::fromUtf16(IecDataSetAttributes[size_t(c)]);
      if (item.ReadAttribute(attribute, row[size_t(c)])) continue;
      Messages << MissingAttribute(Path, "List_DataSet_Selected", int(i) + 1, attribute);
      return false;
    }
    if (!IsWholeNumber(row[0])) {
      Messages << QString("Error in file \"%1\": row %2 of List_DataSet_Selected has the Index \"%3\", "
                          "which is not a whole number.")
                      .arg(Path)
                      .arg(int(i) + 1)
                      .arg(row[0]);
      return false;
    }
    auto dataSet = std::make_unique<TDataSet>();
    dataSet->Select_DataSet = Get_DataSet(Data.List_IEC_Dev, TableCellInt(row[0]), row[1]);
    const std::vector<TXmlNode> members = item.ChildNode("DataSet_List_DAs").ChildElements();
    for (size_t k = 0; k < members.size(); ++k) {
      const TXmlNode& saved = members[k];
      const TIEC_DataSet* selected = dataSet->Select_DataSet;
      if (!selected || k >= selected->List_DA.size()) continue;
      TIEC_DA* member = selected->List_DA[k];
      if (member->bType != saved.AttributeDef("bType", "") || member->Reference != saved.AttributeDef("Reference", ""))
        continue;
      auto mapping = std::make_unique<TDataSet_DA>();
      mapping->Select_DA = member;
      mapping->Position = saved.AttributeDef("Position", "");
      mapping->bitAddress = saved.AttributeDef("StartBit", "");
      mapping->conversion = saved.AttributeDef("Convertion", "");
      mapping->multFactor = saved.AttributeDef("MoltFact", "");
      mapping->Mnemonic = saved.AttributeDef("Mnemonic", "");
      dataSet->List_DAs.push_back(std::move(mapping));
    }
    Data.DataSetRows.push_back(row);
    Data.List_DataSet.push_back(std::move(dataSet));
  }
  return true;
}

namespace {
void WriteFile(TXmlWriter& Writer, const TIecClientData& Data) {
  Writer.StartElement(RootName);
  Writer.StartElement("List_ICD_Files");
  for (const auto& device : Data.List_IEC_Dev) {
    Writer.StartElement("ICD_File");
    Writer.Attribute("Name", XmlWritableText(device->Name));
    Writer.Attribute("FileName", XmlWritableText(device->FileName));
    Writer.EndElement();
  }
  Writer.EndElement();

  Writer.StartElement("List_DA_Selected");
  if (IecRowsFilled(int(Data.DaRows.size()), Data.DaRows.empty() ? QString() : Data.DaRows.front()[0]))
    for (const TIecDaRow& row : Data.DaRows) {
      Writer.StartElement("DA_Item");
      for (int c = 0; c < IecDaColumnCount; ++c)
        Writer.Attribute(QString::fromUtf16(IecDaAttributes[size_t(c)]), XmlWritableText(row[size_t(c)]));
      Writer.EndElement();
    }
  Writer.EndElement();

  Writer.StartElement("List_DataSet_Selected");
  if (IecRowsFilled(int(Data.DataSetRows.size()), Data.DataSetRows.empty() ? QString() : Data.DataSetRows.front()[0]))
    for (size_t r = 0; r < Data.DataSetRows.size(); ++r) {
      Writer.StartElement("DataSet_Item");
      for (int c = 0; c < IecDataSetColumnCount; ++c)
        Writer.Attribute(QString::fromUtf16(IecDataSetAttributes[size_t(c)]),
                         XmlWritableText(Data.DataSetRows[r][size_t(c)]));
      Writer.StartElement("DataSet_List_DAs");
      if (r < Data.List_DataSet.size())
        for (const auto& mapping : Data.List_DataSet[r]->List_DAs) {
          Writer.StartElement("DataSet_DA_Item");
          Writer.Attribute("bType", XmlWritableText(mapping->Select_DA ? mapping->Select_DA->bType : QString()));
          Writer.Attribute("Reference", XmlWritableText(mapping->Select_DA ? mapping->Select_DA->Reference : QString()));
          Writer.Attribute("Position", XmlWritableText(mapping->Position));
          Writer.Attribute("StartBit", XmlWritableText(mapping->bitAddress));
          Writer.Attribute("Convertion", XmlWritableText(mapping->conversion));
          Writer.Attribute("MoltFact", XmlWritableText(mapping->multFactor));
          Writer.Attribute("Mnemonic", XmlWritableText(mapping->Mnemonic));
          Writer.EndElement();
        }
      Writer.EndElement();
      Writer.EndElement();
    }
  Writer.EndElement();
  Writer.EndElement();
  Writer.Comment(VersionComment);
}
}  // namespace

QByteArray IecClientFileBytes(const TIecClientData& Data) {
  TXmlWriter writer(-1);
  WriteFile(writer, Data);
  return writer.Bytes();
}

bool SaveIecClientFile(const QString& Path, const TIecClientData& Data) {
  TXmlWriter writer(-1);
  WriteFile(writer, Data);
  return writer.SaveToFile(Path);
}
