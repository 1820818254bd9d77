// What a table editor does on the user's actions: the grid events, the row
// buttons, the validation and OK.
#include "common/tables/TableEditorForm.h"

#include "common/ShellState.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"

int TTableEditorForm::ActiveTable() const {
  if (!PC_Tables) return 0;
  const int index = PC_Tables->ActivePageIndex();
  return index >= 0 && index < TableCount() ? index : 0;
}

int TTableEditorForm::TableOfGrid(TObject* Sender) const {
  for (int t = 0; t < TableCount(); ++t)
    if (Grid(t) == Sender) return t;
  return -1;
}

void TTableEditorForm::GridClickCell(TObject* Sender, int ARow, int ACol) {
  if (ACol != 0 || ARow < 1) return;
  if (auto* grid = dynamic_cast<TPlexStringGrid*>(Sender)) grid->SelectRows(ARow, 1);
}

void TTableEditorForm::GridDblClickCell(TObject* Sender, int ARow, int ACol) {
  GridAutoSizeColumn(dynamic_cast<TPlexStringGrid*>(Sender), ARow, ACol);
}

void TTableEditorForm::GridKeyPress(TObject* Sender, QChar& Key) {
  GridEnterKeyAdvance(dynamic_cast<TPlexStringGrid*>(Sender), Key);
}

void TTableEditorForm::GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  HintStr.clear();
  const int table = TableOfGrid(Sender);
  if (table < 0 || ARow != 0 || ACol < 1 || size_t(table) >= HintLists.size()) return;
  const int real = Grid(table)->RealColIndex(ACol);
  const TStringList& hints = *HintLists[size_t(table)];
  if (real - 1 < hints.Count()) HintStr = hints[real - 1];
}

void TTableEditorForm::Btn_DelRowClick(TObject*) {
  const int table = ActiveTable();
  const int row = Grid(table)->Row();
  if (MessageDlg(DeleteQuestion(row), mtConfirmation, mbYesNo) != mrYes) return;
  DeleteTableRow(table, row);
}

QString TTableEditorForm::DeleteQuestion(int ARow) const {
  return LangText(FSetup.Texts.DeleteQuestion) + QString::number(ARow);
}

void TTableEditorForm::DeleteTableRow(int Table, int ARow) {
  if (TableSetup(Table).StringGrid)
    StringGridDeleteRow(ARow, Grid(Table), TableSetup(Table).HasEnable);
  else
    GridDeleteRow(ARow, Grid(Table));
}

void TTableEditorForm::Btn_InsRowClick(TObject*) {
  const int table = ActiveTable();
  TPlexStringGrid* grid = Grid(table);
  if (TableSetup(table).StringGrid)
    StringGridInsertRow(grid->Row(), grid, TableSetup(table).HasEnable);
  else
    GridInsertRow(grid->Row(), grid, TableSetup(table).HasEnable);
}

void TTableEditorForm::Btn_CopyRowClick(TObject*) {
  const int table = ActiveTable();
  TPlexStringGrid* grid = Grid(table);
  if (TableSetup(table).StringGrid)
    StringGridCopyRow(grid, grid->Row());
  else
    GridCopyRow(grid, grid->Row());
  Do_Copy.assign(size_t(TableCount()), false);
  Do_Copy[size_t(table)] = true;
}

void TTableEditorForm::Btn_PasteRowClick(TObject*) {
  const int table = ActiveTable();
  TPlexStringGrid* grid = Grid(table);
  if (TableSetup(table).StringGrid)
    StringGridPasteRow(grid, grid->Row(), Do_Copy[size_t(table)]);
  else
    GridPasteRow(grid, grid->Row(), Do_Copy[size_t(table)]);
}

QString TTableEditorForm::TableCell(int Table, int ACol, int ARow) const {
  return FTables.at(size_t(Table)).File.CellText(ACol, ARow);
}

std::vector<int> TTableEditorForm::RowsToCheck(int Table) const {
  std::vector<int> rows;
  const TEditorTableSetup& setup = TableSetup(Table);
  for (int r = 1; r < Grid(Table)->RowCount(); ++r) {
    if (FTables.at(size_t(Table)).File.KeyEmpty(r)) break;
    if (setup.HasEnable && !EnableOn(Table, r)) continue;
    rows.push_back(r);
  }
  return rows;
}

bool TTableEditorForm::EnableOn(int Table, int ARow) const {
  const TEditorTableSetup& setup = TableSetup(Table);
  const QString text = TableCell(Table, 1, ARow);
  switch (setup.EnableMatch) {
    case TEditorTableSetup::Exact:
      return text == setup.EnableOn;
    case TEditorTableSetup::Trimmed:
      return TableTrim(text) == setup.EnableOn;
    case TEditorTableSetup::TrimmedUpper:
      break;
  }
  return TableFlagOn(text, setup.EnableOn);
}

bool TTableEditorForm::RowError(int ARow, const QString& RuleText) const {
  MessageDlg(LangText(FSetup.Texts.ErrorPrefix) + QString::number(ARow) + RuleText, mtError, {mbOK});
  return false;
}

bool TTableEditorForm::Controllo_Dati() {
  for (int t = 0; t < TableCount(); ++t)
    for (int r : RowsToCheck(t))
      if (!CheckRow(t, r)) return false;
  return true;
}

void TTableEditorForm::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  const QString path = FSetup.FilePath ? *FSetup.FilePath : QString();
  if (!FTableFile.Save(path)) {
    MessageDlg(Format("Cannot create file \"%s\".", {path}), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}
