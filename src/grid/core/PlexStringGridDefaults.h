// What a new string grid starts with. One place, so that Create, the tests of
// a fresh grid and the later property code agree.
#pragma once

#include "platform/Types.h"

namespace PlexGridDefaults {

constexpr int RowCount = 10;
constexpr int Width = 400;
constexpr int Height = 250;
constexpr int DefaultRowHeight = 22;
constexpr const char* FloatFormat = "%.2f";
constexpr const char* CheckTrue = "Y";
constexpr const char* CheckFalse = "N";
constexpr const char* XMLEncoding = "ISO-8859-1";
constexpr const char* FilterDropDownClear = "(All)";
constexpr char16_t PasswordChar = u'*';
constexpr char16_t Delimiter = 0;
constexpr TColor OrvGradientFrom = 0xFFFFFF;
constexpr TColor OrvGradientMirror = clNone;
constexpr TColor BorderColorXP = 0xB99D7F;
constexpr TColor BorderColorClassic = 0x808080;
constexpr TColor SelectionColor = 0xEACAB6;
constexpr TColor SelectionTextColor = clBlack;
constexpr int SelectionColorMixerFactor = 50;
constexpr TColor ActiveCellColor = 0x808080;
constexpr TColor DisabledFontColor = 0xC0C0C0;
constexpr TColor URLColor = 0xFF0000;
constexpr int XYOffset = 2;
constexpr int PreviewPage = 1;
constexpr int LastPrintPage = 1;
// Entries of the hidden-column table: real columns 0..511 and one guard.
constexpr int HiddenColumnSlots = 513;
// The grid's own timer (incremental search, hover, blinking).
constexpr unsigned GridTimerId = 111;
constexpr int GridTimerInterval = 500;
constexpr int MinColWidthAfterLoad = 10;
constexpr int SearchPanelHeight = 32;
// $06020103: 6.2.1.3.
constexpr int VersionNr = 0x06020103;

}  // namespace PlexGridDefaults
