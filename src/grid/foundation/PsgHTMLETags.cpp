// What each tag does on the page: font styles and colours, backgrounds,
// paragraphs, lists, rules, indents, rotation and anchors. Changes that only
// concern the look are made in painting passes alone.
#include "grid/foundation/PsgHTMLEEngine.h"

#include <algorithm>

namespace {

// Sizes 1 to 5 of the font tag in points; any other number is taken as it is.
constexpr int kFontTagSizes[] = {8, 10, 12, 14, 16};
// Bounds for numbers that become pixel positions or font sizes, so that no
// text can push the arithmetic past the integer range.
constexpr int kMaxOffset = 1 << 20;
constexpr int kMaxFontSize = 1000;
constexpr int kListIndent = 12;

// The first double-quoted value after the first Letter (any case) from index From.
QString QuotedValueAfter(QStringView Tag, char16_t Letter, qsizetype From) {
  const qsizetype at = IndexOfNoCase(Tag, QStringView(&Letter, 1), From);
  if (at < 0) return {};
  const qsizetype q1 = Tag.indexOf(u'"', at + 1);
  const qsizetype q2 = q1 < 0 ? -1 : Tag.indexOf(u'"', q1 + 1);
  return q2 < 0 ? QString() : Tag.mid(q1 + 1, q2 - q1 - 1).toString();
}

int FontTagSize(const QString& Attributes) {
  const qsizetype at = IndexOfNoCase(Attributes, u"SIZE");
  QStringView rest = QStringView(Attributes).mid(at + 4);
  rest = rest.mid(rest.indexOf(u'=') + 1);
  const qsizetype quote = rest.indexOf(u'"');
  if (quote >= 0) rest = rest.mid(quote + 1);
  const int n = LeadingIntValue(rest.toString());
  return (n >= 1 && n <= 5) ? kFontTagSizes[n - 1] : std::clamp(n, -kMaxFontSize, kMaxFontSize);
}

}  // namespace

void THtmlEngine::HandleTag(TLineWalk& W, QStringView Tag) {
  const THtmlTagKind kind = RecogniseHtmlTag(Tag);
  if (kind.Closing)
    CloseTag(W, kind.Tag, Tag);
  else
    OpenTag(W, kind.Tag, Tag);
}

void THtmlEngine::OpenTag(TLineWalk& W, THtmlTag Tag, QStringView Text) {
  switch (Tag) {
    case THtmlTag::Bold: SetStyle(fsBold, true); break;
    case THtmlTag::Italic: SetStyle(fsItalic, true); break;
    case THtmlTag::Underline: SetStyle(fsUnderline, true); break;
    case THtmlTag::Strike: SetStyle(fsStrikeOut, true); break;
    case THtmlTag::Break:
      W.Ended = true;
      if (W.FirstPass) R.PlainText += u'\r';
      break;
    case THtmlTag::Blink:
      if (!P.BlinkOn) C.Font().SetColor(BaseBackground);
      break;
    case THtmlTag::Body: BodyTag(W, Text); break;
    case THtmlTag::Anchor: AnchorTag(W, Text); break;
    case THtmlTag::Error:
      if (W.Painting()) ErrorUnderline = true;
      break;
    case THtmlTag::Font: FontTag(W, Text); break;
    case THtmlTag::Highlight:
      if (!W.Painting()) break;
      SavedHighlightColor = C.Font().Color();
      SavedHighlightBackground = Background();
      SetBackground(HtmlHighlightBackground());
      C.Font().SetColor(HtmlHighlightText());
      break;
    case THtmlTag::Rule:
      W.Ended = true;
      if (W.Painting()) {
        const TColor colour = C.Pen().Color;
        C.Pen().Color = clBlack;
        C.MoveTo(W.R.Left, W.BaseBottom + 1);
        C.LineTo(W.R.Right, W.BaseBottom + 1);
        C.Pen().Color = colour;
      }
      break;
    case THtmlTag::Indent: IndentTag(W, Text); break;
    case THtmlTag::Image: ImageTag(W, Text); break;
    case THtmlTag::ListItem: ListItemTag(W); break;
    case THtmlTag::Paragraph: ParagraphTag(W, Text); break;
    case THtmlTag::Rotation: RotationTag(Text); break;
    case THtmlTag::Shadow: Shadow = true; break;
    case THtmlTag::Hidden: Hidden = true; break;
    case THtmlTag::Sub: Sub = true; break;
    case THtmlTag::Sup: Sup = true; break;
    case THtmlTag::List:
      ++ListLevel;
      W.Ended = true;
      break;
    case THtmlTag::Control: ControlTag(W, Text); break;
    case THtmlTag::None: break;
  }
}

void THtmlEngine::CloseTag(TLineWalk& W, THtmlTag Tag, QStringView Text) {
  switch (Tag) {
    case THtmlTag::Anchor: CloseAnchorTag(W); break;
    case THtmlTag::Bold: SetStyle(fsBold, false); break;
    case THtmlTag::Blink: C.Font().SetColor(BaseFont.Color()); break;
    case THtmlTag::Error:
      if (W.Painting()) ErrorUnderline = false;
      break;
    case THtmlTag::Font: CloseFontTag(W); break;
    case THtmlTag::Highlight:
      // Without an opening tag the saved pair is the start's: the font's colour, no background.
      if (!W.Painting()) break;
      C.Font().SetColor(SavedHighlightColor);
      SetBackground(SavedHighlightBackground);
      break;
    case THtmlTag::Italic: SetStyle(fsItalic, false); break;
    case THtmlTag::ListItem: W.Ended = true; break;
    case THtmlTag::Paragraph:
      W.Ended = true;
      if (W.Painting()) {
        SetBackground(SavedParaBackground);
        ParaBackground = false;
      }
      break;
    case THtmlTag::Rotation: CloseRotationTag(); break;
    case THtmlTag::Sub: Sub = Sup = false; break;
    case THtmlTag::Shadow: Shadow = false; break;
    case THtmlTag::Strike: SetStyle(fsStrikeOut, false); break;
    case THtmlTag::List:
      if (StartsWithNoCase(Text, u"</U>") || ListLevel == 0)
        SetStyle(fsUnderline, false);
      else
        --ListLevel;
      break;
    case THtmlTag::Hidden: Hidden = false; break;
    default: break;
  }
}

void THtmlEngine::FontTag(TLineWalk& W, QStringView Text) {
  const QString attributes = HtmlAttributeText(Text, 5, true);
  QString value;
  if (HtmlAttribute(attributes, u"FACE", value) && !value.isEmpty()) C.Font().SetName(value);
  if (IndexOfNoCase(attributes, u"SIZE") >= 0) C.Font().SetSize(FontTagSize(attributes));
  if (P.Selected) return;
  if (HtmlAttribute(attributes, u" COLOR", value) && !value.isEmpty()) C.Font().SetColor(HtmlColorValue(value));
  if (W.Painting() && HtmlAttribute(attributes, u"BGCOLOR", value) && !value.isEmpty()) {
    SavedFontBackground = Background();
    SetBackground(HtmlColorValue(value));
  }
}

void THtmlEngine::CloseFontTag(TLineWalk& W) {
  C.Font().SetName(BaseFont.Name());
  C.Font().SetHeight(BaseFont.Height());
  if (!W.Painting() || P.Selected) return;
  C.Font().SetColor(BaseFont.Color());
  SetBackground(SavedFontBackground);
}

void THtmlEngine::ParagraphTag(TLineWalk& W, QStringView Text) {
  const QString attributes = HtmlAttributeText(Text, 2, true);
  QString value;
  if (HtmlAttribute(attributes, u"ALIGN", value)) {
    // The last match wins, and "LEFTRIGHT" aligns right.
    if (value.contains(QStringLiteral("LEFT"))) Align = THtmlAlign::Left;
    if (value.contains(QStringLiteral("RIGHT"))) Align = THtmlAlign::Right;
    if (value.contains(QStringLiteral("CENTER"))) Align = THtmlAlign::Center;
  }
  if (HtmlAttribute(attributes, u"INDENT", value)) Indent = std::clamp(LeadingIntValue(value), -kMaxOffset, kMaxOffset);
  if (!W.Painting() || !HtmlAttribute(attributes, u"BGCOLOR", value)) return;
  ParaBackground = true;
  SavedParaBackground = Background();
  const TColor colour = HtmlColorValue(value);
  SetBackground(colour);
  if (colour == clNone) return;
  C.Pen().Color = colour;
  C.FillRect(TRect(Area.Left, W.R.Top, Area.Right, W.BaseBottom));
}

void THtmlEngine::BodyTag(TLineWalk& W, QStringView Text) {
  if (!W.Painting()) return;
  const QString attributes = HtmlAttributeText(Text, 5, true);
  QString value;
  if (HtmlAttribute(attributes, u"BGCOLOR", value)) {
    TColor colour = clNone;
    if (value.contains(QStringLiteral("CL"))) colour = ColorFromName(value);
    if (value.contains(u'#')) colour = ColorFromHex(value);
    if (colour != clNone) {
      SetBackground(colour);
      SavedFontBackground = colour;
      C.FillRect(Area);
    }
  }
  // Locations keep their letter case: file names on this system depend on it.
  if (HtmlAttribute(HtmlAttributeText(Text, 5, false), u"BACKGROUND", value)) BackgroundPicture(value);
}

void THtmlEngine::ListItemTag(TLineWalk& W) {
  Line.Width = HtmlExtentSum(Line.Width, kListIndent * ListLevel);
  if (W.ItemOnLine)
    W.WrapPending = true;
  else
    W.ItemOnLine = true;
  W.CurX = HtmlExtentSum(W.CurX, kListIndent * (ListLevel - 1));
  if (W.Painting()) {
    const QString name = C.Font().Name();
    C.Font().SetName(QStringLiteral("Symbol"));
    TRect r(W.CurX, W.R.Top, W.R.Right, W.R.Bottom);
    DrawText(C, ListLevel % 2 == 1 ? QStringLiteral("\u00B7") : QStringLiteral("o"), r, DT_SINGLELINE | DT_NOPREFIX);
    C.Font().SetName(name);
  }
  W.CurX += kListIndent;
}

void THtmlEngine::IndentTag(TLineWalk& W, QStringView Text) {
  int n = 0;
  if (!StrictIntValue(QuotedValueAfter(Text, u'X', 2), n)) return;
  n = std::clamp(n, -kMaxOffset, kMaxOffset);
  if (Line.Width >= n) return;
  Line.Width = n;
  W.CurX = Area.Left + n;
}

// Each rotation keeps the angle it replaced, so closing tags unwind nested ones.
void THtmlEngine::RotationTag(QStringView Text) {
  const int angle = LeadingIntValue(QuotedValueAfter(Text, u'A', 2)) % 360;
  Rotations->push_back(C.Font().Orientation());
  C.Font().SetOrientation(angle * 10);
}

void THtmlEngine::CloseRotationTag() {
  if (Rotations->empty()) return;
  C.Font().SetOrientation(Rotations->back());
  Rotations->pop_back();
}

void THtmlEngine::AnchorTag(TLineWalk& W, QStringView Text) {
  if (W.Painting() && AnchorCount == P.FocusAnchor) FocusRect = TRect(W.CurX, W.R.Top, W.CurX, W.R.Top);
  ++AnchorCount;
  const bool hovered = AnchorCount == P.HoverAnchor;
  if ((!P.UnderlineOnHover || hovered) && W.Painting()) {
    SetStyle(fsUnderline, true);
    if (P.HoverColor != clNone) {
      SavedAnchorBackground = Background();
      AnchorSavedBackground = true;
      SetBackground(P.HoverColor);
    }
    if (P.HoverFontColor != clNone) {
      SavedAnchorColor = C.Font().Color();
      AnchorSavedColor = true;
      C.Font().SetColor(P.HoverFontColor);
    }
  }
  if (!P.Selected && !(P.UnderlineOnHover && hovered && P.HoverFontColor != clNone)) C.Font().SetColor(P.AnchorColor);
  const QString attributes = HtmlAttributeText(Text, 2, false);
  QString value;
  if (HtmlAttribute(attributes, u"HREF", value)) {
    Href = value;
    InLink = true;
  }
  if (HtmlAttribute(attributes, u"TITLE", value)) Title = value;
  AnchorStartX = Line.Width;
  AnchorStartTop = W.R.Top;
  AnchorStartLine = LineNo;
}

void THtmlEngine::CloseAnchorTag(TLineWalk& W) {
  const bool hovered = AnchorCount == P.HoverAnchor;
  if ((!P.UnderlineOnHover || hovered) && W.Painting()) {
    SetStyle(fsUnderline, false);
    // Only what this anchor saved goes back: a stray closer restores nothing.
    if (AnchorSavedBackground) SetBackground(SavedAnchorBackground);
    if (AnchorSavedColor) C.Font().SetColor(SavedAnchorColor);
    AnchorSavedBackground = AnchorSavedColor = false;
  }
  if (!P.Selected) C.Font().SetColor(BaseFont.Color());
  InLink = false;
  if (AnchorHitPending) {
    const bool sameLine = AnchorStartLine == LineNo;
    R.HoverRect = TRect(W.R.Left + (sameLine ? AnchorStartX : 0), sameLine ? AnchorStartTop : W.R.Top,
                        W.R.Left + Line.Width, W.BaseBottom);
    R.HitAnchorIndex = AnchorCount;
    AnchorHitPending = false;
  }
  if (P.FocusAnchor < 0 || AnchorCount - 1 != P.FocusAnchor) return;
  FocusRect.Right = W.CurX;
  FocusRect.Bottom = W.BaseBottom - Line.TextOffset;
  FocusRect.Top = FocusRect.Bottom - GhHeight();
  if (W.Painting()) DrawFocusRect(C, TRect(FocusRect.Left - 1, FocusRect.Top, FocusRect.Right + 1, FocusRect.Bottom));
}
