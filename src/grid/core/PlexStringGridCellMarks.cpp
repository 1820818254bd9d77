// Cell objects that show a value or mark the cell: progress bars and pies,
// range indicators, comments, shapes, ratings, in-cell scroll bars and
// markers of a stretch of the text.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"

namespace {
TCellGraphic* OfKind(TCellGraphic* G, TCellType Kind) { return G && G->CellType == Kind ? G : nullptr; }
}  // namespace

// ---- progress

void TPlexStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                           TColor BKTextColor, const QString& Fmt, int Min, int Max) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctProgress;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellColor = FGColor;
  g->CellIconColor = BKColor;
  g->CellIndex = int(FGTextColor);
  g->CellAngle = int(BKTextColor);
  g->CellBoolean = FGTextColor != clNone || BKTextColor != clNone;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
  g->CellText = Fmt;
  if (AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TPlexStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, QString(), 0, 100);
}

void TPlexStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                    TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
  if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctProgress)) g->CellBoolean = true;
}

void TPlexStringGrid::AddPlexProgress(int ACol, int ARow, int Min, int Max) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctXPProgress;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
}

void TPlexStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctProgressPie;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaTop;
  g->CellColor = Color;
  g->CellAngle = Value;
}

void TPlexStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
  if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctProgressPie)) {
    g->CellAngle = Value;
    RepaintDisplayedCell(ACol, ARow);
  }
}

void TPlexStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                        bool ShowValue) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctRangeIndicator;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellIndex = Range;
  g->CellColor = NegColor;
  g->CellIconColor = PosColor;
  g->CellBoolean = ShowValue;
}

// ---- comments

void TPlexStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctComment;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellText = Comment;
  g->CellIndex = int(Color);
}

void TPlexStringGrid::AddComment(int ACol, int ARow, const QString& Comment) {
  AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

QString TPlexStringGrid::GetComment(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctComment);
  return g ? g->CellText : QString();
}

void TPlexStringGrid::SetComment(int ACol, int ARow, const QString& Value) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g)
    AddComment(ACol, ARow, Value);
  else if (g->CellType == ctComment)
    g->CellText = Value;
}

bool TPlexStringGrid::IsComment(int ACol, int ARow, QString& Comment) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctComment);
  if (g) Comment = g->CellText;
  return g != nullptr;
}

void TPlexStringGrid::RemoveAllComments() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) RemoveComment(RealColIndex(c), r);
}

// ---- shapes and ratings

void TPlexStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                               TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctShape;
  g->CellHAlign = hal;
  g->CellVAlign = val;
  g->CellAngle = Shape;
  g->CellIndex = int(FillColor);
  g->CellColor = LineColor;
}

void TPlexStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctShape)) g->CellIndex = int(FillColor);
}

TColor TPlexStringGrid::GetShapeColor(int ACol, int ARow) {
  const TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctShape);
  return g ? TColor(g->CellIndex) : clNone;
}

void TPlexStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctRating;
  g->CellHAlign = haFull;
  g->CellAngle = Scale;
  g->CellIndex = int(FillColor);
  g->CellColor = EmptyColor;
}

// ---- in-cell scroll bars (the operations after Add act on the base cell)

void TPlexStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctScrollbar;
  g->CellIndex = 0;
  g->CellAngle = 0;
  g->CellErrFrom = 100;
  g->CellBoolean = AutoRange;
  if (AutoRange) CellTextChanged(ACol, ARow);
}

namespace {
TCellGraphic* BaseScrollBar(TPlexStringGrid& Grid, int ACol, int ARow) {
  if (!Grid.HasScrollBar(ACol, ARow)) return nullptr;
  const TPoint base = Grid.BaseCell(ACol, ARow);
  return Grid.GetCellGraphic(base.X, base.Y);
}
}  // namespace

bool TPlexStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
  const TCellGraphic* g = BaseScrollBar(*this, ACol, ARow);
  return g && g->CellBoolean;
}

int TPlexStringGrid::GetScrollPosition(int ACol, int ARow) {
  const TCellGraphic* g = BaseScrollBar(*this, ACol, ARow);
  return g ? g->CellIndex : -1;
}

void TPlexStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
  if (TCellGraphic* g = BaseScrollBar(*this, ACol, ARow)) {
    g->CellIndex = Pos;
    RepaintDisplayedCell(ACol, ARow);
  }
}

TScrollProp TPlexStringGrid::GetScrollProp(int ACol, int ARow) {
  const TCellGraphic* g = BaseScrollBar(*this, ACol, ARow);
  return g ? TScrollProp{g->CellAngle, g->CellErrFrom} : TScrollProp{-1, -1};
}

void TPlexStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
  if (TCellGraphic* g = BaseScrollBar(*this, ACol, ARow)) {
    g->CellAngle = Prop.PageSize;
    g->CellErrFrom = Prop.Range;
  }
}

// ---- markers: their own fields, so no kind's values are overwritten

void TPlexStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) {
    g = CreateCellGraphic(ACol, ARow);
    if (!g) return;
    g->CellType = ctEmpty;
  }
  g->MarkerFrom = ErrPos;
  g->MarkerLen = ErrLen;
  RepaintDisplayedCell(ACol, ARow);
}

void TPlexStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  ErrPos = g ? g->MarkerFrom : 0;
  ErrLen = g ? g->MarkerLen : 0;
}

void TPlexStringGrid::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  if (g->CellType == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  g->MarkerFrom = 0;
  g->MarkerLen = 0;
  RepaintDisplayedCell(ACol, ARow);
}

void TPlexStringGrid::RemoveAllMarkers() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) RemoveMarker(RealColIndex(c), r);
}
