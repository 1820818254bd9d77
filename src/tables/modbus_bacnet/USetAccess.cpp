#include "tables/modbus_bacnet/USetAccess.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"

#include <array>

TFSetAccess* FSetAccess = nullptr;

namespace {

constexpr int TopicColumn = 12;

constexpr const char16_t* ReadTypes[] = {u"Coil Status", u"Input Status", u"Holding Register", u"Input Register"};
constexpr const char16_t* WriteTypes[] = {u"Coil Status", u"Holding Register"};
constexpr const char16_t* StartBits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

// Colour groups of both tables.
constexpr TColor EnableColor = 0xB0D8FF, SlaveColor = 0xFEFAE0, PollColor = 0xA8FFA8, PositionColor = 0xF4D6FC,
                 SwapColor = 0xA8FFFF, TopicColor = 0xFFD5D5, NoteColor = 0xFFFFFF;

constexpr std::array<TTableColumn, 14> ReadColumns = {{
    {40, 1716},
    {50, 1717, u"Enable", u"Y", edDataCheckBox, EnableColor},
    {60, 1718, u"Slave_ID", nullptr, edNormal, SlaveColor},
    {115, 1719, u"Type", nullptr, edComboList, SlaveColor, ReadTypes},
    {60, 1720, u"Address", nullptr, edNormal, SlaveColor},
    {64, 1721, u"NPoint", nullptr, edNormal, SlaveColor},
    {64, 1722, u"PollTime", nullptr, edNormal, PollColor},
    {64, 1723, u"MaxError", nullptr, edNormal, PollColor},
    {61, 1724, u"Position", nullptr, edComboList, PositionColor},
    {64, 1725, u"Bit", nullptr, edComboList, PositionColor, StartBits},
    {40, 1726, u"Swap", u"N", edDataCheckBox, SwapColor},
    {80, 1790, u"SwapWord", u"N", edDataCheckBox, SwapColor},
    {120, 1742, u"Index_Topic", u"", edComboList, TopicColor, {}, true},
    {120, 1727, u"Mnemonic", nullptr, edNormal, NoteColor},
}};
constexpr std::array<TTableColumn, 15> WriteColumns = {{
    {40, 1728},
    {50, 1729, u"Enable", u"Y", edDataCheckBox, EnableColor},
    {60, 1730, u"Slave_ID", nullptr, edNormal, SlaveColor},
    {115, 1731, u"Type", nullptr, edComboList, SlaveColor, WriteTypes},
    {60, 1732, u"Address", nullptr, edNormal, SlaveColor},
    {64, 1733, u"NPoint", nullptr, edNormal, SlaveColor},
    {64, 1734, u"PollTime", nullptr, edNormal, PollColor},
    {68, 1735, u"OnChange", nullptr, edDataCheckBox, PollColor},
    {56, 1736, u"OnCMD", u"N", edDataCheckBox, PollColor},
    {64, 1737, u"MaxError", nullptr, edNormal, PollColor},
    {64, 1738, u"Position", nullptr, edComboList, PositionColor},
    {64, 1739, u"Bit", nullptr, edComboList, PositionColor, StartBits},
    {40, 1740, u"Swap", u"N", edDataCheckBox, SwapColor},
    {80, 1791, u"SwapWord", u"N", edDataCheckBox, SwapColor},
    {113, 1741, u"Mnemonic", nullptr, edNormal, NoteColor},
}};
constexpr auto ReadFile = SavedColumns<ReadColumns>();
constexpr auto WriteFile = SavedColumns<WriteColumns>();

constexpr int ReadHints[] = {1743, 1744, 1745, 1746, 1747, 1748, 1749, 1750, 1751, 1752, 1792, 1753, 1754};
constexpr int WriteHints[] = {1755, 1756, 1757, 1758, 1759, 1760, 1761, 1762, 1763, 1764, 1765, 1766, 1793, 1767};

constexpr TModbusTableRules ReadRules = {.SlaveID = 2,
                                         .Type = 3,
                                         .Address = 4,
                                         .NPoint = 5,
                                         .PollTime = 6,
                                         .MaxError = 7,
                                         .Position = 8,
                                         .Bit = 9,
                                         .Topic = TopicColumn,
                                         .Read = true,
                                         .RegisterLimit = 125,
                                         .BitLimit = 2000,
                                         .PollMin = 1,
                                         .TextSlaveID = 1769,
                                         .TextType = 1770,
                                         .TextAddress = 1771,
                                         .TextNPoint = 1772,
                                         .TextPollTime = 1773,
                                         .TextMaxError = 1774,
                                         .TextPosition = 1775,
                                         .TextBit = 1776,
                                         .TextLastByte = 1777,
                                         .TextTopic = 1778};
constexpr TModbusTableRules WriteRules = {.SlaveID = 2,
                                          .Type = 3,
                                          .Address = 4,
                                          .NPoint = 5,
                                          .PollTime = 6,
                                          .MaxError = 9,
                                          .Position = 10,
                                          .Bit = 11,
                                          .Read = false,
                                          .RegisterLimit = 123,
                                          .BitLimit = 1968,
                                          .PollMin = 0,
                                          .TextSlaveID = 1779,
                                          .TextType = 1780,
                                          .TextAddress = 1781,
                                          .TextNPoint = 1782,
                                          .TextPollTime = 1783,
                                          .TextMaxError = 1784,
                                          .TextPosition = 1785,
                                          .TextBit = 1786,
                                          .TextLastByte = 1787};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 1700;
  setup.Texts.Description = 1701;
  setup.Texts.Buttons = {1702, 1703, 1704, 1705, 1706, 1707};
  setup.Texts.ButtonHints = {1708, 1709, 1710, 1711, 1712, 1713};
  setup.Texts.ErrorPrefix = 1768;
  setup.Texts.DeleteQuestion = 1788;
  setup.ClientWidth = 1040;
  setup.ClientHeight = 337;
  setup.FilePath = &ModbusMSetAccessFile;
  setup.Root = QStringLiteral("EtherNetIP_to_Modbus");
  setup.TableCount = 2;
  setup.ButtonRow = {16, 110, 118};
  return setup;
}

}  // namespace

TFSetAccess::TFSetAccess(TComponent* AOwner)
    : TModbusMasterForm(AOwner, EditorSetup(), {ReadColumns, ReadFile, ReadHints, 1714, &ReadRules},
                        {WriteColumns, WriteFile, WriteHints, 1715, &WriteRules}),
      ComboItem_Topic(size_t(Rows - 1), -1) {
  PCG_Modbus_Read->OnComboChange = [this](TObject* Sender, int ACol, int ARow, int AItemIndex,
                                          const QString& ASelection) {
    ComboChange(Sender, ACol, ARow, AItemIndex, ASelection);
  };
}

void TFSetAccess::FillPositionLists() {
  ComboItem_Topic.assign(size_t(Rows - 1), -1);
  TModbusMasterForm::FillPositionLists();
}

void TFSetAccess::ComboChange(TObject*, int ACol, int ARow, int AItemIndex, const QString&) {
  if (PCG_Modbus_Read->RealColIndex(ACol) != TopicColumn) return;
  if (ARow >= 1 && ARow <= int(ComboItem_Topic.size())) ComboItem_Topic[size_t(ARow - 1)] = AItemIndex;
}

int TFSetAccess::Get_Index_From_Topic(const QString& Topic, int Index) const {
  if (Index >= 0 && Index < List_Publish_Topic.Count() && List_Publish_Topic[Index] == Topic) return Index;
  return TopicIndex(List_Publish_Topic, Topic);
}

// While the Topic column is hidden the file keeps no topic.
QString TFSetAccess::TopicToFile(int ARow) const {
  if (PCG_Modbus_Read->IsHiddenColumn(TopicColumn)) return QString();
  const int remembered = ARow >= 1 && ARow <= int(ComboItem_Topic.size()) ? ComboItem_Topic[size_t(ARow - 1)] : -1;
  return QString::number(Get_Index_From_Topic(PCG_Modbus_Read->GetCellEx(TopicColumn, ARow), remembered));
}

void TFSetAccess::TopicFromFile(int ARow, const QString& Value) {
  const int index = TableCellInt(Value);
  if (ARow >= 1 && ARow <= int(ComboItem_Topic.size())) ComboItem_Topic[size_t(ARow - 1)] = index;
  PCG_Modbus_Read->SetCellEx(TopicColumn, ARow, Get_Topic_From_Index(index));
}
