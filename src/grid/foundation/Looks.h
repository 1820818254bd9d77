// The look vocabulary the grid's components share: the office colour schemes
// the grid can follow, the named styles, colour tones, and the two interfaces
// through which a look is handed to a component.
#pragma once

#include "platform/Types.h"

enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown
};

enum TOrvStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black
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

class IOrvStyle {
public:
  virtual ~IOrvStyle() = default;
  virtual void SetComponentStyle(TOrvStyle AStyle) = 0;
};

class IOrvTones {
public:
  virtual ~IOrvTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};
