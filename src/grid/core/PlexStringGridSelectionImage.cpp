// The picture of a block of cells on a translucent form that never takes the
// focus: what a drag shows under the mouse.
#include "grid/core/PlexStringGrid.h"

#include "platform/ExtCtrls.h"
#include "platform/LayeredWindows.h"
#include "platform/NoActiveForm.h"
#include "platform/PopupWindows.h"

#include <algorithm>

namespace {
constexpr BYTE SelectionImageAlpha = 192;
}  // namespace

std::unique_ptr<TForm> TPlexStringGrid::SelectionToForm(const TGridRect& Cells) {
  TBitmap whole(Width(), Height());
  TCanvas& canvas = whole.Canvas();
  canvas.Brush().Color = Color();
  canvas.FillRect(TRect(0, 0, Width(), Height()));
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) {
      const TRect rc = CellRect(c, r);
      if (rc.Right <= rc.Left || rc.Bottom <= rc.Top) continue;
      TGridDrawState state;
      if (c < FixedCols() || r < FixedRows()) state.Include(gdFixed);
      PaintCell(canvas, c, r, rc, state);
    }
  // Corners given the other way round still describe the same block.
  const int left = std::min(Cells.Left, Cells.Right), right = std::max(Cells.Left, Cells.Right);
  const int top = std::min(Cells.Top, Cells.Bottom), bottom = std::max(Cells.Top, Cells.Bottom);
  const TRect first = CellRect(left, top), last = CellRect(right, bottom);
  const TRect area(first.Left, first.Top, last.Right, last.Bottom);
  const int w = area.Right - area.Left, h = area.Bottom - area.Top;
  TBitmap image(w + 1, h + 1);
  image.Canvas().CopyRect(TRect(0, 0, w, h), canvas,
                          TRect(area.Left + 1, area.Top + 1, area.Right + 1, area.Bottom + 1));
  image.Canvas().Pen().Color = GridFixedLineColor();
  if (left == 0 && FixedCols() > 0 && Options().Contains(goFixedVertLine)) {
    image.Canvas().MoveTo(0, 0);
    image.Canvas().LineTo(0, h + 1);
  }
  if (top == 0 && FixedRows() > 0 && Options().Contains(goFixedHorzLine)) {
    image.Canvas().MoveTo(0, 0);
    image.Canvas().LineTo(w + 1, 0);
  }
  auto form = std::make_unique<TNoActiveForm>(nullptr);
  SetWindowStyles(form.get(), TNoActiveForm::WindowStyle, WS_EX_TOPMOST);
  form->SetClientWidth(w + 1);
  form->SetClientHeight(h + 1);
  auto* picture = new TImage(form.get());
  picture->SetParent(form.get());
  picture->SetAlign(alClient);
  picture->Picture().Assign(image);
  picture->PictureChanged();
  SetLayeredWindowAttributes(form.get(), clNone, SelectionImageAlpha, LWA_ALPHA);
  return form;
}
