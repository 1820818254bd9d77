#include "platform/Buttons.h"

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/GdiDraw.h"
#include "platform/Property.h"

#include <QPushButton>

#include <algorithm>

// ---- TButton ----

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new QPushButton()) {
  FButton = static_cast<QPushButton*>(Widget());
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  QObject::connect(FButton, &QPushButton::clicked, [this] { SafeCall([this] { Click(); }); });
}

void TButton::Click() {
  if (TForm* form = GetParentForm(); form && ModalResult != 0) form->SetModalResult(TModalResult(ModalResult));
  TWinControl::Click();
}

void TButton::ApplyText() { FButton->setText(FText); }

// ---- TSpeedButton ----

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetFlat(bool Value) {
  SetProperty(FFlat, Value, [&] { Invalidate(); });
}

void TSpeedButton::SetGlyph(const TBitmap* Value) {
  if (Value)
    FGlyph.Assign(*Value);
  else
    FGlyph.SetSize(0, 0);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !Value && !AllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

// The other buttons of the same group in the parent go up.
void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->FGroupIndex != FGroupIndex || !other->FDown) continue;
    other->FDown = false;
    other->FState = bsUp;
    other->Invalidate();
  }
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const TButtonState inside = FDown ? bsExclusive : bsDown;
  const TButtonState state = ClientRect().Contains(TPoint(X, Y)) ? inside : (FDown ? bsExclusive : bsUp);
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool inside = ClientRect().Contains(TPoint(X, Y));
  if (FGroupIndex == 0) {
    FState = bsUp;
  } else if (inside) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
  } else {
    FState = FDown ? bsExclusive : bsUp;
  }
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::MouseEnter() {
  TGraphicControl::MouseEnter();
  if (FFlat) Invalidate();
}

void TSpeedButton::MouseLeave() {
  TGraphicControl::MouseLeave();
  if (FFlat) Invalidate();
}

void TSpeedButton::EnabledChanged() {
  FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
  TGraphicControl::EnabledChanged();
}

TRect TSpeedButton::DrawButtonFace(TCanvas& Canvas) {
  TRect r = ClientRect();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (FFlat) {
    Canvas.Brush().Color = Color();
    Canvas.FillRect(r);
    if (pressed || FMouseInControl) DrawEdge(Canvas, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    InflateRect(r, -1, -1);
    return r;
  }
  DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  InflateRect(r, -2, -2);
  return r;
}

void TSpeedButton::DrawGlyphAndCaption(TCanvas& Canvas, const TRect& Client, bool Pressed) {
  const int offset = Pressed ? 1 : 0;
  if (!FGlyph.Empty()) {
    const int w = FGlyph.Width() / FNumGlyphs;
    const int index = std::min(int(FState), FNumGlyphs - 1);
    FGlyph.EndCanvas();
    TBitmap part;
    part.SetImage(FGlyph.Image().copy(index * w, 0, w, FGlyph.Height()));
    const int x = Client.Left + (Client.Width() - w) / 2 + offset;
    const int y = Client.Top + (Client.Height() - FGlyph.Height()) / 2 + offset;
    Canvas.DrawTransparent(x, y, part, FGlyph.BottomLeftColor());
  }
  if (!Caption().isEmpty()) {
    TRect r = Client;
    OffsetRect(r, offset, offset);
    Canvas.Font().Assign(Font());
    Canvas.SetBkMode(TRANSPARENT);
    DrawText(Canvas, Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TSpeedButton::Paint() {
  const TRect inner = DrawButtonFace(Canvas());
  DrawGlyphAndCaption(Canvas(), inner, FState == bsDown || FState == bsExclusive);
}
