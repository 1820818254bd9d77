#include "grid/features/PrintSettings.h"

#include "grid/features/AssignCheck.h"

namespace {

TEST(PrintSettings, DefaultsAndAssignOfEveryPublishedProperty) {
  using T = TPrintSettings;
  const T fresh(nullptr);
  EXPECT_EQ(fresh.DateFormat, "dd/mm/yyyy");
  EXPECT_EQ(fresh.PageNumSep, "/");
  EXPECT_EQ(fresh.Borders, pbSingle);
  EXPECT_TRUE(fresh.Centered);
  EXPECT_TRUE(fresh.UseDisplayFont);
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, Time, ppTopLeft, true),
      ASSIGN_FIELD(T, Date, ppTopLeft, true),
      ASSIGN_FIELD(T, PageNr, ppTopLeft, true),
      ASSIGN_FIELD(T, Title, ppTopLeft, true),
      ASSIGN_FIELD(T, DateFormat, "yyyy", true),
      ASSIGN_FIELD(T, PageNumSep, "-", true),
      ASSIGN_FIELD(T, PagePrefix, "p", true),
      ASSIGN_FIELD(T, PageSuffix, "s", true),
      ASSIGN_FIELD(T, TitleText, "t", true),
      ASSIGN_FIELD(T, JobName, "j", true),
      ASSIGN_FIELD(T, Borders, pbDouble, true),
      ASSIGN_FIELD(T, BorderStyle, psDot, true),
      ASSIGN_FIELD(T, BorderColor, clRed, true),
      ASSIGN_FIELD(T, Centered, false, true),
      ASSIGN_FIELD(T, RepeatFixedRows, true, true),
      ASSIGN_FIELD(T, RepeatFixedCols, true, true),
      ASSIGN_FIELD(T, FooterSize, 1, true),
      ASSIGN_FIELD(T, HeaderSize, 1, true),
      ASSIGN_FIELD(T, LeftSize, 1, true),
      ASSIGN_FIELD(T, RightSize, 1, true),
      ASSIGN_FIELD(T, ColumnSpacing, 1, true),
      ASSIGN_FIELD(T, RowSpacing, 1, true),
      ASSIGN_FIELD(T, TitleSpacing, 1, true),
      ASSIGN_FIELD(T, PageNumberOffset, 1, true),
      ASSIGN_FIELD(T, MaxPagesOffset, 1, true),
      ASSIGN_FIELD(T, FixedWidth, 1, true),
      ASSIGN_FIELD(T, FixedHeight, 1, true),
      ASSIGN_FIELD(T, UseFixedHeight, true, true),
      ASSIGN_FIELD(T, UseFixedWidth, true, true),
      ASSIGN_FIELD(T, Orientation, poLandscape, true),
      ASSIGN_FIELD(T, FitToPage, fpShrink, true),
      ASSIGN_FIELD(T, NoAutoSize, true, true),
      ASSIGN_FIELD(T, NoAutoSizeRow, true, true),
      ASSIGN_FIELD(T, PrintGraphics, true, true),
      ASSIGN_FIELD(T, UseDefaultOrientation, true, true),
      ASSIGN_FIELD(T, UseDisplayFont, false, true),
      {"Font", [](T& o) { o.Font().SetSize(20); }, [](T& a, T& b) { return a.Font().Size() == b.Font().Size(); }, true},
      {"FixedFont", [](T& o) { o.FixedFont().SetSize(20); },
       [](T& a, T& b) { return a.FixedFont().Size() == b.FixedFont().Size(); }, true},
      {"HeaderFont", [](T& o) { o.HeaderFont().SetSize(20); },
       [](T& a, T& b) { return a.HeaderFont().Size() == b.HeaderFont().Size(); }, true},
      {"FooterFont", [](T& o) { o.FooterFont().SetSize(20); },
       [](T& a, T& b) { return a.FooterFont().Size() == b.FooterFont().Size(); }, true},
      {"TitleLines", [](T& o) { o.TitleLines().Add("x"); },
       [](T& a, T& b) { return a.TitleLines().Text() == b.TitleLines().Text(); }, true},
  };
  ExpectAssignCopies<T>(fields, [] { return std::make_unique<T>(nullptr); });
}

}  // namespace
