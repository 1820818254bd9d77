#include "platform/PopupWindows.h"

#include "platform/Controls.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

const char* kStyleProperty = "quilloreWindowStyle";
const char* kExStyleProperty = "quilloreWindowExStyle";

Qt::WindowFlags FlagsFor(DWORD Style, DWORD ExStyle) {
  Qt::WindowFlags f = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  if (ExStyle & WS_EX_TOPMOST) f |= Qt::WindowStaysOnTopHint;
  if (Style & WS_DISABLED) f |= Qt::WindowTransparentForInput;
  return f;
}

int KeyFor(WORD vk) {
  switch (vk) {
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    default: return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') ? int(vk) : 0;
  }
}

QString TextFor(WORD vk) {
  switch (vk) {
    case VK_TAB: return QStringLiteral("\t");
    case VK_RETURN: return QStringLiteral("\r");
    case VK_ESCAPE: return QString(QChar(27));
    case VK_SPACE: return QStringLiteral(" ");
    default: return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') ? QString(QChar(vk)) : QString();
  }
}

}  // namespace

void SetWindowStyles(TControl* Control, DWORD Style, DWORD ExStyle) {
  QWidget* w = Control ? Control->Widget() : nullptr;
  if (!w) return;
  w->setProperty(kStyleProperty, QVariant::fromValue(uint(Style)));
  w->setProperty(kExStyleProperty, QVariant::fromValue(uint(ExStyle)));
  const bool wasVisible = w->isVisible();
  if (Style & WS_POPUP) {
    QWidget* owner = Control->Parent() ? Control->Parent()->Widget() : nullptr;
    w->setParent(owner ? owner->window() : nullptr, FlagsFor(Style, ExStyle));
    w->setAttribute(Qt::WA_ShowWithoutActivating, true);
    w->setAttribute(Qt::WA_TransparentForMouseEvents, (Style & WS_DISABLED) != 0);
    w->setGeometry(Control->Left(), Control->Top(), Control->Width(), Control->Height());
  }
  if (ExStyle & WS_EX_TRANSPARENT) {
    w->setAutoFillBackground(false);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) area->viewport()->setAutoFillBackground(false);
  }
  if (wasVisible) w->show();
}

void MakeWindowTransparent(TControl* Control) {
  SetWindowStyles(Control, GetWindowStyle(Control), GetWindowExStyle(Control) | WS_EX_TRANSPARENT);
}

DWORD GetWindowStyle(const TControl* Control) {
  if (!Control || !Control->Widget()) return 0;
  const QVariant v = Control->Widget()->property(kStyleProperty);
  return v.isValid() ? DWORD(v.toUInt()) : (Control->Widget()->isWindow() ? 0 : WS_CHILD);
}

DWORD GetWindowExStyle(const TControl* Control) {
  if (!Control || !Control->Widget()) return 0;
  return DWORD(Control->Widget()->property(kExStyleProperty).toUInt());
}

bool IsPopupWindow(const TControl* Control) { return (GetWindowStyle(Control) & WS_POPUP) != 0; }

void MoveWindow(TControl* Control, int X, int Y, int Width, int Height) {
  if (Control && Control->Widget()) Control->Widget()->setGeometry(X, Y, std::max(0, Width), std::max(0, Height));
}

void ShowWindow(TControl* Control, bool Show) {
  if (Control && Control->Widget()) Control->Widget()->setVisible(Show);
}

void SetWindowRgn(TControl* Control, const TRegion* Region, bool Redraw) {
  QWidget* w = Control ? Control->Widget() : nullptr;
  if (!w) return;
  if (Region)
    w->setMask(Region->ToQRegion());
  else
    w->clearMask();
  if (Redraw) w->update();
}

bool HasWindowRgn(const TControl* Control) {
  return Control && Control->Widget() && !Control->Widget()->mask().isEmpty();
}

TRegion GetWindowRgn(const TControl* Control) {
  if (!HasWindowRgn(Control)) return TRegion(Control ? Control->ClientRect() : TRect());
  return TRegion::FromQRegion(Control->Widget()->mask());
}

void PostKeyStroke(TControl* Control, WORD VirtualKey) {
  QWidget* w = Control ? Control->Widget() : nullptr;
  const int key = KeyFor(VirtualKey);
  if (!w || key == 0) return;
  const QString text = TextFor(VirtualKey);
  QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}
