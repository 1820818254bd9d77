// Controls of the class library on Qt widgets. Every control owns one QWidget;
// the widget's Qt events become the library's messages, delivered to the
// control's WndProc in the order the library delivered them, and from there to
// the virtual handlers (MouseDown, KeyDown, Paint ...) and the On... events.
#pragma once

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/Types.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEvent;
class QWidget;
class TWinControl;
class TForm;
class TBasicAction;
class TControlActionLink;
class TPopupMenu;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
public:
  // `widget` is the Qt widget this control drives; a plain host when null.
  explicit TControl(TComponent* AOwner, QWidget* widget = nullptr);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  virtual void SetClientWidth(int v) { SetWidth(v); }
  virtual void SetClientHeight(int v) { SetHeight(v); }
  TRect ClientRect() const { return TRect(0, 0, ClientWidth(), ClientHeight()); }
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v);

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to a shown window.
  bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);

  QString Caption() const { return GetText(); }
  void SetCaption(const QString& v) { SetText(v); }
  QString Text() const { return GetText(); }
  void SetText(const QString& v);
  QString Hint() const { return FHint; }
  void SetHint(const QString& v) { FHint = v; }
  bool ShowHint() const;
  void SetShowHint(bool v) {
    FShowHint = v;
    FParentShowHint = false;
  }
  bool ParentShowHint = true;

  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // The menu a right click on the control pops up (WM_CONTEXTMENU at the
  // release); null when none. Cleared when the menu is freed.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  // The action the control follows (caption, enabled, hint, visible; a click
  // executes it when OnClick is not set). Null when none.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // The message entry: every delivered message passes here first.
  virtual void WndProc(TMessage& Message);
  // A procedure put in front of the control's own: it sees every message
  // delivered to the control first and answers it alone when it returns true.
  // One at a time; an empty one removes it.
  using TMessageFilter = std::function<bool(TMessage& Message)>;
  void SetMessageFilter(TMessageFilter Filter) { FMessageFilter = std::move(Filter); }
  bool HasMessageFilter() const { return bool(FMessageFilter); }
  // Delivers a message: the filter first, then WndProc unless the filter answered.
  void DeliverMessage(TMessage& Message);
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void Invalidate();
  void InvalidateRect(const TRect& r);
  void Repaint();
  void Refresh() { Repaint(); }
  void Update();
  void BringToFront();
  void SendToBack();
  TPoint ClientToScreen(const TPoint& p) const;
  TPoint ScreenToClient(const TPoint& p) const;
  bool MouseCapture() const;
  void SetMouseCapture(bool v);
  // The form this control lies on, or null.
  TForm* GetParentForm() const;

  QWidget* Widget() const;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Besides marking, silences the widget: a control being destroyed gets no
  // message, no event and no handler call, whatever the toolkit does with its
  // widget meanwhile (hiding it under the mouse sends a leave, for one).
  void BeginDestruction() override;
  virtual QString GetText() const { return FText; }
  // Puts the text into the widget; the default keeps it for painting.
  virtual void ApplyText() {}
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void EnabledChanged();
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void VisibleChanged();
  virtual void Resize();
  // Paints on Canvas() during WM_PAINT; only self-painting controls are asked.
  virtual void Paint() {}
  virtual bool SelfPainting() const { return false; }
  virtual TCanvas* PaintCanvas() { return nullptr; }
  // Whether a left press and release inside the control make a click.
  virtual bool ClicksOnMouseUp() const { return true; }
  // The default handling of a message after WndProc did not take it.
  virtual void DefaultHandler(TMessage& Message);
  void ApplyFontToWidget();
  // Puts Color into the widget's palette (background of containers, base of inputs).
  virtual void ApplyColorToWidget();
  void ParentFontChanged();
  void ParentColorChanged();
  TControlActionLink* ActionLink() const { return FActionLink.get(); }
  // The link class of the control's actions.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  // Takes the action's state; with CheckDefaults only where the control still
  // has its default.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  bool FMouseInControl = false;
  bool FClickPending = false;
  QString FText;

private:
  void SetWidget(QWidget* w);
  // The toolkit's events reach the control through the bridge (internal/ControlBridge.h).
  friend bool HandleQtEvent(TControl& control, QObject* target, QEvent* e);
  bool HandleQtEvent(QObject* target, QEvent* e);
  friend class TWinControl;
  friend class TCustomControl;
  friend class TGraphicControl;
  bool TranslateMouse(QEvent* e);
  bool TranslatePaint(QEvent* e);
  QPointer<QWidget> FWidget;
  TMessageFilter FMessageFilter;
  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  QString FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  bool FFontFromParent = false;
  TCursor FCursor = crDefault;
  std::unique_ptr<TControlActionLink> FActionLink;
  TPopupMenu* FPopupMenu = nullptr;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner, QWidget* widget = nullptr);
  ~TWinControl() override;

  int ControlCount() const { return int(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(size_t(index)); }
  // The widget children are put on (a scroll area or a page may differ from Widget()).
  virtual QWidget* ClientWidget() const { return Widget(); }

  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v);
  int TabOrder = 0;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TMouseWheelEvent OnMouseWheel;

  // Per-control timers, delivered as WM_TIMER with the id in WParam.
  void SetTimer(UINT id, int ms);
  void KillTimer(UINT id);
  // Lays out children with an Align other than alNone.
  void AlignControls();
  // Sends the message to each child control in turn until one sets Result.
  void Broadcast(TMessage& Message);

protected:
  void WndProc(TMessage& Message) override;
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  virtual void DoEnter();
  virtual void DoExit();
  // True when the wheel was handled (OnMouseWheel first).
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  void Resize() override;
  void FontChanged() override;
  void ColorChanged() override;

private:
  friend class TControl;
  bool TranslateKey(QObject* target, QEvent* e);
  void PassTabToFocusedChild(bool Backward);
  std::vector<TControl*> FControls;
  bool FTabStop = false;
  bool FSendingReplacedKey = false;
  bool FWheelSeenByForm = false;
  std::map<UINT, int> FTimers;  // id -> clock timer
};

// A window that paints itself on its canvas.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas& Canvas() { return FCanvas; }

protected:
  bool SelfPainting() const override { return true; }
  TCanvas* PaintCanvas() override { return &FCanvas; }

private:
  TCanvas FCanvas;
};

// A control without focus that paints itself over its parent.
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
  TCanvas& Canvas() { return FCanvas; }

protected:
  bool SelfPainting() const override { return true; }
  TCanvas* PaintCanvas() override { return &FCanvas; }

private:
  TCanvas FCanvas;
};

// A sent message runs the receiver's WndProc at once; a posted one runs after
// the current handler has returned.
LRESULT SendMessage(TControl* control, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
bool PostMessage(TControl* control, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Hands a character to a control as if it had been typed there: its key
// handling (WM_CHAR, KeyPress and their filters) sees it before the widget
// takes it. Backspace (8) deletes as the key does.
void SendTypedChar(TWinControl* control, QChar Ch);
