// Colours and options of the progress bars in cells. Every write that
// changes a value fires OnChange, which the grid binds to a repaint.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Property.h"
#include "platform/Types.h"

enum TProgressStyle { psXP, psClassic };

class TGridProgressAppearance : public TGridPersistent {
public:
  struct TValues {
    TColor CompleteColor = 0x0000FF;
    TColor CompleteFontColor = 0xFF0000;
    TColor UnCompleteColor = clNone;
    TColor UnCompleteFontColor = clWindowText;
    TColor Level0Color = 0x00FF00;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = 0x00FFFF;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = 0x0000FF;
    TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TProgressStyle Style = psXP;
    bool operator==(const TValues&) const = default;
  };

  const TValues& Values() const { return FValues; }
  // Copies every value, Style included, and fires OnChange once.
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!s) return;
    FValues = s->FValues;
    Changed();
  }

  TColor CompleteColor() const { return FValues.CompleteColor; }
  void SetCompleteColor(TColor Value) { Set(&TValues::CompleteColor, Value); }
  TColor CompleteFontColor() const { return FValues.CompleteFontColor; }
  void SetCompleteFontColor(TColor Value) { Set(&TValues::CompleteFontColor, Value); }
  TColor UnCompleteColor() const { return FValues.UnCompleteColor; }
  void SetUnCompleteColor(TColor Value) { Set(&TValues::UnCompleteColor, Value); }
  TColor UnCompleteFontColor() const { return FValues.UnCompleteFontColor; }
  void SetUnCompleteFontColor(TColor Value) { Set(&TValues::UnCompleteFontColor, Value); }
  TColor Level0Color() const { return FValues.Level0Color; }
  void SetLevel0Color(TColor Value) { Set(&TValues::Level0Color, Value); }
  TColor Level0ColorTo() const { return FValues.Level0ColorTo; }
  void SetLevel0ColorTo(TColor Value) { Set(&TValues::Level0ColorTo, Value); }
  TColor Level1Color() const { return FValues.Level1Color; }
  void SetLevel1Color(TColor Value) { Set(&TValues::Level1Color, Value); }
  TColor Level1ColorTo() const { return FValues.Level1ColorTo; }
  void SetLevel1ColorTo(TColor Value) { Set(&TValues::Level1ColorTo, Value); }
  TColor Level2Color() const { return FValues.Level2Color; }
  void SetLevel2Color(TColor Value) { Set(&TValues::Level2Color, Value); }
  TColor Level2ColorTo() const { return FValues.Level2ColorTo; }
  void SetLevel2ColorTo(TColor Value) { Set(&TValues::Level2ColorTo, Value); }
  TColor Level3Color() const { return FValues.Level3Color; }
  void SetLevel3Color(TColor Value) { Set(&TValues::Level3Color, Value); }
  TColor Level3ColorTo() const { return FValues.Level3ColorTo; }
  void SetLevel3ColorTo(TColor Value) { Set(&TValues::Level3ColorTo, Value); }
  int Level1Perc() const { return FValues.Level1Perc; }
  void SetLevel1Perc(int Value) { Set(&TValues::Level1Perc, Value); }
  int Level2Perc() const { return FValues.Level2Perc; }
  void SetLevel2Perc(int Value) { Set(&TValues::Level2Perc, Value); }
  TColor BorderColor() const { return FValues.BorderColor; }
  void SetBorderColor(TColor Value) { Set(&TValues::BorderColor, Value); }
  bool ShowBorder() const { return FValues.ShowBorder; }
  void SetShowBorder(bool Value) { Set(&TValues::ShowBorder, Value); }
  bool Stacked() const { return FValues.Stacked; }
  void SetStacked(bool Value) { Set(&TValues::Stacked, Value); }
  bool ShowPercentage() const { return FValues.ShowPercentage; }
  void SetShowPercentage(bool Value) { Set(&TValues::ShowPercentage, Value); }
  bool CompletionSmooth() const { return FValues.CompletionSmooth; }
  void SetCompletionSmooth(bool Value) { Set(&TValues::CompletionSmooth, Value); }
  bool ShowGradient() const { return FValues.ShowGradient; }
  void SetShowGradient(bool Value) { Set(&TValues::ShowGradient, Value); }
  int Steps() const { return FValues.Steps; }
  void SetSteps(int Value) { Set(&TValues::Steps, Value); }
  TProgressStyle Style() const { return FValues.Style; }
  void SetStyle(TProgressStyle Value) { Set(&TValues::Style, Value); }

  TNotifyEvent OnChange;

private:
  template <class T>
  void Set(T TValues::*Field, T Value) {
    SetProperty(FValues.*Field, Value, [this] { Changed(); });
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  TValues FValues;
};
