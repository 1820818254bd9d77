#include "platform/RichText.h"

#include <algorithm>
#include <climits>
#include <map>

namespace {
// Code page 1252 at 0x80 to 0x9F; the rest of the page is Latin-1. Holes map to themselves.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar FromCp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? QChar(Cp1252High[b - 0x80]) : QChar(b); }

// Destinations whose text is no part of the document.
bool IsSkippedDestination(const QByteArray& Word) {
  static const char* const Skipped[] = {"stylesheet",   "info",
                                        "pict",         "object",
                                        "header",       "headerl",
                                        "headerr",      "headerf",
                                        "footer",       "footerl",
                                        "footerr",      "footerf",
                                        "footnote",     "fldinst",
                                        "listtable",    "listoverridetable",
                                        "rsidtbl",      "xmlnstbl",
                                        "filetbl",      "revtbl",
                                        "themedata",    "colorschememapping",
                                        "latentstyles", "datastore",
                                        "generator",    "nonshppict",
                                        "annotation"};
  return std::any_of(std::begin(Skipped), std::end(Skipped), [&](const char* s) { return Word == s; });
}

// Words that stand for one character.
QChar SymbolWord(const QByteArray& Word) {
  static const std::pair<const char*, char16_t> Symbols[] = {
      {"tab", u'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},
      {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
      {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005}};
  for (const auto& [name, ch] : Symbols)
    if (Word == name) return QChar(ch);
  return QChar();
}

enum class TDestination { Text, FontTable, ColorTable, Skipped };

struct TGroupState {
  TRichFormat Format;
  int FontNumber = -1;
  int ColorIndex = 0;
  int UnicodeSkip = 1;
  TDestination Destination = TDestination::Text;
};

class TRichTextReader {
public:
  explicit TRichTextReader(const QByteArray& Stream) : FIn(Stream) {}
  TRichDocument Read();

private:
  void ControlWord(const QByteArray& Word, bool HasParam, int Param);
  void ControlSymbol(char Symbol);
  void Character(QChar Ch);
  void EndGroup();
  // True when a character after \uN is still to be dropped.
  bool SkipsFallback();
  const QByteArray& FIn;
  qsizetype FPos = 0;
  TRichDocument FDoc;
  TGroupState FState;
  std::vector<TGroupState> FStack;
  int FPendingSkip = 0;
  int FDefaultFont = -1;
  std::map<int, QString> FFonts;
  QString FFontName;
  std::vector<TColor> FColors;
  int FRed = -1, FGreen = -1, FBlue = -1;
};

TRichDocument TRichTextReader::Read() {
  FDoc.Paragraphs.assign(1, TRichParagraph{});
  const qsizetype n = FIn.size();
  while (FPos < n) {
    const char c = FIn[FPos++];
    if (c == '{') {
      FStack.push_back(FState);
      FPendingSkip = 0;
    } else if (c == '}') {
      EndGroup();
    } else if (c == '\\') {
      if (FPos >= n) break;
      const char next = FIn[FPos];
      if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')) {
        const qsizetype start = FPos;
        while (FPos < n && FPos - start < 32 &&
               ((FIn[FPos] >= 'a' && FIn[FPos] <= 'z') || (FIn[FPos] >= 'A' && FIn[FPos] <= 'Z')))
          ++FPos;
        const QByteArray word = FIn.mid(start, FPos - start);
        bool negative = false, hasParam = false;
        long long param = 0;
        if (FPos < n && FIn[FPos] == '-') {
          negative = true;
          ++FPos;
        }
        while (FPos < n && FIn[FPos] >= '0' && FIn[FPos] <= '9') {
          hasParam = true;
          param = std::min<long long>(param * 10 + (FIn[FPos] - '0'), INT_MAX);
          ++FPos;
        }
        if (FPos < n && FIn[FPos] == ' ') ++FPos;
        ControlWord(word, hasParam, int(negative ? -param : param));
      } else {
        ++FPos;
        ControlSymbol(next);
      }
    } else if (c != '\r' && c != '\n' && c != '\0') {
      if (!SkipsFallback()) Character(FromCp1252(static_cast<unsigned char>(c)));
    }
  }
  if (FDoc.Paragraphs.size() > 1 && FDoc.Paragraphs.back().empty()) FDoc.Paragraphs.pop_back();
  FDoc.Normalize();
  return std::move(FDoc);
}

bool TRichTextReader::SkipsFallback() {
  if (FPendingSkip <= 0) return false;
  --FPendingSkip;
  return true;
}

void TRichTextReader::EndGroup() {
  if (FState.Destination == TDestination::FontTable && FState.FontNumber >= 0 && !FFontName.trimmed().isEmpty()) {
    FFonts[FState.FontNumber] = FFontName.trimmed();
    FFontName.clear();
  }
  if (FStack.empty()) return;
  if (FState.Destination == TDestination::FontTable) FFontName.clear();
  FState = FStack.back();
  FStack.pop_back();
  FPendingSkip = 0;
}

void TRichTextReader::ControlSymbol(char Symbol) {
  switch (Symbol) {
    case '*':
      // The group holds an optional destination, none of which is read.
      FState.Destination = TDestination::Skipped;
      return;
    case '\'': {
      int value = 0, digits = 0;
      while (digits < 2 && FPos < FIn.size()) {
        const char h = FIn[FPos];
        const int d = h >= '0' && h <= '9'   ? h - '0'
                      : h >= 'a' && h <= 'f' ? h - 'a' + 10
                      : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                             : -1;
        if (d < 0) break;
        value = value * 16 + d;
        ++digits;
        ++FPos;
      }
      if (!SkipsFallback() && digits > 0) Character(FromCp1252(static_cast<unsigned char>(value)));
      return;
    }
    case '\\':
    case '{':
    case '}':
      if (!SkipsFallback()) Character(QChar(Symbol));
      return;
    case '~':
      if (!SkipsFallback()) Character(QChar(0x00A0));
      return;
    case '_':
      if (!SkipsFallback()) Character(QChar(0x2011));
      return;
    case '\r':
    case '\n': ControlWord("par", false, 0); return;
    default: SkipsFallback(); return;
  }
}

void TRichTextReader::ControlWord(const QByteArray& Word, bool HasParam, int Param) {
  TRichFormat& f = FState.Format;
  const bool on = !HasParam || Param != 0;
  if (Word == "bin") {
    FPos = std::min<qsizetype>(FIn.size(), FPos + std::max(0, Param));
    return;
  }
  if (FState.Destination == TDestination::Skipped) return;
  if (FState.Destination == TDestination::ColorTable) {
    const int v = std::clamp(Param, 0, 255);
    if (Word == "red") FRed = v;
    if (Word == "green") FGreen = v;
    if (Word == "blue") FBlue = v;
    return;
  }
  if (FState.Destination == TDestination::FontTable) {
    if (Word == "f") {
      FState.FontNumber = Param;
    } else if (Word == "u") {
      Character(QChar(char16_t(Param < 0 ? Param + 65536 : Param)));
      FPendingSkip = FState.UnicodeSkip;
    } else if (IsSkippedDestination(Word) || Word == "panose" || Word == "falt")
      FState.Destination = TDestination::Skipped;
    return;
  }
  if (FPendingSkip > 0 && Word != "u") {
    --FPendingSkip;
    return;
  }
  if (Word == "par" || Word == "line" || Word == "sect" || Word == "page") {
    FDoc.Paragraphs.emplace_back();
  } else if (Word == "u") {
    FPendingSkip = 0;
    Character(QChar(char16_t(Param < 0 ? Param + 65536 : Param)));
    FPendingSkip = FState.UnicodeSkip;
  } else if (Word == "uc") {
    FState.UnicodeSkip = std::clamp(Param, 0, 16);
  } else if (Word == "plain") {
    f = TRichFormat{};
    FState.FontNumber = -1;
    FState.ColorIndex = 0;
  } else if (Word == "b") {
    f.Bold = on;
  } else if (Word == "i") {
    f.Italic = on;
  } else if (Word == "ul" || Word == "uld" || Word == "uldb" || Word == "ulw" || Word == "ulth" || Word == "uldash") {
    f.Underline = on;
  } else if (Word == "ulnone") {
    f.Underline = false;
  } else if (Word == "fs") {
    f.SizeHalfPoints = HasParam ? std::clamp(Param, 0, 3276) : 0;
  } else if (Word == "f") {
    FState.FontNumber = Param;
  } else if (Word == "deff") {
    FDefaultFont = Param;
  } else if (Word == "cf") {
    FState.ColorIndex = Param;
  } else if (Word == "up") {
    f.OffsetTwips = (HasParam ? std::clamp(Param, 0, 3276) : 6) * 10;
  } else if (Word == "dn") {
    f.OffsetTwips = -(HasParam ? std::clamp(Param, 0, 3276) : 6) * 10;
  } else if (Word == "super") {
    f.OffsetTwips = RichSuperscriptOffset;
  } else if (Word == "sub") {
    f.OffsetTwips = RichSubscriptOffset;
  } else if (Word == "nosupersub") {
    f.OffsetTwips = 0;
  } else if (Word == "fonttbl") {
    FState.Destination = TDestination::FontTable;
    FFontName.clear();
  } else if (Word == "colortbl") {
    FState.Destination = TDestination::ColorTable;
    FColors.clear();
    FRed = FGreen = FBlue = -1;
  } else if (IsSkippedDestination(Word)) {
    FState.Destination = TDestination::Skipped;
  } else if (const QChar symbol = SymbolWord(Word); !symbol.isNull()) {
    Character(symbol);
  }
}

void TRichTextReader::Character(QChar Ch) {
  switch (FState.Destination) {
    case TDestination::Skipped: return;
    case TDestination::FontTable:
      if (Ch == ';') {
        if (FState.FontNumber >= 0) FFonts[FState.FontNumber] = FFontName.trimmed();
        FFontName.clear();
      } else if (Ch.unicode() >= 0x20) {
        FFontName += Ch;
      }
      return;
    case TDestination::ColorTable:
      if (Ch == ';') {
        FColors.push_back(FRed < 0 && FGreen < 0 && FBlue < 0
                              ? clNone
                              : RGBColor(std::max(FRed, 0), std::max(FGreen, 0), std::max(FBlue, 0)));
        FRed = FGreen = FBlue = -1;
      }
      return;
    case TDestination::Text: break;
  }
  TRichFormat format = FState.Format;
  const int font = FState.FontNumber >= 0 ? FState.FontNumber : FDefaultFont;
  const auto named = FFonts.find(font);
  format.FontName = named == FFonts.end() ? QString() : named->second;
  const int colour = FState.ColorIndex;
  format.Color = colour > 0 && size_t(colour) < FColors.size() ? FColors[size_t(colour)] : clNone;
  TRichParagraph& paragraph = FDoc.Paragraphs.back();
  if (paragraph.empty() || !(paragraph.back().Format == format)) paragraph.push_back(TRichRun{QString(), format});
  paragraph.back().Text += Ch;
}

void AppendText(QByteArray& Out, const QString& Text) {
  for (const QChar ch : Text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      Out += '\\';
      Out += char(u);
    } else if (u == '\t') {
      Out += "\\tab ";
    } else if (u >= 0x20 && u < 0x7F) {
      Out += char(u);
    } else {
      Out += "\\u" + QByteArray::number(int(int16_t(u))) + "?";
    }
  }
}
}  // namespace

void TRichDocument::Normalize() {
  if (Paragraphs.empty()) Paragraphs.emplace_back();
  for (TRichParagraph& p : Paragraphs) {
    TRichParagraph merged;
    for (TRichRun& run : p) {
      if (run.Text.isEmpty()) continue;
      if (!merged.empty() && merged.back().Format == run.Format)
        merged.back().Text += run.Text;
      else
        merged.push_back(std::move(run));
    }
    p = std::move(merged);
  }
}

QString TRichDocument::PlainText(const QString& LineBreak) const {
  QString out;
  for (size_t i = 0; i < Paragraphs.size(); ++i) {
    if (i > 0) out += LineBreak;
    for (const TRichRun& run : Paragraphs[i]) out += run.Text;
  }
  return out;
}

bool IsRichTextStream(const QByteArray& Stream) { return Stream.startsWith("{\\rtf"); }

TRichDocument ReadRichText(const QByteArray& Stream) { return TRichTextReader(Stream).Read(); }

QByteArray WriteRichText(const TRichDocument& Document) {
  std::vector<QString> fonts{QString()};
  std::vector<TColor> colours;
  auto fontIndex = [&fonts](const QString& name) {
    auto it = std::find(fonts.begin(), fonts.end(), name);
    if (it == fonts.end()) it = fonts.insert(fonts.end(), name);
    return int(it - fonts.begin());
  };
  auto colourIndex = [&colours](TColor c) {
    if (c == clNone) return 0;
    auto it = std::find(colours.begin(), colours.end(), c);
    if (it == colours.end()) it = colours.insert(colours.end(), c);
    return int(it - colours.begin()) + 1;
  };
  QByteArray body;
  for (const TRichParagraph& p : Document.Paragraphs) {
    for (const TRichRun& run : p) {
      const TRichFormat& f = run.Format;
      body += "\\plain";
      if (const int font = fontIndex(f.FontName); font > 0) body += "\\f" + QByteArray::number(font);
      if (f.SizeHalfPoints > 0) body += "\\fs" + QByteArray::number(f.SizeHalfPoints);
      if (f.Bold) body += "\\b";
      if (f.Italic) body += "\\i";
      if (f.Underline) body += "\\ul";
      if (const int colour = colourIndex(f.Color); colour > 0) body += "\\cf" + QByteArray::number(colour);
      // Offsets are kept in half points, as the stream counts them.
      const int halfPoints = (std::abs(f.OffsetTwips) + 5) / 10;
      if (f.OffsetTwips > 0) body += "\\up" + QByteArray::number(halfPoints);
      if (f.OffsetTwips < 0) body += "\\dn" + QByteArray::number(halfPoints);
      body += ' ';
      AppendText(body, run.Text);
    }
    body += "\\par\n";
  }
  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
  for (size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + QByteArray::number(qsizetype(i)) + "\\fnil ";
    AppendText(out, fonts[i]);
    out += ";}";
  }
  out += "}\n{\\colortbl ;";
  for (TColor c : colours)
    out += "\\red" + QByteArray::number(GetRValue(c)) + "\\green" + QByteArray::number(GetGValue(c)) + "\\blue" +
           QByteArray::number(GetBValue(c)) + ";";
  out += "}\n" + body + "}";
  return out;
}
