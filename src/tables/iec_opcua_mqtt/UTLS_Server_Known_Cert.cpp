#include "tables/iec_opcua_mqtt/UTLS_Server_Known_Cert.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "grid/core/PlexStringGrid.h"

#include <array>

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {

constexpr int TableRows = 11;
constexpr int RowHeight = 60;
constexpr int HeaderHeight = 22;
enum : int { ColEnable = 1, ColCertificate, ColMnemonic, ColumnCount };

struct TCertColumn {
  int Header;
  int Width;
  TColor Color;
};
constexpr std::array<TCertColumn, ColumnCount> Columns = {{
    {3414, 40, clNone},
    {3415, 50, 0xB0D8FF},
    {3416, 500, 0xFEFAE0},
    {3417, 160, 0xFFFFFF},
}};
constexpr int HintIds[] = {3418, 3419, 3420};

constexpr TTableFileColumn FileColumns[] = {
    {ColEnable, u"Enable", u"Y"}, {ColCertificate, u"Certificate", u""}, {ColMnemonic, u"Mnemonic", u""}};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3400;
  setup.Texts.Description = 3401;
  setup.Texts.Buttons = {3402, 3403, 3404, 3405, 3406, 3407};
  setup.Texts.ButtonHints = {3408, 3409, 3410, 3411, 3412, 3413};
  setup.Texts.DeleteQuestion = 3421;
  setup.ClientWidth = 800;
  setup.ClientHeight = 337;
  setup.FilePath = &TLSKnownCertFile;
  setup.Root = QStringLiteral("TLS_Server_Known_Cert");
  return setup;
}

TEditorTableSetup CertificateTable() {
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = ColCertificate;
  table.HasEnable = true;
  table.StringGrid = true;
  table.CheckedUnlessN = true;
  table.Hints = HintIds;
  return table;
}

}  // namespace

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  PSG = Make<TPlexStringGrid>(this, this, {0, 0, 100, 100});
  AddTable(PSG, CertificateTable());
}

void TFTLS_Server_Known_Cert::Init_Tables() { Init_Table(); }

void TFTLS_Server_Known_Cert::Init_Table() {
  PSG->BeginUpdate();
  PSG->SetColCount(ColumnCount);
  PSG->SetRowCount(TableRows);
  PSG->SetOptions(PSG->Options() + TGridOptions{goEditing, goRowSizing, goColSizing});
  PSG->SetVAlignment(vtaCenter);
  PSG->SetRowHeights(0, HeaderHeight);
  for (int c = 0; c < ColumnCount; ++c) PSG->SetColWidths(c, Columns[size_t(c)].Width);
  PSG->AddCheckBoxColumn(ColEnable, false, false);
  for (int r = 1; r < TableRows; ++r) {
    PSG->SetRowHeights(r, RowHeight);
    PSG->SetCellEx(0, r, QString::number(r));
    for (int c = 1; c < ColumnCount; ++c) PSG->SetColors(c, r, Columns[size_t(c)].Color);
    PSG->SetAlignments(ColEnable, r, taCenter);
  }
  PSG->EndUpdate();
}

void TFTLS_Server_Known_Cert::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int c = 0; c < ColumnCount; ++c) PSG->SetCellEx(c, 0, LangText(Columns[size_t(c)].Header));
}
