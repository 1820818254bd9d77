#include "grid/core/RichTextRenderer.h"

#include "platform/GdiDraw.h"

namespace {
// Destinations whose text is no part of the document (font and colour tables ...).
bool IsHiddenDestination(const QString& Word) {
  static const char* const Hidden[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "*"};
  for (const char* h : Hidden)
    if (Word == QLatin1String(h)) return true;
  return false;
}

unsigned TextFlags(bool WordWrap) {
  return DT_NOPREFIX | DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK | DT_EDITCONTROL : 0u);
}
}  // namespace

QString TPlainRichTextRenderer::PlainText(const QString& RichText) {
  QString out;
  int depth = 0, hiddenFrom = -1;
  const int n = int(RichText.size());
  for (int i = 0; i < n; ++i) {
    const QChar c = RichText[i];
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (depth == hiddenFrom) hiddenFrom = -1;
      --depth;
    } else if (c == '\\' && i + 1 < n && RichText[i + 1].isLetter()) {
      int j = i + 1;
      while (j < n && RichText[j].isLetter()) ++j;
      const QString word = RichText.mid(i + 1, j - i - 1);
      while (j < n && (RichText[j].isDigit() || RichText[j] == '-')) ++j;
      if (j < n && RichText[j] == ' ') ++j;
      if (hiddenFrom < 0 && IsHiddenDestination(word)) hiddenFrom = depth;
      if (hiddenFrom < 0 && (word == QLatin1String("par") || word == QLatin1String("line"))) out += '\r';
      if (hiddenFrom < 0 && word == QLatin1String("tab")) out += '\t';
      i = j - 1;
    } else if (c == '\\' && i + 1 < n) {
      if (RichText[i + 1] == '*' && hiddenFrom < 0)
        hiddenFrom = depth;
      else if (hiddenFrom < 0 && RichText[i + 1] != '\'')
        out += RichText[i + 1];
      ++i;
    } else if (c != '\r' && c != '\n' && hiddenFrom < 0 && depth > 0) {
      out += c;
    }
  }
  while (out.endsWith('\r')) out.chop(1);
  return out;
}

void TPlainRichTextRenderer::Draw(TCanvas& Canvas, const QString& RichText, const TRect& Rect, bool Selected,
                                  TColor SelectedTextColor) {
  const TColor colour = Canvas.Font().Color();
  if (Selected && SelectedTextColor != clNone) Canvas.Font().SetColor(SelectedTextColor);
  TRect r = Rect;
  DrawText(Canvas, PlainText(RichText), r, TextFlags(true));
  Canvas.Font().SetColor(colour);
}

TSize TPlainRichTextRenderer::RequestedSize(TCanvas& Canvas, const QString& RichText, int Width, bool WordWrap) {
  TRect r(0, 0, WordWrap ? Width : 65535, 65535);
  DrawText(Canvas, PlainText(RichText), r, TextFlags(WordWrap) | DT_CALCRECT);
  return TSize{r.Width(), r.Height()};
}
