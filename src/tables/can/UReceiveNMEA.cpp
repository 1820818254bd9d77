#include "tables/can/UReceiveNMEA.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

namespace {

constexpr TColor Protocol = 0xA8FFFF, Bytes = 0xCAFFCA;
constexpr TCanColumn Columns[] = {
    {40},
    {80, CanColors::Frame},
    {95, CanColors::Frame},
    {113, Protocol, edDataCheckBox},
    {73, Protocol, edDataCheckBox},
    {65, Bytes},
    {50, Bytes},
    {74, CanColors::Position, edDataCheckBox},
    {195, clWhite},
};
constexpr TTableFileColumn File[] = {
    {1, u"PGN", u""},      {2, u"SA", u""},       {3, u"TP", u"N"},     {4, u"FP", u"N"},
    {5, u"TP_Start", u""}, {6, u"TP_NByte", u""}, {7, u"Delete", u"N"}, {8, u"Mnemonic", u""},
};
constexpr int Headers[] = {3915, 3916, 3917, 3918, 3919, 3920, 3921, 3922};
constexpr int Hints[] = {3923, 3924, 3925, 3926, 3927, 3928, 3929, 3930};

TPgnRules Rules() {
  TPgnRules r;
  r.Pgn = 1, r.SourceAddress = 2, r.TransportProtocol = 3, r.FastPacket = 4, r.StartByte = 5, r.NumBytes = 6;
  r.MaxPgn = 0x1FFFF, r.MaxSourceAddress = 239, r.AreaSize = 512;
  r.TextPgn = 3932, r.TextSourceAddress = 3933, r.TextTpStart = 3934, r.TextTpSum = 3935, r.TextFpStart = 3936;
  r.TextFpSum = 3937, r.TextBothGiven = 3938, r.TextSfStart = 3939, r.TextSfCount = 3940, r.TextSfSum = 3941;
  r.TextTotal = 3942;
  return r;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3900;
  setup.Texts.Description = 3901;
  setup.Texts.Buttons = {3902, 3903, 3904, 3905, 3906, 3907};
  setup.Texts.ButtonHints = {3908, 3909, 3910, 3911, 3912, 3913};
  setup.Texts.ErrorPrefix = 3931;
  setup.Texts.DeleteQuestion = 3943;
  setup.ClientWidth = 810;
  setup.ClientHeight = 337;
  setup.FilePath = &NMEARecFramesFile;
  setup.Root = QStringLiteral("Receive_NMEA_2000");
  return setup;
}

}  // namespace

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TPgnTableForm(AOwner, EditorSetup(), Rules()) {
  AddPgnGrid(Columns, File, Headers, Hints, 3914, 63);
}

void TFReceiveNMEA::Init_Tables() { Hint_ReceiveNMEA = HintLists.front().get(); }
