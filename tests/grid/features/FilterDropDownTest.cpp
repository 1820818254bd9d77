#include "grid/features/FilterDropDown.h"

#include "grid/features/AssignCheck.h"

namespace {

TEST(FilterDropDown, DefaultsAndGlyphChangesNotify) {
  TFilterDropDown d;
  EXPECT_EQ(d.Width, 150);
  EXPECT_EQ(d.Height, 150);
  EXPECT_EQ(d.Color, clWindow);
  int changes = 0;
  TObject* sender = nullptr;
  d.OnChange = [&](TObject* s) {
    ++changes;
    sender = s;
  };
  TBitmap glyph(4, 4);
  d.SetGlyph(glyph);
  d.SetGlyphActive(glyph);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(sender, &d);
  EXPECT_EQ(d.Glyph().Width(), 4);
}

TEST(FilterDropDown, AssignLeavesOutAutoSize) {
  using T = TFilterDropDown;
  static TBitmap glyph(5, 3);
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, Width, 10, true),
      ASSIGN_FIELD(T, Height, 20, true),
      ASSIGN_FIELD(T, AutoSize, true, false),
      ASSIGN_FIELD(T, ColumnWidth, true, true),
      ASSIGN_FIELD(T, Color, clRed, true),
      {"Font", [](T& o) { o.Font().SetSize(21); }, [](T& a, T& b) { return a.Font().Size() == b.Font().Size(); }, true},
      {"Glyph", [](T& o) { o.SetGlyph(glyph); }, [](T& a, T& b) { return a.Glyph().Width() == b.Glyph().Width(); },
       true},
      {"GlyphActive", [](T& o) { o.SetGlyphActive(glyph); },
       [](T& a, T& b) { return a.GlyphActive().Width() == b.GlyphActive().Width(); }, true},
  };
  ExpectAssignCopies<T>(fields, [] { return std::make_unique<T>(); });
}

}  // namespace
