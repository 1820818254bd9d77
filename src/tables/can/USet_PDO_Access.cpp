#include "tables/can/USet_PDO_Access.h"

#include "common/ShellState.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

namespace {

constexpr int Rows = 31;
using R = TCanOpenRule;

constexpr TCanColumn ReceiveGrid[] = {
    {40},
    {65, CanColors::Frame},
    {65, CanColors::Frame},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {65, CanColors::Timing},
    {173, clWhite},
};
constexpr TCanColumn TransmitGrid[] = {
    {40},
    {65, CanColors::Frame},
    {65, CanColors::Frame},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {45, CanColors::Position},
    {65, CanColors::Timing},
    {68, CanColors::Timing, edDataCheckBox},
    {105, clWhite},
};

constexpr TTableFileColumn ReceiveFile[] = {
    {1, u"COB-ID"},      {2, u"Dimension"},   {3, u"Address_B1"},  {4, u"Address_B2"}, {5, u"Address_B3"},
    {6, u"Address_B4"},  {7, u"Address_B5"},  {8, u"Address_B6"},  {9, u"Address_B7"}, {10, u"Address_B8"},
    {11, u"TimeOut"},    {12, u"Mnemonic"},
};
constexpr TTableFileColumn TransmitFile[] = {
    {1, u"COB-ID"},     {2, u"Dimension"},  {3, u"Address_B1"}, {4, u"Address_B2"}, {5, u"Address_B3"},
    {6, u"Address_B4"}, {7, u"Address_B5"}, {8, u"Address_B6"}, {9, u"Address_B7"}, {10, u"Address_B8"},
    {11, u"Send_Time"}, {12, u"On_Change"}, {13, u"Mnemonic"},
};

constexpr int ReceiveHeaders[] = {2617, 2618, 2619, 2620, 2621, 2622, 2623, 2624, 2625, 2626, 2627, 2628};
constexpr int TransmitHeaders[] = {2630, 2631, 2632, 2633, 2634, 2635, 2636, 2637, 2638, 2639, 2640, 2641, 2642};
constexpr int ReceiveHints[] = {2643, 2644, 2645, 2646, 2647, 2648, 2649, 2650, 2651, 2652, 2653, 2654};
constexpr int TransmitHints[] = {2655, 2656, 2657, 2658, 2659, 2660, 2661, 2662, 2663, 2664, 2665, 2666, 2667};

constexpr TCanOpenRule ReceiveRules[] = {
    {R::Range, 1, 0, 2047, 2669},
    {R::Range, 2, 1, 8, 2670},
    {R::Addresses, 3, 2, 0, 2671},
    {R::Range, 11, 0, 65535, 2679},
};
constexpr TCanOpenRule TransmitRules[] = {
    {R::Range, 1, 0, 2047, 2680},
    {R::Range, 2, 1, 8, 2681},
    {R::Addresses, 3, 2, 0, 2682},
    {R::Range, 11, 0, 100000000, 2690},
};

constexpr TCanOpenPage Receive{u"Receive_PDO", ReceiveFile, ReceiveGrid, 2616, ReceiveHeaders,
                               ReceiveHints,   2614,        ReceiveRules};
constexpr TCanOpenPage Transmit{u"Transmit_PDO", TransmitFile, TransmitGrid, 2629, TransmitHeaders,
                                TransmitHints,   2615,         TransmitRules};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2600;
  setup.Texts.Description = 2601;
  setup.Texts.Buttons = {2602, 2603, 2604, 2605, 2606, 2607};
  setup.Texts.ButtonHints = {2608, 2609, 2610, 2611, 2612, 2613};
  setup.Texts.ErrorPrefix = 2668;
  setup.Texts.DeleteQuestion = 2691;
  setup.ClientWidth = 798;
  setup.ClientHeight = 337;
  setup.FilePath = &PDOCANopenFile;
  setup.Root = QStringLiteral("PDO_CANopen");
  setup.TableCount = 2;
  return setup;
}

}  // namespace

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner)
    : TCanOpenTableForm(AOwner, EditorSetup(), Receive, Transmit, Rows, CanCellInt),
      TS_Receive_PDO(Page(0)),
      TS_Transmit_PDO(Page(1)) {}

void TFSet_PDO_Access::Init_Tables() {
  Hint_PDO_Receive = HintLists[0].get();
  Hint_PDO_Transmit = HintLists[1].get();
}
