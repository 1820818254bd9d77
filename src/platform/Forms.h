// TForm: a top-level window built in code, shown modeless or modal. Setting
// ModalResult while modal ends ShowModal with that result; the close box gives
// Cancel. KeyPreview lets the form see keys before its controls.
#pragma once

#include "platform/Controls.h"

class QDialog;
class QEventLoop;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

enum TFormStyle { fsNormal, fsStayOnTop };

// Limits of a window's outer size; 0 leaves that side free. A sizeable
// window cannot be dragged past them, and bounds set from code are clamped.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
};

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  int ClientWidth() const override { return Width() - NonClientWidth(); }
  int ClientHeight() const override { return Height() - NonClientHeight(); }
  void SetClientWidth(int v) override { SetWidth(v + NonClientWidth()); }
  void SetClientHeight(int v) override { SetHeight(v + NonClientHeight()); }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool v) override;
  QWidget* ClientWidget() const override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  // fsStayOnTop keeps the window above the others.
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& v);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle v);
  int BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = poDesigned;
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool v) { FKeyPreview = v; }
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* c);

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v);
  TModalResult ShowModal();
  bool Modal() const { return FModal; }
  void Close();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  // The window lost activation (CM_DEACTIVATE).
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  std::function<void(TObject* Sender, TCloseAction& Action)> OnClose;
  std::function<void(TObject* Sender, bool& CanClose)> OnCloseQuery;

  // Called by the application after construction: runs OnCreate.
  virtual void DoCreate();
  // Key preview entries (the form's own OnKey... events before the control's).
  void PreviewKeyDown(WORD& Key, TShiftState Shift);
  void PreviewKeyUp(WORD& Key, TShiftState Shift);
  void PreviewKeyPress(QChar& Key);

  // Non-client frame of the window around the client area.
  int NonClientWidth() const;
  int NonClientHeight() const;

protected:
  void WndProc(TMessage& Message) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual bool CloseQuery();
  virtual void DoClose(TCloseAction& Action);
  void ApplyColorToWidget() override;
  // The caption is the window title.
  void ApplyText() override;

private:
  friend class TFormWidget;
  void ApplyWindowFlags();
  void PlaceOnScreen();
  void WindowResized(const QSize& clientSize);
  QDialog* Dialog() const;
  TBorderStyle FBorderStyle = bsSizeable;
  TFormStyle FFormStyle = fsNormal;
  TSizeConstraints FConstraints;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  QEventLoop* FModalLoop = nullptr;
  bool FClosing = false;
};
