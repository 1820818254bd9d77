// What a line holds besides text: pictures (image list, desktop icons, the
// picture container and the location cache), the body's tiled background and
// the pictures of form controls. Each takes the room the last object's metrics
// give it, may be hit, and moves to the next line when it does not fit.
#include "grid/foundation/HTMLPictureCache.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/PsgHTMLEControls.h"
#include "grid/foundation/PsgHTMLEEngine.h"
#include "platform/CanvasMetrics.h"
#include "platform/ImageList.h"
#include "platform/SystemIcons.h"
#include "platform/Themes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor ThemedBorder = 0x00B99D7F;
constexpr TColor ClassicBorder = 0x00808080;
constexpr int DefaultControlHeight = 25;
// Theme parts and states of the form controls.
constexpr int BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3, CP_DROPDOWNBUTTON = 1;
constexpr int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, CBS_UNCHECKEDNORMAL = 1, CBS_CHECKEDNORMAL = 5;

int MulDivRound(int Value, int Mul, int Div) {
  return static_cast<int>((static_cast<long long>(Value) * Mul + Div / 2) / Div);
}

int Scaled(int Size, double Scale) { return static_cast<int>(std::lround(Size * Scale)); }

// A size from a tag: the leading integer; a negative one counts as absent.
int TagSize(const QString& Attributes, QStringView Name) {
  QString value;
  HtmlAttribute(Attributes, Name, value);
  return std::clamp(LeadingIntValue(value), 0, HtmlMaxObjectSize);
}

// The other side of a picture sized on one side only, in its own proportions.
int ProportionalSize(int Given, int Own, int OwnOther) {
  if (Own <= 0) return 0;
  return int(std::lround(std::min(double(OwnOther) * Given / Own, double(HtmlMaxObjectSize))));
}

}  // namespace

int THtmlEngine::ScaleX(int Size) const { return MulDivRound(Size, CanvasPixelsPerInchX(C), ScreenPixelsPerInch); }
int THtmlEngine::ScaleY(int Size) const { return MulDivRound(Size, CanvasPixelsPerInchY(C), ScreenPixelsPerInch); }

THTMLPicture* THtmlEngine::FindNamedPicture(const QString& Name) {
  THTMLPicture* picture = nullptr;
  if (!Name.contains(u':') && P.Pictures) picture = P.Pictures->FindPicture(Name);
  if (Name.contains(QStringLiteral("://")) && P.PictureCache) {
    if (!P.PictureCache->FindPicture(Name)) {
      THTMLPicture* added = P.PictureCache->AddPicture();
      added->Asynch = false;
      // A location that does not decode stays in the cache, empty, and shows nothing.
      try {
        added->LoadFromURL(Name);
      } catch (const std::exception&) {
      }
    }
    picture = P.PictureCache->FindPicture(Name);
  }
  return picture && !picture->Empty() ? picture : nullptr;
}

bool THtmlEngine::PointOnObject(const TLineWalk& W) const {
  const int x = P.HitX - W.R.Left;
  return x > Line.Width && x < Line.Width + ObjectWidth && P.HitY > W.R.Top && P.HitY < W.R.Top + ObjectHeight;
}

// Hit flag, then the fit rule: an object that would pass the right edge waits
// for the next line unless it is wider than the whole line anyway.
void THtmlEngine::ObjectHitAndFit(TLineWalk& W, bool Hit) {
  if (Hit) W.ObjectHit = true;
  const int available = W.R.Width();
  if (W.Fitting() && W.Progress && Line.Width + ObjectWidth > available && ObjectWidth < available) {
    W.WrapPending = true;
    return;
  }
  Line.Width = HtmlExtentSum(Line.Width, ObjectWidth);
  W.CurX = HtmlExtentSum(W.CurX, ObjectWidth);
  Line.Height = std::max(Line.Height, ObjectHeight);
}

void THtmlEngine::ImageTag(TLineWalk& W, QStringView Text) {
  const int number = ++ImageCount;
  const QString upper = HtmlAttributeText(Text, 2, true);
  const QString raw = HtmlAttributeText(Text, 2, false);
  QString name;
  HtmlAttribute(raw, u"SRC", name);
  QString alt;
  if (HtmlAttribute(raw, u"ALT", alt) && HitImageIndex == number) name = alt;
  const int width = TagSize(upper, u"WIDTH");
  const int height = TagSize(upper, u"HEIGHT");
  ObjectWidth = ObjectHeight = 0;
  const QString upperName = name.toUpper();
  if (upperName.contains(QStringLiteral("IDX:"))) {
    name = name.mid(4);
    ImageListPicture(W, name);
  } else if (upperName.contains(QStringLiteral("SSYS:")) || upperName.contains(QStringLiteral("LSYS:"))) {
    const bool large = upperName.contains(QStringLiteral("LSYS:"));
    name = name.mid(5);
    const TSize size = DrawSystemIcon(C, W.CurX, W.R.Top, name, large, W.Painting(), P.Printing, P.PrintScale);
    ObjectWidth = ScaleX(size.cx);
    ObjectHeight = ScaleY(size.cy);
  }
  NamedPicture(W, name, width, height);
  const bool hit = PointOnObject(W) && InLink;
  if (hit) {
    R.HitAnchorHref = Href;
    R.HitAnchorTitle = Title;
    HitImageIndex = number;
  }
  ObjectHitAndFit(W, hit);
  if (W.WrapPending || !upper.contains(QStringLiteral("ALIGN"))) return;
  if (upper.contains(QStringLiteral("\"TOP")))
    Line.TextOffset = Line.Height - GhHeight();
  else if (upper.contains(QStringLiteral("\"MIDDLE")))
    Line.TextOffset = (Line.Height - GhHeight()) / 2;
}

void THtmlEngine::ImageListPicture(TLineWalk& W, const QString& Name) {
  const int index = LeadingIntValue(Name);
  if (!P.Images || index < 0 || index >= P.Images->Count()) return;
  ObjectWidth = ScaleX(P.Images->Width());
  ObjectHeight = ScaleY(P.Images->Height());
  if (!W.Painting()) return;
  if (!P.Printing) {
    P.Images->Draw(C, W.CurX, W.R.Top, index, true);
    return;
  }
  TBitmap bitmap;
  P.Images->GetBitmap(index, bitmap);
  C.StretchDraw(TRect(W.CurX, W.R.Top, W.CurX + Scaled(P.Images->Width(), P.PrintScale),
                      W.R.Top + Scaled(P.Images->Height(), P.PrintScale)),
                bitmap);
}

void THtmlEngine::NamedPicture(TLineWalk& W, const QString& Name, int Width, int Height) {
  THTMLPicture* picture = FindNamedPicture(Name);
  if (!picture) return;
  const int pw = picture->Width(), ph = picture->Height();
  int w = Width, h = Height;
  if (Width > 0 && Height <= 0) h = ProportionalSize(Width, pw, ph);
  if (Height > 0 && Width <= 0) w = ProportionalSize(Height, ph, pw);
  const bool sized = Width > 0 || Height > 0;
  if (W.Painting() && sized) {
    picture->Stretch = true;
    picture->Draw(C, TRect(W.CurX, W.R.Top, W.CurX + w, W.R.Top + h));
  } else if (W.Painting()) {
    if (picture->FrameCount() > 1) {
      const TColor pen = C.Pen().Color;
      TBrush brush;
      brush.Assign(C.Brush());
      C.Pen().Color = BaseBackground;
      C.Brush().Style = bsSolid;
      C.Brush().Color = BaseBackground;
      C.Rectangle(W.CurX, W.R.Top, W.CurX + picture->MaxWidth(), W.R.Top + picture->MaxHeight());
      C.Pen().Color = pen;
      C.Brush().Assign(brush);
    }
    const int x = W.CurX + picture->FrameXPos(), y = W.R.Top + picture->FrameYPos();
    picture->Draw(C, TRect(x, y, x + picture->Width(), y + picture->Height()));
  }
  ObjectWidth = ScaleX(sized ? w : picture->MaxWidth());
  ObjectHeight = ScaleY(sized ? h : picture->MaxHeight());
}

void THtmlEngine::BackgroundPicture(const QString& Name) {
  THTMLPicture* picture = FindNamedPicture(Name);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) return;
  const int pw = picture->Width(), ph = picture->Height();
  C.Save();
  C.IntersectClipRect(Area);
  for (int y = 0; y < Area.Height(); y += ph)
    for (int x = 0; x < Area.Width(); x += pw)
      picture->Draw(C, TRect(Area.Left + x, Area.Top + y, Area.Left + x + pw, Area.Top + y + ph));
  C.Restore();
}

// ---- Form controls ----

void THtmlEngine::ControlTag(TLineWalk& W, QStringView Text) {
  const THtmlControlAttributes a = ParseControlAttributes(HtmlAttributeText(Text, 8, false));
  int n = 0;
  ControlHeight = StrictIntValue(a.Height, n) ? std::clamp(n, 0, HtmlMaxObjectSize) : DefaultControlHeight;
  // A width that is no plain number gives the control no defined size: it is left out.
  int width = 0;
  if (a.Width.isEmpty() || !StrictIntValue(a.Width, width)) return;
  width = std::clamp(width, 0, HtmlMaxObjectSize);
  ObjectWidth = width;
  ObjectHeight = GhHeight() + 10;
  const bool box = a.Type == u"CHECK" || a.Type == u"RADIO";
  Line.Height = box ? 16 : 23;
  if (ControlHeight > DefaultControlHeight) Line.Height = ControlHeight - 2;
  if (W.Painting()) PaintControl(W, a.Type, a.Value, width);
  if (a.Type == u"BUTTON" || a.Type == u"COMBO") ObjectHeight = 25;
  if (box) ObjectWidth = ObjectHeight = 16;
  const bool hit = PointOnObject(W) || (P.HitTestOnly && !P.ControlId.isEmpty() && a.Id == P.ControlId);
  if (hit) {
    R.HitAnchorHref = QStringLiteral("ctrl");
    R.ControlRect = TRect(W.R.Left + Line.Width, W.R.Top, W.R.Left + Line.Width + ObjectWidth, W.R.Top + ObjectHeight);
    R.ControlValue = a.Value;
    R.ControlId = a.Id;
    R.ControlType = a.Type;
  }
  ObjectHitAndFit(W, hit);
}

void THtmlEngine::PaintThemedPart(const QString& ClassList, int Part, int State, const TRect& Box) {
  IThemeServices& themes = ThemeServices();
  HTHEME theme = themes.OpenThemeData(P.WindowHandle, ClassList);
  themes.DrawThemeBackground(theme, C, Part, State, Box, nullptr);
  themes.CloseThemeData(theme);
}

void THtmlEngine::PaintControl(TLineWalk& W, const QString& Type, const QString& Value, int Width) {
  const int x = W.CurX, b = W.BaseBottom, s = Line.Height, w = Width;
  TBrush brush;
  brush.Assign(C.Brush());
  const TColor pen = C.Pen().Color;
  C.Pen().Color = Themed ? ThemedBorder : ClassicBorder;
  const bool editLike = Type == u"EDIT" || Type == u"PASSWORD" || Type == u"MASK";
  if (editLike || Type == u"COMBO") {
    C.Brush().Style = bsSolid;
    C.Brush().Color = clWhite;
    C.Rectangle(x, b - s + 4, x + w, b + 2);
    C.Brush().Style = bsClear;
    const QString shown = Type == u"PASSWORD" ? PasswordMask(Value) : Value;
    TRect tr = editLike ? TRect(x + 2, b - s + 4, x + w, b) : TRect(x + 4, b - s + 4, x + w - 18, b);
    DrawText(C, shown, tr, DT_SINGLELINE | DT_VCENTER);
    if (Type == u"COMBO") {
      const TRect button(x + w - 18, b - s + 5, x + w - 1, b + 1);
      const bool hot =
          x - 2 < P.HitX && P.HitX < x + ObjectWidth - 2 && b - ObjectHeight - 2 < P.HitY && P.HitY < b - 2;
      if (Themed)
        PaintThemedPart(QStringLiteral("combobox"), CP_DROPDOWNBUTTON, hot ? 2 : 1, button);
      else
        DrawFrameControl(C, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
  } else if (Type == u"CHECK" || Type == u"RADIO") {
    ObjectWidth = ObjectHeight = 16;
    const bool check = Type == u"CHECK";
    const bool ticked = Value.toUpper() == u"TRUE";
    C.Brush().Style = bsClear;
    const TRect box = check ? TRect(x + 2, b - 15, x + 15, b) : TRect(x + 2, b - 14, x + 14, b);
    if (Themed)
      PaintThemedPart(QStringLiteral("button"), check ? BP_CHECKBOX : BP_RADIOBUTTON,
                      ticked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, box);
    else
      DrawFrameControl(C, box, DFC_BUTTON,
                       (check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
  } else if (Type == u"BUTTON") {
    ObjectHeight = 24;
    C.Brush().Style = bsClear;
    TRect face(x + 2, b - ControlHeight, x + w - 2, b);
    const bool hot = x - 2 < P.HitX && P.HitX < x + ObjectWidth - 2 && b - 26 < P.HitY && P.HitY < b - 2;
    const bool pressed = hot && P.ControlDown;
    if (Themed)
      PaintThemedPart(QStringLiteral("button"), BP_PUSHBUTTON,
                      pressed ? PBS_PRESSED
                      : hot   ? PBS_HOT
                              : PBS_NORMAL,
                      face);
    else
      DrawFrameControl(C, face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    face = TRect(face.Left + 2, face.Top + 2, face.Right - 2, face.Bottom - 2);
    DrawText(C, Value, face, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  C.Pen().Color = pen;
  C.Brush().Assign(brush);
}
