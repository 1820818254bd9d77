// The room a cell's graphic claims: for laying out the cell on screen and
// for the printout, which measures against the printed cell.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/core/InterfacedPersistent.h"
#include "grid/foundation/IntList.h"
#include "platform/Graphics.h"
#include "platform/ImageList.h"

#include <algorithm>
#include <cmath>

namespace {

// How a graphic sits relative to the cell's text.
struct TPlacement {
  bool Beside;      // before or after the text
  bool AboveBelow;  // above or under the text
  bool NoText;
};

TPlacement PlacementOf(const TCellGraphic& G, const QString& Text) {
  return {G.CellHAlign == haBeforeText || G.CellHAlign == haAfterText,
          G.CellVAlign == vaUnderText || G.CellVAlign == vaAboveText, Text.isEmpty()};
}

TPoint ButtonSize(const TCellGraphic& G, const TPlacement& P, int CaptionWidth, bool Print) {
  TPoint size(G.ButtonWidth(), G.ButtonHeight());
  if (Print) return size;
  if (P.NoText) {
    if (G.CellHAlign == haFull) size.X = CaptionWidth + 4;
    return size;
  }
  if (G.CellHAlign == haCenter) size.X = 0;
  if (G.CellHAlign == haFull) size.X = CaptionWidth + 4;
  if (P.AboveBelow)
    size.X = 0;
  else
    size.Y = 0;
  return size;
}

}  // namespace

TPoint TPlexStringGrid::PictureSizeIn(const TCellGraphic& Graphic, int AWidth, int AHeight, bool HasText) const {
  TPoint size(0, 0);
  Graphic.GetPictureSize(AWidth, AHeight, HasText, size);
  return size;
}

// Sizes of the kinds that measure text, on the grid's canvas with its font.
static TPoint RadioGroupSize(TCanvas& Canvas, const TCellGraphic& G, bool Print) {
  const TStringList* options = G.Strings();
  const int count = options ? options->Count() : 0;
  const int lineHeight = Canvas.TextHeight("gh");
  if (G.CellBoolean) {
    int width = 0;
    for (int i = 0; i < count; ++i) width += Canvas.TextWidth((*options)[i]) + 12;
    return TPoint(width, lineHeight);
  }
  int widest = 0;
  for (int i = 0; i < count; ++i) widest = std::max(widest, Canvas.TextWidth((*options)[i]));
  return TPoint(12 + widest, (Print ? lineHeight : std::max(16, lineHeight)) * count);
}

TPoint TPlexStringGrid::CalcCellGraphicSize(int ACol, int ARow, int ExtraOffset) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return TPoint(0, 0);
  const QString text = GetCellEx(ACol, ARow);
  const TPlacement at = PlacementOf(*g, text);
  Canvas().Font().Assign(Font());
  const TImageList* images = GetCellImageList(ACol, ARow);
  TPoint size(0, 0);
  switch (g->CellType) {
    case ctBitmap:
      if (const TBitmap* b = g->Bitmap())
        size = TPoint(at.Beside || at.NoText ? b->Width() : 0, at.AboveBelow || at.NoText ? b->Height() : 0);
      break;
    case ctIcon:
      if (g->CellIcon) size = TPoint(at.Beside || at.NoText ? g->CellIcon->Width() : 0, g->CellIcon->Height());
      break;
    case ctImageList:
    case ctDataImage:
      if (images)
        size = TPoint(at.Beside || at.NoText ? images->Width() : 0, at.AboveBelow || at.NoText ? images->Height() : 0);
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: size = TPoint(FControlLook->CheckSize(), FControlLook->CheckSize()); break;
    case ctRadioButton: size = TPoint(FControlLook->RadioSize(), FControlLook->RadioSize()); break;
    case ctRadio: size = RadioGroupSize(Canvas(), *g, false); break;
    case ctImages:
      if (images && g->Images()) {
        const int n = g->Images()->Count();
        size = g->CellBoolean ? TPoint(images->Width() * n, images->Height())
                              : TPoint(images->Width(), images->Height() * n);
      }
      break;
    case ctPicture:
    case ctFilePicture: {
      const TPoint cell = CellSize(ACol, ARow);
      const int hp = XYOffset.X * (XYOffsetTopLeftOnly ? 1 : 2), vp = XYOffset.Y * (XYOffsetTopLeftOnly ? 1 : 2);
      size = PictureSizeIn(*g, cell.X - hp - 1, cell.Y - vp - 1 - ExtraOffset, !at.NoText);
      break;
    }
    case ctButton:
    case ctBitButton: size = ButtonSize(*g, at, Canvas().TextWidth(g->CellText), false); break;
    case ctProgressPie: size = TPoint(20, 20); break;
    case ctInterface:
      if (const TInterfacedPersistent* o = g->Interfaced()) {
        size = TPoint(o->Width(), o->Height());
        if (size.X == 0 || size.Y == 0) size = CellSize(ACol, ARow);
      }
      break;
    case ctRating: size = TPoint(18 * g->CellAngle, 16); break;
    default: break;
  }
  const bool captionOnly = (g->CellType == ctButton || g->CellType == ctBitButton) && !g->CellText.isEmpty() && at.NoText;
  if (g->CellVAlign == vaFull || (g->CellHAlign == haFull && g->CellType != ctRating && !captionOnly)) {
    const TPoint cell = CellSize(ACol, ARow);
    if (g->CellVAlign == vaFull) size.Y = cell.Y;
    if (g->CellHAlign == haFull) size.X = cell.X;
  }
  return size;
}

TPoint TPlexStringGrid::CalcCellGraphicPrintSize(int ACol, int ARow, double Scale, int PrintCellWidth,
                                                 int PrintCellHeight) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return TPoint(0, 0);
  const QString text = GetCellEx(ACol, ARow);
  const TPlacement at = PlacementOf(*g, text);
  Canvas().Font().Assign(Font());
  const TImageList* images = GetCellImageList(ACol, ARow);
  switch (g->CellType) {
    case ctBitmap: return g->Bitmap() ? TPoint(g->Bitmap()->Width(), g->Bitmap()->Height()) : TPoint(0, 0);
    case ctIcon: return g->CellIcon ? TPoint(g->CellIcon->Width(), g->CellIcon->Height()) : TPoint(0, 0);
    case ctDataImage: return images ? TPoint(images->Width(), images->Height()) : TPoint(0, 0);
    case ctImageList:
      return images ? TPoint(at.Beside || at.NoText ? images->Width() : 0, images->Height()) : TPoint(0, 0);
    case ctRadio: return RadioGroupSize(Canvas(), *g, true);
    case ctNode: return TPoint(20, 20);
    case ctPicture:
    case ctFilePicture: {
      const TPoint s = PictureSizeIn(*g, PrintCellWidth, PrintCellHeight, !at.NoText);
      const double scale = Scale > 0 ? Scale : 1.0;
      return TPoint(int(std::nearbyint(s.X / scale)), int(std::nearbyint(s.Y / scale)));
    }
    case ctProgress:
    case ctXPProgress: return TPoint(ColWidths(RealToDisplayCol(ACol)), RowHeights(ARow));
    case ctShape: {
      const int side = RowHeights(ARow) - 2 * XYOffset.Y;
      return TPoint(side, side);
    }
    case ctInterface: {
      const TInterfacedPersistent* o = g->Interfaced();
      if (!o) return TPoint(0, 0);
      const TRect r = CellRect(RealToDisplayCol(ACol), ARow);
      return TPoint(o->Width() ? o->Width() : r.Width(), o->Height() ? o->Height() : r.Height());
    }
    case ctButton:
    case ctBitButton: return ButtonSize(*g, at, 0, true);
    case ctRating: return TPoint(0, 0);
    default: break;
  }
  // The check boxes, radio buttons and pies claim what they claim on screen.
  switch (g->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: return TPoint(FControlLook->CheckSize(), FControlLook->CheckSize());
    case ctRadioButton: return TPoint(FControlLook->RadioSize(), FControlLook->RadioSize());
    case ctProgressPie: return TPoint(20, 20);
    case ctImages:
      if (images && g->Images()) {
        const int n = g->Images()->Count();
        return g->CellBoolean ? TPoint(images->Width() * n, images->Height())
                              : TPoint(images->Width(), images->Height() * n);
      }
      return TPoint(0, 0);
    default: return TPoint(0, 0);
  }
}
