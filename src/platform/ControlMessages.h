// The messages, styles and notification codes of the system's standard
// controls (edit, combo box, menus, date-time picker) that the controls
// built on them handle, numbered as the system numbers them.
#pragma once

#include "platform/Messages.h"

constexpr UINT WM_NCPAINT = 0x0085, WM_COMMAND = 0x0111, WM_NOTIFY = 0x004E;
constexpr UINT WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303;

// Edit control messages; the rectangle ones carry a TRect* in LParam.
constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3;
constexpr UINT EM_SETRECTNP = 0x00B4, EM_CHARFROMPOS = 0x00D7;
// Edit styles.
constexpr unsigned ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004;
// Edit notification sent with WM_COMMAND when the text changed.
constexpr unsigned EN_CHANGE = 0x0300;

// Combo box notifications (high word of a WM_COMMAND's WParam).
constexpr unsigned CBN_SELCHANGE = 1, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8;
constexpr unsigned CBN_EDITCHANGE = 5;

// Notifications reflected back to the control that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND, CN_NOTIFY = CN_BASE + WM_NOTIFY;

constexpr unsigned TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_RETURNCMD = 0x0100;

// Key data of WM_CHAR: the key came from the numeric keypad.
constexpr LPARAM KeyDataKeypad = LPARAM(1) << 22;

constexpr WPARAM MakeWParam(unsigned lo, unsigned hi) { return WPARAM((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)); }
