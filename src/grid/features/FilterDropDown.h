// The look of the header filter's drop-down list and of its header buttons.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Graphics.h"

#include <memory>

class TFilterDropDown : public TGridPersistent {
public:
  TFilterDropDown();
  ~TFilterDropDown() override;
  // Copies everything but AutoSize.
  void Assign(const TGridPersistent* Source) override;

  TFont& Font() { return *FFont; }
  void SetFont(const TFont& Value) { FFont->Assign(Value); }
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& Value);
  TBitmap& GlyphActive() { return *FGlyphActive; }
  void SetGlyphActive(const TBitmap& Value);

  int Width = 150;
  int Height = 150;
  bool AutoSize = false;
  bool ColumnWidth = false;
  TColor Color = clWindow;
  // Fired whenever either glyph changes.
  TNotifyEvent OnChange;

private:
  void GlyphChanged() {
    if (OnChange) OnChange(this);
  }
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TBitmap> FGlyph;
  std::unique_ptr<TBitmap> FGlyphActive;
};
