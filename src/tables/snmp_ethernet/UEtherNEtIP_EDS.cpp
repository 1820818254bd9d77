#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"

#include <QRegularExpression>

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {
constexpr int FormWidth = 1150, FormHeight = 337;
constexpr int Margin = 8, ButtonWidth = 90, ButtonHeight = 28, ButtonTop = 6, ButtonGap = 6;
constexpr int CloseInterval = 10;

namespace Texts {
constexpr int Caption = 5000, Description = 5001, OK = 5002, Cancel = 5003, OKHint = 5004, CancelHint = 5005;
constexpr int FirstHeader = 5006, NoConnection = 5015;
}  // namespace Texts

constexpr int ColumnWidths[] = {95, 190, 210, 100, 115, 100, 115, 110, 110};

QString DimHeaderText(uint8_t Value, uint8_t Default) {
  return Value == Default ? QStringLiteral("Default") : QString::number(Value);
}
}  // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  ApplyHouseForm(this);
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, FormWidth - 2 * Margin, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  const int cancelLeft = FormWidth - Margin - ButtonWidth;
  Btn_OK =
      MakeHouseButton(this, P_Button, {cancelLeft - ButtonGap - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight});
  Btn_OK->SetModalResult(mrOk);
  Btn_OK->SetDefault(true);
  Btn_OK->SetShowHint(true);
  Btn_Cancel = MakeHouseButton(this, P_Button, {cancelLeft, ButtonTop, ButtonWidth, ButtonHeight});
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetCancel(true);
  Btn_Cancel->SetShowHint(true);

  PCG = Make<TPlexColumnGrid>(this, this, {0, HouseLook::TitlePanelHeight, FormWidth, 200});
  PCG->SetAlign(alClient);
  PCG->BeginUpdate();
  PCG->SetColCount(int(std::size(ColumnWidths)));
  PCG->SetRowCount(2);
  PCG->SetFixedCols(0);
  PCG->SetOptions((PCG->Options() - TGridOptions{goEditing}) + TGridOptions{goRowSelect, goColSizing});
  for (int c = 0; c < int(std::size(ColumnWidths)); ++c) PCG->Columns()[c]->SetWidth(ColumnWidths[c]);
  PCG->EndUpdate();
  // The list holds the keyboard, so Enter on it picks the row as OK does.
  PCG->OnKeyPress = [this](TObject*, QChar& Key) {
    if (Key != QChar(13)) return;
    Key = QChar(0);
    SetModalResult(mrOk);
  };

  TClose = new TTimer(this);
  TClose->SetEnabled(false);
  TClose->SetInterval(CloseInterval);
  TClose->OnTimer = [this](TObject* Sender) { TCloseTimer(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFEtherNEtIP_EDS::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  List_Conn.clear();
  Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Description));
  Btn_OK->SetCaption(LangText(Texts::OK));
  Btn_Cancel->SetCaption(LangText(Texts::Cancel));
  Btn_OK->SetHint(LangText(Texts::OKHint));
  Btn_Cancel->SetHint(LangText(Texts::CancelHint));
  for (int c = 0; c < PCG->Columns().Count(); ++c) PCG->Columns()[c]->SetHeader(LangText(Texts::FirstHeader + c));
}

void TFEtherNEtIP_EDS::FormShow(TObject*) {
  List_Conn.clear();
  if (FileExists(EDS_FileName)) {
    const QString text = ReadTextFile(EDS_FileName);
    List_Conn = EdsConnections(text.split(QRegularExpression("\r\n|\r|\n")));
  }
  ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid() {
  PCG->SetRowCount(2);
  for (int c = 0; c < PCG->ColCount() + PCG->NumHiddenColumns(); ++c) PCG->SetCellEx(c, 1, QString());
  if (List_Conn.empty()) {
    TClose->SetEnabled(true);
    return;
  }
  PCG->SetRowCount(int(List_Conn.size()) + 1);
  for (int r = 1; r <= int(List_Conn.size()); ++r) {
    const TConnData& d = List_Conn[size_t(r - 1)];
    const QString cells[] = {"Connection" + QString::number(r),
                             d.ConnName,
                             d.HelpStr,
                             QString::number(d.InstanceOT),
                             QString::number(d.ConnPointOT),
                             QString::number(d.InstanceTO),
                             QString::number(d.ConnPointTO),
                             DimHeaderText(d.DimHeaderOT, 4),
                             DimHeaderText(d.DimHeaderTO, 0)};
    for (int c = 0; c < int(std::size(cells)); ++c) PCG->SetCellEx(c, r, cells[c]);
  }
  PCG->SetRow(1);
}

void TFEtherNEtIP_EDS::TCloseTimer(TObject*) {
  TClose->SetEnabled(false);
  MessageDlg(LangText(Texts::NoConnection), mtError, {mbOK});
  SetModalResult(mrCancel);
}
