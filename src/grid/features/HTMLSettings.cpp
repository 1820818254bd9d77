#include "grid/features/HTMLSettings.h"

void THTMLSettings::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const THTMLSettings*>(Source);
  if (!s) return;
  BorderSize = s->BorderSize;
  CellSpacing = s->CellSpacing;
  CellPadding = s->CellPadding;
  SaveColor = s->SaveColor;
  SaveFonts = s->SaveFonts;
  FooterFile = s->FooterFile;
  HeaderFile = s->HeaderFile;
  TableStyle = s->TableStyle;
  PrefixTag = s->PrefixTag;
  SuffixTag = s->SuffixTag;
  Summary = s->Summary;
  Width = s->Width;
  XHTML = s->XHTML;
  ConvertSpecialChars = s->ConvertSpecialChars;
  AutoPreview = s->AutoPreview;
  NonBreakingText = s->NonBreakingText;
}
