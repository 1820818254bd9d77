#include "grid/features/DragScrollOptions.h"

#include "grid/features/AssignCheck.h"

namespace {

TEST(DragScrollOptions, DefaultsAndAssignOfBothSubObjects) {
  using T = TDragScrollOptions;
  const T fresh;
  EXPECT_EQ(fresh.Delays.InitialDelay, 1000);
  EXPECT_EQ(fresh.Delays.RepeatDelay, 250);
  EXPECT_EQ(fresh.Margins.LeftMargin, 50);
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, Active, true, true),
      ASSIGN_FIELD(T, Delays.InitialDelay, 1, true),
      ASSIGN_FIELD(T, Delays.RepeatDelay, 2, true),
      ASSIGN_FIELD(T, Margins.TopMargin, 3, true),
      ASSIGN_FIELD(T, Margins.BottomMargin, 4, true),
      ASSIGN_FIELD(T, Margins.LeftMargin, 5, true),
      ASSIGN_FIELD(T, Margins.RightMargin, 6, true),
  };
  ExpectAssignCopies<T>(fields, [] { return std::make_unique<T>(); });
}

}  // namespace
