// The picture or gradient painted behind the cells and in the empty client
// area. Every write stores the value and fires OnChange (the grid repaints).
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Graphics.h"
#include "platform/Property.h"
#include "platform/Types.h"

#include <memory>

enum TBackgroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TGridPersistent {
public:
  TBackGround() : FBitmap(std::make_unique<TBitmap>()) {}
  // Copies bitmap, place, display, cells and colours, then repaints.
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TBackGround*>(Source);
    if (!s || s == this) return;
    FBitmap->Assign(*s->FBitmap);
    FDisplay = s->FDisplay;
    FCells = s->FCells;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FTop = s->FTop;
    FLeft = s->FLeft;
    Changed();
  }
  bool IsGradient() const { return (FDisplay == bdGradientHorz || FDisplay == bdGradientVert) && FColorTo != clNone; }

  TBitmap& Bitmap() { return *FBitmap; }
  void SetBitmap(const TBitmap& Value) {
    FBitmap->Assign(Value);
    Changed();
  }
  TBackgroundDisplay Display() const { return FDisplay; }
  void SetDisplay(TBackgroundDisplay Value) { Store(FDisplay, Value); }
  TBackGroundCells Cells() const { return FCells; }
  void SetCells(TBackGroundCells Value) { Store(FCells, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { Store(FColorTo, Value); }
  int Top() const { return FTop; }
  void SetTop(int Value) { Store(FTop, Value); }
  int Left() const { return FLeft; }
  void SetLeft(int Value) { Store(FLeft, Value); }

  TNotifyEvent OnChange;

private:
  template <class T>
  void Store(T& Field, T Value) {
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  std::unique_ptr<TBitmap> FBitmap;
  TBackgroundDisplay FDisplay = bdTile;
  TBackGroundCells FCells = bcNormal;
  TColor FColor = clWindow;
  TColor FColorTo = clBtnFace;
  int FTop = 0;
  int FLeft = 0;
};
