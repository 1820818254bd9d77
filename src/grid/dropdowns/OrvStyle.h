// The component styles and colour tones that a host hands to the grid and to
// every drop-down control, and the two interfaces that take them.
#pragma once

#include "platform/Types.h"

enum TOrvStyle {
  tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
  tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
  tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

// Lifetime never follows these interfaces: the component's owner frees it.
class IOrvTones {
public:
  virtual void SetColorTones(const TColorTones& ATones) = 0;

protected:
  ~IOrvTones() = default;
};

class IOrvStyle {
public:
  virtual void SetComponentStyle(TOrvStyle AStyle) = 0;

protected:
  ~IOrvStyle() = default;
};
