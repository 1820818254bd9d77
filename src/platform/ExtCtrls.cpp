#include "platform/ExtCtrls.h"

#include "platform/Application.h"
#include "platform/internal/Painting.h"

#include <QEvent>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

// ---- TPanel ----

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TPanel::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(r);
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    TColor hi = cut == bvRaised ? clBtnHighlight : clBtnShadow;
    TColor lo = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    for (int i = 0; i < BevelWidth; ++i) {
      if (cut != bvSpace) {
        c.Pen().Color = hi;
        c.MoveTo(r.Left, r.Bottom - 1);
        c.LineTo(r.Left, r.Top);
        c.LineTo(r.Right - 1, r.Top);
        c.Pen().Color = lo;
        c.LineTo(r.Right - 1, r.Bottom - 1);
        c.LineTo(r.Left - 1, r.Bottom - 1);
      }
      InflateRect(r, -1, -1);
    }
  };
  bevel(BevelOuter);
  bevel(BevelInner);
  if (ShowCaption && !Caption().isEmpty() && CanvasPainter(c)) {
    CanvasPainter(c)->setFont(ToQFont(Font()));
    CanvasPainter(c)->setPen(ToQColor(Font().Color()));
    int align = Alignment == taCenter ? Qt::AlignHCenter : Alignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
    CanvasPainter(c)->drawText(r.toQRect(), align | Qt::AlignVCenter | Qt::TextSingleLine, Caption());
  }
}

// ---- TSplitter ----

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  // Thin both ways, so the bar stays thin whichever side it is aligned to.
  SetBounds(0, 0, 3, 3);
  SetAlign(alLeft);
  SetCursor(crHSplit);
}

void TSplitter::Paint() {
  TCanvas& c = Canvas();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(ClientRect());
}

TControl* TSplitter::SizedControl() const {
  TWinControl* parent = Parent();
  if (!parent) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    if (Align() == alTop && c->Top() + c->Height() == Top()) return c;
    if (Align() == alBottom && c->Top() == Top() + Height()) return c;
    if (Align() == alLeft && c->Left() + c->Width() == Left()) return c;
    if (Align() == alRight && c->Left() == Left() + Width()) return c;
  }
  return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FDragging = true;
  FDownPos = Align() == alTop || Align() == alBottom ? Y : X;
}

// The size is applied when the bar is let go, as the bar itself moves with it.
void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FDragging) return;
  FDragging = false;
  TControl* sized = SizedControl();
  TWinControl* parent = Parent();
  if (!sized || !parent) return;
  const bool vertical = Align() == alTop || Align() == alBottom;
  int delta = (vertical ? Y : X) - FDownPos;
  if (Align() == alBottom || Align() == alRight) delta = -delta;
  const int size = vertical ? sized->Height() : sized->Width();
  // What lies behind the bar up to the parent's far edge keeps MinSize.
  const int room = vertical ? (Align() == alTop ? parent->ClientHeight() - (Top() + Height()) : Top())
                            : (Align() == alLeft ? parent->ClientWidth() - (Left() + Width()) : Left());
  const int wanted = std::clamp(size + delta, MinSize, std::max(MinSize, size + room - MinSize));
  if (wanted == size) return;
  if (vertical)
    sized->SetHeight(wanted);
  else
    sized->SetWidth(wanted);
  parent->AlignControls();
  if (OnMoved) OnMoved(this);
}

// ---- TShape ----

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 65, 65); }

void TShape::SetShape(TShapeType v) {
  FShape = v;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& c = Canvas();
  c.Pen().Assign(FPen);
  c.Brush().Assign(FBrush);
  int w = Width(), h = Height();
  int x = 0, y = 0;
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    int s = std::min(w, h);
    x = (w - s) / 2;
    y = (h - s) / 2;
    w = h = s;
  }
  // Wide pens stay inside the bounds.
  const int half = FPen.Width / 2;
  TRect r(x + half, y + half, x + w - half + (FPen.Width == 1 ? 0 : 1) - (FPen.Width > 1 ? FPen.Width % 2 : 0),
          y + h - half + (FPen.Width == 1 ? 0 : 1) - (FPen.Width > 1 ? FPen.Width % 2 : 0));
  switch (FShape) {
    case stRectangle:
    case stSquare: c.Rectangle(TRect(x, y, x + w, y + h)); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(r.Left, r.Top, r.Right, r.Bottom); break;
  }
}

// ---- TImage ----

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 105, 105); }

void TImage::PictureChanged() {
  if (AutoSize && !FPicture.Empty()) SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
  Invalidate();
}

void TImage::Paint() {
  if (FPicture.Empty()) return;
  TCanvas& c = Canvas();
  QImage img = FPicture.Image();
  if (Transparent && img.format() != QImage::Format_ARGB32) {
    // The bottom-left pixel is the transparent colour, as for the library's bitmaps.
    QImage mask = img.createMaskFromColor(img.pixel(0, img.height() - 1), Qt::MaskOutColor);
    img = img.convertToFormat(QImage::Format_ARGB32);
    img.setAlphaChannel(mask);
  }
  if (Stretch) {
    TRect r = ClientRect();
    if (Proportional) {
      double k = std::min(double(Width()) / img.width(), double(Height()) / img.height());
      int w = int(img.width() * k), h = int(img.height() * k);
      r = Center ? Bounds((Width() - w) / 2, (Height() - h) / 2, w, h) : Bounds(0, 0, w, h);
    }
    c.StretchDraw(r, img);
  } else if (Center) {
    c.Draw((Width() - img.width()) / 2, (Height() - img.height()) / 2, img);
  } else {
    c.Draw(0, 0, img);
  }
}

// ---- TTabSheet / TPageControl ----

namespace {
// The page control's stack lays its pages out itself; a page takes the
// bounds it was given, so the controls aligned on it fill it.
class TPageBoundsFollower : public QObject {
public:
  TPageBoundsFollower(TTabSheet* Sheet) : QObject(Sheet->Widget()), FSheet(Sheet) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == FSheet->Widget() && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
      const QRect r = FSheet->Widget()->geometry();
      SafeCall([&] { FSheet->SetBounds(r.x(), r.y(), r.width(), r.height()); });
    }
    return false;
  }

private:
  TTabSheet* FSheet;
};
}  // namespace

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  Widget()->installEventFilter(new TPageBoundsFollower(this));
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pc) {
  if (pc == FPageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = pc;
  if (pc) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  auto& pages = FPageControl->FPages;
  return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (FPageControl) FPageControl->MovePage(this, index);
}

void TTabSheet::SetTabVisible(bool v) {
  FTabVisible = v;
  if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::ApplyText() {
  if (FPageControl) FPageControl->UpdateTabs();
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
  FTabs = new QTabWidget(Widget());
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  FTabs->setGeometry(0, 0, Width(), Height());
  QObject::connect(FTabs, &QTabWidget::currentChanged, [this](int) {
    if (FUpdating) return;
    SafeCall([this] {
      if (OnChanging && FLastIndex >= 0) {
        bool allow = true;
        OnChanging(this, allow);
        if (!allow) {
          FUpdating = true;
          SetActivePageIndex(FLastIndex);
          FUpdating = false;
          return;
        }
      }
      FLastIndex = ActivePageIndex();
      if (OnChange) OnChange(this);
    });
  });
}

TPageControl::~TPageControl() {
  for (TTabSheet* p : FPages) p->FPageControl = nullptr;
}

QWidget* TPageControl::ClientWidget() const { return Widget(); }

void TPageControl::Resize() {
  FTabs->setGeometry(0, 0, Width(), Height());
  TWinControl::Resize();
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  page->SetParent(this);
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  // Taken before the list changes: ActivePage maps the tab index into it.
  TTabSheet* active = ActivePage();
  FPages.erase(it);
  index = std::clamp(index, 0, int(FPages.size()));
  FPages.insert(FPages.begin() + index, page);
  UpdateTabs();
  if (active) SetActivePage(active);
}

void TPageControl::UpdateTabs() {
  FUpdating = true;
  TTabSheet* active = ActivePage();
  while (FTabs->count() > 0) FTabs->removeTab(0);
  for (TTabSheet* p : FPages) {
    int i = FTabs->addTab(p->Widget(), p->Caption());
    FTabs->setTabVisible(i, p->TabVisible());
  }
  FTabs->setGeometry(0, 0, Width(), Height());
  if (active) FTabs->setCurrentWidget(active->Widget());
  FLastIndex = FTabs->currentIndex();
  FUpdating = false;
}

TTabSheet* TPageControl::ActivePage() const {
  int i = FTabs->currentIndex();
  return i >= 0 && i < int(FPages.size()) ? FPages[size_t(i)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (!page) return;
  SetActivePageIndex(page->PageIndex());
}

int TPageControl::ActivePageIndex() const { return FTabs->currentIndex(); }

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  const bool was = FUpdating;
  FUpdating = true;
  FTabs->setCurrentIndex(index);
  FLastIndex = index;
  FUpdating = was;
}
