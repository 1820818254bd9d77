// The mini-HTML engine of cell texts, hints, headers and footers: the readers
// of the markup's numbers and colours, DrawHtmlText (paint, measure or hit-test
// markup on a canvas) and the text utilities that give the plain text of a
// markup for sorting, filtering and searching. Positions are 1-based, 0 is
// "not found"; letter case folds with the ASCII rule unless a function says
// otherwise. Malformed markup is never an error: it shows as far as it parses.
#pragma once

#include "platform/BiDi.h"
#include "platform/Types.h"

#include <QString>

class TCanvas;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;
class TWinControl;

// ---- Markup values ----

// The colour of a colour name ("clRed", "clHighlight" ...), compared after
// lower-casing; 0 for a name the table does not hold.
TColor ColorFromName(const QString& Name);
// "#RRGGBB" as a colour value (the digits read by HexByteValue).
TColor ColorFromHex(const QString& Text);
// Two hexadecimal digits (upper case) as a byte; a shorter text gives 0.
int HexByteValue(const QString& Text);
// The leading integer: blanks, a sign, decimal digits or hexadecimal ones
// after "$", "x" or "0x"; 0 when there are no digits.
int LeadingIntValue(const QString& Text);
// The same number, but nothing may follow the digits; false when something does.
bool StrictIntValue(const QString& Text, int& Value);

// ---- Painting, measuring and hit-testing ----

// What DrawHtmlText is asked to do (its inputs, in the order callers know them).
struct THtmlDrawParams {
  TImageList* Images = nullptr;
  int HitX = -1;
  int HitY = -1;
  int FocusAnchor = -1;  // 0-based; -1 for none
  int HoverAnchor = -1;  // 1-based; -1 or 0 for none
  int ShadowOffset = 1;
  bool HitTestOnly = false;
  bool MeasureOnly = false;
  bool Printing = false;
  bool Selected = false;
  bool BlinkOn = true;
  bool UnderlineOnHover = false;
  bool WordWrap = false;
  bool ControlDown = false;
  double PrintScale = 1.0;
  TColor AnchorColor = clBlue;
  TColor HoverColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  QString ControlId;  // in HitTestOnly calls: the form control looked for
  THTMLPictureCache* PictureCache = nullptr;
  TPictureContainer* Pictures = nullptr;
  TWinControl* WindowHandle = nullptr;
  TBiDiMode BiDiMode = bdLeftToRight;
};

// What DrawHtmlText found. HitAnchorHref and HoverRect keep the caller's
// values when nothing is hit; everything else is written by every call.
struct THtmlDrawResults {
  QString HitAnchorHref;
  QString PlainText;
  QString FocusAnchorHref;
  QString HitAnchorTitle;
  int ContentWidth = 0;
  int ContentHeight = 0;
  int AnchorCount = 0;
  int HitAnchorIndex = -1;
  TRect HoverRect;
  TRect ControlRect;
  QString ControlId;
  QString ControlValue;
  QString ControlType;
};

// Lays Text out in Rect line by line and paints it, measures it only
// (MeasureOnly) or tests what lies under (HitX, HitY) (HitTestOnly). True when
// the point lies on an anchor's text, a form control or a linked picture.
// The canvas keeps its pen colour and width, brush and font.
bool DrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& Rect, const THtmlDrawParams& Params,
                  THtmlDrawResults& Results);

// Background and text colour of the highlight tag, for every later call.
void SetHtmlHighlightColors(TColor Background, TColor Text);
TColor HtmlHighlightBackground();
TColor HtmlHighlightText();
// Run once at unit start: notes that the desktop can draw visual styles.
void InitHtmlEngine();
// A DrawText format adjusted for the reading order under a right-to-left locale.
unsigned BiDiTextFlags(unsigned Format, TBiDiMode BiDiMode);

// ---- Text utilities ----

QString HtmlDecode(const QString& Text, bool WithAccents);
QString HtmlEncode(const QString& Text, bool WithAccents);
QString SpacesToNbsp(const QString& Text);
// The text without tags; line-break and rule tags become CR LF.
QString StripHtmlTags(const QString& Text);
// Every occurrence of Search in the plain text wrapped in <Tag>...</Tag>.
QString HighlightHtmlText(const QString& Markup, const QString& Search, const QString& Tag, bool CaseSensitive);
QString UnhighlightHtmlText(const QString& Markup, const QString& Tag);
// The text outside tags, as highlighting sees it.
QString HtmlPlainText(const QString& Markup);
// Where in the markup the n-th plain character starts (before the tags that
// precede it); past the plain text: the position after the end.
int PlainToHtmlPosition(const QString& Markup, int N);
// Position of Search in Text after skipping Offset characters (the case
// folded with the locale's rule unless CaseSensitive); also left in Position.
int FindTextFrom(const QString& Search, const QString& Text, int Offset, bool CaseSensitive, int& Position);
int FindTextFrom(const QString& Search, const QString& Text, int Offset, bool CaseSensitive);
int PosIgnoreCase(const QString& Pattern, const QString& Text);
bool ReplaceFirstIgnoreCase(const QString& Pattern, const QString& Replacement, QString& Text);
int PosAndStore(const QString& Pattern, const QString& Text, int& Position);
// Pattern given in upper case, searched in the upper-cased text.
int PosInUpper(const QString& Pattern, const QString& Text, int& Position);

// One character and its HTML entity name; the table's order is the order of conversion.
struct THtmlEntity {
  char16_t Char;
  const char* Name;
};
inline constexpr int HtmlEntityCount = 55;
extern const THtmlEntity EntityTable[HtmlEntityCount];
