// Construction, texts and the start of each showing of a table editor.
#include "common/tables/TableEditorForm.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"

namespace {
constexpr int TitleHeight = 69;
constexpr int ButtonPanelHeight = 40;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 28;
constexpr int ButtonTop = 6;
constexpr int ButtonGap = 6;
constexpr int Margin = 8;
// Height left to the client-aligned table at the smallest size of a sizeable
// editor: its header and a few rows.
constexpr int MinTableHeight = 120;

TPanel* MakePanel(TForm* Form, int Height, TAlign Align) {
  TPanel* panel = Make<TPanel>(Form, Form, {0, 0, Form->ClientWidth(), Height});
  panel->BevelOuter = bvNone;
  panel->ShowCaption = false;
  panel->SetAlign(Align);
  return panel;
}

// The row buttons stand on the left in their order, OK and Cancel on the right.
using TButtonField = TLbButton* TTableEditorForm::*;
constexpr TButtonField RowButtons[] = {&TTableEditorForm::Btn_DelRow, &TTableEditorForm::Btn_InsRow,
                                       &TTableEditorForm::Btn_CopyRow, &TTableEditorForm::Btn_PasteRow};
// In the order of TTableEditorTexts::Buttons.
constexpr TButtonField TextButtons[] = {&TTableEditorForm::Btn_OK,      &TTableEditorForm::Btn_Cancel,
                                        &TTableEditorForm::Btn_DelRow,  &TTableEditorForm::Btn_InsRow,
                                        &TTableEditorForm::Btn_CopyRow, &TTableEditorForm::Btn_PasteRow};
}  // namespace

TTableEditorForm::TTableEditorForm(TComponent* AOwner, const TTableEditorSetup& Setup)
    : TForm(AOwner), XML1(std::make_unique<TXmlDocument>()), FSetup(Setup) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  SetColor(HouseLook::FormColor);
  Font().SetName(HouseLook::FontName);
  SetClientWidth(FSetup.ClientWidth);
  SetClientHeight(FSetup.ClientHeight);
  CreateTitle();
  CreateButtons();
  CreatePages();
  FTableFile.Root = FSetup.Root;
  FTableFile.Version = FSetup.Version;
  FTableFile.RowElement = FSetup.RowElement;
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TTableEditorForm::~TTableEditorForm() = default;

void TTableEditorForm::CreateTitle() {
  P_Title = MakePanel(this, TitleHeight, alTop);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, FSetup.ClientWidth - 2 * Margin, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
}

void TTableEditorForm::CreateButtons() {
  P_Button = MakePanel(this, ButtonPanelHeight, alBottom);
  for (TButtonField field : TextButtons) {
    TLbButton* button = Make<TLbButton>(this, P_Button, {0, ButtonTop, ButtonWidth, ButtonHeight});
    button->ApplyHouseLook();
    button->SetShowHint(true);
    this->*field = button;
  }
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
  Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
  Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
  Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };
  Btn_CopyRow->SetVisible(FSetup.RowCopyButtons);
  Btn_PasteRow->SetVisible(FSetup.RowCopyButtons);
  PlaceButtons();
  // OK and Cancel follow the right edge when a sizeable editor is resized.
  P_Button->OnResize = [this](TObject*) { PlaceButtons(); };
}

void TTableEditorForm::DoShow() {
  if (BorderStyle() == bsSizeable) KeepButtonsReachable();
  TForm::DoShow();
}

void TTableEditorForm::KeepButtonsReachable() {
  int rowRight = 0;
  for (TButtonField field : RowButtons) {
    const TLbButton* button = this->*field;
    if (button->Visible()) rowRight = std::max(rowRight, button->Left() + button->Width());
  }
  const int minClientWidth = rowRight + 2 * ButtonGap + 2 * ButtonWidth + ButtonGap + Margin;
  int minClientHeight = MinTableHeight;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* control = Controls(i);
    if (control->Visible() && (control->Align() == alTop || control->Align() == alBottom))
      minClientHeight += control->Height();
  }
  TSizeConstraints limits = Constraints();
  limits.MinWidth = minClientWidth + NonClientWidth();
  limits.MinHeight = minClientHeight + NonClientHeight();
  SetConstraints(limits);
}

void TTableEditorForm::PlaceButtons() {
  const TButtonRow& row = FSetup.ButtonRow;
  if (row.Step > 0) {
    int left = row.Left;
    for (TButtonField field : TextButtons) {
      (this->*field)->SetBounds(left, ButtonTop, row.Width, ButtonHeight);
      left += row.Step;
    }
    return;
  }
  int left = Margin;
  for (TButtonField field : RowButtons) {
    (this->*field)->SetLeft(left);
    left += ButtonWidth + ButtonGap;
  }
  Btn_Cancel->SetLeft(ClientWidth() - Margin - ButtonWidth);
  Btn_OK->SetLeft(Btn_Cancel->Left() - ButtonGap - ButtonWidth);
}

void TTableEditorForm::CreatePages() {
  if (FSetup.TableCount < 2) return;
  PC_Tables = Make<TPageControl>(this, this, {0, TitleHeight, ClientWidth(), 100});
  PC_Tables->SetAlign(alClient);
  for (int i = 0; i < FSetup.TableCount; ++i) {
    TTabSheet* page = new TTabSheet(this);
    page->SetPageControl(PC_Tables);
    Pages.push_back(page);
  }
  PC_Tables->SetActivePageIndex(0);
}

TWinControl* TTableEditorForm::TableParent(int Table) {
  if (PC_Tables) return Pages.at(size_t(Table));
  return this;
}

void TTableEditorForm::AddTable(TPlexStringGrid* AGrid, const TEditorTableSetup& Setup) {
  TTable table{Setup, {}};
  table.File.Grid = AGrid;
  table.File.Section = Setup.Section;
  table.File.Columns = Setup.Columns;
  table.File.KeyColumn = Setup.KeyColumn;
  table.File.CheckBoxStates = Setup.StringGrid;
  table.File.CheckedUnlessN = Setup.CheckedUnlessN;
  table.File.MissingSectionText = Setup.MissingSectionText;
  table.File.RowLoadHook = Setup.RowLoadHook;
  table.File.SectionRequired = Setup.SectionRequired;
  table.File.TrimKey = Setup.TrimKey;
  table.File.ReportExtraRows = Setup.ReportExtraRows;
  table.File.ToFile = Setup.ToFile;
  table.File.FromFile = Setup.FromFile;
  AGrid->SetParent(TableParent(TableCount()));
  AGrid->SetAlign(alClient);
  FTables.push_back(table);
  FTableFile.Tables.push_back(table.File);
  Do_Copy.push_back(false);
  if (!Setup.GridEvents) return;
  AGrid->OnClickCell = [this](TObject* Sender, int ARow, int ACol) { GridClickCell(Sender, ARow, ACol); };
  AGrid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { GridDblClickCell(Sender, ARow, ACol); };
  AGrid->OnKeyPress = [this](TObject* Sender, QChar& Key) { GridKeyPress(Sender, Key); };
  AGrid->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& HintStr) {
    GridHint(Sender, ARow, ACol, HintStr);
  };
}

void TTableEditorForm::SetKeyColumn(int Table, int ACol) {
  FTables.at(size_t(Table)).Setup.KeyColumn = ACol;
  FTables.at(size_t(Table)).File.KeyColumn = ACol;
  FTableFile.Tables.at(size_t(Table)).KeyColumn = ACol;
}

void TTableEditorForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(FSetup.ClientWidth);
  SetClientHeight(FSetup.ClientHeight);
  PlaceButtons();
  HintLists.clear();
  for (int t = 0; t < TableCount(); ++t) HintLists.push_back(std::make_unique<TStringList>());
  Init_Tables();
  Set_Lang();
}

void TTableEditorForm::Set_Lang() {
  const TTableEditorTexts& texts = FSetup.Texts;
  SetCaption(LangText(texts.Caption));
  L_SW_Desc->SetCaption(LangText(texts.Description));
  for (size_t i = 0; i < std::size(TextButtons); ++i) {
    (this->*TextButtons[i])->SetCaption(LangText(texts.Buttons[i]));
    (this->*TextButtons[i])->SetHint(LangText(texts.ButtonHints[i]));
  }
  for (int t = 0; t < TableCount(); ++t) {
    const TEditorTableSetup& setup = TableSetup(t);
    if (PC_Tables) Pages.at(size_t(t))->SetCaption(LangText(setup.PageCaption));
    for (size_t c = 0; c < setup.Headers.size(); ++c) SetColumnHeader(t, int(c) + 1, LangText(setup.Headers[c]));
    if (size_t(t) >= HintLists.size()) continue;
    HintLists[size_t(t)]->Clear();
    for (int id : setup.Hints) HintLists[size_t(t)]->Add(LangText(id));
  }
}

void TTableEditorForm::SetColumnHeader(int Table, int ACol, const QString& Text) {
  Grid(Table)->SetCellEx(ACol, 0, Text);
}

void TTableEditorForm::FormShow(TObject*) {
  for (int t = 0; t < TableCount(); ++t) ResetRows(t);
  FillPositionLists();
  Do_Copy.assign(size_t(TableCount()), false);
  const QString path = FSetup.FilePath ? *FSetup.FilePath : QString();
  if (!path.isEmpty() && FileExists(path)) FTableFile.Load(*XML1, path);
}

void TTableEditorForm::ResetRows(int Table) {
  const TTable& table = FTables.at(size_t(Table));
  TPlexStringGrid* grid = table.File.Grid;
  const int end = grid->ColCount() + grid->NumHiddenColumns();
  for (int r = 1; r < grid->RowCount(); ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    for (int c = 1; c < end; ++c) {
      if (!table.Setup.ResetHiddenColumns && grid->IsHiddenColumn(c)) continue;
      const bool on = table.Setup.HasEnable && c == 1;
      bool state = false;
      if (table.File.CheckBoxStates && grid->GetCheckBoxState(c, r, state))
        grid->SetCheckBoxState(c, r, on);
      else
        grid->SetCellEx(c, r, on ? table.Setup.EnableOn : QString());
    }
  }
}
