#include "grid/core/ControlLook.h"

#include "grid/core/PlexStringGrid.h"

namespace {
// Where a fixed-gradient colour goes on the grid, its default, and whether
// none is handed on too (the mirror colours) or leaves the grid's colour.
struct TFixedGradientEntry {
  TColor Default;
  bool AlwaysCopied;
  bool WrittenByInit;
};

constexpr std::array<TFixedGradientEntry, fgCount> FixedGradientTable{{
    {clNone, false, false},    // From
    {clNone, false, false},    // To
    {clNone, true, false},     // MirrorFrom
    {clNone, true, false},     // MirrorTo
    {0x808080, false, false},  // HoverFrom
    {0xFFFFFF, false, false},  // HoverTo
    {clNone, true, true},      // HoverMirrorFrom
    {clNone, true, true},      // HoverMirrorTo
    {0xC0C0C0, false, false},  // HoverBorder
    {0x808080, false, false},  // DownFrom
    {0xC0C0C0, false, false},  // DownTo
    {clNone, true, true},      // DownMirrorFrom
    {clNone, true, true},      // DownMirrorTo
    {0x808080, false, false},  // DownBorder
}};
}  // namespace

TControlLook::TControlLook(TPlexStringGrid* AGrid) : FGrid(AGrid) {
  for (auto& glyph : FGlyphs) glyph = std::make_unique<TBitmap>();
  Init();
  FDropDownHeader = std::make_unique<THeaderAppearance>();
  FDropDownFooter = std::make_unique<TFooterAppearance>();
}

TControlLook::~TControlLook() = default;

void TControlLook::Init() {
  SetColor(clBlack);
  SetCommentColor(clRed);
  ProgressBorderColor = 0x808080;
  for (int i = 0; i < fgCount; ++i) {
    const TFixedGradientEntry& entry = FixedGradientTable[size_t(i)];
    if (entry.WrittenByInit)
      SetFixedGradient(TFixedGradient(i), entry.Default);
    else
      FFixedGradient[size_t(i)] = entry.Default;
  }
}

void TControlLook::SetFixedGradient(TFixedGradient Which, TColor Value) {
  FFixedGradient[size_t(Which)] = Value;
  if (!FGrid || (Value == clNone && !FixedGradientTable[size_t(Which)].AlwaysCopied)) return;
  FGrid->SetFixedGradientColor(Which, Value == clNone ? clNone : ColorToRGB(Value));
}

void TControlLook::SetGlyph(int Index, const TBitmap& Value) {
  FGlyphs[size_t(Index)]->Assign(Value);
  Repaint();
}

void TControlLook::Repaint() {
  if (FGrid) FGrid->Invalidate();
}

void TControlLook::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TControlLook*>(Source);
  if (!s || s == this) return;
  FCheckSize = s->FCheckSize;
  FRadioSize = s->FRadioSize;
  FControlStyle = s->FControlStyle;
  for (size_t i = 0; i < FGlyphs.size(); ++i) FGlyphs[i]->Assign(*s->FGlyphs[i]);
  FProgressMarginX = s->FProgressMarginX;
  FProgressMarginY = s->FProgressMarginY;
  FCommentColor = s->FCommentColor;
  FColor = s->FColor;
  ProgressBorderColor = s->ProgressBorderColor;
  CheckAlwaysActive = s->CheckAlwaysActive;
  RadioAlwaysActive = s->RadioAlwaysActive;
  FFixedGradient = s->FFixedGradient;
  FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
  FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
  DropDownCount = s->DropDownCount;
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
  HintMaxWidth = s->HintMaxWidth;
}
