// The cell shapes and rating stars.
#include "grid/foundation/CellDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
using TPoints = std::vector<TPoint>;

enum class ShapeKind { Rect, Ellipse, RoundRect, Polygon, LineVert, LineHorz };

TPoints TriangleLeft(int x, int y, int w, int h) { return {{x + w, y}, {x + w, y + h}, {x, y + h / 2}}; }
TPoints TriangleRight(int x, int y, int w, int h) { return {{x, y}, {x, y + h}, {x + w, y + h / 2}}; }
TPoints TriangleUp(int x, int y, int w, int h) { return {{x, y + h}, {x + w, y + h}, {x + w / 2, y}}; }
TPoints TriangleDown(int x, int y, int w, int h) { return {{x, y}, {x + w, y}, {x + w / 2, y + h}}; }
TPoints Diamond(int x, int y, int w, int h) {
  const int a = w / 2, b = h / 2;
  return {{x, y + b}, {x + a, y}, {x + 2 * a, y + b}, {x + a, y + 2 * b}};
}
TPoints ArrowUp(int x, int y, int w, int h) {
  const int we = w / 2 * 2, q = we / 4, mid = y + h / 2;
  return {{x, mid}, {x + we / 2, y}, {x + we, mid}, {x + 3 * q, mid}, {x + 3 * q, y + h}, {x + q, y + h}, {x + q, mid}};
}
TPoints ArrowDown(int x, int y, int w, int h) {
  const int we = w / 2 * 2, q = we / 4, mid = y + h / 2;
  return {{x, mid}, {x + we / 2, y + h}, {x + we, mid}, {x + 3 * q, mid}, {x + 3 * q, y}, {x + q, y}, {x + q, mid}};
}
TPoints ArrowLeft(int x, int y, int w, int h) {
  const int he = h / 2 * 2, c = w / 2, q = he / 4;
  return {{x, y + he / 2},    {x + c, y},         {x + c, y + q}, {x + w, y + q},
          {x + w, y + 3 * q}, {x + c, y + 3 * q}, {x + c, y + he}};
}
TPoints ArrowRight(int x, int y, int w, int h) {
  const int he = h / 2 * 2, c = w / 2, q = he / 4;
  return {{x + w, y + he / 2}, {x + c, y},         {x + c, y + q}, {x, y + q},
          {x, y + 3 * q},      {x + c, y + 3 * q}, {x + c, y + he}};
}

// Star point k of ten: angle k * pi / 5 clockwise from straight up, outer
// radii for even k, a third of them for odd k.
TPoint StarPoint(int x, int y, int w, int h, int k) {
  const int cx = x + w / 2, cy = y + h / 2;
  const double rx = w / 2, ry = h / 2;
  const double a = k % 2 == 0 ? rx : rx / 3, b = k % 2 == 0 ? ry : ry / 3;
  const double theta = k * std::numbers::pi / 5;
  return TPoint(cx + RoundHalfEven(std::sin(theta) * a), cy - RoundHalfEven(std::cos(theta) * b));
}
TPoints Star(int x, int y, int w, int h) {
  TPoints pts;
  for (int k = 0; k < 10; ++k) pts.push_back(StarPoint(x, y, w, h, k));
  return pts;
}
TPoints HalfStar(int x, int y, int w, int h) {
  TPoints pts;
  for (int k : {0, 5, 6, 7, 8, 9}) pts.push_back(StarPoint(x, y, w, h, k));
  return pts;
}

struct ShapeEntry {
  ShapeKind Kind;
  bool Square;  // width and height both become the smaller one
  TPoints (*Points)(int, int, int, int);
};

// One entry per TCellShape, in its order.
constexpr ShapeEntry ShapeTable[] = {
    {ShapeKind::Rect, false, nullptr},           // csRectangle
    {ShapeKind::Ellipse, true, nullptr},         // csCircle
    {ShapeKind::Polygon, false, TriangleLeft},   // csTriangleLeft
    {ShapeKind::Polygon, false, TriangleRight},  // csTriangleRight
    {ShapeKind::Polygon, false, TriangleUp},     // csTriangleUp
    {ShapeKind::Polygon, false, TriangleDown},   // csTriangleDown
    {ShapeKind::Polygon, false, Diamond},        // csDiamond
    {ShapeKind::LineVert, false, nullptr},       // csLineVert
    {ShapeKind::LineHorz, false, nullptr},       // csLineHorz
    {ShapeKind::RoundRect, false, nullptr},      // csRoundRect
    {ShapeKind::Ellipse, false, nullptr},        // csEllips
    {ShapeKind::Rect, true, nullptr},            // csSquare
    {ShapeKind::RoundRect, true, nullptr},       // csRoundSquare
    {ShapeKind::Polygon, false, Star},           // csStar
    {ShapeKind::Polygon, false, ArrowUp},        // csArrowUp
    {ShapeKind::Polygon, false, ArrowDown},      // csArrowDown
    {ShapeKind::Polygon, false, ArrowLeft},      // csArrowLeft
    {ShapeKind::Polygon, false, ArrowRight},     // csArrowRight
    {ShapeKind::Polygon, false, HalfStar},       // csHalfStar
};
static_assert(std::size(ShapeTable) == csHalfStar + 1);
}  // namespace

void DrawCellShape(TCanvas& Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor BrushColor, TColor PenColor) {
  Canvas.Brush().Color = BrushColor;
  Canvas.Pen().Color = PenColor;
  if (Shape < csRectangle || Shape > csHalfStar) return;
  const ShapeEntry& e = ShapeTable[Shape];
  if (e.Square) W = H = std::min(W, H);
  switch (e.Kind) {
    case ShapeKind::Rect: Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1); break;
    case ShapeKind::Ellipse: Canvas.Ellipse(X, Y, X + W, Y + H); break;
    case ShapeKind::RoundRect: Canvas.RoundRect(X, Y, X + W, Y + H, 10, 10); break;
    case ShapeKind::Polygon: Canvas.Polygon(e.Points(X, Y, W, H)); break;
    case ShapeKind::LineVert: Canvas.Rectangle(X + W / 2, Y, X + W / 2 + 1, Y + H); break;
    case ShapeKind::LineHorz: Canvas.Rectangle(X, Y + H / 2, X + W, Y + H / 2 + 1); break;
  }
}
