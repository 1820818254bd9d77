#include "tables/can/USet_SDO_Server_Access.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

namespace {

constexpr int Rows = 501;
constexpr int RowHeight = 21;
using R = TCanOpenRule;

constexpr TCanColumn Grid[] = {
    {40},
    {65, CanColors::Frame},
    {61, CanColors::Frame},
    {55, CanColors::Frame},
    {80, CanColors::Position},
    {80, CanColors::Position},
    {80, CanColors::Position},
    {80, CanColors::Position},
    {170, clWhite},
};

constexpr TTableFileColumn File[] = {
    {1, u"Index"},      {2, u"SubIndex"},   {3, u"NByte"},      {4, u"Address_B1"},
    {5, u"Address_B2"}, {6, u"Address_B3"}, {7, u"Address_B4"}, {8, u"Mnemonic"},
};

constexpr int ReadHeaders[] = {2817, 2818, 2819, 2820, 2821, 2822, 2823, 2824};
constexpr int WriteHeaders[] = {2826, 2827, 2828, 2829, 2830, 2831, 2832, 2833};
constexpr int ReadHints[] = {2834, 2835, 2836, 2837, 2838, 2839, 2840, 2841};
constexpr int WriteHints[] = {2842, 2843, 2844, 2845, 2846, 2847, 2848, 2849};

// The manufacturer objects of the gateway's dictionary: 0x2000 .. 0x5FFF.
constexpr TCanOpenRule ReadRules[] = {
    {R::Range, 1, 0x2000, 0x5FFF, 2851},
    {R::Range, 2, 0, 255, 2852},
    {R::OneTwoFour, 3, 0, 0, 2853},
    {R::Addresses, 4, 3, 0, 2854},
};
constexpr TCanOpenRule WriteRules[] = {
    {R::Range, 1, 0x2000, 0x5FFF, 2858},
    {R::Range, 2, 0, 255, 2859},
    {R::OneTwoFour, 3, 0, 0, 2860},
    {R::Addresses, 4, 3, 0, 2861},
};

constexpr TCanOpenPage Read{u"SDO_Read", File, Grid, 2816, ReadHeaders, ReadHints, 2814, ReadRules};
constexpr TCanOpenPage Write{u"SDO_Write", File, Grid, 2825, WriteHeaders, WriteHints, 2815, WriteRules};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2800;
  setup.Texts.Description = 2801;
  setup.Texts.Buttons = {2802, 2803, 2804, 2805, 2806, 2807};
  setup.Texts.ButtonHints = {2808, 2809, 2810, 2811, 2812, 2813};
  setup.Texts.ErrorPrefix = 2850;
  setup.Texts.DeleteQuestion = 2865;
  setup.ClientWidth = 749;
  setup.ClientHeight = 337;
  setup.FilePath = &SDOServerCANopenFile;
  setup.Root = QStringLiteral("SDO_Server_CANopen");
  setup.TableCount = 2;
  return setup;
}

}  // namespace

// The server reads its integers as the other table editors do: "$" and "0x" only.
TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner)
    : TCanOpenTableForm(AOwner, EditorSetup(), Read, Write, Rows, TableCellInt, RowHeight),
      TS_SDO_Read(Page(0)),
      TS_SDO_Write(Page(1)) {}

void TFSet_SDO_Server_Access::Init_Tables() {
  Hint_SDO_Client_Read = HintLists[0].get();
  Hint_SDO_Client_Write = HintLists[1].get();
}
