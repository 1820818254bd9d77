// The drop-down edit's component styles, colour tones and selected-item looks.
#include "grid/dropdowns/PlexCustomDropDown.h"

#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <gtest/gtest.h>

namespace {

struct DropDownStyles : ::testing::Test {
  TForm Form{nullptr};
  TPlexCustomDropDown* Edit = new TPlexCustomDropDown(&Form);
};

TEST_F(DropDownStyles, StartsInTheLunaLookWithTheOfficeSelection) {
  EXPECT_EQ(Edit->ComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(Edit->DropDownColor(), TColor(0xF3E5DA));
  EXPECT_EQ(Edit->DropDownHeader().Font().Color(), TColor(0x723708));
  EXPECT_EQ(Edit->SelectionColorStyle(), scOffice2007);
  EXPECT_EQ(Edit->SelectionColor, TColor(0xD7FFFD));
  EXPECT_EQ(Edit->SelectionColorTo, TColor(0x58D4FC));
}

TEST_F(DropDownStyles, StylesWriteSurfaceBarsAndButtons) {
  struct TCase {
    TOrvStyle Style;
    TColor HeaderColor, HeaderColorTo, HeaderBorder, FooterColor, FooterColorTo, FooterBorder;
    TColor ButtonColorHot, ButtonBorderColorHot;
  };
  const TCase cases[] = {
      {tsOffice2003Blue, 0xFCE1CB, 0xE0A57D, clBlack, 0xFCE1CB, 0xE0A57D, 0x962D00, 0xEBFDFF, 0x99CEDB},
      {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0xFCF2DA, 0xFEF9F0, 0xFCF2DA},
      {tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, 0x58CAF1},
      {tsTerminal, clBtnFace, clBtnFace, clNone, clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0x808080},
  };
  for (const TCase& c : cases) {
    Edit->SetComponentStyle(c.Style);
    EXPECT_EQ(Edit->ComponentStyle(), c.Style);
    EXPECT_EQ(Edit->DropDownHeader().Color, c.HeaderColor) << c.Style;
    EXPECT_EQ(Edit->DropDownHeader().ColorTo, c.HeaderColorTo) << c.Style;
    EXPECT_EQ(Edit->DropDownHeader().BorderColor, c.HeaderBorder) << c.Style;
    EXPECT_EQ(Edit->DropDownFooter().Color, c.FooterColor) << c.Style;
    EXPECT_EQ(Edit->DropDownFooter().ColorTo, c.FooterColorTo) << c.Style;
    EXPECT_EQ(Edit->DropDownFooter().BorderColor, c.FooterBorder) << c.Style;
    EXPECT_EQ(Edit->ButtonAppearance().ColorHot(), c.ButtonColorHot) << c.Style;
    EXPECT_EQ(Edit->ButtonAppearance().BorderColorHot(), c.ButtonBorderColorHot) << c.Style;
  }
}

TEST_F(DropDownStyles, SameBorderKeepsTheBorderColourAndCustomTouchesNothing) {
  Edit->SetDropDownBorderColor(0x123456);
  Edit->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(Edit->DropDownBorderColor(), TColor(0x123456));
  EXPECT_EQ(Edit->DropDownColorTo, clNone);
  Edit->SetComponentStyle(tsOffice2003Olive);
  EXPECT_EQ(Edit->DropDownBorderColor(), clNone);

  Edit->SetDropDownColor(0x010203);
  Edit->DropDownHeader().Color = 0x040506;
  Edit->ButtonAppearance().SetColorHot(0x070809);
  Edit->SetSelectionColorStyle(scCustom);
  Edit->SelectionColor = 0x0A0B0C;
  Edit->SetComponentStyle(tsCustom);
  EXPECT_EQ(Edit->ComponentStyle(), tsCustom);
  EXPECT_EQ(Edit->DropDownColor(), TColor(0x010203));
  EXPECT_EQ(Edit->DropDownHeader().Color, TColor(0x040506));
  EXPECT_EQ(Edit->ButtonAppearance().ColorHot(), TColor(0x070809));
  EXPECT_EQ(Edit->SelectionColor, TColor(0x0A0B0C));
}

TEST_F(DropDownStyles, ButtonLookChangesAreAnnounced) {
  int changes = 0;
  Edit->ButtonAppearance().OnChange = [&](TObject*) { ++changes; };
  Edit->SetComponentStyle(tsOffice2010Black);
  EXPECT_GT(changes, 0);
  changes = 0;
  Edit->SetComponentStyle(tsOffice2010Black);
  EXPECT_EQ(changes, 0);
}

TEST_F(DropDownStyles, SelectionPresetsAndCustomFill) {
  const struct {
    TSelectionColorStyle Style;
    TColor From, To;
  } presets[] = {{scWindows7, 0xFCEBDC, 0xFCDBC1}, {scWindowsVista, 0xFDF8F1, 0xFCEFD5}, {scOffice2007, 0xD7FFFD, 0x58D4FC}};
  for (const auto& p : presets) {
    Edit->SetSelectionColorStyle(p.Style);
    EXPECT_EQ(Edit->SelectionColor, p.From) << p.Style;
    EXPECT_EQ(Edit->SelectionColorTo, p.To) << p.Style;
  }
  Edit->SetSelectionColorStyle(scCustom);
  EXPECT_EQ(Edit->SelectionColor, TColor(0xD7FFFD));

  TBitmap b(40, 20);
  Edit->SelectionColor = 0x00AA00;
  Edit->DrawSelectionBackground(b.Canvas(), TRect(0, 0, 40, 20), 0, clWhite);
  EXPECT_EQ(paintprobe::At(b, 0, 0), TColor(0x00AA00));
  EXPECT_EQ(paintprobe::At(b, 20, 10), TColor(0x00AA00));

  Edit->SetSelectionColorStyle(scWindows7);
  Edit->DrawSelectionBackground(b.Canvas(), TRect(0, 0, 40, 20), 0, 0x0000FF);
  EXPECT_EQ(paintprobe::At(b, 0, 0), TColor(0x0000FF));  // outer corner
  EXPECT_EQ(paintprobe::At(b, 20, 0), TColor(0xCEA27D));  // outer line
}

TEST_F(DropDownStyles, ColorTonesSetTheButtonAndTheBorder) {
  TColorTones tones;
  tones.Background = {0x111111, 0x222222, clBlack};
  tones.Hover = {0x333333, clNone, clBlack};
  tones.Selected = {0x444444, clNone, clBlack};
  Edit->SetColorTones(tones);
  EXPECT_EQ(Edit->ButtonColor, TColor(0x111111));
  EXPECT_EQ(Edit->ButtonColorHot, TColor(0x333333));
  EXPECT_EQ(Edit->ButtonColorDown, TColor(0x444444));
  EXPECT_EQ(Edit->ButtonBorderColor, TColor(0x222222));
  EXPECT_EQ(Edit->BorderColor(), TColor(0x222222));
}

}  // namespace
