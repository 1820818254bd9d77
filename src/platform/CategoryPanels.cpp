#include "platform/CategoryPanels.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

int WheelScrollLines() { return QApplication::wheelScrollLines(); }

// ---- TCategoryPanel ----

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FSurface = new QWidget(Widget());
  SetTabStop(true);
  TCustomControl::SetBounds(0, 0, 185, 200);
  FFullHeight = 200;
  PlaceSurface();
}

TCategoryPanel::~TCategoryPanel() {
  DestroyComponents();
  if (FGroup) FGroup->RemovePanel(this);
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* group) {
  if (group == FGroup) return;
  if (FGroup) FGroup->RemovePanel(this);
  FGroup = group;
  if (group) group->AddPanel(this);
}

int TCategoryPanel::HeaderHeight() const { return FGroup ? FGroup->HeaderHeight() : 24; }

int TCategoryPanel::ClientHeight() const { return std::max(0, FFullHeight - HeaderHeight()); }

QWidget* TCategoryPanel::ClientWidget() const { return FSurface; }

void TCategoryPanel::PlaceSurface() {
  FSurface->setGeometry(0, HeaderHeight(), Width(), std::max(0, FFullHeight - HeaderHeight()));
  FSurface->setVisible(!FCollapsed);
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // While collapsed the new height is kept for the next expand.
  FFullHeight = std::max(0, AHeight);
  const bool moved = ATop != Top();
  TCustomControl::SetBounds(ALeft, ATop, AWidth, FCollapsed ? HeaderHeight() : FFullHeight);
  PlaceSurface();
  if (FGroup) FGroup->ReAlign(moved ? this : nullptr);
}

void TCategoryPanel::SetCollapsed(bool v) {
  if (v == FCollapsed) return;
  FCollapsed = v;
  TCustomControl::SetBounds(Left(), Top(), Width(), v ? HeaderHeight() : FFullHeight);
  PlaceSurface();
  Invalidate();
  if (FGroup) FGroup->ReAlign();
  if (v && OnCollapse) OnCollapse(this);
  if (!v && OnExpand) OnExpand(this);
}

void TCategoryPanel::SetVisible(bool v) {
  TCustomControl::SetVisible(v);
  if (FGroup) FGroup->ReAlign();
}

void TCategoryPanel::SetEnabled(bool v) {
  TCustomControl::SetEnabled(v);
  Invalidate();
}

void TCategoryPanel::Resize() {
  PlaceSurface();
  TCustomControl::Resize();
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && HeaderRect().Contains(TPoint(X, Y)) && Enabled()) {
    if (Widget()->focusPolicy() != Qt::NoFocus) Widget()->setFocus(Qt::MouseFocusReason);
    SetCollapsed(!FCollapsed);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCategoryPanel::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE || Key == VK_RETURN) {
    SetCollapsed(!FCollapsed);
    Key = 0;
  }
}

void TCategoryPanel::Paint() {
  QPainter* p = CanvasPainter(Canvas());
  if (!p) return;
  const int hh = HeaderHeight();
  const QRect header(0, 0, Width(), hh);
  // Body in the panel's colour, header in the group's header colour.
  p->fillRect(QRect(0, hh, Width(), Height() - hh), ToQColor(Color()));
  const QColor base = ToQColor(FGroup ? FGroup->HeaderColor : clBtnFace);
  QLinearGradient grad(0, 0, 0, hh);
  grad.setColorAt(0, base.lighter(108));
  grad.setColorAt(1, base.darker(104));
  p->fillRect(header, grad);
  p->setPen(ToQColor(clBtnShadow));
  p->drawLine(0, hh - 1, Width() - 1, hh - 1);
  // Caption.
  QFont f = FGroup ? ToQFont(FGroup->HeaderFont()) : ToQFont(Font());
  p->setFont(f);
  TColor textColor = FGroup ? FGroup->HeaderFont().Color() : Font().Color();
  p->setPen(Enabled() ? ToQColor(textColor) : ToQColor(clGrayText));
  p->drawText(QRect(8, 0, Width() - 36, hh), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Caption());
  // Chevron or the group's picture.
  const TPicture* pic = FGroup ? (FCollapsed ? &FGroup->CollapsedImage : &FGroup->ExpandedImage) : nullptr;
  if (pic && !pic->Empty()) {
    p->drawImage(QPoint(Width() - pic->Width() - 8, (hh - pic->Height()) / 2), pic->Image());
  } else {
    const int cx = Width() - 16, cy = hh / 2;
    QPen pen(Enabled() ? ToQColor(FGroup ? FGroup->ChevronColor : clBlack) : ToQColor(clGrayText));
    pen.setWidthF(1.6);
    p->setPen(pen);
    p->setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < 2; ++k) {
      const int off = k * 4 - 2;
      QPainterPath path;
      if (FCollapsed) {  // pointing down: expands
        path.moveTo(cx - 4, cy - 3 + off);
        path.lineTo(cx, cy + 1 + off);
        path.lineTo(cx + 4, cy - 3 + off);
      } else {
        path.moveTo(cx - 4, cy + 1 + off);
        path.lineTo(cx, cy - 3 + off);
        path.lineTo(cx + 4, cy + 1 + off);
      }
      p->drawPath(path);
    }
    p->setRenderHint(QPainter::Antialiasing, false);
  }
}

// ---- TCategoryPanelGroup ----

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TWinControl(AOwner) {
  FScroll = new QScrollArea(Widget());
  FScroll->setFrameShape(QFrame::NoFrame);
  FScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FScroll->setWidgetResizable(false);
  FContent = new QWidget();
  FScroll->setWidget(FContent);
  FHeaderFont.SetStyle({fsBold});
  SetBounds(0, 0, 200, 400);
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
  for (TCategoryPanel* p : FPanels) p->FGroup = nullptr;
  FPanels.clear();
  DestroyComponents();
}

QWidget* TCategoryPanelGroup::ClientWidget() const { return FContent; }

int TCategoryPanelGroup::ClientWidth() const {
  int w = Width();
  if (FScroll->verticalScrollBar()->isVisible()) w -= FScroll->verticalScrollBar()->width();
  return w;
}

int TCategoryPanelGroup::ClientHeight() const { return Height(); }

void TCategoryPanelGroup::SetHeaderHeight(int v) {
  FHeaderHeight = std::max(1, v);
  for (TCategoryPanel* p : FPanels) {
    if (p->Collapsed()) p->TCustomControl::SetBounds(p->Left(), p->Top(), p->Width(), FHeaderHeight);
    p->PlaceSurface();
  }
  ReAlign();
}

void TCategoryPanelGroup::AddPanel(TCategoryPanel* p) {
  FPanels.push_back(p);
  p->SetParent(this);
  ReAlign();
}

void TCategoryPanelGroup::RemovePanel(TCategoryPanel* p) {
  FPanels.erase(std::remove(FPanels.begin(), FPanels.end(), p), FPanels.end());
  ReAlign();
}

void TCategoryPanelGroup::ReAlign(TCategoryPanel* moved) {
  if (FAligning) return;
  FAligning = true;
  std::vector<TCategoryPanel*> visible;
  for (TCategoryPanel* p : FPanels)
    if (p->Visible()) visible.push_back(p);
  // A panel just moved goes before the others at its place, so moving panels
  // one below the other in turn builds that order.
  std::stable_sort(visible.begin(), visible.end(), [moved](TCategoryPanel* a, TCategoryPanel* b) {
    return a->Top() < b->Top() || (a->Top() == b->Top() && a == moved && b != moved);
  });
  int y = 0;
  const int viewportWidth = FScroll->viewport()->width() > 0 ? FScroll->viewport()->width() : Width();
  int total = 0;
  for (TCategoryPanel* p : visible) total += p->Height();
  const int sb = total > Height() ? FScroll->verticalScrollBar()->sizeHint().width() : 0;
  const int w = std::max(0, std::min(viewportWidth, Width() - sb));
  for (TCategoryPanel* p : visible) {
    p->TCustomControl::SetBounds(0, y, w, p->Height());
    p->PlaceSurface();
    y += p->Height();
  }
  FContent->resize(w, y);
  FScroll->verticalScrollBar()->setSingleStep(VertScrollIncrement);
  FAligning = false;
}

int TCategoryPanelGroup::ScrollPos() const { return FScroll->verticalScrollBar()->value(); }
void TCategoryPanelGroup::SetScrollPos(int v) { FScroll->verticalScrollBar()->setValue(v); }
int TCategoryPanelGroup::ScrollRange() const { return FScroll->verticalScrollBar()->maximum(); }

void TCategoryPanelGroup::CollapseAll() {
  for (TCategoryPanel* p : FPanels) p->SetCollapsed(true);
}

void TCategoryPanelGroup::ExpandAll() {
  for (TCategoryPanel* p : FPanels) p->SetCollapsed(false);
}

void TCategoryPanelGroup::Resize() {
  FScroll->setGeometry(0, 0, Width(), Height());
  ReAlign();
  TWinControl::Resize();
}

void TCategoryPanelGroup::WndProc(TMessage& m) {
  if (m.Msg == WM_VSCROLL) {
    QScrollBar* bar = FScroll->verticalScrollBar();
    switch (m.WParam & 0xFFFF) {
      case SB_LINEUP: bar->setValue(bar->value() - VertScrollIncrement); break;
      case SB_LINEDOWN: bar->setValue(bar->value() + VertScrollIncrement); break;
      case SB_PAGEUP: bar->setValue(bar->value() - bar->pageStep()); break;
      case SB_PAGEDOWN: bar->setValue(bar->value() + bar->pageStep()); break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK: bar->setValue(int(uint16_t(m.WParam >> 16))); break;
      case SB_TOP: bar->setValue(bar->minimum()); break;
      case SB_BOTTOM: bar->setValue(bar->maximum()); break;
      default: break;
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}
