#include "tables/modbus_bacnet/UImportEDEFile.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/TableColumns.h"

#include <array>

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

constexpr int FormWidth = 863, FormHeight = 337;
constexpr int GridRows = 513;
constexpr int ImportColumn = 1, ReadColumn = 2, WriteColumn = 3;
constexpr int FieldCount = 16;
constexpr int MandatoryLine = 6;
constexpr int MaxSlaveID = 254;

namespace Texts {
constexpr int Caption = 2100, Description = 2101, OK = 2102, Cancel = 2103, IdLabel = 2115, SelectAll = 2120,
              UnselectAll = 2121;
constexpr int ErrorLine = 2113, OnlyRead = 2114, BadIP = 2116, BadSlave = 2117;
}  // namespace Texts

constexpr std::array<TTableColumn, 9> Columns = {{
    {32, 2104},
    {50, 2105, nullptr, nullptr, edDataCheckBox},
    {40, 2106, nullptr, nullptr, edDataCheckBox},
    {40, 2107, nullptr, nullptr, edDataCheckBox},
    {150, 2108},
    {85, 2109},
    {60, 2110},
    {150, 2111},
    {90, 2112, nullptr, nullptr, edDataCheckBox},
}};

// The object types the client tables can use.
constexpr int KeptTypes[] = {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 45, 46, 48};

bool Kept(int Type) {
  for (int kept : KeptTypes)
    if (kept == Type) return true;
  return false;
}

// "#" and, after it, a text beginning with "mandatory".
bool IsMandatoryLine(const QString& Line) {
  const QString trimmed = TableTrim(Line);
  return trimmed.startsWith(u'#') && TableTrim(trimmed.mid(1)).startsWith(QLatin1String("mandatory"));
}

QString YesNo(bool Flag) { return Flag ? QStringLiteral("Y") : QStringLiteral("N"); }

// The fields of a data line: each the text before the next ";" of what
// follows the one before; the last one the whole rest without one trailing ";".
QStringList SplitFields(const QString& Line) {
  QStringList fields;
  QString rest = Line;
  const auto before = [](const QString& Text) {
    const qsizetype semicolon = Text.indexOf(u';');
    return semicolon < 0 ? QString() : Text.left(semicolon);
  };
  const auto after = [](const QString& Text) {
    const qsizetype semicolon = Text.indexOf(u';');
    return semicolon < 0 ? Text : TableTrim(Text.mid(semicolon + 1));
  };
  fields << before(rest);
  for (int f = 2; f < FieldCount; ++f) {
    rest = after(rest);
    fields << before(rest);
  }
  rest = after(rest);
  if (rest.endsWith(u';')) rest.chop(1);
  fields << rest;
  for (QString& field : fields) field = TableTrim(field);
  return fields;
}

// A field read as an integer: -1 when it is not one.
int FieldInt(const QString& Text) { return TableCellInt(Text); }

}  // namespace

int EdeDataStart(const QStringList& Lines) {
  // A file too short for line 6 has no "# mandatory" line there.
  if (Lines.size() > MandatoryLine && IsMandatoryLine(Lines[MandatoryLine])) return MandatoryLine + 2;
  int start = -1;
  for (int i = 0; i < Lines.size(); ++i)
    if (IsMandatoryLine(Lines[i])) start = i + 2;
  return start;
}

std::vector<std::unique_ptr<TBACnet_Var>> ParseEdeLines(const QStringList& Lines) {
  std::vector<std::unique_ptr<TBACnet_Var>> objects;
  const int start = EdeDataStart(Lines);
  if (start < 0) return objects;
  for (int i = start; i < Lines.size(); ++i) {
    const QString line = TableTrim(Lines[i]);
    if (line.isEmpty()) continue;
    const QStringList f = SplitFields(line);
    auto object = std::make_unique<TBACnet_Var>();
    object->keyname = f[0];
    object->device_obj_instance = FieldInt(f[1]);
    object->object_name = f[2];
    object->object_type = FieldInt(f[3]);
    object->object_instance = FieldInt(f[4]);
    object->description = f[5];
    object->present_value_default = f[6];
    object->min_present_value = f[7];
    object->max_present_value = f[8];
    object->commandable = f[9].toUpper() == QLatin1String("Y");
    object->support_COV = f[10].toUpper() == QLatin1String("Y");
    object->hi_limit = f[11];
    object->low_limit = f[12];
    object->stete_text_reference = f[13];
    object->unit_code = f[14];
    object->vendor_specific_address = f[15];
    if (!Kept(object->object_type)) continue;
    object->import = true;
    object->read = true;
    object->write = object->commandable;
    objects.push_back(std::move(object));
  }
  return objects;
}

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {8, 8, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {8, 44, FormWidth - 16, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  P_ID_IP = MakeBandPanel(this, alTop, 34);
  LID_IP = Make<TLabel>(this, P_ID_IP, {8, 10, 260, 13});
  E_ID_IP = Make<TEdit>(this, P_ID_IP, {272, 6, 160, 21});
  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_Select_All = MakeHouseButton(this, P_Button, {8, 6, 110, 28});
  Btn_Unselect_All = MakeHouseButton(this, P_Button, {126, 6, 110, 28});
  Btn_OK = MakeHouseButton(this, P_Button, {FormWidth - 236, 6, 110, 28});
  Btn_Cancel = MakeHouseButton(this, P_Button, {FormWidth - 118, 6, 110, 28});
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_Select_All->OnClick = [this](TObject* Sender) { Btn_Select_AllClick(Sender); };
  Btn_Unselect_All->OnClick = [this](TObject* Sender) { Btn_Unselect_AllClick(Sender); };
  PCG = Make<TPlexColumnGrid>(this, this, {0, 0, FormWidth, 100});
  PCG->SetAlign(alClient);
  PCG->OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
    PCGCheckBoxClick(Sender, ACol, ARow, State);
  };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFImportEDEFile::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  BuildColumns(PCG, Columns, GridRows);
  for (int c = 4; c < int(Columns.size()); ++c) PCG->Columns()[c]->ReadOnly = true;
  Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Description));
  Btn_OK->SetCaption(LangText(Texts::OK));
  Btn_Cancel->SetCaption(LangText(Texts::Cancel));
  LID_IP->SetCaption(LangText(Texts::IdLabel));
  Btn_Select_All->SetCaption(LangText(Texts::SelectAll));
  Btn_Unselect_All->SetCaption(LangText(Texts::UnselectAll));
  PutColumnHeaders(PCG, Columns);
}

void TFImportEDEFile::FormShow(TObject*) {
  PCG->SetRowCount(GridRows);
  for (int r = 1; r < GridRows; ++r) {
    PCG->SetCellEx(0, r, QString::number(r));
    for (int c = 1; c < PCG->ColCount(); ++c) PCG->SetCellEx(c, r, QString());
  }
  if (E_ID_IP->CanFocus()) E_ID_IP->SetFocus();
  Cancel_EDE_List_Vars();
  Load_EDE_File();
  Show_Data_in_Grid();
}

void TFImportEDEFile::Cancel_EDE_List_Vars() { List_EDE_Var.clear(); }

void TFImportEDEFile::Load_EDE_File() {
  bool ok = false;
  const QString text = ReadTextFile(EDE_File, &ok, nullptr, false);
  if (!ok) return;
  QStringList lines = text.split(u'\n');
  for (QString& line : lines)
    if (line.endsWith(u'\r')) line.chop(1);
  // A file ending in a line break has no line after it.
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  List_EDE_Var = ParseEdeLines(lines);
}

// Every row is numbered, however long the list.
void TFImportEDEFile::Show_Data_in_Grid() {
  const int count = int(List_EDE_Var.size());
  PCG->SetRowCount(count == 0 ? 2 : count + 1);
  for (int i = 0; i < count; ++i) {
    const TBACnet_Var& v = *List_EDE_Var[size_t(i)];
    const int r = i + 1;
    const QString cells[] = {QString::number(r),
                             YesNo(v.import),
                             YesNo(v.read),
                             YesNo(v.write),
                             v.object_name,
                             QString::number(v.object_type),
                             QString::number(v.object_instance),
                             v.description,
                             YesNo(v.commandable)};
    for (int c = 0; c < int(std::size(cells)); ++c) PCG->SetCellEx(c, r, cells[c]);
  }
  if (count == 0) PCG->SetCellEx(0, 1, QStringLiteral("1"));
}

void TFImportEDEFile::PCGCheckBoxClick(TObject*, int ACol, int ARow, bool State) {
  if (ARow < 1 || ARow > int(List_EDE_Var.size())) return;
  TBACnet_Var& v = *List_EDE_Var[size_t(ARow - 1)];
  const int col = PCG->RealColIndex(ACol);
  if (col == WriteColumn && !v.commandable) {
    MessageDlg(LangText(Texts::ErrorLine) + QString::number(ARow) + LangText(Texts::OnlyRead), mtError, {mbOK});
    PCG->SetCellEx(WriteColumn, ARow, QStringLiteral("N"));
    return;
  }
  if (col == ImportColumn) v.import = State;
  if (col == ReadColumn) v.read = State;
  if (col == WriteColumn) v.write = State;
}

void TFImportEDEFile::SelectAll(bool Import) {
  for (int i = 0; i < int(List_EDE_Var.size()); ++i) {
    List_EDE_Var[size_t(i)]->import = Import;
    PCG->SetCellEx(ImportColumn, i + 1, YesNo(Import));
  }
}

void TFImportEDEFile::Btn_Select_AllClick(TObject*) { SelectAll(true); }
void TFImportEDEFile::Btn_Unselect_AllClick(TObject*) { SelectAll(false); }

void TFImportEDEFile::Btn_OKClick(TObject*) {
  const QString id = E_ID_IP->Text();
  if (App_BACnet_Type == 0) {
    uint8_t a = 0, b = 0, c = 0, d = 0;
    if (ParseIpAddressBytes(id, a, b, c, d)) {
      MessageDlg(LangText(Texts::BadIP), mtError, {mbOK});
      return;
    }
  } else if (App_BACnet_Type == 1) {
    const int slave = TableCellInt(id);
    if (slave < 0 || slave > MaxSlaveID) {
      MessageDlg(LangText(Texts::BadSlave), mtError, {mbOK});
      return;
    }
  }
  SetModalResult(mrOk);
}
