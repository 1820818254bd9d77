// One SCL file read into the tree of the IEC 61850 client editor: the first
// IED with its logical devices, logical nodes, data objects, attributes and
// data sets. The reader only reads; every gap in the file gives a smaller
// tree. Names compare with exact case, a missing attribute reads as "".
//
// Templates may name each other without end or fan out at every level. A type
// that repeats on the current path gives no children; a device that would need
// more than SclMaxObjects objects, or nest deeper than SclMaxNesting, is
// refused like an ill-formed file (ESclError naming the file).
#pragma once

#include "platform/SysUtils.h"

#include <QString>

#include <memory>
#include <vector>

class TTreeNode;
class TXmlNode;
class TSclReader;
struct TSclChild;

inline constexpr int SclMaxObjects = 200000;
inline constexpr int SclMaxNesting = 64;

// A file that is not well-formed XML or beyond the reader's limits.
class ESclError : public Exception {
  using Exception::Exception;
};

class TIEC_Device;
class TIEC_DO;

class TIEC_DA {
public:
  QString Reference;
  QString FC;
  QString bType;
  QString Name;
  std::vector<std::unique_ptr<TIEC_DA>> List_DA;
  TTreeNode* TreeNode = nullptr;

  // Element: a DA or BDA element of a template.
  void Decode_DA(TSclReader& Reader, const TSclChild& Element, const QString& FC_Father, const QString& str_Reference);
  TIEC_DA* Find_DA(const QString& DA_Name) const;
  TIEC_DA* Find_First_DA() const;
};

class TIEC_DO {
public:
  QString Name;
  std::vector<std::unique_ptr<TIEC_DO>> List_DO;
  std::vector<std::unique_ptr<TIEC_DA>> List_DA;
  TTreeNode* TreeNode = nullptr;

  // Element: a DO or SDO element of a template.
  void Decode_DO(TSclReader& Reader, const TSclChild& Element, const QString& str_Reference);
  TIEC_DO* Find_DO(const QString& DO_Name) const;
  // Attributes and their sub-attributes only, never those of the sub-data objects.
  TIEC_DA* Find_DA(const QString& DA_Name) const;
  TIEC_DA* Find_First_DA() const;
};

class TIEC_DataSet {
public:
  QString Name;
  QString Reference;
  QString GooseName;
  // Members belong to the data objects of the same device.
  std::vector<TIEC_DA*> List_DA;
  TTreeNode* TreeNode = nullptr;

  void Decode_DataSet(const TXmlNode& Element, const TIEC_Device& IEC_Device, const QString& str_Reference);
};

class TIEC_LN {
public:
  QString lnClass;
  QString lnType;
  QString Prefix;
  QString Inst;
  std::vector<std::unique_ptr<TIEC_DO>> List_DO;
  std::vector<std::unique_ptr<TIEC_DataSet>> List_DataSet;
  TTreeNode* TreeNode = nullptr;

  void Decode_LN(TSclReader& Reader, const TXmlNode& Element, const QString& str_Reference);
  void Decode_LN_DataSet(TSclReader& Reader, const TXmlNode& Element, const TIEC_Device& IEC_Device,
                         const QString& str_Reference);
  void Decode_LN_Goose(const TXmlNode& Element);
  TIEC_DO* Find_DO(const QString& DO_Name) const;
};

class TIEC_LDevice {
public:
  QString Name;
  std::vector<std::unique_ptr<TIEC_LN>> List_LN;
  TTreeNode* TreeNode = nullptr;

  void Decode_LDevice(TSclReader& Reader, const TXmlNode& Element, const TIEC_Device* IEC_Device, bool DataSetSearch,
                      const QString& str_Reference);
  TIEC_LN* Find_LN(const QString& LN_Class) const;
};

class TIEC_Device {
public:
  QString Name;
  QString FileName;
  std::vector<std::unique_ptr<TIEC_LDevice>> List_LDevice;
  TTreeNode* TreeNode = nullptr;

  // An empty device (a catalog entry whose file could not be read).
  TIEC_Device() = default;
  // Reads the file; raises ESclError when it is not well-formed or beyond the limits.
  explicit TIEC_Device(const QString& FileName_icd);
  TIEC_Device(const TIEC_Device&) = delete;
  TIEC_Device& operator=(const TIEC_Device&) = delete;

  TIEC_LDevice* Find_LDevice(const QString& LD_Name) const;

private:
  void LoadSclDevice(const QString& Path);
};
