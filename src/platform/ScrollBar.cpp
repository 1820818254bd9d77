#include "platform/ScrollBar.h"

#include "platform/Application.h"
#include "platform/WindowHandles.h"

#include "platform/internal/SliderActions.h"

#include <QScrollBar>

#include <algorithm>

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner, new QScrollBar(Qt::Horizontal)) {
  FBar = static_cast<QScrollBar*>(Widget());
  FBar->setFocusPolicy(Qt::NoFocus);
  SetBounds(0, 0, 121, 17);
  ApplyToWidget();
  QObject::connect(FBar, &QScrollBar::actionTriggered, FBar, [this](int action) {
    if (FApplying) return;
    const int code = ScrollCodeOfSliderAction(action);
    if (code < 0) return;
    const int pos = FBar->sliderPosition();
    SafeCall([this, code, pos] { Scroll(code, pos); });
    // The bar shows the position its parent chose.
    FBar->setSliderPosition(FPosition);
  });
  QObject::connect(FBar, &QScrollBar::sliderReleased, FBar, [this] {
    if (FApplying) return;
    const int pos = FBar->sliderPosition();
    SafeCall([this, pos] {
      Scroll(SB_THUMBPOSITION, pos);
      Scroll(SB_ENDSCROLL, 0);
    });
  });
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  FBar->setOrientation(Value == sbVertical ? Qt::Vertical : Qt::Horizontal);
  SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetPageSize(int Value) {
  FPageSize = std::clamp(Value, 0, FMax - FMin + 1);
  ApplyToWidget();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  FMin = AMin;
  FMax = std::max(AMin, AMax);
  FPageSize = std::min(FPageSize, FMax - FMin + 1);
  const int pos = std::clamp(APosition, FMin, FMax);
  const bool changed = pos != FPosition;
  FPosition = pos;
  ApplyToWidget();
  if (changed && OnChange) OnChange(this);
}

void TScrollBar::Scroll(int ScrollCode, int Pos) {
  const UINT msg = FKind == sbVertical ? WM_VSCROLL : WM_HSCROLL;
  FRequests.push_back(TRequest{msg, ScrollCode, Pos});
  if (Parent())
    Parent()->Perform(msg, WPARAM(ScrollCode & 0xFFFF) | (WPARAM(Pos & 0xFFFF) << 16), LPARAM(WindowHandle(this)));
}

void TScrollBar::ApplyToWidget() {
  FApplying = true;
  FBar->setRange(FMin, FMax);
  if (FPageSize > 0) FBar->setPageStep(FPageSize);
  FBar->setValue(FPosition);
  FApplying = false;
}
