// PaintHtmlLine: one pass over one line, run by run and tag by tag; the fit
// rule that decides where a line ends, the painting of a run (shadow, error
// underline) and the hit test of a run.
#include "grid/foundation/PsgHTMLEEngine.h"

#include <algorithm>

namespace {

QString ShownRun(QStringView Source) {
  QString s = Source.toString();
  if (!s.contains(u'&')) return s;
  s.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
  s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  return s;
}

}  // namespace

QString THtmlEngine::PaintHtmlLine(QStringView& Text, const TRect& Rect, TPass Pass, bool FirstPass, TLineWalk& W) {
  W = TLineWalk{};
  W.Pass = Pass;
  W.FirstPass = FirstPass;
  W.R = Rect;
  W.Text = Text;
  W.CurX = Rect.Left;
  W.BaseBottom = Rect.Bottom - Line.Drop;
  Line.Width = 0;
  if (W.Painting() && ParaBackground && Background() != clNone)
    C.FillRect(TRect(Area.Left, Rect.Top, Area.Right, Rect.Top + Line.Height));
  while (!W.Text.isEmpty() && !W.Ended && !W.WrapPending) {
    NextRun(W);
    NextTag(W);
  }
  Line.Width -= W.TrailingBlank;
  R.ContentWidth = std::max(R.ContentWidth, Line.Width);
  if (W.Painting()) FocusPieceAtLineEnd(W);
  Text = W.Text;
  return W.Consumed;
}

// The text up to the next tag (with word wrap: up to and including the first
// blank before it), measured or painted, and kept on the line when it fits.
void THtmlEngine::NextRun(TLineWalk& W) {
  const qsizetype lt = W.Text.indexOf(u'<');
  qsizetype len = lt < 0 ? W.Text.size() : lt;
  if (P.WordWrap) {
    const qsizetype blank = W.Text.indexOf(u' ');
    if (blank >= 0 && (lt < 0 || blank < lt)) len = blank + 1;
  }
  if (len == 0) return;
  const QStringView source = W.Text.left(len);
  const QString shown = ShownRun(source);
  const int h = C.TextHeight(shown);
  if (Sub) Line.Drop = std::max(Line.Drop, h / 4);
  if (Sup) Line.Rise = std::max(Line.Rise, h / 4);
  Line.Height = std::max(Line.Height, h);
  if (Hidden) {
    if (W.FirstPass) R.PlainText += shown;
    W.Text = W.Text.mid(len);
    W.Progress = true;
    return;
  }
  int runWidth = 0;
  if (W.Measuring())
    MeasureRun(W, shown, runWidth);
  else
    PaintRun(W, shown, runWidth);
  const int available = W.R.Width();
  // A word is not split from the run it continues; the first thing of a line always stays on it.
  const bool fits = !W.Fitting() || available > Line.Width || available <= runWidth ||
                    (!W.RunsSoFar.isEmpty() && !W.RunsSoFar.endsWith(u' ')) || !W.Progress;
  const bool firstRun = W.RunsSoFar.isEmpty();
  W.RunsSoFar += shown;
  if (!fits && P.WordWrap) {
    W.Ended = true;
    if (W.Measuring()) Line.Width -= runWidth;
    return;
  }
  // A run that waits for the next line joins the plain text there, not twice.
  if (W.FirstPass) R.PlainText += shown;
  W.Consumed += source;
  W.Text = W.Text.mid(len);
  W.Progress = true;
  if (!fits && W.Measuring() && !firstRun) W.Text = {};
  W.TrailingBlank = (shown.size() == source.size() && shown.endsWith(u' ')) ? C.TextWidth(QStringLiteral(" ")) : 0;
}

void THtmlEngine::MeasureRun(TLineWalk& W, const QString& Shown, int& RunWidth) {
  TRect r = W.R;
  DrawRun(Shown, r, Format | DT_CALCRECT);
  RunWidth = r.Width();
  HitTestRun(W, Line.Width, HtmlExtentSum(Line.Width, RunWidth));
  Line.Width = HtmlExtentSum(Line.Width, RunWidth);
}

void THtmlEngine::PaintRun(TLineWalk& W, const QString& Shown, int& RunWidth) {
  TRect rr(W.CurX, W.R.Top, W.R.Right, W.BaseBottom);
  if (Sup) rr.Bottom -= Line.Rise;
  if (Sub) rr.Bottom += Line.Drop;
  rr.Bottom -= Line.TextOffset;
  // Turned text would be cut off by its own run's rectangle.
  const unsigned format = C.Font().Orientation() != 0 ? Format | DT_NOCLIP : Format;
  if (Shadow) {
    const TColor colour = C.Font().Color();
    C.Font().SetColor(P.ShadowColor);
    TRect sr(rr.Left + P.ShadowOffset, rr.Top + P.ShadowOffset, rr.Right + P.ShadowOffset, rr.Bottom + P.ShadowOffset);
    DrawRun(Shown, sr, format);
    C.Font().SetColor(colour);
  }
  TRect dr = rr;
  DrawRun(Shown, dr, format);
  TRect cr = rr;
  DrawRun(Shown, cr, format | DT_CALCRECT);
  RunWidth = cr.Width();
  if (InLink && P.FocusAnchor >= 0 && AnchorCount - 1 == P.FocusAnchor) R.FocusAnchorHref = Href;
  if (ErrorUnderline) DrawErrorUnderline(rr.Left, cr.Right, W.BaseBottom);
  if (Format & DT_RTLREADING)
    W.R.Right = W.R.Right - cr.Right + rr.Left;
  else
    W.CurX = cr.Right;
}

// Under right-to-left reading the runs go leftward from the right edge, so
// the point is measured from that edge.
void THtmlEngine::HitTestRun(TLineWalk& W, int Before, int After) {
  const int x = (Format & DT_RTLREADING) ? W.R.Right - P.HitX : P.HitX - W.R.Left;
  if (x < Before || After < x || !InLink) return;
  W.AnchorHit = true;
  if (P.HitY > W.R.Top) {
    R.HitAnchorHref = Href;
    R.HitAnchorTitle = Title;
    AnchorHitPending = true;
  }
}

// A red one-pixel zig-zag two pixels high, its phase fixed by x so that
// neighbouring runs join up.
void THtmlEngine::DrawErrorUnderline(int Left, int Right, int BaseBottom) {
  const TColor colour = C.Pen().Color;
  const int width = C.Pen().Width;
  C.Pen().Color = clRed;
  C.Pen().Width = 1;
  int x = (Left / 2) * 2;
  int offset = (x % 4 == 0) ? 2 : 0;
  C.MoveTo(x, BaseBottom + offset - 1);
  while (x < Right) {
    x += 2;
    offset = 2 - offset;
    C.LineTo(x, BaseBottom + offset - 1);
  }
  C.Pen().Color = colour;
  C.Pen().Width = width;
}

// A tag at the front of the text: handled, then consumed (or kept for the
// next line when it asked for a new one, unless it is the line's first thing).
void THtmlEngine::NextTag(TLineWalk& W) {
  if (W.Text.isEmpty() || W.Text[0] != u'<') return;
  if (W.Text.size() <= 2) {
    W.Text = {};
    W.Progress = true;
    return;
  }
  const qsizetype gt = W.Text.indexOf(u'>');
  const QStringView tag = gt < 0 ? W.Text : W.Text.left(gt + 1);
  if (!W.Ended) HandleTag(W, tag);
  if (W.WrapPending && W.Progress) return;
  W.WrapPending = false;
  W.Progress = true;
  if (gt < 0) {
    W.Text = {};
    return;
  }
  W.Consumed += tag;
  W.Text = W.Text.mid(gt + 1);
}

void THtmlEngine::FocusPieceAtLineEnd(TLineWalk& W) {
  if (!InLink || P.FocusAnchor < 0 || AnchorCount - 1 != P.FocusAnchor) return;
  FocusRect.Right = W.CurX;
  FocusRect.Bottom = W.BaseBottom;
  DrawFocusRect(C, TRect(FocusRect.Left - 1, FocusRect.Top, FocusRect.Right + 1, FocusRect.Bottom));
  FocusRect.Left = W.R.Left + 1;
  FocusRect.Top = W.BaseBottom;
}
