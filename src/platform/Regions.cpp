// Region shapes beyond rectangles.
#include "platform/Graphics.h"

#include <QPolygon>
#include <QRegion>

TRegion TRegion::CreatePolygonRgn(const std::vector<TPoint>& Points, int FillMode) {
  QPolygon polygon;
  for (const TPoint& p : Points) polygon << QPoint(p.X, p.Y);
  return FromQRegion(QRegion(polygon, FillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

TRegion TRegion::FromQRegion(const QRegion& Region) {
  TRegion r;
  r.FRegion = Region;
  return r;
}
