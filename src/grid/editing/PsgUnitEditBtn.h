// The edit for a value followed by a unit: the unit is picked from a menu
// behind the side button and drawn right of the text.
#pragma once

#include "grid/editing/PsgEditBtn.h"

#include <functional>

using TUnitChangeEvent = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TPsgUnitEditBtn : public TPsgEditBtn {
public:
  explicit TPsgUnitEditBtn(TComponent* AOwner);
  ~TPsgUnitEditBtn() override;

  void SideButtonClick(TObject* Sender) override;

  TStringList& Units() { return FUnits; }
  // A copy; null is ignored.
  void SetUnits(const TStringList* Value);
  QString UnitID() const { return FUnitID; }
  void SetUnitID(const QString& Value);
  int UnitSpace() const { return FUnitWidth; }
  void SetUnitSpace(int Value);
  // Text followed directly by the unit.
  QString TextAndUnit() const { return Text() + FUnitID; }
  // Splits off the first listed unit that ends the value and occurs nowhere earlier in it.
  void SetTextAndUnit(const QString& Value);
  TUnitChangeEvent OnUnitChanged;

protected:
  void WndProc(TMessage& Message) override;

private:
  void UnitMenuCommand(TMessage& Message);
  void PaintUnit(TCanvas& Canvas);
  TStringList FUnits;
  QString FUnitID;
  std::unique_ptr<TPaintOverHook> FPaintHook;
};
