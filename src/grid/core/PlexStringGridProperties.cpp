// The setters of the grid's own published properties.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/Property.h"

void TPlexStringGrid::SetBorderColor(TColor Value) {
  SetProperty(FBorderColor, Value, [this] {
    if (Parent()) Invalidate();
  });
}

void TPlexStringGrid::SetBorderStyle(TBorderStyle Value) {
  SetProperty(FBorderStyle, Value, [this] { Invalidate(); });
}

// The Orv gradient colours are kept as RGB, system colours resolved.
void TPlexStringGrid::SetOrvGradientFrom(TColor Value) {
  SetProperty(FOrvGradientFrom, ColorToRGB(Value), [this] { Invalidate(); });
}
void TPlexStringGrid::SetOrvGradientTo(TColor Value) {
  SetProperty(FOrvGradientTo, ColorToRGB(Value), [this] { Invalidate(); });
}
void TPlexStringGrid::SetOrvGradientMirrorFrom(TColor Value) {
  SetProperty(FOrvGradientMirrorFrom, Value == clNone ? clNone : ColorToRGB(Value), [this] { Invalidate(); });
}
void TPlexStringGrid::SetOrvGradientMirrorTo(TColor Value) {
  SetProperty(FOrvGradientMirrorTo, Value == clNone ? clNone : ColorToRGB(Value), [this] { Invalidate(); });
}

void TPlexStringGrid::SetIntegralHeight(bool Value) {
  SetProperty(FIntegralHeight, Value, [this] { SetBounds(Left(), Top(), Width(), Height()); });
}

void TPlexStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  SetProperty(FScrollBarAlways, Value, [this] { ApplyScrollBarAlways(true); });
}

void TPlexStringGrid::SetFixedFont(const TFont& Value) { FFixedFont->Assign(Value); }

void TPlexStringGrid::SetLookupItems(const TStringList* Value) {
  if (Value) FLookupItems->Assign(*Value);
}

int TPlexStringGrid::GetVersionNr() const { return PlexGridDefaults::VersionNr; }

QString TPlexStringGrid::Version() const {
  const unsigned v = unsigned(GetVersionNr());
  return QString("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

QString TPlexStringGrid::GetVersionString() const { return Version() + " Sep, 2012"; }

void TPlexStringGrid::SetFixedGradientColor(TFixedGradient Which, TColor Value) {
  switch (Which) {
    case fgFrom: SetOrvGradientFrom(Value); break;
    case fgTo: SetOrvGradientTo(Value); break;
    case fgMirrorFrom: SetOrvGradientMirrorFrom(Value); break;
    case fgMirrorTo: SetOrvGradientMirrorTo(Value); break;
    default: SetProperty(FOrvGradientFaces[size_t(Which)], Value, [this] { Invalidate(); }); break;
  }
}
