// Any text (UTF-8) as the mini-HTML markup of a cell: measured, painted into a
// bitmap with and without word wrap, selected, and hit-tested. Every call ends,
// sizes come out non-negative, and the canvas keeps its pen, brush and font.
#include "FuzzSupport.h"

#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"

namespace {

struct TCanvasState {
  TColor PenColor, BrushColor, FontColor;
  int PenWidth, FontSize;
  QString FontName;
  bool operator==(const TCanvasState&) const = default;
};

TCanvasState StateOf(TCanvas& C) {
  return {C.Pen().Color, C.Brush().Color, C.Font().Color(), C.Pen().Width, C.Font().Size(), C.Font().Name()};
}

void Draw(TCanvas& C, const QString& Markup, const TRect& Rect, const THtmlDrawParams& Params) {
  const TCanvasState before = StateOf(C);
  THtmlDrawResults out;
  DrawHtmlText(C, Markup, Rect, Params, out);
  if (out.ContentWidth < 0 || out.ContentHeight < 0 || out.AnchorCount < 0) std::abort();
  if (!(StateOf(C) == before)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::EnsureApplication();
  const QString markup = QString::fromUtf8(fuzz::Bytes(data, size));
  static TBitmap sheet(240, 120);
  TCanvas& c = sheet.Canvas();
  c.Font().SetName("Tahoma");
  c.Font().SetSize(8);
  c.Font().SetColor(clWindowText);
  c.Pen().Color = clBlack;
  c.Pen().Width = 1;
  c.Brush().Color = clWindow;
  const TRect cell(2, 2, 238, 118);

  THtmlDrawParams measure;
  measure.MeasureOnly = true;
  measure.WordWrap = true;
  Draw(c, markup, cell, measure);

  THtmlDrawParams paint;
  paint.WordWrap = true;
  paint.HoverAnchor = 1;
  paint.FocusAnchor = 0;
  Draw(c, markup, cell, paint);

  THtmlDrawParams single;
  single.Selected = true;
  single.BlinkOn = false;
  single.UnderlineOnHover = true;
  Draw(c, markup, TRect(0, 0, 80, 16), single);

  THtmlDrawParams hit;
  hit.HitTestOnly = true;
  hit.WordWrap = true;
  hit.HitX = 20;
  hit.HitY = 8;
  Draw(c, markup, cell, hit);
  return 0;
}
