#include "grid/dropdowns/PlexButton.h"

#include "grid/dropdowns/DropDownDrawing.h"
#include "platform/ButtonTypes.h"
#include "platform/FindControl.h"
#include "platform/Forms.h"
#include "platform/ImageList.h"
#include "platform/ParentBackground.h"
#include "platform/Timers.h"

#include <algorithm>

void TPlexButtonAppearance::Store(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TPlexButtonAppearance::SetGradient(TGradientDirection Value) {
  if (FGradient == Value) return;
  FGradient = Value;
  if (OnChange) OnChange(this);
}

void TPlexButtonAppearance::Assign(const TPlexButtonAppearance& Source) {
  SetColor(Source.Color());
  SetColorTo(Source.ColorTo());
  SetColorHot(Source.ColorHot());
  SetColorHotTo(Source.ColorHotTo());
  SetColorDown(Source.ColorDown());
  SetColorDownTo(Source.ColorDownTo());
  SetColorDisabled(Source.ColorDisabled());
  SetColorDisabledTo(Source.ColorDisabledTo());
  SetColorChecked(Source.ColorChecked());
  SetColorCheckedTo(Source.ColorCheckedTo());
  SetBorderColor(Source.BorderColor());
  SetBorderColorHot(Source.BorderColorHot());
  SetBorderColorDown(Source.BorderColorDown());
  SetBorderColorDisabled(Source.BorderColorDisabled());
  SetBorderColorChecked(Source.BorderColorChecked());
  SetGradient(Source.Gradient());
}

TPlexButton::TPlexButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  Font().SetName("Tahoma");
  FUnHotTimer = new TTimer(this);
  FUnHotTimer->SetInterval(1);
  FUnHotTimer->SetEnabled(false);
  FUnHotTimer->OnTimer = [this](TObject*) { UnHotTimerTick(); };
}

TPlexButton::~TPlexButton() = default;

void TPlexButton::SetAppearance(TPlexButtonAppearance* Value) {
  FAppearance = Value;
  Invalidate();
}

void TPlexButton::SetImages(TImageList* Value) {
  FImages = Value;
  Invalidate();
}

void TPlexButton::SetImageIndex(int Value) {
  FImageIndex = Value;
  Invalidate();
}

void TPlexButton::AutoSizeButton() {
  if (!FAppearance) return;
  TBitmap sheet(1, 1);
  sheet.Canvas().Font().Assign(FAppearance->Font());
  TSize size = MeasureTextSize(sheet.Canvas(), Caption());
  if (FImages && FImageIndex >= 0) {
    size.cx = std::max(size.cx, FImages->Width());
    size.cy = std::max(size.cy, FImages->Height());
  }
  SetBounds(Left(), Top(), size.cx + 8, size.cy + 4);
}

void TPlexButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    FState = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == absUp) Invalidate();
    FState = absExclusive;
  } else {
    FState = absUp;
    Repaint();
  }
  if (Value && Parent()) {
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(this), 0};
    Parent()->Broadcast(m);
  }
}

void TPlexButton::Click() {
  if (TForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  if (FPlexDropDown) {
    switch (FModalResult) {
      case mrOk:
      case mrYes:
      case mrAll:
      case mrYesToAll: FPlexDropDown->HidePopup(false); break;
      case mrCancel:
      case mrAbort:
      case mrIgnore:
      case mrNo:
      case mrNoToAll: FPlexDropDown->HidePopup(true); break;
      default: break;
    }
  }
  if (!FInternalClick) TCustomControl::Click();
}

void TPlexButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(QChar(char16_t(Message.WParam)), Caption())) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) {
        if (!FDown) {
          FState = absDown;
          Invalidate();
        }
        if (FStyle == tasCheck) Repaint();
        FInternalClick = true;
        Click();
        FInternalClick = false;
      }
      break;
    case CM_BUTTONPRESSED: {
      auto* sender = reinterpret_cast<TPlexButton*>(Message.LParam);
      if (int(Message.WParam) == FGroupIndex && sender && sender != this) {
        if (sender->Down() && FDown) {
          FDown = false;
          FState = absUp;
          Invalidate();
        }
        FAllowAllUp = sender->AllowAllUp();
      }
      return;
    }
    case CM_FOCUSCHANGED:
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::WndProc(Message);
}

void TPlexButton::MouseEnter() {
  FMouseInControl = true;
  if (Enabled()) Invalidate();
  FUnHotTimer->SetEnabled(true);
  TCustomControl::MouseEnter();
}

void TPlexButton::MouseLeave() {
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  FHot = false;
  if (Enabled()) Invalidate();
  TCustomControl::MouseLeave();
}

// A leave the platform did not report: the cursor left between two moves.
void TPlexButton::UnHotTimerTick() {
  if (ClientRect().Contains(ScreenToClient(CursorPos()))) return;
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  FHot = false;
  if (Enabled()) Invalidate();
}

void TPlexButton::UpdateTracking() {
  if (!Enabled()) return;
  Perform(FindDragTarget(CursorPos(), false) == this ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TPlexButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FMouseDownInControl = true;
  if (!FDown) {
    FState = absDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = absDown;
    Repaint();
  }
  FDragging = true;
}

void TPlexButton::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const bool inside = Inside(X, Y);
  if (FDragging) {
    TPlexButtonState state = inside ? (FDown ? absExclusive : absDown) : (FDown ? absExclusive : absUp);
    if (FStyle == tasCheck && FDown) state = absDown;
    if (state != FState) {
      FState = state;
      Invalidate();
    }
  } else if (!inside) {
    UpdateTracking();
  }
}

void TPlexButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDownInControl = false;
  Invalidate();
  if (FDragging) {
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex != 0) {
      FState = absUp;
      if (inside) {
        SetDown(!FDown);
        if (FDown) Invalidate();
      } else if (FDown) {
        FState = absExclusive;
      }
      if (FDown) FState = absExclusive;
    } else {
      FState = absUp;
      FMouseInControl = false;
      FHot = false;
      if (FStyle == tasCheck) SetDown(!FDown);
    }
    if (inside && FState != absDown && FState != absExclusive) Invalidate();
  }
  UpdateTracking();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TPlexButton::Paint() {
  if (!Enabled()) {
    FState = absDisabled;
    FDragging = false;
  } else if (FState == absDisabled) {
    FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
  }
  if (FStyle == tasCheck && FDown) FState = absDown;
  // A face left unfilled (no colour) lets the bar's gradient show through.
  TBitmap under;
  if (PaintParentBackground(this, under)) Canvas().Draw(0, 0, under);
  DrawButton(Canvas());
}

void TPlexButton::DrawButton(TCanvas& C) {
  if (!FAppearance) return;
  const TPlexButtonAppearance& a = *FAppearance;
  TColor from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
  if (!Enabled()) {
    from = a.ColorDisabled(), to = a.ColorDisabledTo(), border = a.BorderColorDisabled();
  } else if (FState == absDown && FMouseInControl) {
    from = a.ColorDown(), to = clNone, border = a.BorderColorDown();
  } else if (FDown) {
    from = a.ColorChecked(), to = clNone, border = a.BorderColorChecked();
  } else if (FMouseInControl || Focused()) {
    from = a.ColorHot(), to = clNone, border = a.BorderColorHot();
  }
  DrawGradientBox(&C, ClientRect(), from, a.Gradient(), 1, border, to);
  C.Brush().Style = bsClear;
  C.Font().Assign(a.Font());
  DrawImageAndText(C, ClientRect(), Caption(), FImageIndex, FImages);
  C.Brush().Style = bsSolid;
}
