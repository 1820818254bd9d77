// DrawHtmlText: the start of a call, the line loop (each line measured, then
// painted or hit-tested from the same saved state) and the end of the call.
#include "grid/foundation/PsgHTMLEEngine.h"

#include "platform/Themes.h"

namespace {

TColor gHighlightBackground = clHighlight;
TColor gHighlightText = clHighlightText;
bool gStylesAvailable = false;

struct TEntityReplacement {
  const char16_t* Name;
  const char16_t* Replacement;
};

// Replaced before layout; "&amp;" keeps an ampersand for the text drawing's prefix rule.
constexpr TEntityReplacement kLayoutEntities[] = {
    {u"&amp;", u"&&"},        {u"&quot;", u"\""},      {u"&sect;", u"\u00A7"},
    {u"&permil;", u"\u2030"}, {u"&reg;", u"\u00AE"},   {u"&copy;", u"\u00A9"},
    {u"&para;", u"\u00B6"},   {u"&trade;", u"\u2122"}, {u"&euro;", u"\u20AC"},
};

// The entity sweeps replace, again and again, the first occurrence of each
// name until nothing is left to replace. The names cannot overlap, so the end
// result is the same as one scan that looks again at the ampersand "&amp;"
// leaves behind (it may begin a new name with the letters after it).
QString ReplaceLayoutEntities(const QString& Text) {
  if (!Text.contains(u'&')) return Text;
  QString buf = Text, out;
  out.reserve(buf.size());
  qsizetype i = 0;
  while (i < buf.size()) {
    const TEntityReplacement* hit = nullptr;
    if (buf[i] == u'&')
      for (const TEntityReplacement& e : kLayoutEntities)
        if (StartsWithNoCase(QStringView(buf).mid(i), QStringView(e.Name))) hit = &e;
    if (!hit) {
      out += buf[i++];
      continue;
    }
    const qsizetype len = QStringView(hit->Name).size();
    if (hit == &kLayoutEntities[0]) {
      out += u'&';
      buf[i + len - 1] = u'&';  // the second '&' is read again
      i += len - 1;
    } else {
      out += QStringView(hit->Replacement);
      i += len;
    }
  }
  return out;
}

// "<#123>" shows as "#123": every "<#" loses its '<' and the first '>' after it.
void UnwrapHashMarkers(QString& Text) {
  qsizetype at = Text.indexOf(QStringLiteral("<#"));
  while (at >= 0) {
    Text.remove(at, 1);
    const qsizetype gt = Text.indexOf(u'>', at + 1);
    if (gt >= 0) Text.remove(gt, 1);
    at = Text.indexOf(QStringLiteral("<#"), std::max<qsizetype>(at - 1, 0));
  }
}

void LineBreaksToHtml(QString& Text) {
  Text.remove(u'\n');
  Text.replace(u'\r', QStringLiteral("<BR>"));
}

}  // namespace

void SetHtmlHighlightColors(TColor Background, TColor Text) {
  gHighlightBackground = Background;
  gHighlightText = Text;
}

TColor HtmlHighlightBackground() { return gHighlightBackground; }
TColor HtmlHighlightText() { return gHighlightText; }

// The original asked for Windows 5.1 or later; every desktop this runs on can
// draw visual styles once the theme services say one is active.
void InitHtmlEngine() { gStylesAvailable = true; }

unsigned BiDiTextFlags(unsigned Format, TBiDiMode BiDiMode) {
  if (!SysLocaleMiddleEast()) return Format;
  if (BiDiMode == bdRightToLeft) {
    if (Format & DT_RIGHT)
      Format &= ~DT_RIGHT;
    else if (!(Format & DT_CENTER))
      Format |= DT_RIGHT;
  }
  if (BiDiMode != bdLeftToRight) Format |= DT_RTLREADING;
  return Format;
}

bool DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THtmlDrawParams& Params,
                  THtmlDrawResults& Results) {
  THtmlEngine engine(Canvas, Rect, Params, Results);
  return engine.Run(Text);
}

// ---- THtmlEngine: the call ----

THtmlEngine::THtmlEngine(TCanvas& Canvas, const TRect& Rect, const THtmlDrawParams& Params, THtmlDrawResults& Results)
    : C(Canvas), Area(Rect), P(Params), R(Results) {}

QString THtmlEngine::PrepareText(const QString& Text) {
  QString s = ReplaceLayoutEntities(Text);
  UnwrapHashMarkers(s);
  LineBreaksToHtml(s);
  return s;
}

void THtmlEngine::Start() {
  SavedPenColor = C.Pen().Color;
  SavedPenWidth = C.Pen().Width;
  SavedBrush.Assign(C.Brush());
  BaseFont.Assign(C.Font());
  MeasureFont.Assign(C.Font());
  PaintFont.Assign(C.Font());
  BaseBackground = C.Brush().Color;
  C.Brush().Color = clNone;
  SavedHighlightColor = BaseFont.Color();
  SavedAnchorColor = BaseFont.Color();
  Themed = gStylesAvailable && ThemeServices().IsThemeActive();
  R.ControlRect = TRect();
  R.PlainText.clear();
  R.HitAnchorTitle.clear();
  R.FocusAnchorHref.clear();
  R.ControlType.clear();
  R.ControlValue.clear();
  R.ControlId = P.HitTestOnly ? P.ControlId : QString();
  R.HitAnchorIndex = -1;
  R.ContentWidth = R.ContentHeight = R.AnchorCount = 0;
  C.SetBkMode(TRANSPARENT);
  Format = BiDiTextFlags(DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING, P.BiDiMode);
  if (!P.WordWrap) Format |= DT_END_ELLIPSIS;
}

void THtmlEngine::Finish() {
  if (R.ContentHeight == 0) R.ContentHeight = GhHeight();
  R.AnchorCount = AnchorCount;
  C.Pen().Color = SavedPenColor;
  C.Pen().Width = SavedPenWidth;
  C.Brush().Assign(SavedBrush);
  C.Font().Assign(BaseFont);
  C.SetBkMode(TRANSPARENT);
}

bool THtmlEngine::Run(const QString& Text) {
  Start();
  const QString text = PrepareText(Text);
  QStringView rest(text);
  while (!rest.isEmpty()) {
    const qsizetype before = rest.size();
    RunLine(rest);
    // Every line takes at least one run or tag; should one ever take nothing, stop.
    if (rest.size() >= before) rest = {};
    R.ContentHeight = HtmlExtentSum(R.ContentHeight, Line.Height + Line.Drop + Line.Rise);
    ++LineNo;
    if (!P.MeasureOnly && static_cast<long long>(LineStartHeight) + Area.Top + R.ContentHeight > Area.Bottom) break;
  }
  Finish();
  return Result;
}

THtmlEngine::TLineStart THtmlEngine::SaveLineStart() const {
  return {InLink, Href, Title, AnchorCount, ListLevel, ImageCount, Shadow, Hidden};
}

void THtmlEngine::RestoreLineStart(const TLineStart& S) {
  InLink = S.InLink;
  Href = S.Href;
  Title = S.Title;
  AnchorCount = S.AnchorCount;
  ListLevel = S.ListLevel;
  ImageCount = S.ImageCount;
  Shadow = S.Shadow;
  Hidden = S.Hidden;
}

TRect THtmlEngine::PlaceLine(const TRect& LineRect) const {
  TRect pr = LineRect;
  if (Align == THtmlAlign::Right && pr.Right - Line.Width > pr.Left) pr.Left = pr.Right - Line.Width;
  if (Align == THtmlAlign::Center && pr.Width() - Line.Width > 0) pr.Left += (pr.Width() - Line.Width) / 2;
  pr.Left += Indent;
  pr.Bottom = pr.Top + Line.Height + Line.Drop + Line.Rise;
  return pr;
}

// One line: measured on the rest of the text, then painted (or measured again
// at its place in hit tests) from the state its measuring pass started from.
void THtmlEngine::RunLine(QStringView& Rest) {
  TRect lineRect = Area;
  lineRect.Left += 1;
  lineRect.Top = Area.Top + R.ContentHeight;
  C.Font().Assign(MeasureFont);
  const TLineStart start = SaveLineStart();
  Line = THtmlLineBox{};
  Line.Height = LineStartHeight = GhHeight();
  Sub = Sup = false;
  Rotations = &MeasureRotations;
  TLineWalk measure;
  const QString lineText = PaintHtmlLine(Rest, lineRect, TPass::Measure, true, measure);
  MeasureFont.Assign(C.Font());
  const TLineStart after = SaveLineStart();
  RestoreLineStart(start);
  if (P.MeasureOnly) {
    RestoreLineStart(TLineStart{start.InLink, start.Href, start.Title, after.AnchorCount, after.ListLevel,
                                after.ImageCount, after.Shadow, after.Hidden});
    return;
  }
  const TRect pr = PlaceLine(lineRect);
  C.Font().Assign(PaintFont);
  Rotations = &PaintRotations;
  Sub = Sup = false;
  QStringView text(lineText);
  TLineWalk second;
  PaintHtmlLine(text, pr, P.HitTestOnly ? TPass::HitMeasure : TPass::Paint, false, second);
  PaintFont.Assign(C.Font());
  const int bottom = pr.Bottom - Line.TextOffset;
  if ((second.AnchorHit && P.HitY > bottom - GhHeight() && P.HitY < bottom) || second.ObjectHit) Result = true;
}

int THtmlEngine::GhHeight() const { return C.TextHeight(QStringLiteral("gh")); }

void THtmlEngine::SetBackground(TColor Color) {
  if (Color == clNone) {
    C.Brush().Style = bsClear;
    return;
  }
  C.Brush().Style = bsSolid;
  C.Brush().Color = Color;
}

TColor THtmlEngine::Background() const {
  const TBrush& b = const_cast<TCanvas&>(C).Brush();
  return (b.Style == bsClear || b.Color == clNone) ? clNone : b.Color;
}

void THtmlEngine::SetStyle(TFontStyle Style, bool On) {
  TFontStyles s = C.Font().Style();
  if (On)
    s.Include(Style);
  else
    s.Exclude(Style);
  C.Font().SetStyle(s);
}

int THtmlEngine::DrawRun(const QString& Shown, TRect& Rect, unsigned RunFormat) {
  return DrawText(C, Shown, Rect, RunFormat);
}
