// A shown form for the grid button's tests, with helpers that press and
// release the mouse on a button's window.
#pragma once

#include "grid/foundation/PlexGridButton.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct GridButtonFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);

  TPlexGridButton* AddButton(int left, int top = 10, int width = 60, int height = 23) {
    auto* b = new TPlexGridButton(Form.get());
    b->SetParent(Form.get());
    b->SetBounds(left, top, width, height);
    return b;
  }
  void Show() {
    Form->SetClientWidth(400);
    Form->SetClientHeight(200);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  static void Press(TPlexGridButton* b, int x, int y) {
    QTest::mousePress(b->Widget(), Qt::LeftButton, {}, QPoint(x, y));
  }
  static void Release(TPlexGridButton* b, int x, int y) {
    QTest::mouseRelease(b->Widget(), Qt::LeftButton, {}, QPoint(x, y));
  }
  static void ClickAt(TPlexGridButton* b, int x = 5, int y = 5) {
    Press(b, x, y);
    Release(b, x, y);
  }
};
