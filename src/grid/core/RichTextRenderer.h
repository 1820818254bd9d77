// What the grid needs of a rich-text engine to show and measure rich-text
// cells: draw into a rectangle, the size the text asks for, its plain text.
// The grid draws through its hidden rich edit; TPlainRichTextRenderer is a
// lighter stand-in that shows the plain text.
#pragma once

#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

class IRichTextRenderer {
public:
  virtual ~IRichTextRenderer() = default;
  // Draws the rich text into Rect (device pixels) of the canvas, clipped to it.
  virtual void Draw(TCanvas& Canvas, const QString& RichText, const TRect& Rect, bool Selected,
                    TColor SelectedTextColor) = 0;
  // The size the text asks for when laid out Width pixels wide (word wrap) or on unbroken lines.
  virtual TSize RequestedSize(TCanvas& Canvas, const QString& RichText, int Width, bool WordWrap) = 0;
  virtual QString PlainText(const QString& RichText) = 0;
};

// Stand-in: the control words and groups of the rich text are dropped and the
// remaining text is drawn in the canvas font.
class TPlainRichTextRenderer : public IRichTextRenderer {
public:
  void Draw(TCanvas& Canvas, const QString& RichText, const TRect& Rect, bool Selected,
            TColor SelectedTextColor) override;
  TSize RequestedSize(TCanvas& Canvas, const QString& RichText, int Width, bool WordWrap) override;
  QString PlainText(const QString& RichText) override;
};
