#include "grid/editing/PsgUnitEditBtn.h"

#include "platform/GdiDraw.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/SysUtils.h"

constexpr int DefaultUnitSpace = 20;

TPsgUnitEditBtn::TPsgUnitEditBtn(TComponent* AOwner) : TPsgEditBtn(AOwner) {
  FUnitWidth = DefaultUnitSpace;
  SetRightAlign(true);
  SetEditRect();
  FPaintHook = std::make_unique<TPaintOverHook>(this);
}

TPsgUnitEditBtn::~TPsgUnitEditBtn() { FPaintHook.reset(); }

void TPsgUnitEditBtn::SetUnits(const TStringList* Value) {
  if (Value) FUnits.Assign(*Value);
}

void TPsgUnitEditBtn::SetUnitID(const QString& Value) {
  FUnitID = Value;
  Invalidate();
}

void TPsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitWidth = Value;
  SetEditRect();
  Invalidate();
}

void TPsgUnitEditBtn::SetTextAndUnit(const QString& Value) {
  for (int i = 0; i < FUnits.Count(); ++i) {
    const QString& unit = FUnits[i];
    const int P = Pos(unit, Value);
    if (P > 0 && P == Value.size() - unit.size() + 1) {
      SetText(Copy(Value, 1, P - 1));
      SetUnitID(unit);
      return;
    }
  }
}

void TPsgUnitEditBtn::SideButtonClick(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(this);
  TPopupMenu menu(nullptr);
  for (int i = 0; i < FUnits.Count(); ++i) menu.Add(FUnits[i], i + 1);
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  TrackPopupMenu(menu, TPM_LEFTBUTTON, origin.X + ClientWidth() - 15, origin.Y + ClientHeight(), this);
}

void TPsgUnitEditBtn::UnitMenuCommand(TMessage& m) {
  const int id = LoWord(LPARAM(m.WParam));
  const unsigned code = unsigned(HiWord(LPARAM(m.WParam)) & 0xFFFF);
  if (code == EN_CHANGE || id < 1 || id > FUnits.Count()) return;
  const QString old = FUnitID;
  SetUnitID(FUnits[id - 1]);
  if (FUnitID != old && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TPsgUnitEditBtn::PaintUnit(TCanvas& Canvas) {
  const int right = ClientWidth() - Button()->Width() - 3;
  TRect r(right - FUnitWidth, 2, right, ClientHeight());
  Canvas.Font().Assign(Font());
  Canvas.SetBkMode(TRANSPARENT);
  DrawText(Canvas, FUnitID, r, DT_EDITCONTROL);
}

void TPsgUnitEditBtn::WndProc(TMessage& m) {
  if (m.Msg == WM_COMMAND) {
    UnitMenuCommand(m);
    return;
  }
  if (m.Msg == WM_PAINT) {
    if (TCanvas* canvas = PaintOverCanvas(m.WParam)) PaintUnit(*canvas);
    return;
  }
  TPsgEditBtn::WndProc(m);
}
