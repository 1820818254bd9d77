#include "tables/can/UDNet.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"

TFDNet* FDNet = nullptr;

namespace {

constexpr int Rows = 65;
constexpr int RowHeight = 21;
constexpr int ColID = 1, ColBytesIn = 2, ColBytesOut = 3;
constexpr TColor IDColor = 0xCEFFCE, BytesColor = 0xD5FFFF;

constexpr TCanColumn Columns[] = {{45}, {100, IDColor}, {100, BytesColor}, {100, BytesColor}, {375}};
constexpr TTableFileColumn FileColumns[] = {{1, u"ID"}, {2, u"NB_IN"}, {3, u"NB_OUT"}, {4, u"Mnemonic"}};
constexpr int Headers[] = {2915, 2916, 2917, 2918};
constexpr int Hints[] = {2919, 2920, 2921, 2922};

namespace Texts {
constexpr int ErrorRow = 2923, ID = 2924, BytesIn = 2925, BytesOut = 2926, DeleteQuestion = 2927, FixedHeader = 2914;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2900;
  setup.Texts.Description = 2901;
  setup.Texts.Buttons = {2902, 2903, 2904, 2905, 2906, 2907};
  setup.Texts.ButtonHints = {2908, 2909, 2910, 2911, 2912, 2913};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 745;
  setup.ClientHeight = 337;
  setup.FilePath = &DNETMNetFile;
  setup.Root = QStringLiteral("DNET_Net");
  return setup;
}

}  // namespace

TFDNet::TFDNet(TComponent* AOwner) : TCanTableForm(AOwner, EditorSetup()) {
  PSG = new TPlexColumnGrid(this);
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = ColID;
  // A slave whose ID is a blank is still a slave: checked, and refused, not dropped.
  table.TrimKey = false;
  table.Headers = Headers;
  table.Hints = Hints;
  AddColumnGrid(PSG, table, Columns, Rows, Texts::FixedHeader, RowHeight);
}

void TFDNet::Init_Tables() { Hint_DeviceNet = HintLists.front().get(); }

bool TFDNet::CheckRow(int, int ARow) {
  const auto value = [&](int ACol) { return TableCellInt(PSG->GetCellEx(ACol, ARow)); };
  if (!CanInRange(value(ColID), 0, 63)) return RowError(ARow, LangText(Texts::ID));
  if (!CanInRange(value(ColBytesIn), 0, 65535)) return RowError(ARow, LangText(Texts::BytesIn));
  if (!CanInRange(value(ColBytesOut), 0, 65535)) return RowError(ARow, LangText(Texts::BytesOut));
  return true;
}
