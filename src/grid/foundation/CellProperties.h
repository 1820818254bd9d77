// The per-cell properties of the base grid: colours, font, alignment, editor
// kind, the caller's value and graphic object, and the merge encoding. One
// object per cell that has properties, owned by the grid's object slot.
#pragma once

#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

#include <cstdint>

class TBaseGrid;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TEditorType {
  edNormal,
  edSpinEdit,
  edComboEdit,
  edComboList,
  edEditBtn,
  edCheckBox,
  edDateEdit,
  edDateEditUpDown,
  edTimeEdit,
  edButton,
  edDataCheckBox,
  edNumeric,
  edPositiveNumeric,
  edFloat,
  edCapital,
  edMixedCase,
  edPassword,
  edUnitEditBtn,
  edLowerCase,
  edUpperCase,
  edFloatSpinEdit,
  edTimeSpinEdit,
  edDateSpinEdit,
  edNumericEditBtn,
  edFloatEditBtn,
  edCustom,
  edRichEdit,
  edNone,
  edDateTimeEdit,
  edValidChars,
  edTrackbarDropDown,
  edMemoDropDown,
  edCalculatorDropDown,
  edTimePickerDropDown,
  edDetailDropDown,
  edGridDropDown,
  edColorPickerDropDown,
  edImagePickerDropDown,
  edPlexGridDropDown,
  edPositiveFloat,
  edNumericUnitEditBtn,
  edFloatUnitEditBtn,
  edMaskEditBtn
};

// A graphic object kept in cell properties. Only objects whose class is
// exactly "TCellGraphic" die with their cell; every other class belongs to
// whoever put it there.
class TGridGraphicObject : public TObject {
public:
  virtual QString ClassName() const = 0;
};
inline constexpr const char* OwnedCellGraphicClass = "TCellGraphic";

class TCellProperties : public TObject {
public:
  TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

  // The base cell of the block this cell belongs to, from these properties alone.
  TPoint GetBaseCell(int ACol, int ARow) const;
  // Copies the look, the merge encoding and the caller's value; no repaint.
  void Assign(const TCellProperties& Source);

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  int OwnerCol = 0;
  int OwnerRow = 0;
  uintptr_t CellObject = 0;
  TObject* GraphicObject = nullptr;
  TBrushStyle BrushStyle = bsSolid;
  int FontSize = 0;
  TColor FontColor = clNone;
  TFontStyles FontStyle;
  int CellSpanY = -1;
  int CellSpanX = -1;
  int BorderWidth = 0;
  TColor BorderColor = clBlack;
  int PaintID = 0;
  bool IsBaseCell = true;
  TColumnCalcType CalcType = acNONE;
  TObject* CalcObject = nullptr;
  int NodeLevel = 0;
  TEditorType Editor = edNormal;
  QString FontName;
  bool ReadOnly = false;
  TCellGradientDirection GradientDirection = GradientVertical;
  TControl* Control = nullptr;

private:
  void RepaintOwnerCell();
  TBaseGrid* FOwnerGrid;
  TAlignment FAlignment = taLeftJustify;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  TVAlignment FVAlignment = vtaTop;
  bool FWordWrap = true;
};
