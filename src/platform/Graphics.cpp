// Fonts and the text measurers.
#include "platform/Graphics.h"

#include "platform/Property.h"
#include "platform/internal/FontSubstitutes.h"
#include "platform/internal/Painting.h"

#include <QFontMetrics>

#include <cmath>
#include <vector>

// ---- TFont ----

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::SetName(const QString& v) {
  SetProperty(FName, v, [&] { Changed(); });
}

void TFont::SetSize(int v) {
  if (v == FSize && FHeight == 0) return;
  FSize = v;
  FHeight = 0;
  Changed();
}

int TFont::Height() const {
  if (FHeight != 0) return FHeight;
  return -int(std::lround(double(FSize) * ScreenPixelsPerInch / 72.0));
}

void TFont::SetHeight(int v) {
  if (v == Height()) return;
  FHeight = v;
  FSize = int(std::lround(double(std::abs(v)) * 72.0 / ScreenPixelsPerInch));
  Changed();
}

void TFont::SetColor(TColor v) {
  SetProperty(FColor, v, [&] { Changed(); });
}

void TFont::SetStyle(TFontStyles v) {
  SetProperty(FStyle, v, [&] { Changed(); });
}

void TFont::SetOrientation(int v) {
  SetProperty(FOrientation, v, [&] { Changed(); });
}

void TFont::Assign(const TFont& other) {
  if (&other == this || other == *this) return;
  FName = other.FName;
  FSize = other.FSize;
  FHeight = other.FHeight;
  FColor = other.FColor;
  FStyle = other.FStyle;
  FOrientation = other.FOrientation;
  Changed();
}

bool TFont::operator==(const TFont& o) const {
  return FName == o.FName && FSize == o.FSize && FHeight == o.FHeight && FColor == o.FColor && FStyle == o.FStyle &&
         FOrientation == o.FOrientation;
}

QFont ToQFont(const TFont& font) {
  QFont f(SubstituteFamily(font.Name()));
  const int h = font.Height();
  if (h > 0) {
    // A positive height is the whole cell (with internal leading): scale the em to it.
    QFont probe(f);
    probe.setPixelSize(100);
    QFontMetrics fm(probe);
    f.setPixelSize(std::max(1, int(std::lround(100.0 * h / std::max(1, fm.ascent() + fm.descent())))));
  } else {
    f.setPixelSize(std::max(1, -h));
  }
  f.setBold(font.Style().Contains(fsBold));
  f.setItalic(font.Style().Contains(fsItalic));
  f.setUnderline(font.Style().Contains(fsUnderline));
  f.setStrikeOut(font.Style().Contains(fsStrikeOut));
  return f;
}

// ---- Text measurers ----

namespace {

// Measuring shapes the text anew at every call, and the painters measure the
// same short texts in the same few fonts again and again (a run is measured,
// placed and drawn), so the last fonts keep their metrics and the widths
// they measured.
class TFontTextMeasurer : public TTextMeasurer {
public:
  int Width(const TFont& font, const QString& text) const override {
    Entry& e = For(font);
    if (auto it = e.Widths.constFind(text); it != e.Widths.constEnd()) return *it;
    const int w = e.Metrics.horizontalAdvance(text);
    if (e.Widths.size() >= kMaxWidths) e.Widths.clear();
    e.Widths.insert(text, w);
    return w;
  }
  int LineHeight(const TFont& font) const override { return For(font).Metrics.height(); }
  int Ascent(const TFont& font) const override { return For(font).Metrics.ascent(); }
  int AverageCharWidth(const TFont& font) const override { return std::max(1, For(font).Metrics.averageCharWidth()); }
  void Draw(QPainter& p, const TFont& font, int x, int y, const QString& text, const QColor& colour) const override {
    const Entry& e = For(font);
    p.setFont(e.Font);
    p.setPen(colour);
    p.drawText(QPoint(x, y + e.Metrics.ascent()), text);
  }

private:
  static constexpr int kMaxFonts = 8;
  static constexpr qsizetype kMaxWidths = 512;
  struct Entry {
    QString Name;
    int Height;
    TFontStyles Style;
    QFont Font;
    QFontMetrics Metrics;
    QHash<QString, int> Widths;
  };
  // The entry of a font (colour and orientation do not change its metrics);
  // the oldest entry makes room for a new font.
  Entry& For(const TFont& font) const {
    for (Entry& e : FEntries)
      if (e.Height == font.Height() && e.Style == font.Style() && e.Name == font.Name()) return e;
    if (int(FEntries.size()) >= kMaxFonts) FEntries.erase(FEntries.begin());
    const QFont f = ToQFont(font);
    FEntries.push_back(Entry{font.Name(), font.Height(), font.Style(), f, QFontMetrics(f), {}});
    return FEntries.back();
  }
  mutable std::vector<Entry> FEntries;
};

// Each character is a 7 x 13 cell; a visible character is a 5 x 9 block in it,
// so tests can tell from pixels where every character went.
class TFixedTextMeasurer : public TTextMeasurer {
public:
  int Width(const TFont&, const QString& text) const override { return FixedCharWidth * int(text.size()); }
  int LineHeight(const TFont&) const override { return FixedCharHeight; }
  int Ascent(const TFont&) const override { return 10; }
  int AverageCharWidth(const TFont&) const override { return FixedCharWidth; }
  void Draw(QPainter& p, const TFont& font, int x, int y, const QString& text, const QColor& colour) const override {
    for (qsizetype i = 0; i < text.size(); ++i)
      if (!text[i].isSpace()) p.fillRect(QRect(x + FixedCharWidth * int(i) + 1, y + 2, 5, 9), colour);
    const int w = Width(font, text);
    if (font.Style().Contains(fsUnderline)) p.fillRect(QRect(x, y + 11, w, 1), colour);
    if (font.Style().Contains(fsStrikeOut)) p.fillRect(QRect(x, y + 6, w, 1), colour);
  }
};

const TTextMeasurer* gDefaultMeasurer = nullptr;

}  // namespace

const TTextMeasurer& TTextMeasurer::FontMetrics() {
  static const TFontTextMeasurer measurer;
  return measurer;
}

const TTextMeasurer& TTextMeasurer::Fixed() {
  static const TFixedTextMeasurer measurer;
  return measurer;
}

void SetDefaultTextMeasurer(const TTextMeasurer* measurer) { gDefaultMeasurer = measurer; }

const TTextMeasurer& DefaultTextMeasurer() {
  return gDefaultMeasurer ? *gDefaultMeasurer : TTextMeasurer::FontMetrics();
}
