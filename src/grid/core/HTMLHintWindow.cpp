#include "grid/core/HTMLHintWindow.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/GdiDraw.h"

#include <algorithm>

namespace {

// Hints are measured within this width when shown.
constexpr int ActivateMaxWidth = 1008;
// Room around the text: a wide hint's, a mini-HTML hint's, and the height's.
constexpr int WideExtraWidth = 8;
constexpr int HtmlExtraWidth = 16;
constexpr int ExtraHeight = 4;
// A hint reaching past the monitor ends this far inside it.
constexpr int MonitorMargin = 2;
// The text rectangle's inset from the left and right edges.
constexpr int TextInset = 4;

QString& LastGridFont() {
  static QString name;
  return name;
}

bool IsWide(const QString& Hint) { return Hint.startsWith(WideTextPrefix); }

}  // namespace

QString THTMLHintWindow::GridFontName() { return LastGridFont(); }
void THTMLHintWindow::SetGridFontName(const QString& Name) { LastGridFont() = Name; }

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TSize THTMLHintWindow::Measure(int MaxWidth, const QString& AHint) {
  TCanvas& c = Canvas();
  if (IsWide(AHint)) {
    const QString text = DecodeWideText(AHint);
    if (!GridFontName().isEmpty()) c.Font().SetName(GridFontName());
    TRect r(0, 0, MaxWidth, 0);
    DrawText(c, text, r, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    return TSize{r.Width(), r.Height()};
  }
  c.Font().Assign(Font());
  THtmlDrawParams params;
  params.MeasureOnly = true;
  params.WordWrap = true;
  params.AnchorColor = clBlue;
  params.Images = FImages;
  params.Pictures = FPictures;
  THtmlDrawResults results;
  DrawHtmlText(c, AHint, TRect(0, 0, MaxWidth, 65535), params, results);
  return TSize{results.ContentWidth, results.ContentHeight};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
  const TSize s = Measure(MaxWidth, AHint);
  return TRect(0, 0, s.cx, s.cy);
}

void THTMLHintWindow::ActivateHintData(const TRect& ARect, const QString& AHint, void* AData) {
  if (auto* grid = dynamic_cast<TPlexStringGrid*>(static_cast<TObject*>(AData))) {
    FImages = grid->GridImages();
  }
  ActivateHint(ARect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& ARect, const QString& AHint) {
  const TSize s = Measure(ActivateMaxWidth, AHint);
  FTextWidth = s.cx;
  FTextHeight = s.cy;
  const bool wide = IsWide(AHint);
  FWideCaption = wide ? DecodeWideText(AHint) : QString();
  TRect r(ARect.Left, ARect.Top, ARect.Left + s.cx + (wide ? WideExtraWidth : HtmlExtraWidth),
          ARect.Top + s.cy + ExtraHeight);
  const TRect monitor = MonitorRectAt(TPoint(r.Left, r.Top));
  if (r.Right > monitor.Right) OffsetRect(r, monitor.Right - MonitorMargin - r.Right, 0);
  if (r.Bottom > monitor.Bottom) OffsetRect(r, 0, monitor.Bottom - MonitorMargin - r.Bottom);
  ShowHintAt(r, AHint);
}

void THTMLHintWindow::Paint() {
  TCanvas& c = Canvas();
  const TRect all = ClientRect();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(all);
  c.Pen().Color = cl3DLight;
  c.MoveTo(all.Left, all.Bottom - 1);
  c.LineTo(all.Left, all.Top);
  c.LineTo(all.Right - 1, all.Top);
  c.Pen().Color = cl3DDkShadow;
  c.LineTo(all.Right - 1, all.Bottom - 1);
  c.LineTo(all.Left, all.Bottom - 1);
  const int top = (all.Height() - FTextHeight) / 2 - 4;
  TRect text(all.Left + TextInset, top, all.Right - TextInset, top + FTextHeight + 8);
  c.Brush().Style = bsClear;
  if (!FWideCaption.isEmpty()) {
    if (!GridFontName().isEmpty()) c.Font().SetName(GridFontName());
    DrawText(c, FWideCaption, text, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    return;
  }
  c.Font().Assign(Font());
  THtmlDrawParams params;
  params.WordWrap = true;
  params.AnchorColor = clBlue;
  params.Images = FImages;
  params.Pictures = FPictures;
  THtmlDrawResults results;
  DrawHtmlText(c, HintText(), text, params, results);
}
