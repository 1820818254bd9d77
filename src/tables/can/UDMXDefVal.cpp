#include "tables/can/UDMXDefVal.h"

#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Files.h"
#include "platform/Xml.h"

TFDMXDefVal* FDMXDefVal = nullptr;

namespace {

constexpr int MaxChannels = 512;
constexpr int ColValue = 1;

constexpr TCanColumn Columns[] = {{100}, {100}, {250}};
constexpr TTableFileColumn FileColumns[] = {{1, u"Default_Value", u"0"}, {2, u"Mnemonic", u""}};
constexpr int Headers[] = {3107, 3108};
constexpr int Hints[] = {3109, 3110};

namespace Texts {
constexpr int ErrorRow = 3111, Value = 3112, FixedHeader = 3106;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3100;
  setup.Texts.Description = 3101;
  // The form has no row buttons; theirs stay hidden under the blank ids of the block.
  setup.Texts.Buttons = {3102, 3103, 3113, 3113, 3113, 3113};
  setup.Texts.ButtonHints = {3104, 3105, 3113, 3113, 3113, 3113};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.ClientWidth = 475;
  setup.ClientHeight = 337;
  setup.FilePath = &DMXDefaultValuesFile;
  setup.Root = QStringLiteral("DMX_Default_Values");
  setup.RowElement = QStringLiteral("Row");
  return setup;
}

}  // namespace

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TCanTableForm(AOwner, EditorSetup()) {
  for (TLbButton* button : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) button->SetVisible(false);
  PCG_DMX_Def_Val = new TPlexColumnGrid(this);
  TEditorTableSetup table;
  table.Columns = FileColumns;
  // Column 0 holds the channel number, never empty: every row is checked and written.
  table.KeyColumn = 0;
  // A file of more channels than the project has is read up to the project's count.
  table.ReportExtraRows = false;
  table.Headers = Headers;
  table.Hints = Hints;
  AddColumnGrid(PCG_DMX_Def_Val, table, Columns, MaxChannels + 1, Texts::FixedHeader);
}

void TFDMXDefVal::Init_Tables() { Hint = HintLists.front().get(); }

int TFDMXDefVal::DMX_Num_Channels() {
  TXmlDocument parGen;
  if (ParGenFile.isEmpty() || !FileExists(ParGenFile) || !parGen.LoadFromFile(ParGenFile)) return MaxChannels;
  const int channels = TableCellInt(parGen.Root().ChildNode(QStringLiteral("DMX_Num_Channels")).Text());
  // Only a hand-edited file holds a count outside 1 .. 512; it must not size the table.
  return channels >= 1 && channels <= MaxChannels ? channels : MaxChannels;
}

void TFDMXDefVal::BeforeShow() { PCG_DMX_Def_Val->SetRowCount(DMX_Num_Channels() + 1); }

// Step 2 of the showing follows the reset: a channel's reset level is "0".
void TFDMXDefVal::FillPositionLists() {
  for (int r = 1; r < PCG_DMX_Def_Val->RowCount(); ++r) PCG_DMX_Def_Val->SetCellEx(ColValue, r, QStringLiteral("0"));
}

bool TFDMXDefVal::CheckRow(int, int ARow) {
  if (!CanInRange(TableCellInt(PCG_DMX_Def_Val->GetCellEx(ColValue, ARow)), 0, 255))
    return RowError(ARow, LangText(Texts::Value));
  return true;
}
