// The faces of fixed cells: the gradient looks with their hover, pressed and
// drop-down button faces, the headers of the current cell and of the sorted
// column, the themed list-view header, the application style's elements, the
// 3D edges of the older looks, the lines of the right fixed columns and the
// sort glyph.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/AppStyles.h"
#include "platform/GdiDraw.h"
#include "platform/Themes.h"

namespace {
constexpr int DropDownButtonWidth = 16;
constexpr TColor SortOutlineShadow = 0x808080;
constexpr TColor RightFixedLineColor = 0x808080;
// The header parts and states of the list-view look.
constexpr int HeaderItemPart = 1, HeaderItemRightPart = 3;
constexpr int HeaderStateNormal = 1, HeaderStateHot = 2, HeaderStatePressed = 3;

void Line(TCanvas& C, int x0, int y0, int x1, int y1) {
  C.MoveTo(x0, y0);
  C.LineTo(x1, y1);
}

bool GradientLook(TGridLook Look) {
  return Look == glOrv || Look == glXP || Look == glVista || Look == glWin7 || Look == glOffice2007;
}
}  // namespace

bool TPlexStringGrid::IsHoverFixedCell(int ACol, int ARow) const {
  switch (HoverFixedCells) {
    case hfNone: return false;
    case hfAll: return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedRows: return ARow < FixedRows();
    case hfFixedColumns: return ACol < FixedCols();
  }
  return false;
}

bool TPlexStringGrid::UsesVclStyles() {
  const QString name = AppStyleServices().ActiveStyleName();
  return !name.isEmpty() && name != QLatin1String(PlainAppStyleName);
}

void TPlexStringGrid::DrawFixedCellFace(TCanvas& C, int ACol, int ARow, TRect& ARect, TGridDrawState AState,
                                        bool ListViewLook) {
  if (ListViewLook)
    DrawListViewFace(C, ACol, ARow, ARect);
  else if (GradientLook(FLook))
    DrawFixedGradientFace(C, ACol, ARow, ARect);
}

void TPlexStringGrid::DrawFixedGradientFace(TCanvas& C, int ACol, int ARow, TRect& ARect) {
  const bool moving = GridState() == gsColMoving;
  const bool hovered = IsHoverFixedCell(ACol, ARow) && !IsDesigning() &&
                       ((!moving && ACol == FHoverFixedX && ARow == FHoverFixedY) || (moving && ACol == FMoveIndex));
  const TSortSettings& sort = *FSortSettings;
  if (hovered) {
    TRect r = ARect;
    r.Bottom += 1;
    const bool down = FMouseDown || moving;
    bool button = false;
    if (FControlLook->FixedDropDownButton) {
      button = true;
      DoCanShowFixedDropDown(RealColIndex(ACol), button);
    }
    auto face = [&](const TRect& at, bool pressed) {
      if (pressed)
        DrawMirrorGradient(C, at, OrvGradientDownFrom(), OrvGradientDownTo(), OrvGradientDownMirrorFrom(),
                           OrvGradientDownMirrorTo(), true, OrvGradientDownBorder(), false, true);
      else
        DrawMirrorGradient(C, at, OrvGradientHoverFrom(), OrvGradientHoverTo(), OrvGradientHoverMirrorFrom(),
                           OrvGradientHoverMirrorTo(), true, OrvGradientHoverBorder(), false, true);
    };
    if (down && button) {
      const TRect rest(r.Left, r.Top, r.Right - DropDownButtonWidth, r.Bottom);
      const TRect area(r.Right - DropDownButtonWidth, r.Top, r.Right, r.Bottom);
      face(rest, !FDropDownDown);
      face(area, FDropDownDown);
    } else {
      face(r, down);
    }
    if (button) {
      C.Pen().Color = down ? OrvGradientDownBorder() : OrvGradientHoverBorder();
      C.Pen().Width = 1;
      Line(C, r.Right - DropDownButtonWidth, r.Top, r.Right - DropDownButtonWidth, r.Bottom);
      DrawDropArrow(C, r.Right - 8, r.Top + 8, clBlack);
      ARect.Right -= DropDownButtonWidth;
    }
    return;
  }
  const bool activeHeader = (FixedCols() > 0 && ACol == FixedCols() - 1 && ARow == Row()) ||
                            (FixedRows() > 0 && ARow == FixedRows() - 1 && ACol == Col());
  if (ActiveCellShow() && activeHeader) {
    DrawMirrorGradient(C, ARect, ActiveCellColor(), ActiveCellColorTo(), clNone, clNone, true, clNone, false, true);
    return;
  }
  if (sort.Column != -1 && sort.HeaderColor() != clNone && RealColIndex(ACol) == sort.Column &&
      ARow == FixedRows() - 1 && (ACol >= FixedCols() || sort.FixedCols)) {
    DrawMirrorGradient(C, ARect, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                       sort.HeaderMirrorColorTo(), true, clNone, false, true);
    return;
  }
  if (Flat()) return;
  TBrush brush;
  TFont font;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = WordWrap();
  TCellGradientDirection gd = GradientVertical;
  TGridDrawState state;
  GetVisualProperties(ACol, ARow, state, false, false, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
  const bool vista = FLook == glVista;
  DrawMirrorGradient(C, ARect, brush.Color, to, mirror, mirrorTo, true, vista ? clWhite : clNone, vista, true);
}

void TPlexStringGrid::DrawListViewFace(TCanvas& C, int ACol, int ARow, TRect& ARect) {
  IThemeServices& themes = ThemeServices();
  if (!themes.IsThemeActive()) {
    C.Brush().Color = clBtnFace;
    C.Brush().Style = bsSolid;
    C.Pen().Color = clWhite;
    C.Pen().Width = 1;
    C.Rectangle(ARect);
    return;
  }
  TRect r = ARect;
  r.Bottom += 1;
  const bool inside = ACol == FHoverFixedX && ARow == FHoverFixedY;
  int part = HeaderItemRightPart, state = HeaderStateNormal;
  if (inside) {
    part = HeaderItemPart;
    state = FMouseDown ? HeaderStatePressed : HeaderStateHot;
  }
  if (HTHEME theme = themes.OpenThemeData(this, "header")) {
    themes.DrawThemeBackground(theme, C, part, state, r, nullptr);
    themes.CloseThemeData(theme);
  }
  C.Pen().Color = clWhite;
  C.Pen().Width = 1;
  Line(C, r.Left, r.Top, r.Right, r.Top);
}

// The device state is kept around the style's drawing; the brush ends clear so
// the content leaves the style's face as it is.
bool TPlexStringGrid::DrawAppStyleFace(TCanvas& C, TRect& ARect, TGridDrawState AState, bool FixedLooking) {
  if (!UsesVclStyles()) return false;
  IAppStyleServices& styles = AppStyleServices();
  if (FixedLooking) {
    C.Save();
    styles.DrawElement(C, aseGridFixedCell, TRect(ARect.Left, ARect.Top, ARect.Right + 1, ARect.Bottom + 2));
    C.Restore();
  } else if (AState.Contains(gdSelected)) {
    TRect r = ARect;
    InflateRect(r, 1, 1);
    C.Save();
    styles.DrawElement(C, aseGridSelectedCell, r);
    C.Restore();
    InflateRect(r, -2, -2);
    r.Right += 1;
    r.Bottom += 1;
    ARect = r;
  } else {
    return true;
  }
  C.Brush().Style = bsClear;
  return true;
}

void TPlexStringGrid::DrawFixedCellEdges(TCanvas& C, int ACol, int ARow, TRect& ARect, bool FixedLooking) {
  const bool horz = Options().Contains(goFixedHorzLine), vert = Options().Contains(goFixedVertLine);
  const TColor dark = HalveColor(FixedColor());
  C.Pen().Width = 1;
  C.Pen().Style = psSolid;
  if (FixedLooking && !Flat()) {
    TRect r = ARect;
    if (FLook == glClassic) {
      r.Left += 1;
      r.Top += 1;
      r.Bottom += 1;
      TRect e = r;
      DrawEdge(C, e, BDR_RAISEDINNER, BF_LEFT);
      e = r;
      DrawEdge(C, e, BDR_RAISEDINNER, BF_TOP);
      e = r;
      DrawEdge(C, e, BDR_RAISEDOUTER | BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM);
      C.Pen().Color = clBlack;
      C.Polyline({TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Left - 1, r.Bottom - 1)});
    } else if ((FLook == glOrv || FLook == glXP) && horz) {
      r.Bottom += 1;
      C.Pen().Color = dark;
      Line(C, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
      C.Pen().Color = clWhite;
      C.Polyline({TPoint(r.Right - 2, r.Top + 1), TPoint(r.Left + 1, r.Top + 1), TPoint(r.Left + 1, r.Bottom - 1)});
    } else if (FLook == glSoft) {
      r.Right += 1;
      r.Bottom += 1;
      if (horz) {
        C.Pen().Color = dark;
        Line(C, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        C.Pen().Color = clWhite;
        C.Polyline({TPoint(r.Right, r.Top + 1), TPoint(r.Left + 1, r.Top + 1), TPoint(r.Left + 1, r.Bottom - 1)});
      }
      if (vert) {
        C.Pen().Color = dark;
        Line(C, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
        C.Pen().Color = clWhite;
        Line(C, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      }
    }
  }
  const bool rightFixed = FFixedRightCols > 0 && RealColIndex(ACol) >= TotalColCount() - FFixedRightCols;
  if (rightFixed && FLook != glClassic && Flat()) {
    const TRect& r = ARect;
    C.Pen().Color = RightFixedLineColor;
    if (horz) {
      Line(C, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
      Line(C, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
    }
    if (vert) {
      Line(C, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
      Line(C, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
    }
  }
}

// The canvas is never mirrored here: X is a left-to-right position already.
void TPlexStringGrid::DrawSortIndicator(TCanvas& C, int ACol, int Y, int X) {
  TSortSettings& sort = *FSortSettings;
  C.Pen().Width = 1;
  C.Pen().Style = psSolid;
  if (sort.IndexShow) {
    const int position = FSortIndexes->FindIndex(RealColIndex(ACol));
    if (position < 0) return;
    const bool glyphs = !sort.IndexUpGlyph().Empty() && !sort.IndexDownGlyph().Empty();
    const bool descending = !FSortIndexes->GetSortDirections(position);
    C.Brush().Color = sort.IndexColor;
    C.Brush().Style = bsSolid;
    C.Pen().Color = clBlack;
    if (descending) {
      if (glyphs)
        C.DrawTransparent(X - 7, Y - 7, sort.IndexUpGlyph(), sort.IndexUpGlyph().KeyColor());
      else
        C.Polygon({TPoint(X - 7, Y - 5), TPoint(X + 7, Y - 5), TPoint(X, Y + 8)});
    } else {
      if (glyphs)
        C.DrawTransparent(X - 7, Y - 7, sort.IndexDownGlyph(), sort.IndexDownGlyph().KeyColor());
      else
        C.Polygon({TPoint(X - 6, Y + 8), TPoint(X + 6, Y + 8), TPoint(X, Y - 4)});
    }
    TFont font;
    font.Assign(C.Font());
    C.Font().SetColor(clBlack);
    C.Font().SetSize(6);
    C.Font().SetStyle({});
    C.SetBkMode(TRANSPARENT);
    C.TextOut(X - 2, descending ? Y - 4 : Y - 2, QString::number(position + 1));
    C.Font().Assign(font);
    return;
  }
  const bool descending = sort.Direction == sdDescending;
  if (!sort.UpGlyph().Empty() && !sort.DownGlyph().Empty()) {
    const TBitmap& glyph = descending ? sort.DownGlyph() : sort.UpGlyph();
    C.DrawTransparent(X - 4, Y - 4, glyph, glyph.KeyColor());
    return;
  }
  if (descending) {
    C.Pen().Color = clWhite;
    Line(C, X + 4, Y - 4, X, Y + 4);
    C.Pen().Color = SortOutlineShadow;
    C.LineTo(X - 4, Y - 4);
    C.LineTo(X + 4, Y - 4);
  } else {
    C.Pen().Color = clWhite;
    Line(C, X - 4, Y + 4, X + 4, Y + 4);
    C.LineTo(X, Y - 4);
    C.Pen().Color = SortOutlineShadow;
    C.LineTo(X - 4, Y + 4);
  }
  C.Pen().Color = clBlack;
}
