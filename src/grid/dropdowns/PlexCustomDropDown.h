// The edit with a popup under it that the drop-down editors build on: a
// single-line edit, a popup window holding one content control, and the keys
// that open and close it (Alt+Up, Alt+Down and F4 toggle it, Enter closes it
// keeping the value, Escape closes it and puts the previous text back).
// The popup never takes the focus: keys keep reaching the edit while it is open.
#pragma once

#include "grid/core/FooterAppearance.h"
#include "grid/core/HeaderAppearance.h"
#include "grid/dropdowns/PlexButton.h"
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
  // 17 (bottom-right sizing corner) within 10 px of the right and bottom
  // edges of a sizeable popup, else 0; client coordinates.
  int HitTest(int X, int Y) const;

protected:
  // The surface gradient or plain fill, then the border moved in by half its width.
  void Paint() override;
  // WM_NCHITTEST with the screen point in LParam (x low word, y high word).
  void WndProc(TMessage& Message) override;

private:
  TPlexCustomDropDown* FDropDown;
};

// The selected-item look of list members: three presets and the colours as set.
enum TSelectionColorStyle { scOffice2007, scWindowsVista, scWindows7, scCustom };

using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDropDownEvent = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;

class TPlexCustomDropDown : public TCustomMaskEdit, public IOrvStyle, public IOrvTones, public IBarDropDown {
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

  // ---- the popup's look
  TColor DropDownColor() const { return FDropDownColor; }
  void SetDropDownColor(TColor Value);
  TColor DropDownColorTo = clNone;
  TColor DropDownBorderColor() override { return FDropDownBorderColor; }
  void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
  int DropDownBorderWidth() override { return FDropDownBorderWidth; }
  void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
  TGradientDirection DropDownGradient = gdHorizontal;
  bool DropDownSizeable() override { return FDropDownSizeable; }
  void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
  THeaderAppearance& DropDownHeader() override { return FDropDownHeader; }
  TFooterAppearance& DropDownFooter() override { return FDropDownFooter; }
  TPlexButtonAppearance& ButtonAppearance() override { return FButtonAppearance; }
  TImageList* Images() override { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  // The edit's own border; none leaves the platform's frame.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);

  // The drop button's own colours (none: the platform's look); host tones set them.
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonBorderColor = clNone;

  // ---- the selected-item look of list members
  TColor SelectionColor = clNone;
  TColor SelectionColorTo = clNone;
  TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
  virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
  // EndKind is a TSelectionEnd; CornerColor paints the outer corner pixels.
  virtual void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int EndKind, TColor CornerColor);
  virtual void DrawBackground(TCanvas& Canvas, TColor From, TGradientDirection Direction, const TRect& R, int Steps,
                              TColor To);

  void SetComponentStyle(TOrvStyle AStyle) override;
  void SetColorTones(const TColorTones& ATones) override;
  TOrvStyle ComponentStyle() const { return FOrvStyle; }

  TNotifyEvent OnBeforeDropDown;
  TDropDownEvent OnDropDown;
  TDropUpEvent OnDropUp;

  // ---- what the popup's bars ask of the drop-down
  void HeaderButtonClick(int ButtonIndex) override;
  void FooterButtonClick(int ButtonIndex) override;
  void HidePopup(bool Cancelled) override { DoHideDropDown(Cancelled); }

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
  TOrvStyle FOrvStyle = tsCustom;
  TColor FDropDownColor = clWhite;
  TColor FDropDownBorderColor = clBlack;
  int FDropDownBorderWidth = 1;
  bool FDropDownSizeable = true;
  TImageList* FImages = nullptr;
  TColor FBorderColor = clNone;
  TSelectionColorStyle FSelectionColorStyle = scCustom;
  THeaderAppearance FDropDownHeader;
  TFooterAppearance FDropDownFooter;
  TPlexButtonAppearance FButtonAppearance;
};
