// Rich-text cells drawn, measured and read through the grid's hidden rich edit.
#pragma once

#include "grid/core/RichTextRenderer.h"

class TPlexStringGrid;

class TRichEditRenderer : public IRichTextRenderer {
public:
  explicit TRichEditRenderer(TPlexStringGrid* Grid) : FGrid(Grid) {}
  void Draw(TCanvas& Canvas, const QString& RichText, const TRect& Rect, bool Selected,
            TColor SelectedTextColor) override;
  TSize RequestedSize(TCanvas& Canvas, const QString& RichText, int Width, bool WordWrap) override;
  // Paragraphs end in a carriage return, as the cell's other plain texts.
  QString PlainText(const QString& RichText) override;

private:
  TPlexStringGrid* FGrid;
};
