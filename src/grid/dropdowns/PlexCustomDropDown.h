// The edit with a popup under it that the drop-down editors build on: a
// single-line edit, a popup window holding one content control, and the keys
// that open and close it (Alt+Up, Alt+Down and F4 toggle it, Enter closes it
// keeping the value, Escape closes it and puts the previous text back).
// The popup never takes the focus: keys keep reaching the edit while it is open.
#pragma once

#include "grid/foundation/Looks.h"
#include "platform/ExtCtrls.h"
#include "platform/MaskEdit.h"

#include <functional>

class TPlexCustomDropDown;

// The popup: a frameless window above the edit's form that holds the content control.
class TDropDownForm : public TPanel {
public:
  explicit TDropDownForm(TPlexCustomDropDown* Edit);
  TPlexCustomDropDown* DropDown() const { return FDropDown; }

private:
  TPlexCustomDropDown* FDropDown;
};

using TDropDownEvent = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;

class TPlexCustomDropDown : public TCustomMaskEdit, public IOrvStyle, public IOrvTones {
public:
  explicit TPlexCustomDropDown(TComponent* AOwner);
  ~TPlexCustomDropDown() override;

  // The value written through the edit type's formatting; members format
  // numbers here. Text() reads the value back.
  void SetText(const QString& Value);
  // The edit text exactly as passed.
  void SetPlainText(const QString& Value) { TCustomMaskEdit::SetText(Value); }

  bool DroppedDown() const { return FDroppedDown; }
  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
  TDropDownForm* DropDownForm() const { return FDropDownForm; }
  TControl* Control() const { return FControl; }
  // Whether the control lies in the popup.
  bool PopupHolds(const TControl* Control) const;

  // Typing into the edit part is allowed.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  // The value is painted highlighted while focused with typing off.
  bool FocusDraw = true;
  int DropDownWidth = 0;
  int DropDownHeight = 0;
  // The previous value, put back when the popup closes cancelled.
  QString OldText() const { return FOldText; }

  void SetComponentStyle(TOrvStyle AStyle) override { FOrvStyle = AStyle; }
  void SetColorTones(const TColorTones&) override {}
  TOrvStyle ComponentStyle() const { return FOrvStyle; }

  TNotifyEvent OnBeforeDropDown;
  TDropDownEvent OnDropDown;
  TDropUpEvent OnDropUp;

  // ---- new virtual operations
  virtual void DoBeforeDropDown();
  virtual void DoShowDropDown();
  virtual void DoHideDropDown(bool Cancel);
  virtual void AfterHideDropDown();
  virtual void SizeDropDownForm();
  virtual void DoSelectNext() {}
  virtual void DoSelectPrevious() {}

protected:
  // The text as the edit type writes it; the plain base leaves it as it is.
  virtual QString FormatText(const QString& Value) const { return Value; }
  void SetControl(TControl* Value) { FControl = Value; }
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
  void TogglePopup();
  TDropDownForm* FDropDownForm = nullptr;
  TControl* FControl = nullptr;
  bool FDroppedDown = false;
  bool FEditorEnabled = true;
  QString FOldText;
  TOrvStyle FOrvStyle = tsOffice2007Luna;
};
