#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <memory>

// A form frees what it owns newest first, so its tab sheets go before the
// page control that lists them.
TEST(PageControl, SheetsFreedBeforeTheirPageControlLeaveIt) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  auto* first = new TTabSheet(form.get());
  first->SetPageControl(pages);
  auto* second = new TTabSheet(form.get());
  second->SetPageControl(pages);
  ASSERT_EQ(pages->PageCount(), 2);
  delete second;
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->ActivePage(), first);
  form.reset();
}
