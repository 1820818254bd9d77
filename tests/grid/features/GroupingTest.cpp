#include "grid/features/Grouping.h"

#include "grid/features/AssignCheck.h"

namespace {

// The copied list names neither the line colours and widths nor Summary.
TEST(Grouping, AssignLeavesOutLineColoursWidthsAndSummary) {
  using T = TGrouping;
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, MergeHeader, true, true),        ASSIGN_FIELD(T, MergeSummary, true, true),
      ASSIGN_FIELD(T, HeaderColor, clRed, true),       ASSIGN_FIELD(T, HeaderColorTo, clRed, true),
      ASSIGN_FIELD(T, HeaderTextColor, clRed, true),   ASSIGN_FIELD(T, HeaderUnderline, true, true),
      ASSIGN_FIELD(T, HeaderLineColor, clRed, false),  ASSIGN_FIELD(T, HeaderLineWidth, 5, false),
      ASSIGN_FIELD(T, Summary, true, false),           ASSIGN_FIELD(T, SummaryColor, clRed, true),
      ASSIGN_FIELD(T, SummaryColorTo, clRed, true),    ASSIGN_FIELD(T, SummaryTextColor, clRed, true),
      ASSIGN_FIELD(T, SummaryLine, true, true),        ASSIGN_FIELD(T, SummaryLineColor, clRed, false),
      ASSIGN_FIELD(T, SummaryLineWidth, 5, false),     ASSIGN_FIELD(T, ShowGroupCount, true, true),
      ASSIGN_FIELD(T, GroupCountFormat, "(%d)", true), ASSIGN_FIELD(T, AutoSelectGroup, true, true),
      ASSIGN_FIELD(T, AutoCheckGroup, true, true),
  };
  ExpectAssignCopies<T>(fields, [] { return std::make_unique<T>(); });
}

}  // namespace
