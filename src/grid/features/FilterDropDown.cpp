#include "grid/features/FilterDropDown.h"

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>()) {}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TFilterDropDown*>(Source);
  if (!s) return;
  Color = s->Color;
  ColumnWidth = s->ColumnWidth;
  FFont->Assign(*s->FFont);
  Height = s->Height;
  Width = s->Width;
  SetGlyph(*s->FGlyph);
  SetGlyphActive(*s->FGlyphActive);
}

void TFilterDropDown::SetGlyph(const TBitmap& Value) {
  FGlyph->Assign(Value);
  GlyphChanged();
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value) {
  FGlyphActive->Assign(Value);
  GlyphChanged();
}
