#include "grid/dropdowns/PlexBars.h"

#include "grid/dropdowns/DropDownDrawing.h"
#include "grid/foundation/PsgHTMLE.h"
#include "platform/ImageList.h"

#include <algorithm>
#include <type_traits>

template <class TAppearance, class TButton>
TPlexBar<TAppearance, TButton>::TPlexBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FAppearance.OnChange = [this](TObject*) { AppearanceChanged(); };
}

template <class TAppearance, class TButton>
TPlexBar<TAppearance, TButton>::~TPlexBar() {
  ClearButtons();
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::SetPlexDropDown(IBarDropDown* DropDown) {
  FPlexDropDown = DropDown;
  if (!DropDown) {
    FImages = nullptr;
    return;
  }
  FImages = DropDown->Images();
  if constexpr (std::is_same_v<TAppearance, THeaderAppearance>)
    FAppearance.Assign(&DropDown->DropDownHeader());
  else
    FAppearance.Assign(&DropDown->DropDownFooter());
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::AppearanceChanged() {
  SetVisible(FAppearance.Visible());
  SetHeight(FAppearance.Height);
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::CreateButtons() {
  TBarButtons<TButton>* defs = Buttons();
  if (!defs || !FPlexDropDown) return;
  ClearButtons();
  const int h = ButtonArea().Height();
  for (int i = 0; i < defs->Count(); ++i) {
    const TButton& def = defs->Items(i);
    auto* button = new TPlexButton(this);
    button->SetParent(this);
    button->SetAppearance(&FPlexDropDown->ButtonAppearance());
    button->SetCaption(def.Caption());
    button->SetImages(FImages);
    button->SetImageIndex(def.ImageIndex);
    button->SetEnabled(def.Enabled());
    SetUpButton(*button, i);
    button->AutoSizeButton();
    if (def.Width() > 0) button->SetWidth(def.Width());
    if (def.Height > 0) button->SetHeight(def.Height);
    button->SetHeight(std::min(button->Height(), h));
    button->Tag = i;
    button->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
    FButtonList.Add(button);
  }
  ArrangeButtons();
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::ClearButtons() {
  for (int i = FButtonList.Count() - 1; i >= 0; --i) delete FButtonList.ItemsEx(i);
  FButtonList.Clear();
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::UpdateButtons() {
  TBarButtons<TButton>* defs = Buttons();
  if (!defs || !FPlexDropDown) return;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TPlexButton* button = FButtonList.ItemsEx(i);
    button->SetAppearance(&FPlexDropDown->ButtonAppearance());
    button->SetImages(FImages);
    if (i < defs->Count()) {
      button->SetCaption(defs->Items(i).Caption());
      button->SetImageIndex(defs->Items(i).ImageIndex);
      button->SetEnabled(defs->Items(i).Enabled());
    }
    button->AutoSizeButton();
  }
  ArrangeButtons();
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::ArrangeButtons() {
  if (FButtonList.Count() == 0) return;
  const TRect area = ButtonArea();
  int x = FAppearance.ButtonAlignment == baRight ? area.Right : area.Left;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TPlexButton* b = FButtonList.ItemsEx(i);
    const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
    if (FAppearance.ButtonAlignment == baRight) {
      b->SetBounds(x - b->Width(), top, b->Width(), b->Height());
      x = b->Left();
    } else {
      b->SetBounds(x, top, b->Width(), b->Height());
      x += b->Width();
    }
  }
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::Resize() {
  TCustomControl::Resize();
  ArrangeButtons();
}

template <class TAppearance, class TButton>
void TPlexBar<TAppearance, TButton>::Paint() {
  TCanvas& C = Canvas();
  const TRect R = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, C, R);
    return;
  }
  const TAppearance& a = FAppearance;
  if (a.ColorTo == clNone) {
    if (a.Color != clNone) {
      C.Brush().Style = bsSolid;
      C.Brush().Color = a.Color;
      C.FillRect(R);
    }
  } else {
    DrawStepGradient(C, a.Color, a.ColorTo, a.GradientDirection == gdHorizontal, R, 80);
  }
  if (a.BorderColor != clNone && a.BorderWidth > 0) {
    C.Pen().Width = a.BorderWidth;
    C.Pen().Color = a.BorderColor;
    DrawBorder(C, R);
    C.Pen().Width = 1;
  }
  const int bw = a.BorderWidth;
  TRect content(R.Left + bw, R.Top + bw, R.Right - bw, R.Bottom - bw);
  if (a.ImageIndex >= 0 && FImages) {
    FImages->Draw(C, content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2, a.ImageIndex);
    content.Left += FImages->Width() + 8;
  }
  QString text = a.Caption;
  if (OnGetText) OnGetText(this, text);
  if (!text.isEmpty()) {
    if (FButtonList.Count() > 0) content.Right = FButtonList.ItemsEx(FButtonList.Count() - 1)->Left() - 2;
    C.Font().Assign(a.Font());
    C.Brush().Style = bsClear;
    THtmlDrawParams params;
    params.Images = FImages;
    params.AnchorColor = 0xFF0000;
    params.WindowHandle = this;
    params.MeasureOnly = true;
    THtmlDrawResults results;
    DrawHtmlText(C, text, content, params, results);
    if (results.ContentHeight < content.Height()) content.Top += (content.Height() - results.ContentHeight) / 2;
    params.MeasureOnly = false;
    // Text stays inside its area: the buttons right of it keep their faces.
    C.Save();
    C.IntersectClipRect(content);
    DrawHtmlText(C, text, content, params, results);
    C.Restore();
    C.Brush().Style = bsSolid;
  }
  FinishPaint(C, R);
}

template class TPlexBar<THeaderAppearance, THeaderButton>;
template class TPlexBar<TFooterAppearance, TFooterButton>;

// ---- header

TPlexHeader::TPlexHeader(TComponent* AOwner) : TPlexBar(AOwner) {
  FAppearance.OnButtonsChanged = [](TObject*) {};
}

THeaderButtons* TPlexHeader::Buttons() { return FPlexDropDown ? &FPlexDropDown->DropDownHeader().Buttons() : nullptr; }

TRect TPlexHeader::ButtonArea() {
  const TRect R = ClientRect();
  return TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 3);
}

void TPlexHeader::DrawBorder(TCanvas& C, const TRect& R) {
  C.MoveTo(R.Left, R.Bottom - 1);
  C.LineTo(R.Right, R.Bottom - 1);
  if (!FPlexDropDown || FPlexDropDown->DropDownBorderWidth() <= 0 || FPlexDropDown->DropDownBorderColor() == clNone) {
    C.MoveTo(R.Left, R.Bottom - 1);
    C.LineTo(R.Left, R.Top);
    C.LineTo(R.Right, R.Top);
    C.LineTo(R.Right, R.Bottom - 1);
  }
  C.Pen().Width = 1;
  C.Pen().Color = BlendColor(FAppearance.BorderColor, clWhite, 20);
  C.Brush().Style = bsClear;
  C.Rectangle(TRect(R.Left, R.Top, R.Right, R.Bottom - FAppearance.BorderWidth));
  C.Brush().Style = bsSolid;
}

void TPlexHeader::ButtonClick(TObject* Sender) {
  if (auto* b = dynamic_cast<TPlexButton*>(Sender); b && FPlexDropDown) FPlexDropDown->HeaderButtonClick(b->Tag);
}

// ---- footer

TPlexFooter::TPlexFooter(TComponent* AOwner) : TPlexBar(AOwner) {}

TFooterButtons* TPlexFooter::Buttons() { return FPlexDropDown ? &FPlexDropDown->DropDownFooter().Buttons() : nullptr; }

bool TPlexFooter::HasSizeGrip() { return FAppearance.SizeGrip && FPlexDropDown && FPlexDropDown->DropDownSizeable(); }

TRect TPlexFooter::ButtonArea() {
  const TRect R = ClientRect();
  return TRect(R.Left + 2, R.Top + 2, HasSizeGrip() ? R.Right - 14 : R.Right - 2, R.Bottom - 2);
}

void TPlexFooter::SetUpButton(TPlexButton& Button, int Index) {
  Button.SetPlexDropDown(FPlexDropDown);
  Button.SetModalResult(Buttons()->Items(Index).ModalResult);
}

void TPlexFooter::DrawBorder(TCanvas& C, const TRect& R) {
  C.MoveTo(R.Left, R.Top);
  C.LineTo(R.Right, R.Top);
  if (!FPlexDropDown || FPlexDropDown->DropDownBorderWidth() <= 0 || FPlexDropDown->DropDownBorderColor() == clNone) {
    C.MoveTo(R.Left, R.Top);
    C.LineTo(R.Left, R.Bottom);
    C.LineTo(R.Right, R.Bottom);
    C.LineTo(R.Right, R.Top);
  }
  C.Pen().Width = 1;
  C.Pen().Color = BlendColor(FAppearance.BorderColor, clWhite, 20);
  C.Brush().Style = bsClear;
  C.Rectangle(TRect(R.Left, R.Top + FAppearance.BorderWidth, R.Right, R.Bottom));
  C.Brush().Style = bsSolid;
}

void TPlexFooter::FinishPaint(TCanvas& C, const TRect& R) {
  if (HasSizeGrip()) {
    const int bw = FAppearance.BorderWidth;
    DrawSizeGrip(C, TRect(R.Right - bw - 16, 1, R.Right - bw - 1, R.Bottom));
  }
}

void TPlexFooter::DrawSizeGrip(TCanvas& C, const TRect& G) {
  static constexpr TPoint dots[] = {{5, -4}, {9, -4}, {13, -4}, {13, -8}, {13, -12}, {9, -8}};
  C.Brush().Style = bsSolid;
  C.Brush().Color = clWhite;
  for (const TPoint& d : dots) C.FillRect(TRect(G.Left + d.X, G.Bottom + d.Y, G.Left + d.X + 2, G.Bottom + d.Y + 2));
  C.Brush().Color = FAppearance.BorderColor;
  for (const TPoint& d : dots)
    C.FillRect(TRect(G.Left + d.X - 1, G.Bottom + d.Y - 1, G.Left + d.X + 1, G.Bottom + d.Y + 1));
}

void TPlexFooter::ButtonClick(TObject* Sender) {
  if (auto* b = dynamic_cast<TPlexButton*>(Sender); b && FPlexDropDown) FPlexDropDown->FooterButtonClick(b->Tag);
}

void TPlexFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && HasSizeGrip() && OnGripCorner(X, Y) && Parent()) {
    // The popup sizes itself from its bottom-right corner, as from its own frame.
    SetMouseCapture(false);
    Parent()->Perform(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
    return;
  }
  TPlexBar::MouseDown(Button, Shift, X, Y);
}

void TPlexFooter::MouseMove(TShiftState Shift, int X, int Y) {
  if (HasSizeGrip() && OnGripCorner(X, Y) && Parent()) {
    Parent()->Perform(WM_NCHITTEST, 0, 0);
    SetCursor(crSizeNWSE);
  } else {
    SetCursor(FOldCursor);
  }
  TPlexBar::MouseMove(Shift, X, Y);
}

void TPlexFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SetCursor(FOldCursor);
  TPlexBar::MouseUp(Button, Shift, X, Y);
}

void TPlexFooter::MouseEnter() {
  // The sizing cursor is never the one kept.
  if (Cursor() != crSizeNWSE) FOldCursor = Cursor();
  TPlexBar::MouseEnter();
}

void TPlexFooter::MouseLeave() {
  SetCursor(FOldCursor);
  TPlexBar::MouseLeave();
}
