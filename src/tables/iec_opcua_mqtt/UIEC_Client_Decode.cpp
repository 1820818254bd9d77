#include "tables/iec_opcua_mqtt/UIEC_Client_Decode.h"

#include "platform/Files.h"
#include "platform/Xml.h"

#include <QHash>

#include <algorithm>

// A DO, SDO, DA or BDA element of a template, read once: a fan-out of
// templates expands the same elements many times.
struct TSclChild {
  bool IsSDO = false;
  QString Name;
  QString bType;
  QString Fc;
  bool HasFc = false;
  QString Type;
  bool HasType = false;
};

namespace {
QString Attr(const TXmlNode& Element, const char* Name) { return Element.AttributeDef(QString::fromLatin1(Name), ""); }

TSclChild ReadChild(const TXmlNode& Element) {
  TSclChild child;
  child.IsSDO = Element.NodeName() == u"SDO";
  child.Name = Attr(Element, "name");
  child.bType = Attr(Element, "bType");
  child.HasFc = Element.ReadAttribute("fc", child.Fc);
  child.HasType = Element.ReadAttribute("type", child.Type);
  return child;
}

enum TTemplateKind { tkLNodeType, tkDOType, tkDAType, tkCount };
}  // namespace

// What one reading shares: the templates by id (the children of every
// template of an id, in file order, as a walk of DataTypeTemplates would find
// them), the types on the current path and the work done so far.
class TSclReader {
public:
  TSclReader(const QString& Path, const TXmlNode& Templates) : FPath(Path) {
    for (const TXmlNode& element : Templates.ChildElements()) {
      const QString kind = element.NodeName();
      const char* childName = nullptr;
      int k = 0;
      if (kind == u"LNodeType") {
        k = tkLNodeType;
        childName = "DO";
      } else if (kind == u"DOType") {
        k = tkDOType;
      } else if (kind == u"DAType") {
        k = tkDAType;
        childName = "BDA";
      } else {
        continue;
      }
      const QString id = Attr(element, "id");
      auto it = FIds[k].constFind(id);
      int index = 0;
      if (it == FIds[k].constEnd()) {
        index = int(FChildren[k].size());
        FIds[k].insert(id, index);
        FChildren[k].emplace_back();
      } else {
        index = it.value();
      }
      std::vector<TSclChild>& children = FChildren[k][size_t(index)];
      for (const TXmlNode& child : element.ChildElements()) {
        const QString name = child.NodeName();
        if (childName ? name == QLatin1String(childName) : (name == u"SDO" || name == u"DA"))
          children.push_back(ReadChild(child));
      }
    }
  }

  // -1 when no template has the id.
  int TypeIndex(int Kind, const QString& Id) const { return FIds[Kind].value(Id, -1); }
  const std::vector<TSclChild>& Children(int Kind, int Index) const { return FChildren[Kind][size_t(Index)]; }

  // Called for every object made; a file that needs too many is refused.
  void Count() {
    if (++FObjects > SclMaxObjects)
      throw ESclError(QString("The SCL file \"%1\" describes more than %2 objects.").arg(FPath).arg(SclMaxObjects));
  }

  // The type a data object or attribute is about to expand; false when it is
  // already being expanded above (the templates name themselves).
  bool Enter(int Kind, int Index) {
    const int key = Index * tkCount + Kind;
    if (std::find(FPathTypes.begin(), FPathTypes.end(), key) != FPathTypes.end()) return false;
    if (int(FPathTypes.size()) >= SclMaxNesting)
      throw ESclError(
          QString("The SCL file \"%1\" nests its types deeper than %2 levels.").arg(FPath).arg(SclMaxNesting));
    FPathTypes.push_back(key);
    return true;
  }
  void Leave() { FPathTypes.pop_back(); }

private:
  QString FPath;
  QHash<QString, int> FIds[tkCount];
  std::vector<std::vector<TSclChild>> FChildren[tkCount];
  std::vector<int> FPathTypes;
  int FObjects = 0;
};

namespace {
// Leaves the path when the expansion ends, whichever way.
class TTypeScope {
public:
  TTypeScope(TSclReader& Reader, int Kind, int Index) : FReader(Reader), FEntered(Reader.Enter(Kind, Index)) {}
  ~TTypeScope() {
    if (FEntered) FReader.Leave();
  }
  TTypeScope(const TTypeScope&) = delete;
  TTypeScope& operator=(const TTypeScope&) = delete;
  bool Entered() const { return FEntered; }

private:
  TSclReader& FReader;
  bool FEntered;
};
}  // namespace

// ---- attributes ----

void TIEC_DA::Decode_DA(TSclReader& Reader, const TSclChild& Element, const QString& FC_Father,
                        const QString& str_Reference) {
  Name = Element.Name;
  Reference = str_Reference + "." + Name;
  bType = Element.bType;
  FC = Element.HasFc ? Element.Fc : FC_Father;
  if (!Element.HasType || bType == u"Enum") return;
  const int type = Reader.TypeIndex(tkDAType, Element.Type);
  if (type < 0) return;
  const TTypeScope scope(Reader, tkDAType, type);
  if (!scope.Entered()) return;
  for (const TSclChild& bda : Reader.Children(tkDAType, type)) {
    Reader.Count();
    auto sub = std::make_unique<TIEC_DA>();
    sub->Decode_DA(Reader, bda, FC, Reference);
    List_DA.push_back(std::move(sub));
  }
}

TIEC_DA* TIEC_DA::Find_DA(const QString& DA_Name) const {
  for (const auto& da : List_DA) {
    if (da->Name == DA_Name) return da.get();
    if (TIEC_DA* found = da->Find_DA(DA_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DA::Find_First_DA() const {
  if (List_DA.empty()) return nullptr;
  TIEC_DA* first = List_DA.front().get();
  return first->List_DA.empty() ? first : first->Find_First_DA();
}

// ---- data objects ----

void TIEC_DO::Decode_DO(TSclReader& Reader, const TSclChild& Element, const QString& str_Reference) {
  Name = Element.Name;
  const QString reference = str_Reference + "." + Name;
  if (Element.Type.isEmpty()) return;
  const int type = Reader.TypeIndex(tkDOType, Element.Type);
  if (type < 0) return;
  const TTypeScope scope(Reader, tkDOType, type);
  if (!scope.Entered()) return;
  for (const TSclChild& child : Reader.Children(tkDOType, type)) {
    Reader.Count();
    if (child.IsSDO) {
      auto sdo = std::make_unique<TIEC_DO>();
      sdo->Decode_DO(Reader, child, reference);
      List_DO.push_back(std::move(sdo));
    } else {
      auto da = std::make_unique<TIEC_DA>();
      da->Decode_DA(Reader, child, QString(), reference);
      List_DA.push_back(std::move(da));
    }
  }
}

TIEC_DO* TIEC_DO::Find_DO(const QString& DO_Name) const {
  for (const auto& sdo : List_DO) {
    if (sdo->Name == DO_Name) return sdo.get();
    if (TIEC_DO* found = sdo->Find_DO(DO_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DO::Find_DA(const QString& DA_Name) const {
  for (const auto& da : List_DA) {
    if (da->Name == DA_Name) return da.get();
    if (TIEC_DA* found = da->Find_DA(DA_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DO::Find_First_DA() const {
  if (List_DA.empty()) return nullptr;
  TIEC_DA* first = List_DA.front().get();
  return first->List_DA.empty() ? first : first->Find_First_DA();
}

// ---- data sets ----

void TIEC_DataSet::Decode_DataSet(const TXmlNode& Element, const TIEC_Device& IEC_Device,
                                  const QString& str_Reference) {
  Name = Attr(Element, "name");
  Reference = str_Reference + "." + Name;
  for (const TXmlNode& fcda : Element.ChildElements("FCDA")) {
    const QString ldInst = Attr(fcda, "ldInst");
    const QString lnClass = Attr(fcda, "lnClass");
    const QString doName = Attr(fcda, "doName");
    const QString daName = Attr(fcda, "daName");
    const TIEC_LDevice* ld = ldInst.isEmpty() ? nullptr : IEC_Device.Find_LDevice(ldInst);
    if (!ld) continue;
    const TIEC_LN* ln = lnClass.isEmpty() ? nullptr : ld->Find_LN(lnClass);
    if (!ln) continue;
    const TIEC_DO* dataObject = doName.isEmpty() ? nullptr : ln->Find_DO(doName);
    if (!dataObject) continue;
    TIEC_DA* member = daName.isEmpty() ? dataObject->Find_First_DA() : dataObject->Find_DA(daName);
    if (member) List_DA.push_back(member);
  }
}

// ---- logical nodes ----

void TIEC_LN::Decode_LN(TSclReader& Reader, const TXmlNode& Element, const QString& str_Reference) {
  lnClass = Attr(Element, "lnClass");
  lnType = Attr(Element, "lnType");
  Prefix = Attr(Element, "prefix");
  Inst = Attr(Element, "inst");
  const QString reference = str_Reference + "/" + Prefix + lnClass + Inst;
  if (lnType.isEmpty()) return;
  const int type = Reader.TypeIndex(tkLNodeType, lnType);
  if (type < 0) return;
  for (const TSclChild& child : Reader.Children(tkLNodeType, type)) {
    Reader.Count();
    auto dataObject = std::make_unique<TIEC_DO>();
    dataObject->Decode_DO(Reader, child, reference);
    List_DO.push_back(std::move(dataObject));
  }
}

void TIEC_LN::Decode_LN_DataSet(TSclReader& Reader, const TXmlNode& Element, const TIEC_Device& IEC_Device,
                                const QString& str_Reference) {
  const QString base = str_Reference + "/" + Attr(Element, "lnClass");
  if (Attr(Element, "lnType").isEmpty()) return;
  for (const TXmlNode& child : Element.ChildElements("DataSet")) {
    Reader.Count();
    auto dataSet = std::make_unique<TIEC_DataSet>();
    dataSet->Decode_DataSet(child, IEC_Device, base);
    List_DataSet.push_back(std::move(dataSet));
  }
  for (const TXmlNode& child : Element.ChildElements("GSEControl")) Decode_LN_Goose(child);
}

void TIEC_LN::Decode_LN_Goose(const TXmlNode& Element) {
  const QString name = Attr(Element, "name");
  const QString datSet = Attr(Element, "datSet");
  if (name.isEmpty() || datSet.isEmpty()) return;
  for (const auto& dataSet : List_DataSet)
    if (dataSet->Name == datSet) {
      dataSet->GooseName = name;
      return;
    }
}

TIEC_DO* TIEC_LN::Find_DO(const QString& DO_Name) const {
  for (const auto& dataObject : List_DO) {
    if (dataObject->Name == DO_Name) return dataObject.get();
    if (TIEC_DO* found = dataObject->Find_DO(DO_Name)) return found;
  }
  return nullptr;
}

// ---- logical devices ----

void TIEC_LDevice::Decode_LDevice(TSclReader& Reader, const TXmlNode& Element, const TIEC_Device* IEC_Device,
                                  bool DataSetSearch, const QString& str_Reference) {
  Name = Attr(Element, "inst");
  const QString reference = str_Reference + Name;
  size_t k = 0;
  for (const TXmlNode& child : Element.ChildElements()) {
    const QString kind = child.NodeName();
    if (kind != u"LN0" && kind != u"LN") continue;
    if (!DataSetSearch) {
      Reader.Count();
      auto ln = std::make_unique<TIEC_LN>();
      ln->Decode_LN(Reader, child, reference);
      List_LN.push_back(std::move(ln));
    } else if (IEC_Device && k < List_LN.size()) {
      List_LN[k]->Decode_LN_DataSet(Reader, child, *IEC_Device, reference);
    }
    ++k;
  }
}

TIEC_LN* TIEC_LDevice::Find_LN(const QString& LN_Class) const {
  for (const auto& ln : List_LN)
    if (ln->lnClass == LN_Class) return ln.get();
  return nullptr;
}

// ---- device ----

TIEC_Device::TIEC_Device(const QString& FileName_icd) {
  LoadSclDevice(FileName_icd);
  FileName = ExtractFileName(FileName_icd);
}

TIEC_LDevice* TIEC_Device::Find_LDevice(const QString& LD_Name) const {
  for (const auto& ld : List_LDevice)
    if (ld->Name == LD_Name) return ld.get();
  return nullptr;
}

void TIEC_Device::LoadSclDevice(const QString& Path) {
  if (!FileExists(Path)) return;
  TXmlDocument document;
  if (!document.LoadFromFile(Path)) throw ESclError(QString("\"%1\": %2").arg(Path, document.ErrorText()));
  const TXmlNode scl = document.Root();
  if (scl.IsNull() || scl.NodeName() != u"SCL") return;
  const TXmlNode ied = scl.ChildNode("IED");
  const TXmlNode templates = scl.ChildNode("DataTypeTemplates");
  if (ied.IsNull() || templates.IsNull()) return;
  Name = Attr(ied, "name");
  const TXmlNode accessPoint = ied.ChildNode("AccessPoint");
  const TXmlNode server = accessPoint.IsNull() ? TXmlNode() : accessPoint.ChildNode("Server");
  if (server.IsNull()) return;
  // On a refusal the half-built tree goes, so the device stays as an empty one.
  try {
    TSclReader reader(Path, templates);
    const std::vector<TXmlNode> lDevices = server.ChildElements("LDevice");
    for (const TXmlNode& element : lDevices) {
      reader.Count();
      auto ld = std::make_unique<TIEC_LDevice>();
      ld->Decode_LDevice(reader, element, this, false, Name);
      List_LDevice.push_back(std::move(ld));
    }
    for (size_t k = 0; k < lDevices.size() && k < List_LDevice.size(); ++k)
      List_LDevice[k]->Decode_LDevice(reader, lDevices[k], this, true, Name);
  } catch (...) {
    List_LDevice.clear();
    throw;
  }
}
