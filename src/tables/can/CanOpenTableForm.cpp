#include "tables/can/CanOpenTableForm.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"

namespace {
constexpr int ByteAreaSize = 1500;

TEditorTableSetup PageTable(const TCanOpenPage& Page) {
  TEditorTableSetup table;
  table.Section = QString::fromUtf16(Page.Section);
  table.Columns = Page.File;
  table.KeyColumn = 1;
  table.SectionRequired = true;
  table.PageCaption = Page.PageCaption;
  table.Headers = Page.Headers;
  table.Hints = Page.Hints;
  return table;
}
}  // namespace

TCanOpenTableForm::TCanOpenTableForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TCanOpenPage& Read,
                                     const TCanOpenPage& Write, int Rows, TCellInt CellInt, int RowHeight)
    : TCanTableForm(AOwner, Setup), FPages{Read, Write}, FCellInt(CellInt) {
  PageControl1 = PC_Tables;
  sga = new TPlexColumnGrid(this);
  AddColumnGrid(sga, PageTable(Read), Read.Grid, Rows, Read.FixedHeader, RowHeight);
  sgb = new TPlexColumnGrid(this);
  AddColumnGrid(sgb, PageTable(Write), Write.Grid, Rows, Write.FixedHeader, RowHeight);
}

TTabSheet* TCanOpenTableForm::Page(int Table) const { return Pages.at(size_t(Table)); }

void TCanOpenTableForm::FillPositionLists() {
  PageControl1->SetActivePageIndex(0);
  PROFINET_NByte_IN = ByteAreaSize;
  PROFINET_NByte_OUT = ByteAreaSize;
}

void TCanOpenTableForm::AfterShow() { PageControl1->SetActivePageIndex(0); }

bool TCanOpenTableForm::CheckRow(int Table, int ARow) {
  TPlexStringGrid* grid = Grid(Table);
  const int size = Table == 0 ? PROFINET_NByte_IN : PROFINET_NByte_OUT;
  const auto value = [&](int ACol) { return FCellInt(grid->GetCellEx(ACol, ARow)); };
  for (const TCanOpenRule& rule : FPages[Table].Rules) {
    switch (rule.Kind) {
      case TCanOpenRule::Range:
        if (!CanInRange(value(rule.Col), rule.Low, rule.High)) return RowError(ARow, LangText(rule.Text));
        break;
      case TCanOpenRule::OneTwoFour: {
        const int n = value(rule.Col);
        if (n != 1 && n != 2 && n != 4) return RowError(ARow, LangText(rule.Text));
        break;
      }
      case TCanOpenRule::Addresses: {
        // The count cell has passed its own rule before: 1 .. 8 data bytes, or 1, 2 or 4.
        const int count = value(rule.Low);
        for (int k = 1; k <= count; ++k)
          if (!CanInRange(value(rule.Col + k - 1), 0, size - 1))
            return RowError(ARow, LangText(rule.Text + k - 1) + QString::number(size - 1));
        break;
      }
    }
  }
  return true;
}

void TCanOpenTableForm::DeleteTableRow(int Table, int ARow) { Delete_Row(ARow, Grid(Table)); }

void TCanOpenTableForm::Delete_Row(int ARow, TPlexStringGrid* Grid) {
  const int last = Grid->RowCount() - 1;
  if (ARow < 1 || ARow > last) return;
  for (int r = ARow; r < last; ++r)
    for (int c = 1; c < Grid->ColCount(); ++c) Grid->SetCellEx(c, r, Grid->GetCellEx(c, r + 1));
  for (int c = 1; c < Grid->ColCount(); ++c) Grid->SetCellEx(c, last, QString());
}
