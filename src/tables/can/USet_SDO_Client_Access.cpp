#include "tables/can/USet_SDO_Client_Access.h"

#include "common/ShellState.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

namespace {

constexpr int Rows = 257;
using R = TCanOpenRule;

constexpr TCanColumn ReadGrid[] = {
    {40},
    {60, CanColors::Frame},
    {55, CanColors::Frame},
    {60, CanColors::Frame},
    {45, CanColors::Frame},
    {60, CanColors::Timing},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {163, clWhite},
};
constexpr TCanColumn WriteGrid[] = {
    {40},
    {60, CanColors::Frame},
    {55, CanColors::Frame},
    {60, CanColors::Frame},
    {45, CanColors::Frame},
    {60, CanColors::Timing},
    {68, CanColors::Timing, edDataCheckBox},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {70, CanColors::Position},
    {95, clWhite},
};

constexpr TTableFileColumn ReadFile[] = {
    {1, u"Device_ID"},  {2, u"Index"},      {3, u"SubIndex"},   {4, u"NByte"},      {5, u"Poll_Time"},
    {6, u"Address_B1"}, {7, u"Address_B2"}, {8, u"Address_B3"}, {9, u"Address_B4"}, {10, u"Mnemonic"},
};
constexpr TTableFileColumn WriteFile[] = {
    {1, u"Device_ID"},  {2, u"Index"},      {3, u"SubIndex"},   {4, u"NByte"},       {5, u"Poll_Time"},
    {6, u"On_Change"},  {7, u"Address_B1"}, {8, u"Address_B2"}, {9, u"Address_B3"}, {10, u"Address_B4"},
    {11, u"Mnemonic"},
};

constexpr int ReadHeaders[] = {2717, 2718, 2719, 2720, 2721, 2722, 2723, 2724, 2725, 2726};
constexpr int WriteHeaders[] = {2728, 2729, 2730, 2731, 2732, 2733, 2734, 2735, 2736, 2737, 2738};
constexpr int ReadHints[] = {2739, 2740, 2741, 2742, 2743, 2744, 2745, 2746, 2747, 2748};
constexpr int WriteHints[] = {2749, 2750, 2751, 2752, 2753, 2754, 2755, 2756, 2757, 2758, 2759};

constexpr int MaxPollTime = 100000000;
// A read needs a poll time to be sent at all; a write may go on change only.
constexpr TCanOpenRule ReadRules[] = {
    {R::Range, 1, 1, 127, 2761},        {R::Range, 2, 4096, 65535, 2762}, {R::Range, 3, 0, 255, 2763},
    {R::OneTwoFour, 4, 0, 0, 2764},     {R::Range, 5, 1, MaxPollTime, 2765}, {R::Addresses, 6, 4, 0, 2766},
};
constexpr TCanOpenRule WriteRules[] = {
    {R::Range, 1, 1, 127, 2770},        {R::Range, 2, 4096, 65535, 2771}, {R::Range, 3, 0, 255, 2772},
    {R::OneTwoFour, 4, 0, 0, 2773},     {R::Range, 5, 0, MaxPollTime, 2774}, {R::Addresses, 7, 4, 0, 2775},
};

constexpr TCanOpenPage Read{u"SDO_Read", ReadFile, ReadGrid, 2716, ReadHeaders, ReadHints, 2714, ReadRules};
constexpr TCanOpenPage Write{u"SDO_Write", WriteFile, WriteGrid, 2727, WriteHeaders, WriteHints, 2715, WriteRules};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2700;
  setup.Texts.Description = 2701;
  setup.Texts.Buttons = {2702, 2703, 2704, 2705, 2706, 2707};
  setup.Texts.ButtonHints = {2708, 2709, 2710, 2711, 2712, 2713};
  setup.Texts.ErrorPrefix = 2760;
  setup.Texts.DeleteQuestion = 2779;
  setup.ClientWidth = 798;
  setup.ClientHeight = 337;
  setup.FilePath = &SDOClientCANopenFile;
  setup.Root = QStringLiteral("SDO_Client_CANopen");
  setup.TableCount = 2;
  return setup;
}

}  // namespace

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner)
    : TCanOpenTableForm(AOwner, EditorSetup(), Read, Write, Rows, CanCellInt),
      TS_SDO_Read(Page(0)),
      TS_SDO_Write(Page(1)) {}

void TFSet_SDO_Client_Access::Init_Tables() {
  Hint_SDO_Client_Read = HintLists[0].get();
  Hint_SDO_Client_Write = HintLists[1].get();
}
