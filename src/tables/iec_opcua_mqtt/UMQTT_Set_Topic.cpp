#include "tables/iec_opcua_mqtt/UMQTT_Set_Topic.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"
#include "tables/iec_opcua_mqtt/UTopicTemplate.h"

#include <algorithm>
#include <span>

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

constexpr int TableRows = 1025;
constexpr int AreaSize = 1500;
constexpr int TimeLimit = 999999999;
constexpr int Publish = 0, Subscribe = 1;

namespace Texts {
constexpr int DeleteQuestion = 3723, ErrorRow = 3751;
constexpr int PublishPage = 3733, SubscribePage = 3734;
}  // namespace Texts

// One column of a topic table: header and hint ids, width, editor and items,
// and whether it is shown.
struct TTopicColumn {
  int Header;
  int Hint;
  int Width;
  TEditorType Editor;
  std::span<const char16_t* const> Items;
  bool Shown;
};

constexpr const char16_t* QoSItems[] = {u"0", u"1", u"2"};
constexpr const char16_t* DataTypeItems[] = {u"Int", u"Float", u"String", u"Base64"};
constexpr const char16_t* TemplateItems[] = {u"$VALUE$"};
constexpr const char16_t* EthTypeItems[] = {u"TCP", u"UDP"};
constexpr auto ChannelItems = [] {
  std::array<const char16_t*, 65> items{};
  constexpr const char16_t* numbers[] = {
      u"0",  u"1",  u"2",  u"3",  u"4",  u"5",  u"6",  u"7",  u"8",  u"9",  u"10", u"11", u"12", u"13", u"14", u"15",
      u"16", u"17", u"18", u"19", u"20", u"21", u"22", u"23", u"24", u"25", u"26", u"27", u"28", u"29", u"30", u"31",
      u"32", u"33", u"34", u"35", u"36", u"37", u"38", u"39", u"40", u"41", u"42", u"43", u"44", u"45", u"46", u"47",
      u"48", u"49", u"50", u"51", u"52", u"53", u"54", u"55", u"56", u"57", u"58", u"59", u"60", u"61", u"62", u"63"};
  for (size_t i = 0; i < 64; ++i) items[i] = numbers[i];
  items[64] = u"All";
  return items;
}();

constexpr TTopicColumn PublishColumns[] = {
    {3714, 0, 40, edNormal, {}, true},
    {3715, 3719, 300, edNormal, {}, true},
    {3716, 3720, 60, edDataCheckBox, {}, true},
    {3717, 3721, 80, edComboList, QoSItems, true},
    {3737, 3740, 80, edComboList, DataTypeItems, true},
    {3738, 3741, 80, edNormal, {}, true},
    {3739, 3742, 80, edNormal, {}, true},
    {3762, 3764, 100, edNormal, {}, false},
    {3763, 3765, 120, edNormal, {}, false},
    {3735, 3736, 130, edComboEdit, TemplateItems, true},
    {3781, 3782, 75, edDataCheckBox, {}, true},
    {3783, 3786, 55, edDataCheckBox, {}, false},
    {3784, 3787, 64, edDataCheckBox, {}, true},
    {3785, 3788, 70, edNormal, {}, true},
    {3790, 3791, 60, edComboList, ChannelItems, false},
    {3793, 3795, 40, edDataCheckBox, {}, false},
    {3794, 3796, 80, edDataCheckBox, {}, false},
    {3718, 3722, 170, edNormal, {}, true},
};
constexpr TTopicColumn SubscribeColumns[] = {
    {3724, 0, 40, edNormal, {}, true},
    {3725, 3729, 300, edNormal, {}, true},
    {3726, 3730, 60, edDataCheckBox, {}, false},
    {3727, 3731, 80, edComboList, QoSItems, true},
    {3743, 3747, 80, edComboList, DataTypeItems, true},
    {3744, 3748, 80, edNormal, {}, true},
    {3745, 3749, 80, edNormal, {}, true},
    {3766, 3770, 100, edNormal, {}, false},
    {3767, 3771, 50, edNormal, {}, false},
    {3768, 3772, 64, edComboList, EthTypeItems, false},
    {3769, 3773, 130, edNormal, {}, false},
    {3746, 3750, 130, edComboEdit, TemplateItems, true},
    {3793, 3797, 40, edDataCheckBox, {}, false},
    {3794, 3798, 80, edDataCheckBox, {}, false},
    {3728, 3732, 220, edNormal, {}, true},
};

template <size_t N>
constexpr std::array<int, N - 1> IdsOf(const TTopicColumn (&Columns)[N], int TTopicColumn::*Field) {
  std::array<int, N - 1> ids{};
  for (size_t i = 1; i < N; ++i) ids[i - 1] = Columns[i].*Field;
  return ids;
}
constexpr auto PublishHeaders = IdsOf(PublishColumns, &TTopicColumn::Header);
constexpr auto PublishHints = IdsOf(PublishColumns, &TTopicColumn::Hint);
constexpr auto SubscribeHeaders = IdsOf(SubscribeColumns, &TTopicColumn::Header);
constexpr auto SubscribeHints = IdsOf(SubscribeColumns, &TTopicColumn::Hint);

// The stored columns; OnCMD, Channel, Swap and Swap Word are not stored.
constexpr TTableFileColumn PublishFile[] = {
    {1, u"Topic"},           {2, u"Retained"},           {3, u"QoS"},
    {4, u"DataType", u""},   {5, u"Dimension", u""},     {6, u"Position", u""},
    {7, u"IPAddress", u""},  {8, u"InputTemplate", u""}, {9, u"Template", u""},
    {10, u"OnChange", u"N"}, {12, u"OnTimer", u"N"},     {13, u"Time", u""},
    {17, u"Mnemonic"},
};
constexpr TTableFileColumn SubscribeFile[] = {
    {1, u"Topic"},
    {2, u"Retained"},
    {3, u"QoS"},
    {4, u"DataType", u""},
    {5, u"Dimension", u""},
    {6, u"Position", u""},
    {7, u"IPAddress", u""},
    {8, u"Port", u""},
    {9, u"EthType", u""},
    {10, u"InputTemplate", u""},
    {11, u"Template", u""},
    {14, u"Mnemonic"},
};

// Where each rule's column stands in a table, and its texts.
struct TTopicRules {
  int DataType, Dimension, Position, IPAddress, Port, InputTemplate, Template;
  int TypeEmpty, IntDimension, FloatDimension, OtherDimension, PositionRange, IPRule, PortRule, InputRule, TemplateRule;
};
constexpr TTopicRules PublishRules = {4, 5, 6, 7, -1, 8, 9, 3752, 3753, 3754, 3755, 3756, 3774, -1, 3777, 3778};
constexpr TTopicRules SubscribeRules = {4, 5, 6, 7, 8, 10, 11, 3757, 3758, 3759, 3760, 3761, 3775, 3776, 3779, 3780};
constexpr int OnTimerColumn = 12, TimeColumn = 13, TimeRule = 3789;

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3700;
  setup.Texts.Description = 3701;
  setup.Texts.Buttons = {3702, 3703, 3704, 3705, 3706, 3707};
  setup.Texts.ButtonHints = {3708, 3709, 3710, 3711, 3712, 3713};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1100;
  setup.ClientHeight = 337;
  setup.FilePath = &MQTTSetTopicFile;
  setup.Root = QStringLiteral("MQTT_Set_Topic");
  setup.TableCount = 2;
  return setup;
}

TEditorTableSetup TopicTable(int Table) {
  TEditorTableSetup table;
  table.Section = Table == Publish ? QStringLiteral("MQTT_Publish") : QStringLiteral("MQTT_Subscribe");
  if (Table == Publish) {
    table.Columns = PublishFile;
    table.Headers = PublishHeaders;
    table.Hints = PublishHints;
  } else {
    table.Columns = SubscribeFile;
    table.Headers = SubscribeHeaders;
    table.Hints = SubscribeHints;
  }
  table.KeyColumn = 1;
  table.PageCaption = Table == Publish ? Texts::PublishPage : Texts::SubscribePage;
  return table;
}

std::span<const TTopicColumn> ColumnsOf(int Table) {
  if (Table == Publish) return PublishColumns;
  return SubscribeColumns;
}

}  // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  PageControl1 = PC_Tables;
  TS_MQTT_Publish = Pages.at(Publish);
  TS_MQTT_Subscribe = Pages.at(Subscribe);
  PCG_Pub = Make<TPlexColumnGrid>(this, TS_MQTT_Publish, {0, 0, 100, 100});
  AddTable(PCG_Pub, TopicTable(Publish));
  PCG_Sub = Make<TPlexColumnGrid>(this, TS_MQTT_Subscribe, {0, 0, 100, 100});
  AddTable(PCG_Sub, TopicTable(Subscribe));
  for (TPlexColumnGrid* grid : {PCG_Pub, PCG_Sub})
    grid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { PCG_MQTT_DblClickCell(Sender, ARow, ACol); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic() = default;

TPlexColumnGrid* TFMQTT_Set_Topic::TableGrid(int Table) const { return Table == Publish ? PCG_Pub : PCG_Sub; }

void TFMQTT_Set_Topic::Init_Tables() {
  Init_Grid(Publish);
  Init_Grid(Subscribe);
}

void TFMQTT_Set_Topic::Init_Grid(int Table) {
  TPlexColumnGrid* grid = TableGrid(Table);
  const auto columns = ColumnsOf(Table);
  grid->BeginUpdate();
  grid->SetColCount(int(columns.size()));
  grid->SetRowCount(TableRows);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(columns.size()); ++c) {
    const TTopicColumn& def = columns[size_t(c)];
    TGridColumnItem* column = grid->Columns()[c];
    column->SetWidth(def.Width);
    if (c == 0) continue;
    column->SetEditor(def.Editor);
    if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
    column->ComboItems().Clear();
    for (const char16_t* item : def.Items) column->ComboItems().Add(QString::fromUtf16(item));
  }
  // From the right, so the real indexes still hold while hiding.
  for (int c = int(columns.size()) - 1; c > 0; --c)
    if (!columns[size_t(c)].Shown) grid->HideColumn(c);
  grid->EndUpdate();
}

void TFMQTT_Set_Topic::Set_Lang() {
  TTableEditorForm::Set_Lang();
  PCG_Pub->Columns()[0]->SetHeader(LangText(PublishColumns[0].Header));
  PCG_Sub->Columns()[0]->SetHeader(LangText(SubscribeColumns[0].Header));
}

void TFMQTT_Set_Topic::SetColumnHeader(int Table, int ACol, const QString& Text) {
  TableGrid(Table)->Columns()[ACol]->SetHeader(Text);
}

void TFMQTT_Set_Topic::FormShow(TObject* Sender) {
  Working_Mode = 1;
  Byte_IN = AreaSize;
  Byte_OUT = AreaSize;
  TS_MQTT_Subscribe->SetTabVisible(true);
  PCG_Pub->SetRowCount(TableRows);
  PCG_Sub->SetRowCount(TableRows);
  PageControl1->SetActivePageIndex(Publish);
  TTableEditorForm::FormShow(Sender);
  // The columns that are not stored take their defaults in every loaded row.
  if (!FileExists(MQTTSetTopicFile) || !XML1->Active()) return;
  const TXmlNode root = XML1->Root();
  for (int t : {Publish, Subscribe}) {
    const TXmlNode section = root.ChildNode(TopicTable(t).Section);
    if (!section.IsNull()) ResetLoadedColumns(t, int(section.ChildElements().size()));
  }
}

void TFMQTT_Set_Topic::ResetLoadedColumns(int Table, int Rows) {
  TPlexColumnGrid* grid = TableGrid(Table);
  const int last = std::min(Rows, grid->RowCount() - 1);
  for (int r = 1; r <= last; ++r) {
    if (Table == Publish) {
      grid->SetCellEx(14, r, QString());
      grid->SetCellEx(15, r, QStringLiteral("N"));
      grid->SetCellEx(16, r, QStringLiteral("N"));
    } else {
      grid->SetCellEx(12, r, QStringLiteral("N"));
      grid->SetCellEx(13, r, QStringLiteral("N"));
    }
  }
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const QString& Text) { return Text.count(QLatin1Char('$')) % 2 != 0; }

bool TFMQTT_Set_Topic::CheckRow(int Table, int ARow) {
  TPlexColumnGrid* grid = TableGrid(Table);
  const TTopicRules& rules = Table == Publish ? PublishRules : SubscribeRules;
  const auto cell = [grid, ARow](int ACol) { return grid->GetCellEx(ACol, ARow); };
  const auto shown = [grid](int ACol) { return ACol > 0 && !grid->IsHiddenColumn(ACol); };
  const auto fail = [this, ARow](int TextId, const QString& Tail = QString()) {
    return RowError(ARow, LangText(TextId) + Tail);
  };

  if (shown(rules.DataType)) {
    const QString type = TableTrim(cell(rules.DataType)).toUpper();
    const int dimension = TableCellInt(cell(rules.Dimension));
    if (type.isEmpty()) return fail(rules.TypeEmpty);
    if (type == QStringLiteral("INT")) {
      if (dimension != 1 && dimension != 2 && dimension != 4 && dimension != 8) return fail(rules.IntDimension);
    } else if (type == QStringLiteral("FLOAT")) {
      if (dimension != 4 && dimension != 8) return fail(rules.FloatDimension);
    } else if (dimension < 1) {
      return fail(rules.OtherDimension);
    }
  }
  const int area = Table == Publish ? Byte_IN : Byte_OUT;
  if (shown(rules.Position)) {
    const int position = TableCellInt(cell(rules.Position));
    if (position < 0 || position >= area) return fail(rules.PositionRange, QString::number(area - 1));
  }
  if (shown(rules.IPAddress)) {
    QString o1, o2, o3, o4;
    if (!SplitIpAddress(TableTrim(cell(rules.IPAddress)), o1, o2, o3, o4)) return fail(rules.IPRule);
  }
  if (rules.Port > 0 && shown(rules.Port)) {
    const int port = TableCellInt(cell(rules.Port));
    if (port < 0 || port > 65535) return fail(rules.PortRule);
  }
  if (shown(rules.InputTemplate) && Error_In_Topic_Template(TableTrim(cell(rules.InputTemplate))))
    return fail(rules.InputRule);
  if (shown(rules.Template) && Error_In_Topic_Template(TableTrim(cell(rules.Template))))
    return fail(rules.TemplateRule);
  // The time rule runs whether its columns are shown or not.
  if (Table == Publish && TableFlagOn(cell(OnTimerColumn))) {
    const int time = TableCellInt(cell(TimeColumn));
    if (time < 1 || time > TimeLimit) return fail(TimeRule);
  }
  return true;
}

void TFMQTT_Set_Topic::PCG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol) {
  auto* grid = dynamic_cast<TPlexColumnGrid*>(Sender);
  if (!grid) return;
  GridAutoSizeColumn(grid, ARow, ACol);
  const int templateColumn = grid == PCG_Pub ? 9 : 11;
  const int col = grid->RealColIndex(grid->Col());
  if (col == templateColumn && grid->Row() > 0) Show_Form_Topic(grid, grid->Row(), col);
}

TFTopicTemplate* TFMQTT_Set_Topic::TemplateDialog() {
  if (FTopicTemplate) return FTopicTemplate;
  if (!FOwnDialog) {
    FOwnDialog = new TFTopicTemplate(this);
    FOwnDialog->DoCreate();
  }
  return FOwnDialog;
}

void TFMQTT_Set_Topic::Show_Form_Topic(TPlexColumnGrid* Grid, int ARow, int ACol) {
  TFTopicTemplate* dialog = TemplateDialog();
  dialog->TopicTemplate = ACol == (Grid == PCG_Pub ? 9 : 11) ? 1 : 0;
  dialog->Working_Mode = Working_Mode;
  dialog->Pub_Sub = Grid == PCG_Pub ? 0 : 1;
  dialog->RE_TopicTemplate->SetText(QString());
  dialog->RE_TopicTemplate->SetText(Grid->GetCellEx(ACol, ARow));
  if (dialog->ShowModal() == mrOk) Grid->SetCellEx(ACol, ARow, dialog->RE_TopicTemplate->Text());
}
