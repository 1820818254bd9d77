#include "platform/ParentBackground.h"

#include "platform/Forms.h"
#include "platform/internal/Painting.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(ParentBackground, ThePartOfTheParentUnderTheControl) {
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* c = new TCustomControl(&form);
  c->SetParent(&form);
  c->SetBounds(10, 10, 20, 10);
  TBitmap under;
  ASSERT_TRUE(PaintParentBackground(c, under));
  EXPECT_EQ(under.Width(), 20);
  EXPECT_EQ(under.Height(), 10);
  EXPECT_EQ(FromQColor(under.Image().pixelColor(5, 5)), clYellow);
  TCustomControl orphan(nullptr);
  orphan.SetBounds(0, 0, 5, 5);
  EXPECT_FALSE(PaintParentBackground(&orphan, under));
}
