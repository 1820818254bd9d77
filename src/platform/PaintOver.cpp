#include "platform/PaintOver.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

class TPaintOverHook::TFilter : public QObject {
public:
  TFilter(TControl* control, QWidget* widget) : QObject(widget), FControl(control), FWidget(widget) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != FWidget || e->type() != QEvent::Paint || FPainting) return false;
    FPainting = true;
    // The widget paints first; QObject::event is the public road to its handler.
    static_cast<QObject*>(FWidget.data())->event(e);
    FPainting = false;
    QPainter painter(FWidget);
    painter.setClipRegion(static_cast<QPaintEvent*>(e)->region());
    TCanvas canvas;
    SetCanvasPainter(canvas, &painter);
    SafeCall([&] {
      FControl->Perform(WM_NCPAINT, WPARAM(&canvas));
      FControl->Perform(WM_PAINT, WPARAM(&canvas));
    });
    return true;
  }

private:
  TControl* FControl;
  QPointer<QWidget> FWidget;
  bool FPainting = false;
};

TPaintOverHook::TPaintOverHook(TControl* Control) {
  auto* filter = new TFilter(Control, Control->Widget());  // owned by the widget
  Control->Widget()->installEventFilter(filter);
  FFilter = filter;
}

TPaintOverHook::~TPaintOverHook() { delete FFilter.data(); }
