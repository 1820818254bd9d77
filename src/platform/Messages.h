// Window messages: the record, the numbers the system's code uses, and
// RegisterWindowMessage.
#pragma once

#include <QString>

#include <cstdint>

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_SETTEXT = 0x000C,
               WM_GETTEXT = 0x000D;
constexpr UINT WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_SETCURSOR = 0x0020, WM_WINDOWPOSCHANGING = 0x0046, WM_WINDOWPOSCHANGED = 0x0047;
// Hit-test code of WM_SETCURSOR (low word of LParam): the point lies in the client area.
constexpr unsigned HTCLIENT = 1;
constexpr UINT WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106;
constexpr UINT WM_TIMER = 0x0113, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115;
constexpr UINT WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_CANCELMODE = 0x001F, WM_CAPTURECHANGED = 0x0215, WM_MOUSELEAVE = 0x02A3, WM_THEMECHANGED = 0x031A;
constexpr UINT WM_NCHITTEST = 0x0084, WM_NCLBUTTONDOWN = 0x00A1;
// The hit-test code of a window's bottom-right sizing corner.
constexpr WPARAM HTBOTTOMRIGHT = 17;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// The class library's component messages.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7, CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15, CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20, CM_EXIT = CM_BASE + 27, CM_ENTER = CM_BASE + 28;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30, CM_SHOWINGCHANGED = CM_BASE + 33, CM_CANCELMODE = CM_BASE + 36;
constexpr UINT CM_CHILDKEY = CM_BASE + 42, CM_HINTSHOW = CM_BASE + 48, CM_MOUSEWHEEL = CM_BASE + 67;
constexpr UINT CM_STYLECHANGED = CM_BASE + 69;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24, CM_SYSCOLORCHANGE = CM_BASE + 37, CM_SYSFONTCHANGED = CM_BASE + 53;
// Sent by a form to the control it makes active, before that control's WM_SETFOCUS.
constexpr UINT CM_UIACTIVATE = CM_BASE + 59;

// Dialog codes answered to WM_GETDLGCODE.
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004, DLGC_WANTCHARS = 0x0080;

// Registered messages: the same name gives the same number for the whole run,
// numbers from 0xC000 upward as the system hands them out.
UINT RegisterWindowMessage(const QString& name);
// Clipboard formats are atoms of the same table: a name registered as a
// message and as a format gets one number.
UINT RegisterClipboardFormat(const QString& name);

// The left button's flag in a mouse message's WParam.
constexpr WPARAM MK_LBUTTON = 0x0001;

constexpr LPARAM MakeLParam(int lo, int hi) {
  return LPARAM((uint32_t(uint16_t(lo))) | (uint32_t(uint16_t(hi)) << 16));
}
constexpr int LoWord(intptr_t v) { return int(int16_t(uint16_t(v & 0xFFFF))); }
constexpr int HiWord(intptr_t v) { return int(int16_t(uint16_t((v >> 16) & 0xFFFF))); }
