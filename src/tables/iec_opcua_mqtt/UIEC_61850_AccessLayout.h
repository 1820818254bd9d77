// The sizes, text ids and column tables of the IEC 61850 client editor,
// shared by the files of its form only.
#pragma once

#include "grid/foundation/CellProperties.h"
#include "platform/Types.h"
#include "tables/iec_opcua_mqtt/UIEC_Client_File.h"

#include <array>
#include <span>

namespace IecAccessLayout {

constexpr int ClientW = 1200;
constexpr int ClientH = 550;
constexpr int DevicePanelWidth = 465;
constexpr int DeviceListWidth = 161;
constexpr int DataSetListHeight = 185;
constexpr int TreeIndent = 19;
constexpr int HeaderHeight = 22;
// Positions run over the gateway's internal data array.
constexpr int LastPosition = 1399;

constexpr const char16_t* CatalogFolderName = u"ICD_Catalog";
constexpr const char16_t* SclFilter =
    u"SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd; *.ssd; *.sed; *.icd; *.iid; *.cid;|"
    u"Any File (*.*)|*.*";
constexpr const char16_t* OverwriteQuestion =
    u"File already exists in catalog directory. Do you want to overwrite file?";

namespace Texts {
constexpr int Caption = 3200, Description = 3201, FirstButton = 3202, FirstButtonHint = 3210;
constexpr int ErrorRow = 3252, IpRule = 3253, PortRule = 3254, TimeRule = 3255, PositionRule = 3256, FactorRule = 3257;
constexpr int CannotCopy = 3269, CannotWrite = 3270;
}  // namespace Texts

// Tree images by node kind.
enum TNodeKind : int { ImgDevice, ImgLDevice, ImgLN, ImgDO, ImgDA, ImgDataSet };
constexpr TColor DataObjectTextColor = 0x00FF0000;  // #0000FF
constexpr TColor DataSetTextColor = 0x00008000;     // #008000

// Cell colours of the tables ($00BBGGRR).
constexpr TColor Reference = 0x00FEFAE0, Server = 0x00A8FFFF, Timing = 0x00CAFFCA, Place = 0x00F4D6FC,
                 Convert = 0x00B0D8FF;

struct TIecColumn {
  const char16_t* Header;  // the fixed header, or null for a translated one
  int HeaderId;
  int HintId;
  int Width;
  TColor Color;
  TEditorType Editor;
  bool ReadOnly;
  std::span<const char16_t* const> Items;
};

constexpr const char16_t* StartBitItems[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
constexpr const char16_t* ReadWriteItems[] = {u"Read", u"Write"};
constexpr const char16_t* ConversionItems[] = {u"None", u"ItoF/FtoI"};

// Columns 0 to 18 of the attribute table.
constexpr std::array<TIecColumn, IecDaColumnCount + 1> DaColumns{{
    {nullptr, 3218, 3235, 40, clWindow, edNormal, false, {}},
    {nullptr, 3219, 3236, 60, clWindow, edNormal, false, {}},
    {nullptr, 3220, 3237, 60, Reference, edNormal, true, {}},
    {nullptr, 3221, 3238, 30, Reference, edNormal, true, {}},
    {nullptr, 3222, 3239, 150, Reference, edNormal, true, {}},
    {nullptr, 3258, 3260, 65, Reference, edNormal, false, {}},
    {nullptr, 3259, 3261, 60, Reference, edNormal, false, {}},
    {nullptr, 3223, 3240, 70, Server, edNormal, false, {}},
    {nullptr, 3224, 3241, 45, Server, edNormal, false, {}},
    {nullptr, 3225, 3242, 70, Timing, edDataCheckBox, false, {}},
    {nullptr, 3226, 3243, 50, Timing, edDataCheckBox, false, {}},
    {nullptr, 3227, 3244, 60, Timing, edDataCheckBox, false, {}},
    {nullptr, 3228, 3245, 64, Timing, edNormal, false, {}},
    {nullptr, 3229, 3246, 55, Place, edNormal, false, {}},
    {nullptr, 3230, 3247, 70, Place, edComboList, false, StartBitItems},
    {nullptr, 3231, 3248, 60, Convert, edComboList, false, ReadWriteItems},
    {nullptr, 3232, 3249, 70, Convert, edComboList, false, ConversionItems},
    {nullptr, 3233, 3250, 64, Convert, edNormal, false, {}},
    {nullptr, 3234, 3251, 150, clWindow, edNormal, false, {}},
}};

enum : int { DaColIpAddress = 7, DaColPort, DaColOnChange, DaColOnCmd, DaColOnTimer, DaColTime, DaColPosition };
constexpr int DaColMoltFact = 17;

// Columns 0 to 8 of the data-set table.
constexpr std::array<TIecColumn, IecDataSetColumnCount + 1> DataSetColumns{{
    {u"N", 0, 0, 40, clWindow, edNormal, false, {}},
    {u"Index", 0, 0, 60, clWindow, edNormal, false, {}},
    {u"Reference", 0, 0, 150, Reference, edNormal, true, {}},
    {u"Goose Name", 0, 0, 80, Reference, edNormal, true, {}},
    {u"En. Goose", 0, 0, 60, Convert, edDataCheckBox, false, {}},
    {u"IP Address", 0, 0, 70, Server, edNormal, false, {}},
    {u"Port", 0, 0, 45, Server, edNormal, false, {}},
    {u"Time (ms)", 0, 0, 70, Timing, edNormal, false, {}},
    {u"Mnemonic", 0, 0, 100, clWindow, edNormal, false, {}},
}};

// Columns 0 to 7 of the member table; columns 3 to 7 are the member's mapping.
constexpr std::array<TIecColumn, 8> MemberColumns{{
    {u"N", 0, 0, 40, clWindow, edNormal, false, {}},
    {u"bType", 0, 0, 60, Reference, edNormal, true, {}},
    {u"Reference", 0, 0, 150, Reference, edNormal, true, {}},
    {u"Position", 0, 0, 55, Place, edNormal, false, {}},
    {u"Start Bit", 0, 0, 70, Place, edComboList, false, StartBitItems},
    {u"Convertion", 0, 0, 70, Convert, edComboList, false, ConversionItems},
    {u"Mult Fact", 0, 0, 64, Convert, edNormal, false, {}},
    {u"Mnemonic", 0, 0, 150, clWindow, edNormal, false, {}},
}};
enum : int { MemberColPosition = 3, MemberColStartBit, MemberColConversion, MemberColMultFact, MemberColMnemonic };

// The string types whose part the user picks with Start Byte and Num Byte.
struct TStringLimits {
  const char16_t* bType;
  int Bytes;
  int StartText, CountText, SumText;
};
constexpr TStringLimits StringLimits[] = {{u"VISSTRING255", 255, 3262, 3263, 3264}, {u"OCTET64", 64, 3265, 3266, 3267}};

}  // namespace IecAccessLayout
