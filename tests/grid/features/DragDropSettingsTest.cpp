#include "grid/features/DragDropSettings.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/features/AssignCheck.h"

namespace {

TEST(DragDropSettings, AssignCopiesAllFifteenWithoutRegistering) {
  using T = TDragDropSettings;
  TPlexStringGrid g(nullptr);
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, OleDropSource, true, true),
      ASSIGN_FIELD(T, OleAcceptFiles, false, true),
      ASSIGN_FIELD(T, OleAcceptText, false, true),
      ASSIGN_FIELD(T, OleAcceptURLs, false, true),
      ASSIGN_FIELD(T, OleAppendRows, true, true),
      ASSIGN_FIELD(T, ShowCells, false, true),
      ASSIGN_FIELD(T, OleEntireRows, true, true),
      ASSIGN_FIELD(T, OleRemoveRows, true, true),
      ASSIGN_FIELD(T, OleInsertRows, true, true),
      ASSIGN_FIELD(T, OleCopyAlways, true, true),
      ASSIGN_FIELD(T, OleColumnDragDrop, true, true),
      ASSIGN_FIELD(T, OleColumnReorder, true, true),
      ASSIGN_FIELD(T, OleColumnsOnly, true, true),
      {"OleDropTarget", [](T& o) { o.SetOleDropTarget(true); },
       [](T& a, T& b) { return a.OleDropTarget() == b.OleDropTarget(); }, true},
      {"OleDropRTF", [](T& o) { o.SetOleDropRTF(true); }, [](T& a, T& b) { return a.OleDropRTF() == b.OleDropRTF(); },
       true},
  };
  ExpectAssignCopies<T>(fields, [&g] { return std::make_unique<T>(&g); });
}

TEST(DragDropSettings, DropTargetSwitchRegistersAndRevokes) {
  TPlexStringGrid g(nullptr);
  g.DragDropSettings().SetOleDropTarget(true);
  EXPECT_TRUE(g.DropTargetRegistered());
  g.DragDropSettings().SetOleDropTarget(false);
  EXPECT_FALSE(g.DropTargetRegistered());
  EXPECT_EQ(g.FeatureCalls(), (std::vector<QString>{"RegisterDragDrop", "RevokeDragDrop"}));
}

}  // namespace
