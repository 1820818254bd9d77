// DrawText: GDI's formatted text on a canvas (prefixes, tabs, word breaks,
// ellipsis, alignment, the edit-control rule for a partly visible last line).
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <algorithm>

namespace {

// A paragraph with its "&" prefixes taken out; Underline is the index of the
// character to underline, or -1.
struct Paragraph {
  QString Text;
  qsizetype Underline = -1;
};

// One drawn line: a part of a paragraph, or an ellipsis-cut copy of one.
struct Line {
  QString Text;
  qsizetype Underline = -1;
};

Paragraph StripPrefixes(const QString& s) {
  Paragraph p;
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] != u'&') {
      p.Text += s[i];
      continue;
    }
    if (i + 1 >= s.size()) break;  // a lone "&" at the end shows nothing
    if (s[i + 1] != u'&' && p.Underline < 0) p.Underline = p.Text.size();
    p.Text += s[++i];
  }
  return p;
}

std::vector<QString> SplitParagraphs(const QString& text) {
  std::vector<QString> out;
  QString cur;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out.push_back(cur);
      cur.clear();
    } else {
      cur += text[i];
    }
  }
  out.push_back(cur);
  return out;
}

class TextLayout {
public:
  TextLayout(const TTextMeasurer& m, const TFont& f, unsigned format)
      : M(m), F(f), Format(format), TabWidth(8 * m.AverageCharWidth(f)) {}

  int Width(const QString& s) const {
    if (!(Format & DT_EXPANDTABS) || !s.contains(u'\t')) return M.Width(F, s);
    int x = 0;
    for (const QString& part : Segments(s)) {
      if (part == QStringLiteral("\t"))
        x = (x / TabWidth + 1) * TabWidth;
      else
        x += M.Width(F, part);
    }
    return x;
  }

  // Draws one line at (x, y), tabs expanded to the next stop.
  void Draw(QPainter& p, int x, int y, const QString& s, const QColor& c) const {
    if (!(Format & DT_EXPANDTABS) || !s.contains(u'\t')) {
      M.Draw(p, F, x, y, s, c);
      return;
    }
    int dx = 0;
    for (const QString& part : Segments(s)) {
      if (part == QStringLiteral("\t")) {
        dx = (dx / TabWidth + 1) * TabWidth;
      } else {
        M.Draw(p, F, x + dx, y, part, c);
        dx += M.Width(F, part);
      }
    }
  }

  // Breaks a paragraph into lines no wider than maxWidth at spaces; a word
  // wider than a line is cut only in edit-control mode.
  std::vector<Line> Wrap(const Paragraph& par, int maxWidth) const {
    std::vector<Line> lines;
    const QString& s = par.Text;
    const qsizetype n = s.size();
    qsizetype pos = 0;
    do {
      qsizetype end = pos, lastSpace = -1;
      while (end < n) {
        if (s[end] == u' ')
          lastSpace = end;
        else if (Width(s.mid(pos, end + 1 - pos)) > maxWidth)
          break;
        ++end;
      }
      qsizetype lineEnd, next;
      if (end == n) {
        lineEnd = next = n;
      } else if (lastSpace > pos) {
        lineEnd = lastSpace;
        next = lastSpace;
      } else if (Format & DT_EDITCONTROL) {
        lineEnd = next = std::max(end, pos + 1);
      } else {
        lineEnd = s.indexOf(u' ', end);
        if (lineEnd < 0) lineEnd = n;
        next = lineEnd;
      }
      qsizetype trimmed = lineEnd;
      while (trimmed > pos && s[trimmed - 1] == u' ') --trimmed;
      Line line{s.mid(pos, trimmed - pos), -1};
      if (par.Underline >= pos && par.Underline < trimmed) line.Underline = par.Underline - pos;
      lines.push_back(line);
      while (next < n && s[next] == u' ') ++next;
      pos = next;
    } while (pos < n);
    return lines;
  }

  // Keeps the longest prefix that fits with "..." after it (none when even
  // the dots alone do not fit). A longer prefix is never narrower, so the cut
  // is found by galloping from the start, where it lies for long texts in
  // narrow rectangles, and then halving the last step: a few measures of short
  // prefixes instead of one measure per character dropped.
  void AddEllipsis(Line& line, int maxWidth) const {
    if (Width(line.Text) <= maxWidth) return;
    const QString dots = QStringLiteral("...");
    const qsizetype n = line.Text.size();
    auto fits = [&](qsizetype k) { return Width(line.Text.left(k) + dots) <= maxWidth; };
    qsizetype lo = 0, hi = 1;  // a prefix of lo fits (or lo is 0); hi does not or is n
    while (hi < n && fits(hi)) {
      lo = hi;
      hi = std::min(n, hi * 2);
    }
    if (hi >= n) hi = n;  // the whole text with dots is wider than the whole text
    while (hi - lo > 1) {
      const qsizetype mid = lo + (hi - lo) / 2;
      (fits(mid) ? lo : hi) = mid;
    }
    if (lo > 0 && line.Text[lo - 1].isHighSurrogate()) --lo;
    if (line.Underline >= lo) line.Underline = -1;
    line.Text = line.Text.left(lo) + dots;
  }
  // The line is followed by text that is not shown: it ends in "..." whether
  // or not it fits itself.
  void ForceEllipsis(Line& line, int maxWidth) const {
    const QString dots = QStringLiteral("...");
    line.Text += dots;
    AddEllipsis(line, maxWidth);
  }

private:
  static std::vector<QString> Segments(const QString& s) {
    std::vector<QString> out;
    QString cur;
    for (QChar ch : s) {
      if (ch == u'\t') {
        if (!cur.isEmpty()) out.push_back(cur);
        out.push_back(QStringLiteral("\t"));
        cur.clear();
      } else {
        cur += ch;
      }
    }
    if (!cur.isEmpty()) out.push_back(cur);
    return out;
  }

  const TTextMeasurer& M;
  const TFont& F;
  unsigned Format;
  int TabWidth;
};

std::vector<Line> LayOut(const TextLayout& layout, const QString& text, const TRect& rect, unsigned format) {
  std::vector<QString> paragraphs = (format & DT_SINGLELINE) ? std::vector<QString>{text} : SplitParagraphs(text);
  std::vector<Line> lines;
  for (const QString& raw : paragraphs) {
    Paragraph par = (format & DT_NOPREFIX) ? Paragraph{raw, -1} : StripPrefixes(raw);
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
      for (Line& l : layout.Wrap(par, rect.Width())) lines.push_back(std::move(l));
    } else {
      lines.push_back(Line{par.Text, par.Underline});
    }
  }
  if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
    for (Line& l : lines) layout.AddEllipsis(l, rect.Width());
  return lines;
}

}  // namespace

int DrawText(TCanvas& canvas, const QString& text, TRect& rect, unsigned format) {
  const TTextMeasurer& m = canvas.TextMeasurer();
  const TFont& font = canvas.Font();
  const TextLayout layout(m, font, format);
  std::vector<Line> lines = LayOut(layout, text, rect, format);
  const int lh = m.LineHeight(font);
  // Wrapped like an edit control, the last line that fits whole takes the
  // dots of the lines that do not.
  const bool ellipsis = format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
  if (ellipsis && (format & DT_EDITCONTROL) && (format & DT_WORDBREAK) && !(format & (DT_SINGLELINE | DT_CALCRECT)) &&
      lh > 0) {
    const size_t fit = size_t(std::max(1, rect.Height() / lh));
    if (lines.size() > fit) {
      lines.resize(fit);
      layout.ForceEllipsis(lines.back(), rect.Width());
    }
  }
  const int height = lh * int(lines.size());

  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& l : lines) widest = std::max(widest, layout.Width(l.Text));
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + height;
    return height;
  }

  // Vertical placement acts only on a single line.
  int top = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      top = rect.Top + (rect.Height() - lh) / 2;
    else if (format & DT_BOTTOM)
      top = rect.Bottom - lh;
  }
  const int result = (format & (DT_VCENTER | DT_BOTTOM)) ? top - rect.Top + height : height;

  QPainter* p = CanvasPainter(canvas);
  if (!p) return result;
  p->save();
  if (!(format & DT_NOCLIP)) p->setClipRect(rect.toQRect(), Qt::IntersectClip);
  const QColor colour = ToQColor(font.Color());
  const bool opaque = canvas.BkMode() == OPAQUE;
  for (size_t k = 0; k < lines.size(); ++k) {
    const int y = top + int(k) * lh;
    // An edit control shows no partly visible line after the first.
    if ((format & DT_EDITCONTROL) && k > 0 && y + lh > rect.Bottom) break;
    if (!(format & DT_NOCLIP) && y >= rect.Bottom) break;
    const Line& line = lines[k];
    const int w = layout.Width(line.Text);
    const int x = (format & DT_CENTER)  ? rect.Left + (rect.Width() - w) / 2
                  : (format & DT_RIGHT) ? rect.Right - w
                                        : rect.Left;
    // A rotated font turns each line counter-clockwise about its top-left corner.
    const bool rotated = font.Orientation() != 0;
    if (rotated) {
      p->save();
      p->translate(x, y);
      p->rotate(-font.Orientation() / 10.0);
    }
    const int ox = rotated ? 0 : x, oy = rotated ? 0 : y;
    if (opaque) p->fillRect(QRect(ox, oy, w, lh), ToQColor(canvas.Brush().Color));
    layout.Draw(*p, ox, oy, line.Text, colour);
    if (line.Underline >= 0 && !(format & DT_HIDEPREFIX)) {
      const int ux = ox + layout.Width(line.Text.left(line.Underline));
      const int uw = m.Width(font, line.Text.mid(line.Underline, 1));
      p->fillRect(QRect(ux, oy + m.Ascent(font) + 1, uw, 1), colour);
    }
    if (rotated) p->restore();
  }
  p->restore();
  return result;
}
