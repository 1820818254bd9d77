#include "tables/can/PgnTableForm.h"

#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"

namespace {
constexpr int RowHeight = 21;
constexpr int TransportMax = 1785;
constexpr int FastPacketMax = 223;
constexpr int FrameBytes = 8;
}  // namespace

TPgnTableForm::TPgnTableForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TPgnRules& Rules)
    : TCanTableForm(AOwner, Setup), FRules(Rules), FAreaSize(Rules.AreaSize) {
  sga = new TPlexColumnGrid(this);
  Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
}

void TPgnTableForm::AddPgnGrid(std::span<const TCanColumn> Columns, std::span<const TTableFileColumn> File,
                               std::span<const int> Headers, std::span<const int> Hints, int FixedHeader, int Rows,
                               TRowLoadHook Hook) {
  TEditorTableSetup table;
  table.Columns = File;
  table.KeyColumn = FRules.Pgn;
  // A PGN of blanks is a row, refused by the PGN rule, not the table's end.
  table.TrimKey = false;
  table.Headers = Headers;
  table.Hints = Hints;
  table.RowLoadHook = std::move(Hook);
  AddColumnGrid(sga, table, Columns, Rows, FixedHeader, RowHeight);
}

void TPgnTableForm::FillPositionLists() { FAreaSize = FRules.AreaSize; }

void TPgnTableForm::Btn_DelRowClick(TObject* Sender) {
  if (sga->Row() < 1 || sga->Row() > sga->RowCount() - 1) return;
  TTableEditorForm::Btn_DelRowClick(Sender);
}

bool TPgnTableForm::Controllo_Dati() {
  FTotal = 0;
  return TCanTableForm::Controllo_Dati();
}

int TPgnTableForm::Cell(int ACol, int ARow) const { return TableCellInt(sga->GetCellEx(ACol, ARow)); }

bool TPgnTableForm::Flag(int ACol, int ARow) const { return ACol > 0 && sga->GetCellEx(ACol, ARow) == "Y"; }

int TPgnTableForm::RowBytes(int ARow) {
  const TPgnRules& r = FRules;
  const auto refuse = [&](const QString& Text) {
    RowError(ARow, Text);
    return -1;
  };
  if (r.TextNumBytes) {
    const int count = Cell(r.NumBytes, ARow);
    if (!CanInRange(count, r.MinNumBytes, FAreaSize))
      return refuse(LangText(r.TextNumBytes) + QString::number(FAreaSize));
    return count;
  }
  const int start = Cell(r.StartByte, ARow);
  const int count = Cell(r.NumBytes, ARow);
  // Transport protocol wins over fast packet; without either the group is one frame.
  const bool transport = Flag(r.TransportProtocol, ARow);
  if (transport || Flag(r.FastPacket, ARow)) {
    const int max = transport ? TransportMax : FastPacketMax;
    if (!CanInRange(start, 0, max)) return refuse(LangText(transport ? r.TextTpStart : r.TextFpStart));
    if (count < 0 || start + count > max)
      return refuse(LangText(transport ? r.TextTpSum : r.TextFpSum));
    return count;
  }
  const bool noStart = TableTrim(sga->GetCellEx(r.StartByte, ARow)).isEmpty();
  const bool noCount = TableTrim(sga->GetCellEx(r.NumBytes, ARow)).isEmpty();
  if (noStart != noCount) return refuse(LangText(r.TextBothGiven));
  if (noStart) return FrameBytes;
  if (!CanInRange(start, 1, FrameBytes)) return refuse(LangText(r.TextSfStart));
  if (!CanInRange(count, 1, FrameBytes)) return refuse(LangText(r.TextSfCount));
  if (start + count > FrameBytes) return refuse(LangText(r.TextSfSum));
  return count;
}

bool TPgnTableForm::CheckRow(int, int ARow) {
  const TPgnRules& r = FRules;
  if (r.Priority && !CanInRange(Cell(r.Priority, ARow), 0, 7)) return RowError(ARow, LangText(r.TextPriority));
  if (r.DataPage && TableTrim(sga->GetCellEx(r.DataPage, ARow)).isEmpty())
    return RowError(ARow, LangText(r.TextDataPage));
  if (!CanInRange(Cell(r.Pgn, ARow), 0, r.MaxPgn)) return RowError(ARow, LangText(r.TextPgn));
  if (!CanInRange(Cell(r.SourceAddress, ARow), 0, r.MaxSourceAddress))
    return RowError(ARow, LangText(r.TextSourceAddress));
  const int bytes = RowBytes(ARow);
  if (bytes < 0) return false;
  FTotal += bytes;
  if (FTotal > FAreaSize) {
    MessageDlg(LangText(r.TextTotal) + QString::number(FAreaSize), mtError, {mbOK});
    return false;
  }
  // The request period is refused below 2 ms, whatever its text names.
  if (Flag(r.OnRequest, ARow) && !CanInRange(Cell(r.RequestTime, ARow), 2, 10000000))
    return RowError(ARow, LangText(r.TextRequestTime));
  if (Flag(r.OnTimer, ARow) && !CanInRange(Cell(r.SendTimer, ARow), 1, 65535))
    return RowError(ARow, LangText(r.TextSendTimer));
  return true;
}
