// The grid family's small text routines: searching, cutting, quoting, the
// line-break encodings of its file formats, the wide-text cell encoding, URL
// anchors and the clipboard's HTML wrapping. Positions are 1-based, 0 is
// "not found"; a routine taking a QString& changes the caller's text.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QString>

// The two characters that open a wide-encoded cell text.
inline const QString WideTextPrefix = QStringLiteral("|\\");

// Kinds of cell text returned by CellTextKind.
constexpr int ctkPlain = 0, ctkHtml = 1, ctkRichText = 2, ctkFormula = 3, ctkWide = 5;

QString DoubleQuoteChars(const QString& Text);
int UpperCasePos(const QString& Sub, const QString& Text);
int FindCharPos(QChar Ch, const QString& Text, int& Position);
int CharPos(QChar Ch, const QString& Text);
void CutTextTo(QString& Text, const QString& Delimiter, QString& Head);
QString ConcatStrings(const TStringList& List);
int FindTextPos(const QString& Sub, const QString& Text, int& Position);
// "R<row>C<column>" in either case; Cell gets X = column, Y = row.
bool ParseCellReference(const QString& Text, TPoint& Cell);
bool IsUrlText(const QString& Text);
void StripUrlPrefix(QString& Text);
int CellTextKind(const QString& Text, bool DetectHtml);
QString CrToHtmlBreak(const QString& Text);
// Six upper-case hex digits: red, green, blue.
QString ColorToHexText(TColor Color);
QString EscapedNToCr(const QString& Text);
QString CrToEscapedN(const QString& Text);
void FillTextChars(QString& Text, QChar Ch);
// Text whose characters are the OEM bytes read as ANSI, and back.
void TextToOem(QString& Text);
void OemToText(QString& Text);
QString CollapseDoubledChar(QChar Ch, const QString& Text);
void QuoteMultilineText(QString& Text);
void CrLfToLf(QString& Text);
void VtToCrLf(QString& Text);
void CrToTilde(QString& Text);
void TildeToCrLf(QString& Text);
QString EncodeLineBreaks(const QString& Text);
QString DecodeLineBreaks(const QString& Text, bool Multiline);
void CutFirstLine(QString& Text, bool KeepRest, QString& Line);
int CountLines(const QString& Text, bool Multiline);
int FindClosingQuote(QChar Quote, const QString& Text, int& Position);
int CountClosingQuotes(QChar Quote, const QString& Text);
int CountChar(QChar Ch, const QString& Text);
QString StripCr(const QString& Text);
QString CrToLf(const QString& Text);
bool IsWordBreakChar(QChar Ch);
QString ToProperCase(const QString& Text);
QString DecodeWideText(const QString& Text);
QString EncodeWideText(const QString& WideText);
int WidePos(const QString& Sub, const QString& Text);
// Prefix in upper case, such as "HTTP://".
bool MakeUrlAnchor(const QString& Text, const QString& Prefix, QString& Destination);
void WrapClipboardHtml(QString& Fragment);
