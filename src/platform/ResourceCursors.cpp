#include "platform/ResourceCursors.h"

#include "platform/Controls.h"

#include <QCursor>
#include <QWidget>

#include <array>
#include <utility>

namespace {

// The panning cursors' images are ours to choose: the size arrows that point
// the way the view moves.
constexpr std::array<std::pair<int, Qt::CursorShape>, 13> ResourceShapes = {{
    {crSelectRow, Qt::SizeHorCursor},
    {crSelectColumn, Qt::UpArrowCursor},
    {crSelectAll, Qt::CrossCursor},
    {crCellSelector, Qt::CrossCursor},
    {crPanNeutral, Qt::SizeAllCursor},
    {crPanDown, Qt::SizeVerCursor},
    {crPanLeft, Qt::SizeHorCursor},
    {crPanRight, Qt::SizeHorCursor},
    {crPanUp, Qt::SizeVerCursor},
    {crPanUpRight, Qt::SizeBDiagCursor},
    {crPanUpLeft, Qt::SizeFDiagCursor},
    {crPanDownRight, Qt::SizeFDiagCursor},
    {crPanDownLeft, Qt::SizeBDiagCursor},
}};

}  // namespace

const char* const ResourceCursorProperty = "quilloreResourceCursor";

void ShowResourceCursor(TControl* Control, int Id) {
  if (!Control || !Control->Widget()) return;
  Qt::CursorShape shape = Qt::ArrowCursor;
  for (const auto& [id, s] : ResourceShapes)
    if (id == Id) shape = s;
  Control->Widget()->setCursor(QCursor(shape));
  Control->Widget()->setProperty(ResourceCursorProperty, Id);
}

int ShownResourceCursor(TControl* Control) {
  if (!Control || !Control->Widget()) return 0;
  return Control->Widget()->property(ResourceCursorProperty).toInt();
}
