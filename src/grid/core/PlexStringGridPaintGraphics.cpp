// The graphic a cell carries, painted after its text: pictures, icons and
// images, check boxes and radio buttons in seven control styles, node
// glyphs, progress bars and pies, range indicators, comments, buttons,
// shapes, ratings and rotated text; and the operations that rotate a cell.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridProgressAppearance.h"
#include "grid/core/InterfacedPersistent.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/ProgressGraphics.h"
#include "platform/GdiDraw.h"
#include "platform/ImageList.h"
#include "platform/Resources.h"
#include "platform/Themes.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int StarSize = 16, StarPitch = 18;
constexpr int ExpandButtonSize = 13;
constexpr int RadioSlot = 16;
constexpr int ProgressPieSize = 20;
// The theme parts and states of the button class.
constexpr int ThemeRadioPart = 2, ThemeCheckPart = 3;
constexpr int ThemeUnchecked = 1, ThemeChecked = 5, ThemeGrayed = 9, ThemeDisabledShift = 3;
constexpr TColor ShadowGrey = 0x808080;

// The glyph pictures, loaded once each; an empty bitmap when a name is missing.
const TBitmap& GlyphResource(const QString& Name) {
  static QHash<QString, std::shared_ptr<TBitmap>> cache;
  auto it = cache.find(Name);
  if (it == cache.end()) {
    auto bitmap = std::make_shared<TBitmap>();
    try {
      LoadBitmapResource(*bitmap, Name);
    } catch (const EResNotFound&) {
      bitmap = std::make_shared<TBitmap>();
    }
    it = cache.insert(Name, bitmap);
  }
  return **it;
}

void DrawKeyed(TCanvas& C, int X, int Y, const TBitmap& Bitmap) {
  if (!Bitmap.Empty()) C.DrawTransparent(X, Y, Bitmap, Bitmap.KeyColor());
}

// Index 0..3: checked enabled, unchecked enabled, checked disabled, unchecked disabled.
QString GlyphName(const char* Prefix, int First, bool Checked, bool Enabled) {
  const int index = First + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
  return QString::fromLatin1(Prefix) + QString::number(index).rightJustified(2, QLatin1Char('0'));
}

bool TakesCellTextAlignment(TCellType Type) {
  return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox ||
         Type == ctTriStateCheckBox || Type == ctRadioButton;
}

void Line(TCanvas& C, int x0, int y0, int x1, int y1) {
  C.MoveTo(x0, y0);
  C.LineTo(x1, y1);
}

TCellVAlign GraphicVAlign(TVAlignment V) {
  switch (V) {
    case vtaBottom: return vaBottom;
    case vtaCenter: return vaCenter;
    default: return vaTop;
  }
}

// The start point of text turned by Angle degrees in R shrunk by 2, by the
// text's alignments; the halving in the centre columns goes toward zero.
TPoint RotatedTextOrigin(TCanvas& C, TRect R, int Angle, TVAlignment VA, TAlignment HA, const QString& Text) {
  const int cx = C.TextWidth(Text), cy = C.TextHeight(Text);
  InflateRect(R, -2, -2);
  const double a = Angle * std::numbers::pi / 180.0;
  const int d = RoundHalfEven(std::abs(std::cos(a) * cx)), c = RoundHalfEven(std::abs(std::sin(a) * cy));
  const int b = RoundHalfEven(std::abs(std::sin(a) * cx)), ap = RoundHalfEven(std::abs(std::cos(a) * cy));
  const int q = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle <= 270 ? 3 : 4;
  const int W = R.Width(), H = R.Height();
  struct TColumn {
    int Left, Right, Center, Top, Middle, Bottom;
  };
  const TColumn table[] = {
      {R.Left, R.Right - d - c, R.Left + (W - c - d) / 2, R.Top + b, R.Top + b + (H - ap - b) / 2, R.Bottom - ap},
      {R.Left + d, R.Right - c, R.Right - (c + W - d) / 2, R.Top + ap + b, R.Top + ap + b + (H - ap - b) / 2, R.Bottom},
      {R.Left + c + d, R.Right, R.Right - (W - c - d) / 2, R.Top + ap, R.Top + ap + (H - ap - b) / 2, R.Bottom - b},
      {R.Left + c, R.Right - d, R.Left + (c + W - d) / 2, R.Top, R.Top + (H - ap - b) / 2, R.Bottom - ap - b},
  };
  const TColumn& t = table[q - 1];
  const int x = HA == taRightJustify ? t.Right : HA == taCenter ? t.Center : t.Left;
  const int y = VA == vtaBottom ? t.Bottom : VA == vtaCenter ? t.Middle : t.Top;
  return TPoint(x, y);
}
}  // namespace

// ---- rotated cells

void TPlexStringGrid::AddRotated(int ACol, int ARow, int AAngle, const QString& s) {
  RemoveCellGraphic(ACol, ARow);
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetAngle(AAngle);
  SetCellEx(ACol, ARow, s);
}

void TPlexStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetAngle(AAngle);
  RepaintCell(RealToDisplayCol(ACol), ARow);
}

void TPlexStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TPlexStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRotated) return false;
  aAngle = g->CellAngle;
  return true;
}

// ---- the graphic of one cell

void TPlexStringGrid::DrawCellGraphics(TCanvas& C, int ACol, int ARow, TRect& ARect, const TCellGraphicLayout& Layout,
                                       TVAlignment VA, TGridDrawState AState, int TextWidth, bool BeforeText) {
  TCellGraphic* g = Layout.Graphic;
  if (!g) return;
  const int rcol = RealColIndex(ACol);
  if (g->CellType == ctInterface) {
    if (!BeforeText) return;
    if (TInterfacedPersistent* object = g->Interfaced())
      object->Draw(C, TRect(ARect.Left - 1, ARect.Top - 1, ARect.Right, ARect.Bottom), rcol, ARow,
                   AState.Contains(gdSelected), false);
    return;
  }
  if (BeforeText) return;
  const TCellType type = g->CellType;
  TRect r = ARect;
  if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress)
    InflateRect(r, 1 - XYOffset.X, 1 - XYOffset.Y);
  // The placement of a graphic of the layout's size.
  TAlignment ha = taLeftJustify;
  TVAlignment cellVA = VA;
  GetCellAlignment(rcol, ARow, ha, cellVA);
  // The content drawer's text width carries 2 pixels of room even for no text.
  const int w = Layout.Width, h = Layout.Height, t = TextWidth > 2 ? TextWidth : 0;
  TRect at(r.Left + 1, r.Top + 1, 0, 0);
  const bool follows = TakesCellTextAlignment(type);
  if (follows) {
    int x = r.Left + 1;
    if (ha == taRightJustify) {
      x = r.Right - w - 1;
      if (type == ctCheckBox || type == ctRadioButton) x -= t;
    } else if (ha == taCenter) {
      const bool besideText = t > 0 && (type == ctCheckBox || type == ctRadioButton || type == ctTriStateCheckBox);
      x = besideText ? r.Left + std::max(0, r.Right - t - r.Left) / 2 - w : r.Left + (r.Width() - w) / 2;
    }
    at.Left = std::max(r.Left + 1, x);
  } else {
    switch (Layout.HAlign) {
      case haLeft: at.Left = r.Left + 1; break;
      case haRight: at.Left = r.Right - 1 - w; break;
      case haCenter: at.Left = w < r.Width() ? r.Left + (r.Width() - w) / 2 : r.Left + 1; break;
      case haBeforeText:
        at.Left = ha == taLeftJustify    ? r.Left + 1
                  : ha == taRightJustify ? std::max(r.Left + 1, r.Right - t - w)
                                         : std::max(r.Left + 1, r.Left + (r.Width() - t - w) / 2);
        break;
      case haAfterText:
        at.Left = ha == taLeftJustify    ? r.Left + t
                  : ha == taRightJustify ? r.Right - 1 - w
                                         : std::max(r.Left + 1, r.Left + t + (r.Width() - t - w) / 2);
        break;
      case haFull: at.Left = r.Left; break;
    }
  }
  TCellVAlign valign = Layout.VAlign;
  if (follows && cellVA != VAlignment()) valign = GraphicVAlign(cellVA);
  switch (valign) {
    case vaTop:
    case vaAboveText: at.Top = r.Top + 1; break;
    case vaBottom: at.Top = r.Bottom - 1 - h; break;
    case vaCenter: at.Top = h < r.Height() ? r.Top + (r.Height() - h) / 2 : r.Top + 1; break;
    case vaUnderText: at.Top = r.Bottom - h; break;
    case vaFull: at.Top = r.Top; break;
  }
  at.Right = !follows && Layout.HAlign == haFull ? r.Right : at.Left + w;
  at.Bottom = valign == vaFull ? r.Bottom : at.Top + h;

  const bool enabled = CanEditCellNow(rcol, ARow);
  const TControlLook& look = *FControlLook;
  switch (type) {
    case ctBitmap:
      if (const TBitmap* bmp = g->Bitmap()) {
        if (g->CellTransparent)
          DrawKeyed(C, at.Left, at.Top, *bmp);
        else
          C.Draw(at.Left, at.Top, *bmp);
      }
      break;
    case ctIcon:
      if (g->CellIcon) C.Draw(at.Left, at.Top, *g->CellIcon);
      break;
    case ctImageList:
      if (TImageList* list = GetCellImageList(rcol, ARow))
        if (g->CellIndex >= 0 && g->CellIndex < list->Count()) list->Draw(C, at.Left, at.Top, g->CellIndex);
      break;
    case ctDataImage:
      if (TImageList* list = GetCellImageList(rcol, ARow)) {
        const int index = Ints(rcol, ARow) + g->CellIndex;
        if (index >= 0 && index < list->Count()) list->Draw(C, at.Left, at.Top, index);
      }
      break;
    case ctImages:
      if (TImageList* list = GetCellImageList(rcol, ARow))
        if (const TIntList* images = g->Images()) {
          int x = at.Left, y = at.Top;
          for (int i = 0; i < images->Count(); ++i) {
            const int index = images->GetInteger(i);
            if (index >= 0 && index < list->Count()) list->Draw(C, x, y, index);
            if (g->CellBoolean)
              x += list->Width();
            else
              y += list->Height();
          }
        }
      break;
    case ctPicture:
      if (const TPicture* picture = g->Picture())
        if (const TGraphic* graphic = picture->Graphic()) {
          if (g->CellAngle != 0)
            C.StretchDraw(at, *graphic);
          else
            C.Draw(at.Left, at.Top, *graphic);
        }
      break;
    case ctFilePicture:
      if (const TFilePicture* picture = g->FilePicture()) picture->DrawPicture(C, at);
      break;
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckGlyph(C, at, g->CellBoolean, cbUnchecked, false, look.ControlStyle(),
                     g->CellAngle > 0 && !g->HasAttachedBalloon(), enabled);
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString checkTrue = CheckTrue;
      DoGetCheckTrue(rcol, ARow, checkTrue);
      DrawCheckGlyph(C, at, GetCellEx(rcol, ARow) == checkTrue, cbUnchecked, false, look.ControlStyle(), false,
                     enabled);
      break;
    }
    case ctTriStateCheckBox:
      DrawCheckGlyph(C, at, false, g->CellCheckBoxState, true, look.ControlStyle(), g->CellAngle > 0, enabled);
      break;
    case ctRadioButton: {
      TRect square(at.Left + XYOffset.X, at.Top, at.Left + XYOffset.X + look.RadioSize(), at.Top + look.RadioSize());
      DrawRadioGlyph(C, square, false, 1, look.ControlStyle(), ARow, rcol, AState.Contains(gdSelected), nullptr,
                     !enabled, false, g->CellBoolean ? 0 : -2, 1);
      break;
    }
    case ctRadio: {
      const TStrings* options = GetRadioStrings(rcol, ARow);
      DrawRadioGlyph(C, r, false, 1, look.ControlStyle(), ARow, rcol, AState.Contains(gdSelected), options, !enabled,
                     g->CellBoolean, g->CellIndex, options ? options->Count() : 0);
      break;
    }
    case ctRotated: DrawRotatedGraphic(C, ACol, ARow, r, *g); break;
    case ctNode: DrawNodeGraphic(C, ACol, ARow, r, *g, AState); break;
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: DrawProgressGraphic(C, ACol, ARow, r, *g); break;
    case ctProgressPie: {
      // The pie fills itself by flood fill, which reads pixels: it is drawn
      // on a picture of the cell's background first.
      TBitmap pie(ProgressPieSize + 1, ProgressPieSize + 1);
      pie.Canvas().Brush().Color = C.Brush().Color == clNone ? Color() : C.Brush().Color;
      pie.Canvas().FillRect(TRect(0, 0, pie.Width(), pie.Height()));
      DrawProgressPie(pie.Canvas(), TRect(0, 0, ProgressPieSize, ProgressPieSize), g->CellColor, g->CellAngle, false);
      C.Draw(at.Left, at.Top, pie);
      break;
    }
    case ctComment:
      if (look.CommentColor() != clNone) {
        const TColor colour = TColor(g->CellIndex) != clNone ? TColor(g->CellIndex) : look.CommentColor();
        C.Pen().Color = colour;
        C.Brush().Color = colour;
        C.Brush().Style = bsSolid;
        C.Polygon({TPoint(r.Right - 7, r.Top), TPoint(r.Right - 2, r.Top), TPoint(r.Right - 2, r.Top + 5)});
        C.Brush().Color = Color();
      }
      break;
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawButtonGraphic(C, ACol, ARow, r, *g, at); break;
    case ctShape:
      DrawCellShape(C, at.Left, at.Top, h - 1, w - 1, TCellShape(g->CellAngle), TColor(g->CellIndex), g->CellColor);
      break;
    case ctRating: {
      const double v = std::trunc(2 * Floats(rcol, ARow)) / 2;
      const TColor full = TColor(g->CellIndex), empty = g->CellColor;
      for (int i = 0; i < g->CellAngle; ++i) {
        const int x = at.Left + StarPitch * i;
        DrawCellShape(C, x, at.Top, StarSize, StarSize, csStar, i + 1 <= v ? full : empty, i + 1 <= v ? full : empty);
        if (i < v && v < i + 1) DrawCellShape(C, x, at.Top, StarSize, StarSize, csHalfStar, full, full);
      }
      break;
    }
    default: break;
  }
}

void TPlexStringGrid::DrawRotatedGraphic(TCanvas& C, int ACol, int ARow, TRect R, const TCellGraphic& G) {
  const int rcol = RealColIndex(ACol);
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  GetCellAlignment(rcol, ARow, ha, va);
  const QString text = GetFormattedCell(rcol, ARow);
  const TPoint origin = RotatedTextOrigin(C, R, G.CellAngle, va, ha, text);
  C.Save();
  C.Font().SetOrientation(G.CellAngle * 10);
  InflateRect(R, -2, -2);
  C.Brush().Style = bsClear;
  C.IntersectClipRect(R);
  C.TextOut(origin.X, origin.Y, text);
  C.Restore();
  if (IsSortHeader(ACol, ARow)) DrawSortIndicator(C, ACol, R.Top + 2 + 8, R.Right + 2 - 10);
}

void TPlexStringGrid::DrawNodeGraphic(TCanvas& C, int ACol, int ARow, TRect& R, const TCellGraphic& G,
                                      TGridDrawState AState) {
  const TCellNode& node = *FCellNode;
  const int indent = node.NodeIndent();
  const bool contracted = G.NodeContracted();
  R.Left = GetNodeIndent(ARow) - indent;
  if (node.ShowTree() && ARow >= FixedRows()) {
    C.Pen().Color = node.TreeColor();
    C.Pen().Width = 1;
    const int x = R.Left + indent / 2 + 2, mid = (R.Top + R.Bottom) / 2;
    const bool nextExists = ARow + 1 < RowCount();
    const int nextIndent = nextExists ? GetNodeIndent(ARow + 1) : 0;
    if (nextExists && nextIndent > 0 && !(contracted && nextIndent < GetNodeIndent(ARow))) Line(C, x, mid, x, R.Bottom);
    if (ARow > FixedRows() && GetNodeIndent(ARow - 1) >= GetNodeIndent(ARow)) Line(C, x, R.Top, x, R.Top + 6);
  }
  R.Left = GetNodeIndent(ARow) - indent / 2 - 4;
  TColor background = C.Brush().Color;
  if (background == clNone) background = FixedCols() > 0 ? FixedColor() : Color();
  const bool disjunct = FMouseActions->DisjunctRowSelect();
  if ((AState.Contains(gdSelected) && !disjunct) ||
      (disjunct && Options().Contains(goRowSelect) && ACol >= FixedCols() && RowSelect(FlagRow(ARow))))
    background = SelectionColor();
  const int height = R.Height();
  switch (node.NodeType()) {
    case cnLeaf: {
      const TBitmap& glyph = GlyphResource(contracted ? "PSGLEAFCLOSE" : "PSGLEAFOPEN");
      DrawTransparentBitmap(
          C, glyph, background,
          TRect(R.Left, R.Top + (height - 12) / 2, R.Left + glyph.Width(), R.Top + (height - 12) / 2 + glyph.Height()));
      return;
    }
    case cnXP: {
      const TBitmap& glyph = GlyphResource(contracted ? "XPNODEC" : "XPNODEO");
      const int x = R.Left + 4, y = R.Top + (height - 10) / 2;
      DrawTransparentBitmap(C, glyph, background, TRect(x, y, x + glyph.Width(), y + glyph.Height()));
      return;
    }
    case cnGlyph: {
      TCellNode& settings = *FCellNode;
      if (!settings.ContractGlyph().Empty() && !settings.ExpandGlyph().Empty()) {
        const TBitmap& glyph = contracted ? settings.ContractGlyph() : settings.ExpandGlyph();
        const int y = R.Top + (height - glyph.Height()) / 2;
        DrawTransparentBitmap(C, glyph, background, TRect(R.Left, y, R.Left + glyph.Width(), y + glyph.Height()));
        return;
      }
      break;
    }
    default: break;
  }
  const int left = R.Left + 4, top = R.Top + std::max(0, height - 8) / 2;
  if (node.NodeType() == cn3D) {
    FillRectColor(C, TRect(left, top, left + 8, top + 8), node.Color);
  }
  if (node.NodeType() != cnFlat) {
    TRect box(left, top, left + 8, top + 8);
    DrawEdge(C, box, contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
    return;
  }
  C.Pen().Color = node.NodeColor;
  C.Pen().Width = 1;
  C.Brush().Style = bsClear;
  C.Rectangle(left, top, left + 9, top + 9);
  C.Brush().Style = bsSolid;
  Line(C, left + 2, top + 4, left + 7, top + 4);
  if (contracted) Line(C, left + 4, top + 2, left + 4, top + 7);
}

void TPlexStringGrid::DrawProgressGraphic(TCanvas& C, int ACol, int ARow, TRect R, const TCellGraphic& G) {
  const int rcol = RealColIndex(ACol);
  const TControlLook& look = *FControlLook;
  if (G.CellType == ctRangeIndicator) {
    InflateRect(R, -look.ProgressMarginX(), -look.ProgressMarginY());
    DrawRangeIndicator(C, R, Ints(rcol, ARow), G.CellIndex, G.CellBoolean, G.CellColor, G.CellIconColor);
    return;
  }
  if (G.CellType == ctXPProgress) {
    InflateRect(R, -look.ProgressMarginX(), -look.ProgressMarginY());
    R.Right -= 1;
    R.Bottom -= 1;
    // An empty range has no share to show: it reads as nothing done.
    const int range = G.RangeMax() - G.RangeMin();
    const int percent =
        range == 0 ? 0 : RoundHalfEven(std::abs(double(Ints(rcol, ARow) - G.RangeMin())) / range * 100.0);
    const TGridProgressAppearance& a = *FProgressAppearance;
    XPProgressLook xp;
    xp.Level0Color = a.Level0Color();
    xp.Level0ColorTo = a.Level0ColorTo();
    xp.Level1Color = a.Level1Color();
    xp.Level1ColorTo = a.Level1ColorTo();
    xp.Level2Color = a.Level2Color();
    xp.Level2ColorTo = a.Level2ColorTo();
    xp.Level3Color = a.Level3Color();
    xp.Level3ColorTo = a.Level3ColorTo();
    xp.Level1Perc = a.Level1Perc();
    xp.Level2Perc = a.Level2Perc();
    xp.BorderColor = a.BorderColor();
    xp.ShowBorder = a.ShowBorder();
    xp.Stacked = a.Stacked();
    xp.ShowPercentage = a.ShowPercentage();
    xp.CompletionSmooth = a.CompletionSmooth();
    xp.ShowGradient = a.ShowGradient();
    xp.Steps = a.Steps();
    TFont font;
    font.Assign(Font());
    font.SetColor(a.CompleteFontColor());
    xp.Font = &font;
    xp.CompleteFontColor = a.CompleteFontColor();
    xp.UnCompleteColor = a.UnCompleteColor() == clNone ? Color() : a.UnCompleteColor();
    DrawXPProgress(C, R, percent, xp);
    return;
  }
  const double value = Floats(rcol, ARow);
  IThemeServices& themes = ThemeServices();
  if ((look.ControlStyle() == csWinXP || look.ControlStyle() == csTheme) && themes.IsThemeActive() &&
      look.ProgressXP()) {
    TRect bar = R;
    InflateRect(bar, -look.ProgressMarginX(), -look.ProgressMarginY());
    if (HTHEME theme = themes.OpenThemeData(this, "Progress")) {
      themes.DrawThemeBackground(theme, C, 1, 1, bar, nullptr);
      TRect chunk = bar;
      InflateRect(chunk, -2, -2);
      chunk.Right = chunk.Left + RoundHalfEven(chunk.Width() * std::clamp(value, 0.0, 100.0) / 100.0);
      themes.DrawThemeBackground(theme, C, 3, 1, chunk, nullptr);
      themes.CloseThemeData(theme);
    }
    return;
  }
  InflateRect(R, -2, -2);
  const TColor completed = G.CellColor, remaining = G.CellIconColor;
  TColor completedText = TColor(G.CellIndex), remainingText = TColor(G.CellAngle);
  if (!G.CellBoolean) {
    completedText = ColorToRGB(remaining) ^ 0xFFFFFF;
    remainingText = ColorToRGB(completed) ^ 0xFFFFFF;
  }
  DrawProgressBar(C, R, completed, completedText, remaining, remainingText, value, look.ProgressMarginX(),
                  look.ProgressMarginY(), G.RangeMin(), G.RangeMax(), G.CellText, look.ProgressBorderColor, false);
}

void TPlexStringGrid::DrawButtonGraphic(TCanvas& C, int ACol, int ARow, TRect& R, TCellGraphic& G, const TRect& At) {
  const int rcol = RealColIndex(ACol);
  const TControlLook& look = *FControlLook;
  const TRect cell = CellRect(ACol, ARow);
  TRect face = At;
  if (G.CellType == ctExpand) face = TRect(R.Right - ExpandButtonSize, R.Top, R.Right, R.Top + ExpandButtonSize);
  // Where the button was drawn, for the mouse to find it: y high, x low.
  G.CellValue =
      double((uint32_t(std::max(0, face.Top - cell.Top)) << 16) | uint32_t(std::max(0, face.Left - cell.Left)));
  const bool enabled = look.NoDisabledButtonLook() || CanEditCellNow(rcol, ARow);
  int buttonLook = look.FlatButton()                 ? CellButtonFlat
                   : ThemeServices().IsThemeActive() ? CellButtonThemed
                                                     : CellButtonClassic;
  if (Flat() && FTones.Background.BrushColor != clNone) buttonLook = CellButtonOffice;
  int state = CellButtonNormal;
  if (G.CellBoolean)
    state = CellButtonDown;
  else if (FHoverButton.X == ACol && FHoverButton.Y == ARow)
    state = CellButtonHot;
  if (!enabled && G.CellType != ctExpand) state = CellButtonDisabled;
  DrawPushButtonFace(C, this, face, buttonLook, state, FTones);
  const int shift = state == CellButtonDown ? 1 : 0;
  if (G.CellType == ctExpand) {
    C.Pen().Color = clBlack;
    C.Pen().Width = 1;
    const int right = face.Right + shift, top = face.Top + shift;
    if (!G.ExpandState())
      C.Polyline({TPoint(right - 10, top + 5), TPoint(right - 7, top + 8), TPoint(right - 3, top + 4)});
    else
      C.Polyline({TPoint(right - 10, top + 8), TPoint(right - 7, top + 5), TPoint(right - 3, top + 9)});
    return;
  }
  TRect caption = face;
  caption.Left += 1 + shift;
  caption.Top += shift;
  caption.Right += shift;
  caption.Bottom += shift;
  if (G.CellType == ctBitButton)
    if (const TBitmap* glyph = G.Bitmap(); glyph && !glyph->Empty()) {
      const bool room = glyph->Width() + 6 < face.Width();
      if (!G.CellText.isEmpty() || !room) {
        const int y = glyph->Height() < face.Height() ? face.Top + (face.Height() - glyph->Height()) / 2 : face.Top + 3;
        DrawKeyed(C, face.Left + 3 + shift, y + shift, *glyph);
        caption.Left = face.Left + 3 + glyph->Width() + 4 + shift;
      } else {
        DrawKeyed(C, face.Left + (face.Width() - glyph->Width()) / 2 + shift,
                  face.Top + (face.Height() - glyph->Height()) / 2 + shift, *glyph);
      }
    }
  if (G.CellText.isEmpty()) return;
  if (buttonLook == CellButtonOffice) {
    const TColorTone& tone = state == CellButtonHot        ? FTones.Hover
                             : state == CellButtonDown     ? FTones.Selected
                             : state == CellButtonDisabled ? FTones.Disabled
                                                           : FTones.Background;
    C.Font().SetColor(tone.TextColor);
  }
  unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
  flags |= G.CellText.contains(QLatin1Char('\r')) ? DT_WORDBREAK : DT_SINGLELINE;
  C.SetBkMode(TRANSPARENT);
  DrawText(C, G.CellText, caption, flags);
}

// ---- check boxes and radio buttons

void TPlexStringGrid::DrawCheckGlyph(TCanvas& C, const TRect& R, bool Checked, TCheckBoxState TriState, bool IsTriState,
                                     TControlStyle Style, bool Grayed, bool Enabled) {
  const TControlLook& look = *FControlLook;
  if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive) Enabled = true;
  IThemeServices& themes = ThemeServices();
  if (Style == csTheme && !themes.IsThemeActive()) Style = csClassic;
  if (IsTriState) {
    Checked = TriState == cbChecked;
    Grayed = TriState == cbGrayed;
  }
  const int size = look.CheckSize();
  switch (Style) {
    case csWinXP:
    case csOrv: {
      // A grayed box shows the checked picture in its disabled colours.
      const bool shownChecked = Checked || Grayed;
      const QString name = Style == csOrv ? GlyphName("PSGCHK", 1, shownChecked, Enabled && !Grayed)
                                          : GlyphName("PSGCHK", 5, shownChecked, Enabled && !Grayed);
      DrawKeyed(C, R.Left, R.Top, GlyphResource(name));
      return;
    }
    case csBorland: {
      const TRect box(R.Left, R.Top, R.Left + size, R.Top + size);
      C.Brush().Style = bsSolid;
      C.Brush().Color = Enabled ? clBtnFace : clBtnShadow;
      C.Pen().Color = clBtnFace;
      C.Pen().Width = 1;
      C.Rectangle(box);
      C.Pen().Color = clBtnHighlight;
      C.Polyline({TPoint(box.Left, box.Bottom - 1), TPoint(box.Left, box.Top), TPoint(box.Right, box.Top)});
      C.Pen().Color = clBtnShadow;
      C.Polyline({TPoint(box.Right - 1, box.Top), TPoint(box.Right - 1, box.Bottom - 1),
                  TPoint(box.Left - 1, box.Bottom - 1)});
      if (Checked || Grayed) {
        C.Pen().Color = Enabled && !Grayed ? look.Color() : ShadowGrey;
        const int half = size / 2;
        Line(C, box.Left + 2, box.Top + half, box.Left + 2, box.Bottom - 2);
        Line(C, box.Left + 3, box.Top - 1 + half, box.Left + 3, box.Bottom - 3);
        Line(C, box.Left + 2, box.Bottom - 2, box.Right - 2, box.Top + 2);
        Line(C, box.Left + 3, box.Bottom - 2, box.Right - 1, box.Top + 2);
      }
      return;
    }
    case csGlyph: {
      TControlLook& glyphs = *FControlLook;
      DrawKeyed(C, R.Left, R.Top, Checked ? glyphs.CheckedGlyph() : glyphs.UnCheckedGlyph());
      return;
    }
    case csTheme: {
      int state = Grayed ? ThemeGrayed : Checked ? ThemeChecked : ThemeUnchecked;
      if (!Enabled) state += ThemeDisabledShift;
      if (HTHEME theme = themes.OpenThemeData(this, "button")) {
        themes.DrawThemeBackground(theme, C, ThemeCheckPart, state, TRect(R.Left, R.Top, R.Left + size, R.Top + size),
                                   nullptr);
        themes.CloseThemeData(theme);
      }
      return;
    }
    case csClassic:
    case csFlat: {
      unsigned flags = DFCS_BUTTONCHECK;
      if (Checked) flags |= DFCS_CHECKED;
      if (Grayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
      if (Style == csFlat) flags |= DFCS_FLAT;
      if (!Enabled) flags |= DFCS_INACTIVE;
      const int x = R.Left + (R.Width() - size) / 2, y = R.Top + (R.Height() - size) / 2;
      DrawFrameControl(C, TRect(x, y, x + size, y + size), DFC_BUTTON, flags);
      return;
    }
  }
}

void TPlexStringGrid::DrawRadioGlyph(TCanvas& C, const TRect& R, bool Upward, double Scale, TControlStyle Style,
                                     int ARow, int ACol, bool Selected, const TStrings* Items, bool Disabled,
                                     bool Horizontal, int CheckedIndex, int Count) {
  const TControlLook& look = *FControlLook;
  if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive) Disabled = false;
  if (Selected && ShowSelection() && SelectionTextColor() != clNone) C.Font().SetColor(SelectionTextColor());
  IThemeServices& themes = ThemeServices();
  if (Style == csTheme && !themes.IsThemeActive()) Style = csClassic;
  const QString cellText = Items && CheckedIndex == -1 ? GetCellEx(ACol, ARow) : QString();
  const int dir = Upward ? -1 : 1;
  auto scaled = [Scale](int v) { return int(std::lround(v * Scale)); };
  C.SetBkMode(TRANSPARENT);
  int previousWidths = 0;
  for (int i = 1; i <= Count; ++i) {
    const QString text = Items && i <= Items->Count() ? (*Items)[i - 1] : QString();
    const bool checked =
        i == CheckedIndex + 1 || (CheckedIndex == -1 && Items && i <= Items->Count() && text == cellText);
    if (Style == csClassic || Style == csFlat) {
      const int size = scaled(look.RadioSize() + (Style == csFlat ? 2 : 0));
      int x = 0, y = 0, tx = 0;
      if (Horizontal) {
        x = R.Left + scaled(2 + (i - 1) * look.RadioSize()) + previousWidths;
        y = R.Top + (R.Height() - size) / 2;
        tx = x + size;
      } else {
        const int lh = C.TextHeight("gh");
        x = text.isEmpty() ? R.Left + (R.Width() - size) / 2 : R.Left + scaled(2);
        y = R.Top + dir * scaled(2 + (i - 1) * lh);
        tx = R.Left + scaled(2 + look.RadioSize() + 4);
      }
      unsigned flags = DFCS_BUTTONRADIO;
      if (Style == csFlat) flags |= DFCS_FLAT;
      if (Disabled) flags |= DFCS_INACTIVE;
      if (checked) flags |= DFCS_CHECKED;
      DrawFrameControl(C, TRect(x, y, x + size, y + size), DFC_BUTTON, flags);
      if (!text.isEmpty()) C.TextOut(tx, y + (size - C.TextHeight(text)) / 2, text);
      previousWidths += C.TextWidth(text);
      continue;
    }
    const bool bitmapStyle = Style == csWinXP || Style == csOrv || Style == csGlyph;
    int x = 0, y = 0, tx = 0, ty = 0;
    const int slot = scaled(RadioSlot);
    if (Horizontal) {
      x = R.Left + scaled(i * RadioSlot - 14) + previousWidths;
      y = R.Top + (R.Height() - slot) / 2;
      tx = x + slot;
      ty = y - 2 + (bitmapStyle ? 1 : 0);
    } else {
      const int lh = std::max(slot, C.TextHeight("gh"));
      x = text.isEmpty() && Count == 1 ? R.Left + (R.Width() - slot) / 2 : R.Left + scaled(2);
      y = R.Top + dir * (scaled(2) + (i - 1) * lh);
      tx = R.Left + scaled(bitmapStyle ? 18 : 20);
      ty = bitmapStyle ? y + 1 : y - 2;
    }
    switch (Style) {
      case csBorland: {
        auto pt = [&](int dx, int dy) { return TPoint(x + scaled(dx), y + scaled(dy)); };
        C.Brush().Style = bsSolid;
        C.Brush().Color = clBtnFace;
        C.Pen().Color = clBtnFace;
        C.Polygon({pt(2, 8), pt(8, 2), pt(14, 8), pt(8, 14)});
        C.Pen().Color = checked ? ShadowGrey : clWhite;
        C.Polyline({pt(8, 14), pt(2, 8), pt(8, 2)});
        C.Pen().Color = checked ? clWhite : ShadowGrey;
        C.Polyline({pt(8, 2), pt(14, 8), pt(8, 14)});
        if (checked) {
          C.Brush().Color = look.Color();
          C.Pen().Color = look.Color();
          C.Polygon({pt(6, 8), pt(8, 6), pt(10, 8), pt(8, 10)});
        }
        break;
      }
      case csTheme:
        if (HTHEME theme = themes.OpenThemeData(this, "button")) {
          int state = checked ? ThemeChecked : ThemeUnchecked;
          if (Disabled) state += ThemeDisabledShift;
          themes.DrawThemeBackground(theme, C, ThemeRadioPart, state, TRect(x, y, x + slot, y + slot), nullptr);
          themes.CloseThemeData(theme);
        }
        break;
      case csWinXP: DrawKeyed(C, x, y, GlyphResource(GlyphName("PSGRAD", 5, checked, !Disabled))); break;
      case csOrv: DrawKeyed(C, x, y, GlyphResource(GlyphName("PSGRAD", 1, checked, !Disabled))); break;
      case csGlyph: {
        TControlLook& glyphs = *FControlLook;
        DrawKeyed(C, x, y, checked ? glyphs.RadioOnGlyph() : glyphs.RadioOffGlyph());
        break;
      }
      default: break;
    }
    if (!text.isEmpty()) C.TextOut(tx, ty, text);
    previousWidths += C.TextWidth(text);
  }
}
