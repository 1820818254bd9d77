#include "grid/features/HTMLSettings.h"

#include "grid/features/AssignCheck.h"

namespace {

TEST(HTMLSettings, AssignLeavesOutExportImagesAndColWidths) {
  using T = THTMLSettings;
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, AutoPreview, true, true),
      ASSIGN_FIELD(T, BorderSize, 3, true),
      ASSIGN_FIELD(T, CellSpacing, 3, true),
      ASSIGN_FIELD(T, CellPadding, 3, true),
      ASSIGN_FIELD(T, ConvertSpecialChars, true, true),
      ASSIGN_FIELD(T, ExportImages, false, false),
      ASSIGN_FIELD(T, FooterFile, "f", true),
      ASSIGN_FIELD(T, HeaderFile, "h", true),
      ASSIGN_FIELD(T, NonBreakingText, true, true),
      ASSIGN_FIELD(T, PrefixTag, "<p>", true),
      ASSIGN_FIELD(T, SuffixTag, "</p>", true),
      ASSIGN_FIELD(T, Summary, "s", true),
      ASSIGN_FIELD(T, TableStyle, "t", true),
      ASSIGN_FIELD(T, SaveColor, false, true),
      ASSIGN_FIELD(T, SaveFonts, false, true),
      ASSIGN_FIELD(T, Width, 50, true),
      ASSIGN_FIELD(T, XHTML, true, true),
      {"ColWidths", [](T& o) { o.ColWidths.Add(9); },
       [](T& a, T& b) { return a.ColWidths.Count() == b.ColWidths.Count(); }, false},
  };
  ExpectAssignCopies<T>(fields, [] { return std::make_unique<T>(); });
}

}  // namespace
