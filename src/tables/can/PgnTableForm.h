// The shape of the J1939 and NMEA 2000 tables: one column grid of parameter
// groups keyed by an untrimmed PGN, no position column (each row occupies its
// bytes and a running total must fit the byte area), rules stated per editor
// as a table of columns and texts.
#pragma once

#include "tables/can/CanTableForm.h"

// Where an editor keeps each value (0: the table has none) and the texts of
// its rules (0: unused).
struct TPgnRules {
  int Priority = 0, DataPage = 0, Pgn = 0, SourceAddress = 0;
  int TransportProtocol = 0, FastPacket = 0, StartByte = 0, NumBytes = 0;
  int OnRequest = 0, RequestTime = 0, OnTimer = 0, SendTimer = 0;
  int MaxPgn = 0xFFFF;
  int MaxSourceAddress = 239;
  // A transmit table's own byte count runs from MinNumBytes to the area's size.
  int MinNumBytes = 0;
  int AreaSize = 512;

  int TextPriority = 0, TextDataPage = 0, TextPgn = 0, TextSourceAddress = 0;
  // Receive tables: transport protocol, fast packet and single frame.
  int TextTpStart = 0, TextTpSum = 0, TextFpStart = 0, TextFpSum = 0;
  int TextBothGiven = 0, TextSfStart = 0, TextSfCount = 0, TextSfSum = 0;
  // Transmit tables: the byte count, followed by the area's size.
  int TextNumBytes = 0;
  int TextTotal = 0, TextRequestTime = 0, TextSendTimer = 0;
};

class TPgnTableForm : public TCanTableForm {
public:
  TPgnTableForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TPgnRules& Rules);

  bool Controllo_Dati() override;
  // Asks its question only for a current row inside the table.
  void Btn_DelRowClick(TObject* Sender);

  TPlexColumnGrid* sga;
  // The size of the byte area the rows fill, set at every show.
  int AreaSize() const { return FAreaSize; }

protected:
  // Builds the grid and adds the table: key PGN untrimmed, no Enable.
  void AddPgnGrid(std::span<const TCanColumn> Columns, std::span<const TTableFileColumn> File,
                  std::span<const int> Headers, std::span<const int> Hints, int FixedHeader, int Rows,
                  TRowLoadHook Hook = nullptr);
  void FillPositionLists() override;
  bool CheckRow(int Table, int ARow) override;

private:
  // The bytes the row occupies, or -1 after a failed rule (already shown).
  int RowBytes(int ARow);
  int Cell(int ACol, int ARow) const;
  bool Flag(int ACol, int ARow) const;

  TPgnRules FRules;
  int FAreaSize;
  int FTotal = 0;
};
