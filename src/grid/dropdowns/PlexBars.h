// The header and footer bars of a drop-down popup: a painted background,
// border, image and mini-HTML caption, a row of bar buttons, and on the footer
// a size grip that lets the popup be sized from its bottom-right corner.
#pragma once

#include "grid/dropdowns/DbgList.h"
#include "grid/dropdowns/PlexButton.h"

#include <functional>

using TBarDrawEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TBarTextEvent = std::function<void(TObject* Sender, QString& Text)>;

template <class TAppearance, class TButton>
class TPlexBar : public TCustomControl {
public:
  explicit TPlexBar(TComponent* AOwner);
  ~TPlexBar() override;
  TAppearance& Appearance() { return FAppearance; }
  void SetAppearance(const TAppearance& Value) { FAppearance.Assign(&Value); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  IBarDropDown* PlexDropDown() const { return FPlexDropDown; }
  void SetPlexDropDown(IBarDropDown* DropDown);
  // The button definitions of the attached drop-down's look; null without one.
  virtual TBarButtons<TButton>* Buttons() = 0;
  TDbgList<TPlexButton>& ButtonList() { return FButtonList; }
  void InitButtons() {
    if (FPlexDropDown) CreateButtons();
  }
  virtual void CreateButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  // The rectangle the buttons line up in; its height caps theirs.
  virtual TRect ButtonArea() = 0;
  TBarDrawEvent OnDrawBackGround;
  TBarTextEvent OnGetText;

protected:
  void Paint() override;
  void Resize() override;
  // The border line on the content side, then the other three unless the drop-down frames itself.
  virtual void DrawBorder(TCanvas& C, const TRect& R) = 0;
  virtual void FinishPaint(TCanvas& C, const TRect& R) {}
  virtual void ButtonClick(TObject* Sender) = 0;
  virtual void SetUpButton(TPlexButton& Button, int Index) {}
  void AppearanceChanged();
  TAppearance FAppearance;
  TImageList* FImages = nullptr;
  IBarDropDown* FPlexDropDown = nullptr;
  TDbgList<TPlexButton> FButtonList;
};

class TPlexHeader : public TPlexBar<THeaderAppearance, THeaderButton> {
public:
  explicit TPlexHeader(TComponent* AOwner);
  THeaderButtons* Buttons() override;
  TRect ButtonArea() override;

protected:
  void DrawBorder(TCanvas& C, const TRect& R) override;
  void ButtonClick(TObject* Sender) override;
};

class TPlexFooter : public TPlexBar<TFooterAppearance, TFooterButton> {
public:
  explicit TPlexFooter(TComponent* AOwner);
  TFooterButtons* Buttons() override;
  TRect ButtonArea() override;
  // SizeGrip on, a drop-down attached and that drop-down sizeable.
  bool HasSizeGrip();

protected:
  void DrawBorder(TCanvas& C, const TRect& R) override;
  void FinishPaint(TCanvas& C, const TRect& R) override;
  void ButtonClick(TObject* Sender) override;
  void SetUpButton(TPlexButton& Button, int Index) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

private:
  bool OnGripCorner(int X, int Y) const { return X > Width() - 12 && Y > Height() - 15; }
  void DrawSizeGrip(TCanvas& C, const TRect& G);
  TCursor FOldCursor = crDefault;
};
