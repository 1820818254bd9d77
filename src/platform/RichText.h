// Formatted text as the rich edit exchanges it: paragraphs of runs, each run
// one character format, and the rich-text stream format (a subset) both ways.
// The writer emits 7-bit streams only, so a stream survives any code page.
#pragma once

#include "platform/Types.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The character offset of sub- and superscript, in twips.
constexpr int RichSubscriptOffset = -40;
constexpr int RichSuperscriptOffset = 40;

struct TRichFormat {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  // Empty: the control's own face.
  QString FontName;
  // In half points; 0: the control's own size.
  int SizeHalfPoints = 0;
  // clNone: the control's text colour.
  TColor Color = clNone;
  // Baseline offset in twips: positive raises, negative lowers.
  int OffsetTwips = 0;
  bool operator==(const TRichFormat&) const = default;
};

struct TRichRun {
  QString Text;
  TRichFormat Format;
  bool operator==(const TRichRun&) const = default;
};

using TRichParagraph = std::vector<TRichRun>;

struct TRichDocument {
  // At least one paragraph; a paragraph without runs is an empty line.
  std::vector<TRichParagraph> Paragraphs{TRichParagraph{}};
  // Adjacent runs of one format merged, empty runs dropped.
  void Normalize();
  QString PlainText(const QString& LineBreak) const;
  bool operator==(const TRichDocument&) const = default;
};

// True when the stream starts as a rich-text stream ("{\rtf").
bool IsRichTextStream(const QByteArray& Stream);
// Reads a rich-text stream: paragraphs, bold, italic, underline, font face and
// size, colours, baseline offsets; \uN with \ucN and \'hh (as code page 1252).
// Unknown control words and {\*...} groups are skipped; malformed input gives
// what was read up to the fault.
TRichDocument ReadRichText(const QByteArray& Stream);
// Writes the document as a 7-bit stream; other characters as \uN? escapes.
QByteArray WriteRichText(const TRichDocument& Document);
