#include "tables/modbus_bacnet/UBACnetAccess.h"

#include "common/FormKit.h"
#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/ScreenSize.h"
#include "platform/Xml.h"
#include "tables/modbus_bacnet/TableColumns.h"
#include "tables/modbus_bacnet/UImportEDEFile.h"

#include <algorithm>
#include <array>

TFBACnetAccess* FBACnetAccess = nullptr;

namespace {

constexpr int AddressColumn = 2, ObjectColumn = 3;
constexpr int NarrowScreen = 1270, NarrowWidth = 1000, WideWidth = 1305;
constexpr qint64 MaxInstance = 4294967295LL;
constexpr int MaxTime = 100000000;
constexpr int MaxErrors = 65535;
constexpr int MaxSlaveID = 254;
constexpr int MaxByte = 255;
constexpr int PresentValue = 100, ProprietaryProperty = 200;

namespace Texts {
constexpr int Caption = 2000, Description = 2001, ReadPage = 2006, WritePage = 2007, Import = 2059;
constexpr int DeleteQuestion = 2036, ReadPrefix = 2037, WritePrefix = 2046, NoBACnetType = 2057;
constexpr int ReadIPHeader = 2009, ReadSlaveHeader = 2010, WriteIPHeader = 2021, WriteSlaveHeader = 2022;
constexpr int NotImported = 2092;
}  // namespace Texts

constexpr const char16_t* ListA[] = {
    u"Accumulator",   u"Multi-State Input",  u"Multi-State Output",     u"Multi-State Value", u"Analog Input",
    u"Analog Output", u"Analog Value",       u"Binary Input",           u"Binary Output",     u"Binary Value",
    u"Integer Value", u"Large Analog Value", u"Positive Integer Value", u"Life Safety Point", u"Life Safety Zone"};
constexpr const char16_t* ListB[] = {u"Present Value (85)",   u"Object Identifier (75)", u"Units (117)",
                                     u"Scale (187)",          u"PreScale (185)",         u"Polarity (84)",
                                     u"Event State (36)",     u"Status Flags (111)",     u"Object Type (79)",
                                     u"Number of States (74)"};
constexpr const char16_t* ListC[] = {u"Multi-State Output", u"Multi-State Value",  u"Analog Output",
                                     u"Analog Value",       u"Binary Output",      u"Binary Value",
                                     u"Integer Value",      u"Large Analog Value", u"Positive Integer Value"};
constexpr const char16_t* ListD[] = {u"1", u"2", u"6", u"M1", u"M2", u"M3", u"M4", u"M5", u"M6", u"M7", u"M8"};
constexpr const char16_t* ListE[] = {u"Null",   u"Boolean",      u"Unsigned Int",     u"Signed Int", u"Real",
                                     u"Double", u"Octet String", u"Character String", u"Bit String", u"Enumerated",
                                     u"Date",   u"Time",         u"Object ID"};
constexpr const char16_t* ListF[] = {u"None", u"Float to Int", u"(Float to Int) * 10", u"(Float to Int) * 100"};
constexpr const char16_t* ListG[] = {u"None", u"Int to Float", u"(Int to Float) / 10", u"(Int to Float) / 100"};
constexpr const char16_t* PresentValueItems[] = {u"Present Value (85)"};
constexpr const char16_t* StartBits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

constexpr std::array<TTableColumn, 18> ReadColumns = {{
    {32, 2008},
    {45, 2090, u"Enable", u"Y", edDataCheckBox},
    {90, 2009, u"IP_Address_Slave_ID", u""},
    {125, 2011, u"Object_Type", u"", edComboEdit, clNone, ListA},
    {56, 2012, u"Instance", u""},
    {115, 2013, u"Property", u"", edComboEdit, clNone, ListB},
    {45, 2014, u"NumByte", u""},
    {50, 2062, u"Enable_Destination", u"N", edDataCheckBox},
    {45, 2063, u"Destination_Network", u""},
    {45, 2064, u"Destination_Length", u"", edComboList, clNone, ListD},
    {60, 2065, u"Destination_Address", u""},
    {58, 2015, u"PollTime", u""},
    {50, 2016, u"MaxError", u""},
    {56, 2017, u"Position", u"", edComboList},
    {56, 2018, u"StartBit", u"", edComboList, clNone, StartBits},
    {38, 2060, nullptr, nullptr, edDataCheckBox},
    {115, 2080, nullptr, nullptr, edComboList, clNone, ListF},
    {307, 2019, u"Mnemonic", u""},
}};
constexpr std::array<TTableColumn, 22> WriteColumns = {{
    {32, 2020},
    {45, 2091, u"Enable", u"Y", edDataCheckBox},
    {90, 2021, u"IP_Address_Slave_ID", u""},
    {125, 2023, u"Object_Type", u"", edComboEdit, clNone, ListC},
    {100, 2024, u"Data_Type", u"", edComboList, clNone, ListE},
    {56, 2025, u"Instance", u""},
    {100, 2026, u"Property", u"", edComboEdit, clNone, PresentValueItems},
    {56, 2027, u"Priority", u""},
    {45, 2028, u"NumByte", u""},
    {50, 2066, u"Enable_Destination", u"N", edDataCheckBox},
    {45, 2067, u"Destination_Network", u""},
    {45, 2068, u"Destination_Length", u"", edComboList, clNone, ListD},
    {60, 2069, u"Destination_Address", u""},
    {55, 2029, u"OnChange", u"N", edDataCheckBox},
    {45, 2030, u"OnTimer", u"N", edDataCheckBox},
    {58, 2031, u"PollTime", u""},
    {50, 2032, u"MaxError", u""},
    {56, 2033, u"Position", u"", edComboList},
    {56, 2034, u"StartBit", u"", edComboList, clNone, StartBits},
    {38, 2061, nullptr, nullptr, edDataCheckBox},
    {115, 2081, nullptr, nullptr, edComboList, clNone, ListG},
    {66, 2035, u"Mnemonic", u""},
}};
constexpr auto ReadFile = SavedColumns<ReadColumns>();
constexpr auto WriteFile = SavedColumns<WriteColumns>();

// Where the cells of a table stand and which texts its rules show.
struct TClientTable {
  int Object, DataType, Instance, Property, Priority, NByte, EnDest, Timer, PollTime, MaxError, Position, StartBit;
  int Swap, Convertion, Mnemonic;
  int TextIP, TextSlave, TextObject, TextInstance, TextProperty, TextDataType, TextExpected, TextPriority, TextNByte,
      TextPoll, TextMaxError;
  // Destination: network, a length not 1/2/6, address of length 1, 2, 6, a wrong M length,
  // a byte out of range, too many and too few bytes.
  int TextNet, TextLength, TextAdd1, TextAdd2, TextAdd6, TextMLength, TextByte, TextTooMany, TextTooFew;
};
constexpr TClientTable ClientTables[] = {
    {3,    -1,   4,  5,  -1, 6,    7,    -1,   11,   12,   13,   14,   15,   16,   17,   2038, 2039, 2040,
     2041, 2042, -1, -1, -1, 2043, 2044, 2045, 2070, 2071, 2072, 2073, 2074, 2086, 2082, 2084, 2088},
    {3,    4,    5,    6,    7,    8,    9,    14,   15,   16,   17,   18,   19,   20,   21,   2047, 2048, 2049,
     2050, 2051, 2052, 2058, 2053, 2054, 2055, 2056, 2075, 2076, 2077, 2078, 2079, 2087, 2083, 2085, 2089},
};

// Object type texts and their codes; Read and Write: which table accepts them.
struct TObjectType {
  const char* Text;
  int Code;
  bool Write;
};
constexpr TObjectType ObjectTypes[] = {{"ACCUMULATOR", 1, false},       {"MULTI-STATE INPUT", 2, false},
                                       {"MULTI-STATE OUTPUT", 3, true}, {"ANALOG INPUT", 4, false},
                                       {"ANALOG OUTPUT", 5, true},      {"BINARY INPUT", 6, false},
                                       {"BINARY OUTPUT", 7, true},      {"INTEGER VALUE", 8, true},
                                       {"LARGE ANALOG VALUE", 9, true}, {"POSITIVE INTEGER VALUE", 10, true},
                                       {"MULTI-STATE VALUE", 11, true}, {"ANALOG VALUE", 12, true},
                                       {"BINARY VALUE", 13, true},      {"LIFE SAFETY POINT", 14, true},
                                       {"LIFE SAFETY ZONE", 15, true}};
constexpr int FirstProprietaryType = 128, LastProprietaryType = 1023;
constexpr int FirstProprietaryProperty = 512, LastProprietaryProperty = 4194303;

// Read-table properties: the byte count, or 0 for "only with the listed codes".
struct TProperty {
  const char* Text;
  int Bytes;
  std::initializer_list<int> Only;    // the byte count only for these codes (empty: all)
  std::initializer_list<int> Except;  // invalid for these codes
};

// The expected present-value data type of an object type.
struct TExpectedType {
  std::initializer_list<int> Codes;
  const char* Accepted;
  const char* Shown;
};
const TExpectedType ExpectedTypes[] = {{{3, 10, 11}, "UNSIGNED INT", "Unsigned Int"},
                                       {{8}, "SIGNED INT", "Signed Int"},
                                       {{5, 12}, "REAL", "Real"},
                                       {{9}, "DOUBLE", "Double"},
                                       // Life safety objects hold an enumeration, as the import gives them.
                                       {{7, 13, 14, 15}, "ENUMERATED", "Enumerated"}};

struct TByteLimit {
  const char* Type;
  int Max;
};
constexpr TByteLimit ByteLimits[] = {
    {"NULL", 0},   {"BOOLEAN", 1},        {"UNSIGNED INT", 4},       {"SIGNED INT", 4},   {"REAL", 4},
    {"DOUBLE", 8}, {"OCTET STRING", 255}, {"CHARACTER STRING", 255}, {"BIT STRING", 120}, {"ENUMERATED", 4},
    {"DATE", 4},   {"TIME", 4},           {"OBJECT ID", 4}};
constexpr int DefaultByteLimit = 255;

struct TEdeType {
  int Number;
  const char16_t* ObjectType;
  const char16_t* DataType;
  int Bytes;
};
constexpr TEdeType EdeTypes[] = {{0, u"Analog Input", u"Real", 4},
                                 {1, u"Analog Output", u"Real", 4},
                                 {2, u"Analog Value", u"Real", 4},
                                 {3, u"Binary Input", u"Enumerated", 1},
                                 {4, u"Binary Output", u"Enumerated", 1},
                                 {5, u"Binary Value", u"Enumerated", 1},
                                 {13, u"Multi-State Input", u"Unsigned Int", 4},
                                 {14, u"Multi-State Output", u"Unsigned Int", 4},
                                 {19, u"Multi-State Value", u"Unsigned Int", 4},
                                 {21, u"Life Safety Point", u"Enumerated", 2},
                                 {22, u"Life Safety Zone", u"Enumerated", 2},
                                 {23, u"Accumulator", u"Unsigned Int", 4},
                                 {45, u"Integer Value", u"Signed Int", 4},
                                 {46, u"Large Analog Value", u"Double", 8},
                                 {48, u"Positive Integer Value", u"Unsigned Int", 4}};

const TEdeType* EdeType(int Number) {
  for (const TEdeType& type : EdeTypes)
    if (type.Number == Number) return &type;
  return nullptr;
}

bool Contains(std::initializer_list<int> Codes, int Code) {
  for (int c : Codes)
    if (c == Code) return true;
  return false;
}

bool InRange(qint64 Value, qint64 Low, qint64 High) { return Value >= Low && Value <= High; }

// A 64-bit integer read as the cells' integers are; -1 when it is none.
qint64 CellInt64(const QString& Text) {
  QString t = Text;
  while (t.startsWith(u' ')) t.remove(0, 1);
  bool negative = false;
  if (t.startsWith(u'+') || t.startsWith(u'-')) {
    negative = t.startsWith(u'-');
    t.remove(0, 1);
  }
  int base = 10;
  if (t.startsWith(u'$')) {
    base = 16;
    t.remove(0, 1);
  } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    base = 16;
    t.remove(0, 2);
  }
  if (t.isEmpty()) return -1;
  for (QChar c : t)
    if (!(c.isDigit() || (base == 16 && QString("abcdefABCDEF").contains(c)))) return -1;
  bool ok = false;
  const qint64 value = t.toLongLong(&ok, base);
  if (!ok) return -1;
  return negative ? -value : value;
}

// A number that is not a number counts as 0 here, where -1 has a meaning.
int IntOrZero(const QString& Text) {
  const int value = TableCellInt(Text);
  return value == -1 && TableTrim(Text) != QLatin1String("-1") ? 0 : value;
}

}  // namespace

int Check_Object_Type(const QString& Text, TBACnetTable Table) {
  const QString t = TableTrim(Text).toUpper();
  for (const TObjectType& type : ObjectTypes)
    if (t == QLatin1String(type.Text)) return Table == TBACnetTable::Read || type.Write ? type.Code : -1;
  const int number = TableCellInt(t);
  return InRange(number, FirstProprietaryType, LastProprietaryType) ? number : -1;
}

int Check_Property(const QString& Text, TBACnetTable Table, int ObjectType) {
  const QString t = TableTrim(Text).toUpper();
  if (t == QLatin1String("PRESENT VALUE (85)")) return PresentValue;
  const int number = TableCellInt(t);
  if (InRange(number, FirstProprietaryProperty, LastProprietaryProperty)) return ProprietaryProperty;
  if (Table == TBACnetTable::Write) return -1;
  const TProperty properties[] = {{"OBJECT IDENTIFIER (75)", 4, {}, {}},
                                  {"UNITS (117)", 4, {}, {2, 3, 6, 7, 11, 13}},
                                  {"SCALE (187)", 1, {1}, {}},
                                  {"PRESCALE (185)", 5, {1}, {}},
                                  {"POLARITY (84)", 1, {6, 7, 13}, {}},
                                  {"EVENT STATE (36)", 4, {}, {}},
                                  {"STATUS FLAGS (111)", 1, {}, {}},
                                  {"OBJECT TYPE (79)", 2, {}, {}},
                                  {"NUMBER OF STATES (74)", 4, {2, 3, 11}, {}}};
  for (const TProperty& p : properties) {
    if (t != QLatin1String(p.Text)) continue;
    if (p.Only.size() && !Contains(p.Only, ObjectType)) return -1;
    if (Contains(p.Except, ObjectType)) return -1;
    return p.Bytes;
  }
  return -1;
}

bool Check_Data_Type(const QString& DataType, int ObjectType, int Property) {
  if (Property != PresentValue) return true;
  if (InRange(ObjectType, FirstProprietaryType, LastProprietaryType)) return true;
  const QString t = TableTrim(DataType).toUpper();
  for (const TExpectedType& e : ExpectedTypes)
    if (Contains(e.Codes, ObjectType)) return t == QLatin1String(e.Accepted);
  return false;
}

QString Aspected_Data_Type_Value(int ObjectType, int Property) {
  if (Property != PresentValue) return QString();
  for (const TExpectedType& e : ExpectedTypes)
    if (Contains(e.Codes, ObjectType)) return QString::fromLatin1(e.Shown);
  return QString();
}

int Check_Num_Byte_Max(const QString& DataType) {
  const QString t = TableTrim(DataType).toUpper();
  for (const TByteLimit& limit : ByteLimits)
    if (t == QLatin1String(limit.Type)) return limit.Max;
  return DefaultByteLimit;
}

QString Get_ObjType_EDE(int Type) {
  const TEdeType* type = EdeType(Type);
  return type ? QString::fromUtf16(type->ObjectType) : QString();
}

QString Get_DataType_EDE(int Type) {
  const TEdeType* type = EdeType(Type);
  return type ? QString::fromUtf16(type->DataType) : QStringLiteral("Null");
}

int Get_NumByte_EDE(int Type) {
  const TEdeType* type = EdeType(Type);
  return type ? type->Bytes : 4;
}

namespace {
TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = Texts::Caption;
  setup.Texts.Description = Texts::Description;
  setup.Texts.Buttons = {2002, 2003, 2004, 2005, 0, 0};
  setup.Texts.ErrorPrefix = Texts::ReadPrefix;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = NarrowWidth;
  setup.ClientHeight = 337;
  setup.FilePath = &BACnetMasterAccessFile;
  setup.Root = QStringLiteral("BACnet_Master_Access");
  setup.TableCount = 2;
  setup.ButtonRow = {16, 110, 118};
  setup.RowCopyButtons = false;
  return setup;
}
}  // namespace

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  PageControl1 = PC_Tables;
  TS_BACnet_Read = Pages.at(0);
  TS_BACnet_Write = Pages.at(1);
  PCG1 = new TPlexColumnGrid(this);
  PCG2 = new TPlexColumnGrid(this);
  const std::span<const TTableFileColumn> files[] = {ReadFile, WriteFile};
  for (int t = 0; t < 2; ++t) {
    TEditorTableSetup table;
    table.Section = t == 0 ? QStringLiteral("BACnet_Read") : QStringLiteral("BACnet_Write");
    table.Columns = files[t];
    table.KeyColumn = AddressColumn;
    table.HasEnable = true;
    // Only "Y" as it stands enables a row.
    table.EnableMatch = TEditorTableSetup::Exact;
    table.PageCaption = t == 0 ? Texts::ReadPage : Texts::WritePage;
    TPlexColumnGrid* grid = t == 0 ? PCG1 : PCG2;
    AddTable(grid, table);
    // No row selection, Enter jump or column sizing here; the hints are computed.
    grid->OnClickCell = nullptr;
    grid->OnDblClickCell = nullptr;
    grid->OnKeyPress = nullptr;
    grid->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& HintStr) {
      PCG1GridHint(Sender, ARow, ACol, HintStr);
    };
  }
  Btn_Import_CSV = MakeHouseButton(this, P_Button, {488, 6, 110, 28});
  Btn_Import_CSV->OnClick = [this](TObject* Sender) { Btn_Import_CSVClick(Sender); };
  OD_EDE_File = new TOpenDialog(this);
  OD_EDE_File->Filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
  OnCreate = [this](TObject* Sender) {
    TTableEditorForm::FormCreate(Sender);
    SetClientWidth(ScreenWidth() <= NarrowScreen ? NarrowWidth : WideWidth);
    OD_EDE_File->InitialDir = LastEdeFolder;
  };
}

void TFBACnetAccess::Init_Tables() {
  BuildColumns(PCG1, ReadColumns, Rows);
  BuildColumns(PCG2, WriteColumns, Rows);
  for (int t = 0; t < 2; ++t) {
    TPlexColumnGrid* grid = t == 0 ? PCG1 : PCG2;
    grid->HideColumn(ClientTables[t].Swap);
    grid->HideColumn(ClientTables[t].Convertion);
  }
}

void TFBACnetAccess::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (TLbButton* button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow})
    button->SetHint(QString());
  PutColumnHeaders(PCG1, ReadColumns);
  PutColumnHeaders(PCG2, WriteColumns);
  if (App_BACnet_Type == 1) {
    PCG1->Columns()[AddressColumn]->SetHeader(LangText(Texts::ReadSlaveHeader));
    PCG2->Columns()[AddressColumn]->SetHeader(LangText(Texts::WriteSlaveHeader));
  }
  Btn_Import_CSV->SetCaption(LangText(Texts::Import));
}

int TFBACnetAccess::KeyColumn() const {
  return App_BACnet_Type == 0 || App_BACnet_Type == 1 ? AddressColumn : ObjectColumn;
}

void TFBACnetAccess::Read_BACnet_Type() {
  TXmlNode type;
  bool found = false;
  if (!ParGenFile.isEmpty() && FileExists(ParGenFile) && XML1->LoadFromFile(ParGenFile)) {
    type = XML1->Root().ChildNode(QStringLiteral("BACnet_Master_Type"));
    found = !type.IsNull();
  }
  if (!found) {
    MessageDlg(LangText(Texts::NoBACnetType), mtError, {mbOK});
    App_BACnet_Type = 0;
    return;
  }
  App_BACnet_Type = IntOrZero(type.Text());
}

// The show's steps between the reset and the load: the read page, the BACnet
// type with the address column it asks for, the position lists.
void TFBACnetAccess::FillPositionLists() {
  PageControl1->SetActivePageIndex(0);
  Read_BACnet_Type();
  const bool address = App_BACnet_Type == 0 || App_BACnet_Type == 1;
  for (int t = 0; t < 2; ++t) {
    TPlexColumnGrid* grid = t == 0 ? PCG1 : PCG2;
    if (address) {
      const int ip = t == 0 ? Texts::ReadIPHeader : Texts::WriteIPHeader;
      const int slave = t == 0 ? Texts::ReadSlaveHeader : Texts::WriteSlaveHeader;
      grid->Columns()[AddressColumn]->SetHeader(LangText(App_BACnet_Type == 0 ? ip : slave));
      grid->UnHideColumn(AddressColumn);
    } else {
      grid->HideColumn(AddressColumn);
    }
    SetKeyColumn(t, KeyColumn());
    FillNumberItems(grid->Columns()[ClientTables[t].Position], AreaBytes);
  }
}

void TFBACnetAccess::PCG1GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  HintStr.clear();
  if (Sender == PCG1) HintStr = Str_Hint_Read(ARow, PCG1->RealColIndex(ACol));
  if (Sender == PCG2) HintStr = Str_Hint_Write(ARow, PCG2->RealColIndex(ACol));
}

QString TFBACnetAccess::Str_Hint_Read(int ARow, int ACol) const {
  const TClientTable& t = ClientTables[0];
  if (ARow < 1 || ACol != t.Property) return QString();
  const QString object = TableTrim(PCG1->GetCellEx(t.Object, ARow));
  const QString property = TableTrim(PCG1->GetCellEx(t.Property, ARow));
  if (object.isEmpty() || property.isEmpty()) return QString();
  const int code = Check_Object_Type(object, TBACnetTable::Read);
  const int result = Check_Property(property, TBACnetTable::Read, code);
  if (InRange(result, 1, 49)) return QString::number(result);
  if (result != PresentValue) return QString();
  if (Contains({1, 2, 3, 4, 5, 8, 10}, code)) return QStringLiteral("4");
  if (Contains({6, 7}, code)) return QStringLiteral("1");
  if (code == 9) return QStringLiteral("8");
  return QString();
}

QString TFBACnetAccess::Str_Hint_Write(int, int) const { return QString(); }

bool TFBACnetAccess::Fail(int Table, int ARow, const QString& Text) {
  MessageDlg(LangText(Table == 0 ? Texts::ReadPrefix : Texts::WritePrefix) + QString::number(ARow) + Text, mtError,
             {mbOK});
  return false;
}

bool TFBACnetAccess::CheckKey(int Table, int ARow, const QString& Key) {
  const TClientTable& t = ClientTables[Table];
  const QString key = TableTrim(Key);
  if (App_BACnet_Type == 0) {
    uint8_t a = 0, b = 0, c = 0, d = 0;
    if (ParseIpAddressBytes(key, a, b, c, d)) return Fail(Table, ARow, LangText(t.TextIP));
  } else if (App_BACnet_Type == 1) {
    if (!InRange(TableCellInt(key), 0, MaxSlaveID)) return Fail(Table, ARow, LangText(t.TextSlave));
  }
  return true;
}

bool TFBACnetAccess::CheckDestination(int Table, int ARow, int First) {
  const TClientTable& t = ClientTables[Table];
  TPlexColumnGrid* grid = Table == 0 ? PCG1 : PCG2;
  const QString net = grid->GetCellEx(First, ARow);
  const QString length = grid->GetCellEx(First + 1, ARow);
  const QString address = grid->GetCellEx(First + 2, ARow);
  if (!InRange(TableCellInt(net), 1, 65535)) return Fail(Table, ARow, LangText(t.TextNet));
  const int n = TableCellInt(length);
  if (n != -1) {
    if (n == 1 && !InRange(TableCellInt(address), 0, 255)) return Fail(Table, ARow, LangText(t.TextAdd1));
    if (n == 2 && !InRange(TableCellInt(address), 1, 65535)) return Fail(Table, ARow, LangText(t.TextAdd2));
    if (n == 6) {
      uint8_t a = 0, b = 0, c = 0, d = 0;
      uint16_t port = 0;
      if (!ParseIpEndpoint(TableTrim(address), a, b, c, d, port)) return Fail(Table, ARow, LangText(t.TextAdd6));
    }
    if (n != 1 && n != 2 && n != 6) return Fail(Table, ARow, LangText(t.TextLength));
    return true;
  }
  const QString m = TableTrim(length).toUpper();
  if (m.size() != 2 || m[0] != u'M' || m[1] < u'1' || m[1] > u'8') return Fail(Table, ARow, LangText(t.TextMLength));
  return !Check_Dest_Add(address, m[1].unicode() - u'0', Table == 0 ? TBACnetTable::Read : TBACnetTable::Write, ARow);
}

bool TFBACnetAccess::Check_Dest_Add(const QString& Text, int Count, TBACnetTable Table, int ARow) {
  const int table = Table == TBACnetTable::Read ? 0 : 1;
  const TClientTable& t = ClientTables[table];
  const QString text = TableTrim(Text);
  if (text.isEmpty()) return true;
  int count = 0;
  for (const QString& piece : text.split(u',')) {
    if (!InRange(TableCellInt(TableTrim(piece)), 0, MaxByte)) return !Fail(table, ARow, LangText(t.TextByte));
    if (++count > Count) return !Fail(table, ARow, LangText(t.TextTooMany));
  }
  if (count < Count) return !Fail(table, ARow, LangText(t.TextTooFew));
  return false;
}

bool TFBACnetAccess::CheckRow(int Table, int ARow) {
  const TClientTable& t = ClientTables[Table];
  const TBACnetTable which = Table == 0 ? TBACnetTable::Read : TBACnetTable::Write;
  TPlexColumnGrid* grid = Table == 0 ? PCG1 : PCG2;
  const auto cell = [&](int ACol) { return grid->GetCellEx(ACol, ARow); };
  const auto value = [&](int ACol) { return TableCellInt(cell(ACol)); };
  if (!CheckKey(Table, ARow, cell(AddressColumn))) return false;
  const int code = Check_Object_Type(cell(t.Object), which);
  if (code == -1) return Fail(Table, ARow, LangText(t.TextObject));
  if (!InRange(CellInt64(cell(t.Instance)), 0, MaxInstance)) return Fail(Table, ARow, LangText(t.TextInstance));
  const int property = Check_Property(cell(t.Property), which, code);
  if (property == -1) return Fail(Table, ARow, LangText(t.TextProperty));
  int maxBytes = MaxByte;
  if (t.DataType >= 0) {
    if (!Check_Data_Type(cell(t.DataType), code, property)) {
      const QString expected = Aspected_Data_Type_Value(code, property);
      return Fail(Table, ARow, expected.isEmpty() ? LangText(t.TextDataType) : LangText(t.TextExpected) + expected);
    }
    if (!InRange(value(t.Priority), 0, 16)) return Fail(Table, ARow, LangText(t.TextPriority));
    maxBytes = Check_Num_Byte_Max(cell(t.DataType));
  }
  if (!InRange(value(t.NByte), 0, maxBytes))
    return Fail(Table, ARow, LangText(t.TextNByte) + (t.DataType >= 0 ? QString::number(maxBytes) : QString()));
  if (TableTrim(cell(t.EnDest)).toUpper() == QLatin1String("Y") && !CheckDestination(Table, ARow, t.EnDest + 1))
    return false;
  const bool polled = t.Timer < 0 || cell(t.Timer).toUpper() == QLatin1String("Y");
  if (polled && !InRange(value(t.PollTime), 0, MaxTime)) return Fail(Table, ARow, LangText(t.TextPoll));
  if (!InRange(value(t.MaxError), 0, MaxErrors)) return Fail(Table, ARow, LangText(t.TextMaxError));
  return true;
}

void TFBACnetAccess::Btn_Import_CSVClick(TObject*) {
  if (!FImportEDEFile) return;
  FImportEDEFile->App_BACnet_Type = App_BACnet_Type;
  OD_EDE_File->InitialDir = LastEdeFolder;
  if (!OD_EDE_File->Execute()) return;
  const QString path = OD_EDE_File->FileName;
  if (FileExists(path)) {
    FImportEDEFile->EDE_File = path;
    if (FImportEDEFile->ShowModal() == mrOk) Import();
  }
  // The folder is kept even when the file was not there.
  const qsizetype slash = path.lastIndexOf(u'/');
  LastEdeFolder = slash < 0 ? QString() : path.left(slash);
  OD_EDE_File->InitialDir = LastEdeFolder;
}

// The chosen objects go into the rows from the first free one of each table,
// their positions after the last byte used; what does not fit in the 512 rows
// is counted and reported once.
void TFBACnetAccess::Import() {
  const QString id = FImportEDEFile->E_ID_IP->Text();
  int next[2] = {0, 0};
  int row[2] = {0, 0};
  for (int t = 0; t < 2; ++t) {
    TPlexColumnGrid* grid = t == 0 ? PCG1 : PCG2;
    const TClientTable& c = ClientTables[t];
    for (int r = 1; r < Rows; ++r) {
      if (TableTrim(grid->GetCellEx(KeyColumn(), r)).isEmpty()) {
        if (row[t] == 0) row[t] = r;
        continue;
      }
      const int position = TableCellInt(grid->GetCellEx(c.Position, r));
      const int bytes = TableCellInt(grid->GetCellEx(c.NByte, r));
      if (position >= 0 && bytes >= 0) next[t] = std::max(next[t], position + bytes);
    }
    if (row[t] == 0) row[t] = Rows;
  }
  int left = 0;
  for (const auto& object : FImportEDEFile->List_EDE_Var) {
    const TBACnet_Var& v = *object;
    if (!v.import) continue;
    const QString mnemonic = v.object_name + " - " + v.description;
    const QString bytes = QString::number(Get_NumByte_EDE(v.object_type));
    if (v.read) {
      if (row[0] < Rows) {
        const QStringList cells = {"Y",
                                   id,
                                   Get_ObjType_EDE(v.object_type),
                                   QString::number(v.object_instance),
                                   "Present Value (85)",
                                   bytes,
                                   "N",
                                   "",
                                   "",
                                   "",
                                   "1000",
                                   "0",
                                   QString::number(next[0]),
                                   "0",
                                   "N",
                                   "",
                                   mnemonic};
        for (int col = 1; col <= cells.size(); ++col) PCG1->SetCellEx(col, row[0], cells[col - 1]);
        ++row[0];
        next[0] += Get_NumByte_EDE(v.object_type);
      } else {
        ++left;
      }
    }
    if (v.write) {
      if (row[1] < Rows) {
        const QStringList cells = {"Y",
                                   id,
                                   Get_ObjType_EDE(v.object_type),
                                   Get_DataType_EDE(v.object_type),
                                   QString::number(v.object_instance),
                                   "Present Value (85)",
                                   "0",
                                   bytes,
                                   "N",
                                   "",
                                   "",
                                   "",
                                   "N",
                                   "N",
                                   "1000",
                                   "0",
                                   QString::number(next[1]),
                                   "0",
                                   "N",
                                   "",
                                   mnemonic};
        for (int col = 1; col <= cells.size(); ++col) PCG2->SetCellEx(col, row[1], cells[col - 1]);
        ++row[1];
        next[1] += Get_NumByte_EDE(v.object_type);
      } else {
        ++left;
      }
    }
  }
  if (left > 0) MessageDlg(LangFormat(Texts::NotImported, {left}), mtWarning, {mbOK});
}
