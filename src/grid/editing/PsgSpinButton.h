// The spin edit's pair of arrow buttons: up and down (or right and left),
// with the focus on one of them, keys for the pair, the glyphs and the
// colours the grid's tones set.
#pragma once

#include "grid/editing/PlexTimerSpeedButton.h"
#include "platform/Controls.h"

enum TSpinDirection { spVertical, spHorizontal };

// Loads one of the grid's own bitmaps by resource name ("PsgSpinUp" ...).
bool LoadGridGlyph(TBitmap& Bitmap, const QString& Name);

class TPsgSpinButton : public TWinControl {
public:
  explicit TPsgSpinButton(TComponent* AOwner);

  TPlexTimerSpeedButton* UpButton() const { return FUpButton; }
  TPlexTimerSpeedButton* DownButton() const { return FDownButton; }
  TPlexTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  // Null loads the default glyph.
  void SetUpGlyph(const TBitmap* Value);
  void SetDownGlyph(const TBitmap* Value);
  void SetUpNumGlyphs(int Value) { FUpButton->SetNumGlyphs(Value); }
  void SetDownNumGlyphs(int Value) { FDownButton->SetNumGlyphs(Value); }
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded();

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TPlexTimerSpeedButton* CreateArrowButton();
  // Places the buttons for the size; gives the width the pair needs.
  int AdjustButtonSize(int W, int H);
  void ArrowClick(TObject* Sender);
  void ArrowMouseDown(TObject* Sender, TMouseButton Button);
  void FocusArrowButton(TPlexTimerSpeedButton* Button);
  TPlexTimerSpeedButton* FUpButton = nullptr;
  TPlexTimerSpeedButton* FDownButton = nullptr;
  TPlexTimerSpeedButton* FFocusedButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
};
