// The inside of DrawHtmlText: tag recognition and attribute reading, and the
// engine object that carries one call's state over its lines and passes.
// Private to the mini-HTML unit.
#pragma once

#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"

#include <QString>
#include <QStringView>

#include <vector>

class THTMLPicture;

// ---- Markup reading ----

enum class THtmlTag {
  None,
  Bold,
  Break,
  Blink,
  Body,
  Anchor,
  Control,
  Error,
  Font,
  Highlight,
  Rule,
  Italic,
  Indent,
  Image,
  ListItem,
  Paragraph,
  Rotation,
  Strike,
  Shadow,
  Sub,
  Sup,
  Underline,
  List,
  Hidden,
};

// A tag as recognised from its first characters; Closing for "</...".
struct THtmlTagKind {
  THtmlTag Tag = THtmlTag::None;
  bool Closing = false;
};

// Recognises the tag that Text starts with ('<' at index 0).
THtmlTagKind RecogniseHtmlTag(QStringView Text);
bool StartsWithNoCase(QStringView Text, QStringView Prefix);
qsizetype IndexOfNoCase(QStringView Text, QStringView Pattern, qsizetype From = 0);
// The tag's attribute text from index From to its '>' (upper-cased when asked).
QString HtmlAttributeText(QStringView Tag, qsizetype From, bool Upper);
// True when Name occurs in the attribute text; Value is what stands between the
// first two double quotes after it (empty without both).
bool HtmlAttribute(const QString& Attributes, QStringView Name, QString& Value);
// A colour value: "#RRGGBB" or a colour name; clNone for an empty value.
TColor HtmlColorValue(const QString& Value);

// ---- Bounds ----

// The largest size a tag may give a picture or a form control, in pixels.
inline constexpr int HtmlMaxObjectSize = 1 << 20;
// Widths and heights summed over a line or a text stop at this bound, far
// below the integer range, so that no count of tags makes them wrap.
inline constexpr int HtmlMaxExtent = 1 << 30;
inline int HtmlExtentSum(int A, int B) {
  const long long sum = static_cast<long long>(A) + B;
  return static_cast<int>(sum > HtmlMaxExtent ? HtmlMaxExtent : sum < -HtmlMaxExtent ? -HtmlMaxExtent : sum);
}

// ---- The engine ----

// Metrics of one line: kept from its measuring pass for its second pass.
struct THtmlLineBox {
  int Height = 0;
  int Rise = 0;
  int Drop = 0;
  int TextOffset = 0;
  int Width = 0;
};

enum class THtmlAlign { Left, Right, Center };

class THtmlEngine {
public:
  THtmlEngine(TCanvas& Canvas, const TRect& Rect, const THtmlDrawParams& Params, THtmlDrawResults& Results);
  bool Run(const QString& Text);

private:
  enum class TPass { Measure, Paint, HitMeasure };
  // One pass over one line: the state PaintHtmlLine walks with.
  struct TLineWalk {
    TPass Pass = TPass::Measure;
    bool FirstPass = true;
    TRect R;
    QStringView Text;
    QString Consumed;
    QString RunsSoFar;
    int CurX = 0;
    int BaseBottom = 0;
    int TrailingBlank = 0;
    bool Ended = false;
    bool WrapPending = false;
    bool ItemOnLine = false;
    bool AnchorHit = false;
    bool ObjectHit = false;
    bool Progress = false;
    bool Measuring() const { return Pass != TPass::Paint; }
    // Only the measuring pass decides what fits: the line's second pass
    // walks exactly what it placed, in a rectangle an indent may have narrowed.
    bool Fitting() const { return Pass == TPass::Measure; }
    bool Painting() const { return Pass == TPass::Paint; }
  };
  // The state a line's second pass starts from, as its measuring pass found it.
  struct TLineStart {
    bool InLink;
    QString Href;
    QString Title;
    int AnchorCount;
    int ListLevel;
    int ImageCount;
    bool Shadow;
    bool Hidden;
  };

  static QString PrepareText(const QString& Text);
  void Start();
  void Finish();
  void RunLine(QStringView& Rest);
  TLineStart SaveLineStart() const;
  void RestoreLineStart(const TLineStart& S);
  TRect PlaceLine(const TRect& LineRect) const;
  QString PaintHtmlLine(QStringView& Text, const TRect& R, TPass Pass, bool FirstPass, TLineWalk& W);
  void NextRun(TLineWalk& W);
  void MeasureRun(TLineWalk& W, const QString& Shown, int& RunWidth);
  void PaintRun(TLineWalk& W, const QString& Shown, int& RunWidth);
  void HitTestRun(TLineWalk& W, int Before, int After);
  void DrawErrorUnderline(int Left, int Right, int BaseBottom);
  void NextTag(TLineWalk& W);
  void HandleTag(TLineWalk& W, QStringView Tag);
  void OpenTag(TLineWalk& W, THtmlTag Tag, QStringView Text);
  void CloseTag(TLineWalk& W, THtmlTag Tag, QStringView Text);
  void FontTag(TLineWalk& W, QStringView Text);
  void CloseFontTag(TLineWalk& W);
  void ParagraphTag(TLineWalk& W, QStringView Text);
  void BodyTag(TLineWalk& W, QStringView Text);
  void ListItemTag(TLineWalk& W);
  void IndentTag(TLineWalk& W, QStringView Text);
  void RotationTag(QStringView Text);
  void CloseRotationTag();
  void AnchorTag(TLineWalk& W, QStringView Text);
  void CloseAnchorTag(TLineWalk& W);
  void FocusPieceAtLineEnd(TLineWalk& W);
  void ImageTag(TLineWalk& W, QStringView Text);
  void ImageListPicture(TLineWalk& W, const QString& Name);
  void NamedPicture(TLineWalk& W, const QString& Name, int Width, int Height);
  void ControlTag(TLineWalk& W, QStringView Text);
  void PaintControl(TLineWalk& W, const QString& Type, const QString& Value, int Width);
  void PaintThemedPart(const QString& ClassList, int Part, int State, const TRect& Box);
  void ObjectHitAndFit(TLineWalk& W, bool Hit);
  bool PointOnObject(const TLineWalk& W) const;
  void BackgroundPicture(const QString& Name);
  THTMLPicture* FindNamedPicture(const QString& Name);
  int ScaleX(int Size) const;
  int ScaleY(int Size) const;
  void SetStyle(TFontStyle Style, bool On);
  void SetBackground(TColor Color);
  TColor Background() const;
  int GhHeight() const;
  int DrawRun(const QString& Shown, TRect& R, unsigned Format);

  TCanvas& C;
  const TRect Area;
  const THtmlDrawParams& P;
  THtmlDrawResults& R;
  bool Result = false;
  unsigned Format = 0;
  TFont BaseFont, MeasureFont, PaintFont;
  // Each pass carries its own stack of rotations with its font.
  std::vector<int> MeasureRotations, PaintRotations;
  std::vector<int>* Rotations = &MeasureRotations;
  TColor BaseBackground = clNone;
  TColor SavedPenColor = clBlack;
  int SavedPenWidth = 1;
  TBrush SavedBrush;
  bool Themed = false;
  THtmlLineBox Line;
  int LineNo = 0;
  int LineStartHeight = 0;
  // Text state carried from line to line.
  bool InLink = false, Hidden = false, Shadow = false, ErrorUnderline = false, ParaBackground = false;
  bool Sub = false, Sup = false;
  QString Href, Title;
  int AnchorCount = 0;
  bool AnchorHitPending = false;
  int AnchorStartX = 0, AnchorStartTop = 0, AnchorStartLine = -1;
  TRect FocusRect;
  int ListLevel = 0, ImageCount = 0, HitImageIndex = -1;
  // Size of the last picture or form control, and the face height of a push button.
  int ObjectWidth = 0, ObjectHeight = 0, ControlHeight = 25;
  THtmlAlign Align = THtmlAlign::Left;
  int Indent = 0;
  TColor SavedFontBackground = clNone, SavedParaBackground = clNone;
  TColor SavedHighlightColor = clBlack, SavedHighlightBackground = clNone;
  TColor SavedAnchorBackground = clNone, SavedAnchorColor = clBlack;
  bool AnchorSavedBackground = false, AnchorSavedColor = false;
};
