#include "tables/can/UTransmitJ1939.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Xml.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

namespace {

constexpr TColor Count = 0xA8FFFF, Sending = 0xCAFFCA;
constexpr int ColNumBytes = 5, ColRequest = 6, ColDataChange = 7, ColOnTimer = 8;
constexpr TCanColumn Columns[] = {
    {40},
    {50, CanColors::Frame},
    {65, CanColors::Frame, edComboList},
    {85, CanColors::Frame},
    {95, CanColors::Frame},
    {60, Count},
    {55, Sending, edDataCheckBox},
    {80, Sending, edDataCheckBox},
    {60, Sending, edDataCheckBox},
    {70, Sending},
    {115, clWhite},
};
constexpr TTableFileColumn File[] = {
    {1, u"Priority", u""},       {2, u"DP", u""},         {3, u"PGN", u""},
    {4, u"SA", u""},             {5, u"TP_NByte", u""},   {6, u"On_Request", u"N"},
    {7, u"On_Data_Change", u"N"}, {8, u"On_Timer", u"N"}, {9, u"SendTimer", u""},
    {10, u"Mnemonic", u""},
};
constexpr int Headers[] = {3615, 3616, 3617, 3618, 3619, 3620, 3621, 3622, 3623, 3624};
constexpr int Hints[] = {3625, 3626, 3627, 3628, 3629, 3630, 3631, 3632, 3633, 3634};

TPgnRules Rules() {
  TPgnRules r;
  r.Priority = 1, r.DataPage = 2, r.Pgn = 3, r.SourceAddress = 4, r.NumBytes = ColNumBytes;
  r.OnTimer = ColOnTimer, r.SendTimer = 9;
  r.MaxPgn = 0x1FFFF, r.MaxSourceAddress = 255, r.MinNumBytes = 1, r.AreaSize = 512;
  r.TextPriority = 3636, r.TextDataPage = 3637, r.TextPgn = 3638, r.TextSourceAddress = 3639;
  r.TextNumBytes = 3640, r.TextTotal = 3641, r.TextSendTimer = 3642;
  return r;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3600;
  setup.Texts.Description = 3601;
  setup.Texts.Buttons = {3602, 3603, 3604, 3605, 3606, 3607};
  setup.Texts.ButtonHints = {3608, 3609, 3610, 3611, 3612, 3613};
  setup.Texts.ErrorPrefix = 3635;
  setup.Texts.DeleteQuestion = 3643;
  setup.ClientWidth = 800;
  setup.ClientHeight = 337;
  setup.FilePath = &J1939SendFramesFile;
  setup.Root = QStringLiteral("Transmit_J1939");
  return setup;
}

}  // namespace

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TPgnTableForm(AOwner, EditorSetup(), Rules()) {
  AddPgnGrid(Columns, File, Headers, Hints, 3614, 513,
             [this](const TXmlNode& Row, int ARow) { RowLoaded(Row, ARow); });
}

void TFTransmitJ1939::Init_Tables() {
  Hint_TransmitJ1939 = HintLists.front().get();
  TStringList& pages = ColumnItems(0, 2);
  pages.Clear();
  pages.Add(QStringLiteral("0"));
  pages.Add(QStringLiteral("1"));
}

// Rows without a byte count send a whole frame. Files of the older form name
// one send mode in T_Type instead of the three flags, which are then not read.
void TFTransmitJ1939::RowLoaded(const TXmlNode& Row, int ARow) {
  if (sga->GetCellEx(ColNumBytes, ARow).isEmpty()) sga->SetCellEx(ColNumBytes, ARow, QStringLiteral("8"));
  QString mode;
  if (!Row.ReadAttribute(QStringLiteral("T_Type"), mode)) return;
  for (int c : {ColRequest, ColDataChange, ColOnTimer}) sga->SetCellEx(c, ARow, QStringLiteral("N"));
  mode = mode.toUpper();
  if (mode == QLatin1String("ON DATA CHANGE")) sga->SetCellEx(ColDataChange, ARow, QStringLiteral("Y"));
  if (mode == QLatin1String("ON TIMER")) sga->SetCellEx(ColOnTimer, ARow, QStringLiteral("Y"));
}
