#include "tables/can/UTransmitNMEA.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

namespace {

constexpr TColor Count = 0xA8FFFF, Sending = 0xCAFFCA;
constexpr TCanColumn Columns[] = {
    {40},
    {50, CanColors::Frame},
    {75, CanColors::Frame},
    {95, CanColors::Frame},
    {75, CanColors::Position, edDataCheckBox},
    {60, Count},
    {55, Sending, edDataCheckBox},
    {80, Sending, edDataCheckBox},
    {64, Sending, edDataCheckBox},
    {75, Sending},
    {116, clWhite},
};
constexpr TTableFileColumn File[] = {
    {1, u"Priority", u""},        {2, u"PGN", u""},        {3, u"SA", u""},
    {4, u"FP", u"N"},             {5, u"TP_NByte", u""},   {6, u"On_Request", u"N"},
    {7, u"On_Data_Change", u"N"}, {8, u"On_Timer", u"N"}, {9, u"SendTimer", u""},
    {10, u"Mnemonic", u""},
};
constexpr int Headers[] = {4015, 4016, 4017, 4018, 4019, 4020, 4021, 4022, 4023, 4024};
constexpr int Hints[] = {4025, 4026, 4027, 4028, 4029, 4030, 4031, 4032, 4033, 4034};

TPgnRules Rules() {
  TPgnRules r;
  r.Priority = 1, r.Pgn = 2, r.SourceAddress = 3, r.NumBytes = 5, r.OnTimer = 8, r.SendTimer = 9;
  r.MaxPgn = 0x1FFFF, r.MaxSourceAddress = 239, r.MinNumBytes = 0, r.AreaSize = 512;
  r.TextPriority = 4036, r.TextPgn = 4037, r.TextSourceAddress = 4038, r.TextNumBytes = 4039, r.TextTotal = 4040;
  r.TextSendTimer = 4041;
  return r;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 4000;
  setup.Texts.Description = 4001;
  setup.Texts.Buttons = {4002, 4003, 4004, 4005, 4006, 4007};
  setup.Texts.ButtonHints = {4008, 4009, 4010, 4011, 4012, 4013};
  setup.Texts.ErrorPrefix = 4035;
  setup.Texts.DeleteQuestion = 4042;
  setup.ClientWidth = 810;
  setup.ClientHeight = 337;
  setup.FilePath = &NMEASendFramesFile;
  // The transmit file shares the receive file's root name, as it always had.
  setup.Root = QStringLiteral("Receive_NMEA_2000");
  return setup;
}

}  // namespace

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TPgnTableForm(AOwner, EditorSetup(), Rules()) {
  AddPgnGrid(Columns, File, Headers, Hints, 4014, 63);
}

void TFTransmitNMEA::Init_Tables() { Hint_TransmitNMEA = HintLists.front().get(); }
