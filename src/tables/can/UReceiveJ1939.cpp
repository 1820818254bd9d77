#include "tables/can/UReceiveJ1939.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

namespace {

constexpr TColor Protocol = 0xA8FFFF, Bytes = 0xCAFFCA, Request = 0xB0D8FF;
constexpr TCanColumn Columns[] = {
    {40},
    {65, CanColors::Frame, edComboList},
    {85, CanColors::Frame},
    {95, CanColors::Frame},
    {113, Protocol, edDataCheckBox},
    {65, Bytes},
    {55, Bytes},
    {75, CanColors::Position, edDataCheckBox},
    {75, Request, edDataCheckBox},
    {65, Request},
    {120, clWhite},
};
constexpr TTableFileColumn File[] = {
    {1, u"DP", u""},        {2, u"PGN", u""},       {3, u"SA", u""},         {4, u"TP", u"N"},
    {5, u"TP_Start", u""},  {6, u"TP_NByte", u""},  {7, u"Delete", u"N"},    {8, u"OnRequest", u"N"},
    {9, u"OnReq_Time", u"1000"}, {10, u"Mnemonic", u""},
};
constexpr int Headers[] = {3515, 3516, 3517, 3518, 3519, 3520, 3521, 3522, 3523, 3524};
constexpr int Hints[] = {3525, 3526, 3527, 3528, 3529, 3530, 3531, 3532, 3533, 3534};

TPgnRules Rules() {
  TPgnRules r;
  r.DataPage = 1, r.Pgn = 2, r.SourceAddress = 3, r.TransportProtocol = 4, r.StartByte = 5, r.NumBytes = 6;
  r.OnRequest = 8, r.RequestTime = 9;
  r.MaxPgn = 0xFFFF, r.MaxSourceAddress = 239, r.AreaSize = 1440;
  r.TextDataPage = 3536, r.TextPgn = 3537, r.TextSourceAddress = 3538, r.TextTpStart = 3539, r.TextTpSum = 3540;
  r.TextBothGiven = 3541, r.TextSfStart = 3542, r.TextSfCount = 3543, r.TextSfSum = 3544, r.TextTotal = 3545;
  r.TextRequestTime = 3546;
  return r;
}

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3500;
  setup.Texts.Description = 3501;
  setup.Texts.Buttons = {3502, 3503, 3504, 3505, 3506, 3507};
  setup.Texts.ButtonHints = {3508, 3509, 3510, 3511, 3512, 3513};
  setup.Texts.ErrorPrefix = 3535;
  setup.Texts.DeleteQuestion = 3547;
  setup.ClientWidth = 876;
  setup.ClientHeight = 337;
  setup.FilePath = &J1939RecFramesFile;
  setup.Root = QStringLiteral("Receive_J1939");
  return setup;
}

}  // namespace

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TPgnTableForm(AOwner, EditorSetup(), Rules()) {
  AddPgnGrid(Columns, File, Headers, Hints, 3514, 513);
}

void TFReceiveJ1939::Init_Tables() {
  Hint_ReceiveJ1939 = HintLists.front().get();
  TStringList& pages = ColumnItems(0, 1);
  pages.Clear();
  pages.Add(QStringLiteral("0"));
  pages.Add(QStringLiteral("1"));
}
