#include "grid/core/CellGraphic.h"

#include "grid/core/InterfacedPersistent.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

#include <cmath>

TCellGraphic::~TCellGraphic() { FreeOwned(); }

// Only the kinds that hold an object of their own free it; the colour kinds
// and the objects handed in by a caller are left alone.
void TCellGraphic::FreeOwned() {
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      if (CellCreated) delete CellBitmap;
      break;
    case ctImages:
    case ctBalloon: delete CellBitmap; break;
    case ctIcon:
      if (CellCreated) delete CellIcon;
      CellIcon = nullptr;
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      if (CellAngle == 1) delete CellBitmap;
      break;
    default: return;
  }
  CellBitmap = nullptr;
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
  CellType = Source.CellType;
  CellVAlign = Source.CellVAlign;
  CellHAlign = Source.CellHAlign;
  CellIndex = Source.CellIndex;
  CellTransparent = Source.CellTransparent;
  CellValue = Source.CellValue;
  CellAngle = Source.CellAngle;
  CellBoolean = Source.CellBoolean;
  CellErrFrom = Source.CellErrFrom;
  CellErrLen = Source.CellErrLen;
  CellText = Source.CellText;
  CellCreated = Source.CellCreated;
  CellColor = Source.CellColor;
  CellIconColor = Source.CellIconColor;
  MarkerFrom = Source.MarkerFrom;
  MarkerLen = Source.MarkerLen;
}

void TCellGraphic::Place(TCellType Kind, TCellHAlign hal, TCellVAlign val) {
  CellType = Kind;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
  CellType = ctInterface;
  CellBitmap = AObject;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  Place(ctBitmap, hal, val);
  CellBitmap = ABmp;
  CellTransparent = Transparent;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val) {
  Place(ctButton, hal, val);
  CellIndex = int((uint32_t(bh) << 16) | (uint32_t(bw) & 0xFFFF));
  CellBoolean = false;
  CellText = Caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
  SetButton(bw, bh, Caption, hal, val);
  CellType = ctBitButton;
  CellBitmap = Glyph;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val) {
  Place(ctPicture, hal, val);
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = Padding;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val) {
  Place(ctFilePicture, hal, val);
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = Padding;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  Place(Data ? ctDataCheckBox : ctCheckBox, hal, val);
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  Place(ctTriStateCheckBox, hal, val);
  CellCheckBoxState = Value;
  CellBoolean = false;
  CellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  Place(ctRadioButton, hal, val);
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
}

void TCellGraphic::SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  Place(ctIcon, hal, val);
  CellIcon = AIcon;
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val) {
  Place(ctDataImage, hal, val);
  CellIndex = Idx;
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val) {
  Place(ctImageList, hal, val);
  CellIndex = Idx;
}

void TCellGraphic::SetMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val,
                                 const TCellImagesNotifier& Notifier) {
  Place(ctImages, hal, val);
  CellBoolean = Dir == 0;
  auto* list = new TIntList(ACol, ARow);
  list->OnChange = Notifier;
  CellBitmap = list;
  CellCreated = true;
}

void TCellGraphic::SetAngle(int AAngle) {
  CellType = ctRotated;
  while (AAngle < 0) AAngle += 360;
  while (AAngle > 360) AAngle -= 360;
  CellAngle = AAngle;
}

namespace {
// Round half to even, the rule for every fraction of a pixel.
int RoundPixels(double Value) { return int(std::nearbyint(Value)); }
}  // namespace

void TCellGraphic::GetPictureSize(int cw, int rh, bool HasText, TPoint& Size) const {
  int nw = 0, nh = 0;
  if (CellType == ctPicture && Picture()) {
    nw = Picture()->Width();
    nh = Picture()->Height();
  } else if (CellType == ctFilePicture && FilePicture()) {
    nw = FilePicture()->Width();
    nh = FilePicture()->Height();
  } else {
    return;
  }
  const int aw = cw - Padding(), ah = rh - Padding();
  const bool fits = nw <= aw && nh <= ah;
  const TStretchMode mode = StretchMode();
  if (mode == noStretch || (fits && (mode == Shrink || mode == ShrinkWithAspectRatio))) {
    Size = TPoint(nw, nh);
    return;
  }
  if (mode == Stretch || mode == Shrink) {
    Size = TPoint(aw, ah);
    return;
  }
  double hr = nw > 0 ? double(aw) / nw : 1.0;
  double vr = nh > 0 ? double(ah) / nh : 1.0;
  if (mode == ShrinkWithAspectRatio) {
    hr = std::min(hr, 1.0);
    vr = std::min(vr, 1.0);
  }
  if (hr >= vr)
    Size = TPoint(RoundPixels(nw * vr), ah);
  else
    Size = TPoint(aw, RoundPixels(nh * hr));
}

TBitmap* TCellGraphic::Bitmap() const { return dynamic_cast<TBitmap*>(CellBitmap); }
TPicture* TCellGraphic::Picture() const { return dynamic_cast<TPicture*>(CellBitmap); }
TFilePicture* TCellGraphic::FilePicture() const { return dynamic_cast<TFilePicture*>(CellBitmap); }
TStringList* TCellGraphic::Strings() const { return dynamic_cast<TStringList*>(CellBitmap); }
TIntList* TCellGraphic::Images() const { return dynamic_cast<TIntList*>(CellBitmap); }
TInterfacedPersistent* TCellGraphic::Interfaced() const { return dynamic_cast<TInterfacedPersistent*>(CellBitmap); }

bool TCellGraphic::HasAttachedBalloon() const {
  return (CellType == ctCheckBox || CellType == ctDataCheckBox || CellType == ctRadioButton) && CellAngle == 1 &&
         CellBitmap;
}
