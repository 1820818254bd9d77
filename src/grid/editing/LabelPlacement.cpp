#include "grid/editing/LabelPlacement.h"

namespace {

enum class TLabelTop { Top, Centre, Bottom, Above, Below };
enum class TLabelLeft { BeforeByCaption, Left, BeforeByMargin, Centre, After };

struct TLabelRule {
  TLabelTop Top;
  TLabelLeft Left;
};

// Indexed by TLabelPosition.
constexpr TLabelRule LabelRules[] = {
    {TLabelTop::Top, TLabelLeft::BeforeByCaption},     // lpLeftTop
    {TLabelTop::Centre, TLabelLeft::BeforeByCaption},  // lpLeftCenter
    {TLabelTop::Bottom, TLabelLeft::BeforeByCaption},  // lpLeftBottom
    {TLabelTop::Above, TLabelLeft::Left},              // lpTopLeft
    {TLabelTop::Below, TLabelLeft::Left},              // lpBottomLeft
    {TLabelTop::Top, TLabelLeft::BeforeByMargin},      // lpLeftTopLeft
    {TLabelTop::Centre, TLabelLeft::BeforeByMargin},   // lpLeftCenterLeft
    {TLabelTop::Bottom, TLabelLeft::BeforeByMargin},   // lpLeftBottomLeft
    {TLabelTop::Above, TLabelLeft::Centre},            // lpTopCenter
    {TLabelTop::Below, TLabelLeft::Centre},            // lpBottomCenter
    {TLabelTop::Top, TLabelLeft::After},               // lpRightTop
    {TLabelTop::Centre, TLabelLeft::After},            // lpRightCenter
    {TLabelTop::Bottom, TLabelLeft::After},            // lpRighBottom
};
static_assert(sizeof(LabelRules) / sizeof(LabelRules[0]) == lpRighBottom + 1);

// Centring divides as the original's div: toward zero, also when the label is larger.
int Centred(int start, int extent, int size) { return start + (extent - size) / 2; }

}  // namespace

TPoint PlaceLabel(TLabelPosition Position, const TRect& Control, TSize LabelSize, int CaptionWidth, int Margin) {
  const TLabelRule& rule = LabelRules[Position];
  const int L = Control.Left, T = Control.Top, Wd = Control.Width(), Hg = Control.Height();
  const int h = LabelSize.cy, w = LabelSize.cx;
  int top = T;
  switch (rule.Top) {
    case TLabelTop::Top: top = T; break;
    case TLabelTop::Centre: top = Centred(T, Hg, h); break;
    case TLabelTop::Bottom: top = T + Hg - h; break;
    case TLabelTop::Above: top = T - h - Margin; break;
    case TLabelTop::Below: top = T + Hg + Margin; break;
  }
  int left = L;
  switch (rule.Left) {
    case TLabelLeft::BeforeByCaption: left = L - CaptionWidth - Margin; break;
    case TLabelLeft::Left: left = L; break;
    case TLabelLeft::BeforeByMargin: left = L - Margin; break;
    case TLabelLeft::Centre: left = Centred(L, Wd, w); break;
    case TLabelLeft::After: left = L + Wd + Margin; break;
  }
  return TPoint(left, top);
}
