// The combo box with its own looks: a flat or framed border, an owner-painted
// drop-down button (plain colours, the themed part or the classic control),
// border colours for the normal and the focused state, a focus colour, and an
// optional label attached beside it. The item list, typing and drop-down are
// the platform combo's.
#pragma once

#include "grid/editing/LabelPlacement.h"
#include "platform/PaintOver.h"
#include "platform/StdCtrls.h"

#include <memory>

// The frame colour of a disabled combo on a themed system.
constexpr TColor DisabledBorderColor = TColor(0xB99D7F);
constexpr int MinComboButtonWidth = 14;
constexpr int MaxComboButtonWidth = 32;

class TPsgCustomCombo : public TComboBox {
public:
  explicit TPsgCustomCombo(TComponent* AOwner);
  ~TPsgCustomCombo() override;

  // ---- behaviour ----
  // Records Color as the colour restored when the focus leaves.
  void Init();
  // Selects the item with this text (the list's IndexOf); nothing when absent.
  void SelectItem(const QString& AString);
  // Ends loading: runs the load-time steps (the form reader calls it).
  void Loaded();
  void BeginLoad() { FLoading = true; }
  bool Loading() const { return FLoading; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Ctl3D() const { return FCtl3D; }
  bool Etched() const { return FEtched; }
  void SetEtched(bool Value);
  TColor FlatLineColor() const { return FFlatLineColor; }
  void SetFlatLineColor(TColor Value);
  bool FlatParentColor() const { return FFlatParentColor; }
  void SetFlatParentColor(bool Value);
  int ButtonWidth() const { return FButtonWidth; }
  // Widths outside 14..32 are ignored.
  void SetButtonWidth(int Value);
  int DropWidth() const { return FDropWidth; }
  void SetDropWidth(int Value);
  bool AutoFocus = false;
  bool FocusBorder = false;
  TColor FocusColor = clNone;
  TColor FocusBorderColor = clNone;
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool DisabledBorder = true;
  bool FocusLabel = false;
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  bool IsWinXP = false;
  bool IsVista = false;
  TNotifyEvent OnDropUp;

  // ---- attached label ----
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  TFont& LabelFont() { return FLabelFont; }
  TLabel* ComboLabel() const { return FLabel; }

  // ---- state the painting reads ----
  bool HasFocus() const { return FHasFocus; }
  bool MouseInCombo() const { return FMouseInCombo; }
  bool ButtonHover() const { return FButtonHover; }
  bool IsThemed() const { return FIsThemed; }
  bool ThemesActive() const;
  bool IsHighlighted() const { return FMouseInCombo || FHasFocus; }
  bool FocusBorderActive() const { return FocusBorder && IsHighlighted(); }

protected:
  void WndProc(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // ---- looks (painted over the platform combo) ----
  // Whether WM_PAINT paints the button itself rather than leaving it to the platform.
  bool PaintsItself() const;
  void Paint(TCanvas& Canvas);
  void DrawButton(TCanvas& Canvas);
  // Asks for the frame to be painted (it is painted with the next paint).
  void DrawBorders();
  void DrawBorders(TCanvas& Canvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawFlatButtonFace(TCanvas& Canvas);
  bool NeedsBorders() const;

private:
  void CreateLabel();
  void UpdateLabel();
  void SetLabelBold(bool Bold);
  void RestoreNormalColor();
  void EnabledChanging();
  void DropNotification(unsigned Code);
  TColor ParentBrushColor() const;

  bool FFlat = false;
  bool FCtl3D = true;
  bool FEtched = false;
  TColor FFlatLineColor = clNone;
  bool FFlatParentColor = true;
  int FButtonWidth = 0;
  int FDropWidth = 0;
  TColor FBorderColor = clNone;
  bool FIsThemed = false;
  bool FLoading = false;
  TColor FLoadedColor = clWindow;
  TColor FNormalColor = clNone;
  bool FInitDone = false;
  TColor FDisabledSavedColor = clWindow;
  bool FDisabledSavedParentColor = false;
  bool FMouseInCombo = false;
  bool FButtonHover = false;
  bool FHasFocus = false;
  TLabel* FLabel = nullptr;
  TLabelPosition FLabelPosition = lpLeftTop;
  int FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FLabelAlwaysEnabled = false;
  TFont FLabelFont;
  std::unique_ptr<TPaintOverHook> FPaintHook;
};
