#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A page moved to another place keeps being the page shown; places past
// either end are clamped.
TEST(PageControl, PageMovedToAnIndex) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  TTabSheet* sheets[3];
  for (TTabSheet*& s : sheets) {
    s = new TTabSheet(form.get());
    s->SetPageControl(pages);
  }
  pages->SetActivePage(sheets[2]);
  sheets[2]->SetPageIndex(0);
  EXPECT_EQ(pages->Pages(0), sheets[2]);
  EXPECT_EQ(pages->Pages(1), sheets[0]);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  sheets[0]->SetPageIndex(99);
  EXPECT_EQ(pages->Pages(2), sheets[0]);
  sheets[0]->SetPageIndex(-5);
  EXPECT_EQ(sheets[0]->PageIndex(), 0);
}

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

// The page control lays its pages out; a control aligned on a page fills the
// room its page was given, on every page, also after the control is resized.
TEST(PageControl, ControlsAlignedOnAPageFillIt) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientWidth(400);
  form->SetClientHeight(300);
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  pages->SetAlign(alClient);
  TPanel* fillers[2] = {};
  for (TPanel*& filler : fillers) {
    auto* sheet = new TTabSheet(form.get());
    sheet->SetPageControl(pages);
    filler = new TPanel(form.get());
    filler->SetParent(sheet);
    filler->SetAlign(alClient);
  }
  form->Show();
  pages->SetActivePageIndex(1);
  for (TPanel* filler : fillers) {
    EXPECT_GT(filler->Width(), 350);
    EXPECT_GT(filler->Height(), 230);
    EXPECT_LE(filler->Height(), 300);
  }
  form->SetClientHeight(400);
  EXPECT_GT(fillers[1]->Height(), 330);
}

// Dragging a top-aligned bar sizes the panel above it; the panel below takes
// the rest, and neither gets less than MinSize.
TEST(Splitter, DraggingSizesTheControlItFollows) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientWidth(300);
  form->SetClientHeight(300);
  auto* top = new TPanel(form.get());
  top->SetParent(form.get());
  top->SetHeight(100);
  top->SetAlign(alTop);
  auto* bar = new TSplitter(form.get());
  bar->SetParent(form.get());
  bar->SetAlign(alTop);
  bar->SetBounds(0, 100, 300, 3);
  auto* rest = new TPanel(form.get());
  rest->SetParent(form.get());
  rest->SetAlign(alClient);
  form->Show();
  ASSERT_EQ(bar->Top(), 100);
  int moved = 0;
  bar->OnMoved = [&](TObject*) { ++moved; };
  struct Case {
    int Drag, Height;
  };
  const Case cases[] = {{40, 140}, {-60, 80}, {-500, 30}, {1000, 267}};
  for (const Case& c : cases) {
    QWidget* w = bar->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(w, QPoint(10, 1 + c.Drag));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(10, 1 + c.Drag));
    EXPECT_EQ(top->Height(), c.Height) << c.Drag;
    EXPECT_EQ(bar->Top(), c.Height);
    EXPECT_EQ(rest->Top(), c.Height + 3);
    EXPECT_EQ(rest->Height(), 300 - c.Height - 3);
  }
  EXPECT_EQ(moved, 4);
}
