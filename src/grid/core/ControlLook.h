// How the grid draws its in-cell controls (check boxes, radios, buttons,
// progress bars), the looks of its drop-down bars, and the streamed way to
// set the fixed cells' gradient colours, which it hands on to the grid.
#pragma once

#include "grid/core/FooterAppearance.h"
#include "grid/core/HeaderAppearance.h"
#include "grid/foundation/GridPersistent.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <array>
#include <memory>

class TPlexStringGrid;

enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csOrv, csGlyph, csTheme };

// The fixed-cell gradient colours, in the order of their table.
enum TFixedGradient {
  fgFrom,
  fgTo,
  fgMirrorFrom,
  fgMirrorTo,
  fgHoverFrom,
  fgHoverTo,
  fgHoverMirrorFrom,
  fgHoverMirrorTo,
  fgHoverBorder,
  fgDownFrom,
  fgDownTo,
  fgDownMirrorFrom,
  fgDownMirrorTo,
  fgDownBorder,
  fgCount
};

class TControlLook : public TGridPersistent {
public:
  explicit TControlLook(TPlexStringGrid* AGrid = nullptr);
  ~TControlLook() override;
  // Copies the look's values as they stand: the grid hears nothing, and the
  // switches that belong to one grid's painting stay.
  void Assign(const TGridPersistent* Source) override;
  // The defaults of the colours; the mirror colours through their writes.
  void Init();

  TColor FixedGradient(TFixedGradient Which) const { return FFixedGradient[size_t(Which)]; }
  // Stores; the grid's matching colour follows (resolved to RGB) for a value
  // other than none, and always for the mirror colours.
  void SetFixedGradient(TFixedGradient Which, TColor Value);
  TColor FixedGradientFrom() const { return FixedGradient(fgFrom); }
  void SetFixedGradientFrom(TColor Value) { SetFixedGradient(fgFrom, Value); }
  TColor FixedGradientTo() const { return FixedGradient(fgTo); }
  void SetFixedGradientTo(TColor Value) { SetFixedGradient(fgTo, Value); }
  TColor FixedGradientMirrorFrom() const { return FixedGradient(fgMirrorFrom); }
  void SetFixedGradientMirrorFrom(TColor Value) { SetFixedGradient(fgMirrorFrom, Value); }
  TColor FixedGradientMirrorTo() const { return FixedGradient(fgMirrorTo); }
  void SetFixedGradientMirrorTo(TColor Value) { SetFixedGradient(fgMirrorTo, Value); }
  TColor FixedGradientHoverFrom() const { return FixedGradient(fgHoverFrom); }
  void SetFixedGradientHoverFrom(TColor Value) { SetFixedGradient(fgHoverFrom, Value); }
  TColor FixedGradientHoverTo() const { return FixedGradient(fgHoverTo); }
  void SetFixedGradientHoverTo(TColor Value) { SetFixedGradient(fgHoverTo, Value); }
  TColor FixedGradientHoverMirrorFrom() const { return FixedGradient(fgHoverMirrorFrom); }
  void SetFixedGradientHoverMirrorFrom(TColor Value) { SetFixedGradient(fgHoverMirrorFrom, Value); }
  TColor FixedGradientHoverMirrorTo() const { return FixedGradient(fgHoverMirrorTo); }
  void SetFixedGradientHoverMirrorTo(TColor Value) { SetFixedGradient(fgHoverMirrorTo, Value); }
  TColor FixedGradientHoverBorder() const { return FixedGradient(fgHoverBorder); }
  void SetFixedGradientHoverBorder(TColor Value) { SetFixedGradient(fgHoverBorder, Value); }
  TColor FixedGradientDownFrom() const { return FixedGradient(fgDownFrom); }
  void SetFixedGradientDownFrom(TColor Value) { SetFixedGradient(fgDownFrom, Value); }
  TColor FixedGradientDownTo() const { return FixedGradient(fgDownTo); }
  void SetFixedGradientDownTo(TColor Value) { SetFixedGradient(fgDownTo, Value); }
  TColor FixedGradientDownMirrorFrom() const { return FixedGradient(fgDownMirrorFrom); }
  void SetFixedGradientDownMirrorFrom(TColor Value) { SetFixedGradient(fgDownMirrorFrom, Value); }
  TColor FixedGradientDownMirrorTo() const { return FixedGradient(fgDownMirrorTo); }
  void SetFixedGradientDownMirrorTo(TColor Value) { SetFixedGradient(fgDownMirrorTo, Value); }
  TColor FixedGradientDownBorder() const { return FixedGradient(fgDownBorder); }
  void SetFixedGradientDownBorder(TColor Value) { SetFixedGradient(fgDownBorder, Value); }

  // Glyphs are copied in, never shared.
  TBitmap& CheckedGlyph() { return *FGlyphs[0]; }
  void SetCheckedGlyph(const TBitmap& Value) { SetGlyph(0, Value); }
  TBitmap& UnCheckedGlyph() { return *FGlyphs[1]; }
  void SetUnCheckedGlyph(const TBitmap& Value) { SetGlyph(1, Value); }
  TBitmap& RadioOnGlyph() { return *FGlyphs[2]; }
  void SetRadioOnGlyph(const TBitmap& Value) { SetGlyph(2, Value); }
  TBitmap& RadioOffGlyph() { return *FGlyphs[3]; }
  void SetRadioOffGlyph(const TBitmap& Value) { SetGlyph(3, Value); }
  THeaderAppearance& DropDownHeader() { return *FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(&Value); }
  TFooterAppearance& DropDownFooter() { return *FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(&Value); }

  // The painter reads these; a write that changes one repaints the grid.
  int CheckSize() const { return FCheckSize; }
  void SetCheckSize(int Value) { Set(FCheckSize, Value); }
  int RadioSize() const { return FRadioSize; }
  void SetRadioSize(int Value) { Set(FRadioSize, Value); }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { Set(FControlStyle, Value); }
  // The tick and radio dot of csBorland.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Set(FColor, Value); }
  // None hides the comment marks.
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value) { Set(FCommentColor, Value); }
  int ProgressMarginX() const { return FProgressMarginX; }
  void SetProgressMarginX(int Value) { Set(FProgressMarginX, Value); }
  int ProgressMarginY() const { return FProgressMarginY; }
  void SetProgressMarginY(int Value) { Set(FProgressMarginY, Value); }
  // Themed progress bars.
  bool ProgressXP() const { return FProgressXP; }
  void SetProgressXP(bool Value) { Set(FProgressXP, Value); }
  bool FlatButton() const { return FFlatButton; }
  void SetFlatButton(bool Value) { Set(FFlatButton, Value); }
  bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value) { Set(FDropDownAlwaysVisible, Value); }
  bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool Value) { Set(FSpinButtonsAlwaysVisible, Value); }
  bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value) { Set(FNoDisabledCheckRadioLook, Value); }
  bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value) { Set(FNoDisabledButtonLook, Value); }

  // Stored only: read when they are needed, nothing to repaint.
  TColor ProgressBorderColor = 0x808080;
  bool CheckAlwaysActive = false;
  bool RadioAlwaysActive = false;
  bool FixedDropDownButton = false;
  int DropDownCount = 8;
  int HintMaxWidth = 0;

private:
  template <class T>
  void Set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void Repaint();
  void SetGlyph(int Index, const TBitmap& Value);
  TPlexStringGrid* FGrid;
  int FCheckSize = 15;
  int FRadioSize = 10;
  TControlStyle FControlStyle = csTheme;
  TColor FColor = clBlack;
  TColor FCommentColor = clRed;
  int FProgressMarginX = 2;
  int FProgressMarginY = 2;
  bool FProgressXP = false;
  bool FFlatButton = false;
  bool FDropDownAlwaysVisible = false;
  bool FSpinButtonsAlwaysVisible = false;
  bool FNoDisabledCheckRadioLook = false;
  bool FNoDisabledButtonLook = false;
  std::array<TColor, fgCount> FFixedGradient{};
  std::array<std::unique_ptr<TBitmap>, 4> FGlyphs;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
};
