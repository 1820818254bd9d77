#include "grid/foundation/FocusFrameMask.h"

#include "grid/foundation/GaussianBlur.h"
#include "platform/Graphics.h"

void CreateRoundRectMask(TBitmap& ABitmap, int AWidth, int AHeight, int APenWidth, int ACorner, double ABlur) {
  ABitmap.SetPixelFormat(pf24bit);
  ABitmap.SetSize(AWidth, AHeight);
  TCanvas& c = ABitmap.Canvas();
  c.Brush().Color = clBlack;
  c.Brush().Style = bsSolid;
  c.FillRect(TRect(0, 0, AWidth, AHeight));
  const TPen oldPen = c.Pen();
  const TBrush oldBrush = c.Brush();
  c.Pen().Style = psSolid;
  c.Pen().Color = clWhite;
  c.Pen().Width = APenWidth > 0 ? APenWidth : 1;
  c.Brush().Color = APenWidth > 0 ? clBlack : clWhite;
  const int inset = 2 + APenWidth / 2;
  c.RoundRect(inset, inset, AWidth - inset, AHeight - inset, ACorner, ACorner);
  c.Pen().Assign(oldPen);
  c.Brush().Assign(oldBrush);
  ABitmap.EndCanvas();
  if (ABlur > 0) GaussianBlur(ABitmap, ABlur);
}
