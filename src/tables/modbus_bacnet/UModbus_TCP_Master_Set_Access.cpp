#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"

#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"

#include <array>

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {

constexpr int TopicColumn = 14;
constexpr int AddressParts = 4;
constexpr int MaxOctet = 255;

constexpr const char16_t* ReadTypes[] = {u"Coil Status", u"Input Status", u"Holding Register", u"Input Register"};
constexpr const char16_t* WriteTypes[] = {u"Coil Status", u"Holding Register"};
constexpr const char16_t* StartBits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

constexpr TColor EnableColor = 0xB0D8FF, SlaveColor = 0xFEFAE0, PollColor = 0xA8FFA8, PositionColor = 0xF4D6FC,
                 SwapColor = 0xA8FFFF, TopicColor = 0xFFD5D5, NoteColor = 0xFFFFFF;

constexpr std::array<TTableColumn, 16> ReadColumns = {{
    {40, 1808},
    {50, 1809, u"Enable", u"Y", edDataCheckBox, EnableColor},
    {101, 1810, u"IP_Address", nullptr, edNormal, SlaveColor},
    {45, 1811, u"Port", nullptr, edNormal, SlaveColor},
    {55, 1812, u"Slave_ID", nullptr, edNormal, SlaveColor},
    {100, 1813, u"Type", nullptr, edComboList, SlaveColor, ReadTypes},
    {55, 1814, u"Address", nullptr, edNormal, SlaveColor},
    {45, 1815, u"NPoint", nullptr, edNormal, SlaveColor},
    {60, 1816, u"PollTime", nullptr, edNormal, PollColor},
    {64, 1817, u"MaxError", nullptr, edNormal, PollColor},
    {60, 1818, u"Position", nullptr, edComboList, PositionColor},
    {60, 1819, u"Bit", nullptr, edComboList, PositionColor, StartBits},
    {40, 1820, u"Swap", u"N", edDataCheckBox, SwapColor},
    {80, 1900, u"SwapWord", u"N", edDataCheckBox, SwapColor},
    {120, 1862, u"Index_Topic", u"", edComboList, TopicColor, {}, true},
    {140, 1821, u"Mnemonic", nullptr, edNormal, NoteColor},
}};
constexpr std::array<TTableColumn, 17> WriteColumns = {{
    {40, 1822},
    {50, 1823, u"Enable", u"Y", edDataCheckBox, EnableColor},
    {101, 1824, u"IP_Address", nullptr, edNormal, SlaveColor},
    {45, 1825, u"Port", nullptr, edNormal, SlaveColor},
    {55, 1826, u"Slave_ID", nullptr, edNormal, SlaveColor},
    {100, 1827, u"Type", nullptr, edComboList, SlaveColor, WriteTypes},
    {55, 1828, u"Address", nullptr, edNormal, SlaveColor},
    {45, 1829, u"NPoint", nullptr, edNormal, SlaveColor},
    {60, 1830, u"PollTime", nullptr, edNormal, PollColor},
    {66, 1831, u"OnChange", nullptr, edDataCheckBox, PollColor},
    {56, 1832, u"OnCMD", u"N", edDataCheckBox, PollColor},
    {62, 1833, u"MaxError", nullptr, edNormal, PollColor},
    {55, 1834, u"Position", nullptr, edComboList, PositionColor},
    {55, 1835, u"Bit", nullptr, edComboList, PositionColor, StartBits},
    {40, 1836, u"Swap", u"N", edDataCheckBox, SwapColor},
    {80, 1901, u"SwapWord", u"N", edDataCheckBox, SwapColor},
    {150, 1837, u"Mnemonic", nullptr, edNormal, NoteColor},
}};
constexpr auto ReadFile = SavedColumns<ReadColumns>();
constexpr auto WriteFile = SavedColumns<WriteColumns>();

constexpr int ReadHints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876, 1877, 1878, 1879, 1880, 1902, 1881, 1882};
// From the first showing on, while Topic is hidden: without its entry.
constexpr int ShownReadHints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876, 1877, 1878, 1879, 1880, 1902, 1882};
constexpr int WriteHints[] = {1883, 1884, 1885, 1886, 1887, 1888, 1889, 1890,
                              1891, 1892, 1893, 1894, 1895, 1896, 1903, 1897};

constexpr TModbusTableRules ReadRules = {.IPAddress = 2,
                                         .Port = 3,
                                         .SlaveID = 4,
                                         .Type = 5,
                                         .Address = 6,
                                         .NPoint = 7,
                                         .PollTime = 8,
                                         .MaxError = 9,
                                         .Position = 10,
                                         .Bit = 11,
                                         .Topic = TopicColumn,
                                         .Read = true,
                                         .RegisterLimit = 125,
                                         .BitLimit = 2000,
                                         .PollMin = 1,
                                         .TextIP = 1839,
                                         .TextPort = 1840,
                                         .TextSlaveID = 1841,
                                         .TextType = 1842,
                                         .TextAddress = 1843,
                                         .TextNPoint = 1844,
                                         .TextPollTime = 1899,
                                         .TextMaxError = 1846,
                                         .TextPosition = 1847,
                                         .TextBit = 1848,
                                         .TextLastByte = 1849,
                                         .TextTopic = 1898};
constexpr TModbusTableRules WriteRules = {.IPAddress = 2,
                                          .Port = 3,
                                          .SlaveID = 4,
                                          .Type = 5,
                                          .Address = 6,
                                          .NPoint = 7,
                                          .PollTime = 8,
                                          .MaxError = 11,
                                          .Position = 12,
                                          .Bit = 13,
                                          .Read = false,
                                          .RegisterLimit = 123,
                                          .BitLimit = 1968,
                                          .PollMin = 0,
                                          .TextIP = 1850,
                                          .TextPort = 1851,
                                          .TextSlaveID = 1852,
                                          .TextType = 1853,
                                          .TextAddress = 1854,
                                          .TextNPoint = 1855,
                                          .TextPollTime = 1856,
                                          .TextMaxError = 1857,
                                          .TextPosition = 1858,
                                          .TextBit = 1859,
                                          .TextLastByte = 1860};

// Copy Row and Paste Row keep these captions in every language.
const QString CopyRowCaption = QStringLiteral("Copy Row");
const QString PasteRowCaption = QStringLiteral("Paste Row");

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 1800;
  setup.Texts.Description = 1801;
  setup.Texts.Buttons = {1802, 1803, 1804, 1805, 0, 0};
  setup.Texts.ButtonHints = {1863, 1864, 1865, 1866, 1867, 1868};
  setup.Texts.ErrorPrefix = 1838;
  setup.Texts.DeleteQuestion = 1861;
  setup.ClientWidth = 1150;
  setup.ClientHeight = 337;
  setup.FilePath = &ModbusTCPMSetAccessFile;
  setup.Root = QStringLiteral("PROFINET_Master_to_Modbus_TCP_Master");
  setup.TableCount = 2;
  setup.ButtonRow = {16, 110, 118};
  return setup;
}

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
    : TModbusMasterForm(AOwner, EditorSetup(), {ReadColumns, ReadFile, ReadHints, 1806, &ReadRules},
                        {WriteColumns, WriteFile, WriteHints, 1807, &WriteRules}) {
  // Enter does not advance in the read table.
  PCG_Modbus_Read->OnKeyPress = nullptr;
  for (TPlexColumnGrid* grid : {PCG_Modbus_Read, PCG_Modbus_Write})
    grid->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& HintStr) {
      PCG_Modbus_WriteGridHint(Sender, ARow, ACol, HintStr);
    };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() {
  TModbusMasterForm::Set_Lang();
  Btn_CopyRow->SetCaption(CopyRowCaption);
  Btn_PasteRow->SetCaption(PasteRowCaption);
}

void TFModbus_TCP_Master_Set_Access::FormShow(TObject* Sender) {
  TStringList* hints = Hint_Modbus_Set_Access_Read();
  hints->Clear();
  for (int id : ShownReadHints) hints->Add(LangText(id));
  TModbusMasterForm::FormShow(Sender);
}

void TFModbus_TCP_Master_Set_Access::PCG_Modbus_WriteGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  HintStr.clear();
  if (ARow != 0 || ACol < 1) return;
  const TStringList* hints = Sender == PCG_Modbus_Read ? Hint_Modbus_Set_Access_Read() : Hint_Modbus_Set_Access_Write();
  if (ACol - 1 < hints->Count()) HintStr = (*hints)[ACol - 1];
}

bool TFModbus_TCP_Master_Set_Access::Check_IP_Address(const QString& IP_Address) {
  if (IP_Address.isEmpty()) return true;
  QString rest = IP_Address;
  for (int pass = 1; pass <= AddressParts; ++pass) {
    const qsizetype dot = rest.indexOf(u'.');
    QString part;
    if (pass == AddressParts)
      part = rest;
    else if (dot >= 0)
      part = rest.left(dot);
    const int value = TableCellInt(part);
    if (value < 0 || value > MaxOctet) return true;
    if (dot >= 0) rest = rest.mid(dot + 1);
  }
  return false;
}

int TFModbus_TCP_Master_Set_Access::Get_Index_From_Topic(const QString& Topic) const {
  return TopicIndex(List_Publish_Topic, Topic);
}

QString TFModbus_TCP_Master_Set_Access::TopicToFile(int ARow) const {
  return QString::number(Get_Index_From_Topic(PCG_Modbus_Read->GetCellEx(TopicColumn, ARow)));
}

void TFModbus_TCP_Master_Set_Access::TopicFromFile(int ARow, const QString& Value) {
  PCG_Modbus_Read->SetCellEx(TopicColumn, ARow, Get_Topic_From_Index(TableCellInt(Value)));
}
