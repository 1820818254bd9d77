// The grid's colour presets as data: what each preset writes, and the
// hover, pressed and sort-header faces of the presets that bring their own.
#pragma once

#include "platform/Types.h"

#include <array>
#include <optional>

enum TGridLook { glStandard, glSoft, glClassic, glOrv, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };

// The same sixteen members, in the same order, as TOrvStyle.
enum TPlexGridStyle {
  gsOffice2003Blue,
  gsOffice2003Silver,
  gsOffice2003Olive,
  gsOffice2003Classic,
  gsOffice2007Luna,
  gsOffice2007Obsidian,
  gsWindowsXP,
  gsWhidbey,
  gsCustom,
  gsOffice2007Silver,
  gsWindowsVista,
  gsWindows7,
  gsTerminal,
  gsOffice2010Blue,
  gsOffice2010Silver,
  gsOffice2010Black
};

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

namespace GridStyles {

struct TColorPair {
  TColor From = clNone;
  TColor To = clNone;
};

// Empty fields leave the grid's value as it is.
struct TStylePreset {
  std::optional<TGridLook> Look;
  std::optional<TColorPair> Gradient;
  std::optional<TColorPair> Mirror;
  std::optional<TColorPair> ActiveCell;
  // Colour, colour to; the text turns black.
  std::optional<TColorPair> Selection;
  // Grid lines, fixed lines.
  std::optional<TColorPair> Lines;
  // Whether the fixed gradient of the control look ends empty (the grid keeps its colours).
  bool ClearsControlLookGradient = false;
  // Whether the search footer takes the gradient start and the mirror end.
  bool WritesSearchFooter = true;
};

inline constexpr TColorPair None{clNone, clNone};
inline constexpr TColorPair Lines2003{0xC0C0C0, 0x808080};
inline constexpr TColorPair Gold{0x94E6FB, 0x1595EE};

inline constexpr std::array<TStylePreset, 16> Presets{{
    {glXP, TColorPair{0xFCE1CB, 0xE0A57D}, None, Gold, Gold, Lines2003},  // Office2003Blue
    {glXP, TColorPair{0xECE2E1, 0xB39698}, None, Gold, Gold, Lines2003},  // Office2003Silver
    {glXP, TColorPair{0xCFF0EA, 0x8CC0B1}, None, Gold, Gold, Lines2003},  // Office2003Olive
    {glXP, TColorPair{0xFFFFFF, 0xCCD4D8}, None, TColorPair{0xD8D5D4, 0xD8D5D4}, {}, Lines2003, true},  // 2003Classic
    {glOffice2007, TColorPair{0xFBF9F6, 0xE8DBD2}, None, TColorPair{0x9DD8F9, 0x5EC1F1}, TColorPair{0x5EC1F1, clNone},
     TColorPair{0xF1EDEB, 0xD1BBA4}},  // Office2007Luna
    {glOffice2007, TColorPair{0xF7F7F7, 0xDEDEDE}, None, TColorPair{0x9DD8F9, 0x5EC1F1}, TColorPair{0x5EC1F1, clNone},
     TColorPair{0xE5D7D0, 0x808080}},                                                                       // Obsidian
    {glXP, TColorPair{clBtnFace, clBtnFace}, None, TColorPair{clBtnFace, clBtnFace}, {}, Lines2003, true},  // WindowsXP
    {{}, TColorPair{0xFFFFFF, clBtnFace}, None, Gold, {}, Lines2003, true},                                 // Whidbey
    {{}, {}, {}, {}, {}, {}, false, false},                                                                 // Custom
    {glOffice2007,
     TColorPair{0xF3F3F1, 0xCAC9C8},
     {},
     TColorPair{0x99CCFF, 0x699CFF},
     TColorPair{0x95C7F5, clNone},
     TColorPair{0xE5D7D0, 0x808080}},  // Office2007Silver
    {glVista, TColorPair{0xFFFFFF, 0xFFFFFF}, TColorPair{0xFAF8F7, 0xF4F2F1}, TColorPair{0xFDF8F1, 0xFCEFD5},
     TColorPair{0xEACAB6, clNone}, TColorPair{0xECECF0, 0xD4D2D1}, true},  // WindowsVista
    {glWin7, TColorPair{0xFDFCFA, 0xFAF0E6}, TColorPair{0xF4E6DC, 0xF7E9DD}, TColorPair{0xFCEBDC, 0xFCDBC1},
     TColorPair{0xEACAB6, clNone}, TColorPair{0xECECF0, 0xD4D2D1}, true},  // Windows7
    {glStandard, {}, {}, {}, {}, {}, false, false},                        // Terminal
    {glOffice2007, TColorPair{0xF5E7DA, 0xF5E7DA}, TColorPair{0xF5E7DA, 0xF5E7DA}, TColorPair{0x5BD5FF, 0x71EFFF},
     TColorPair{0xFFDBB7, clNone}, TColorPair{0xC0C0C0, 0xC7B0A0}, true},  // Office2010Blue
    {glOffice2007, TColorPair{0xE8E3DF, 0xE8E3DF}, TColorPair{0xE8E3DF, 0xE8E3DF}, TColorPair{0x5BD5FF, 0x71EFFF},
     TColorPair{0xFFDBB7, clNone}, TColorPair{0xC0C0C0, 0xBAB5B1}, true},  // Office2010Silver
    {glOffice2007, TColorPair{0x6A6A6A, 0x6A6A6A}, TColorPair{0x6A6A6A, 0x6A6A6A}, TColorPair{0x5BD5FF, 0x71EFFF},
     TColorPair{0xFFDBB7, clNone}, TColorPair{0xC0C0C0, 0x444444}, true},  // Office2010Black
}};

// The hover and pressed faces in the order of the fixed-gradient slots from
// HoverFrom to DownBorder, the sort header's colour, colour to, mirror and
// mirror to (empty: unchanged), and the selection style.
struct TFacePreset {
  TPlexGridStyle Style;
  std::array<TColor, 10> Faces;
  std::optional<std::array<TColor, 4>> SortHeader;
  int SelectionStyle;
};

inline constexpr std::array<TColor, 10> Faces2010{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8,
                                                  0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
inline constexpr std::array<TColor, 4> SortHeaderAero{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};

// SelectionStyle: 0 ssDefault, 1 ssVista, 2 ssWin7, 3 ssOffice2007.
inline constexpr std::array<TFacePreset, 6> FacePresets{{
    {gsOffice2007Luna,
     {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
     {},
     3},
    {gsWindowsVista,
     {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993, 0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
     SortHeaderAero,
     1},
    {gsWindows7,
     {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3, 0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
     SortHeaderAero,
     2},
    {gsOffice2010Blue, Faces2010, std::array<TColor, 4>{0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}, 0},
    {gsOffice2010Silver, Faces2010, std::array<TColor, 4>{0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}, 0},
    {gsOffice2010Black, Faces2010, std::array<TColor, 4>{0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}, 0},
}};

// SetTheme: the fixed gradient, its mirror, the active cell and the search footer.
struct TThemePreset {
  TColorPair Gradient;
  TColorPair Mirror;
  TColorPair ActiveCell;
  TColorPair SearchFooter;
  bool ControlLookGradient;
};

inline constexpr std::array<TThemePreset, 5> Themes{{
    {{0xFFFFFF, clBtnFace}, None, {0xFFFFFF, 0xFFD9B3}, {0xFFFFFF, 0xFFD9B3}, false},  // xpNone
    {{0xFCE1CB, 0xE0A57D}, None, Gold, {0xFCE1CB, 0xE0A57D}, true},                    // xpBlue
    {{0xCFF0EA, 0x8CC0B1}, None, Gold, {0xCFF0EA, 0x8CC0B1}, true},                    // xpGreen
    {{0xECE2E1, 0xB39698}, None, Gold, {0xECE2E1, 0xB39698}, true},                    // xpGray
    {{0xFFFFFF, 0xFFFFFF}, {0xFAF8F7, 0xF4F2F1}, Gold, {0xECE2E1, 0xB39698}, true},    // vistaAero
}};

}  // namespace GridStyles
